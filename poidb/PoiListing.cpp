#include "poidb/PoiListing.h"

#include "common/Numbers.h"
#include "poidb/clsDBLib.h"

void ListAllPois(PoiList& list) {
    DBLib().OpenCoordinateRecordset();
    list.Clear();
    PoiRecord poi;
    int16_t n = 0;
    while (DBLib().FetchCoordinateRecord(poi.SeqNo, poi.X, poi.Y, poi.Kind, poi.Explanation).value_or(false)) {
        if (n == 32767) throw OverflowError();
        list[n] = poi;
        ++n;
        list.Grow();
    }
    DBLib().CloseVehicleRecordset();
}
