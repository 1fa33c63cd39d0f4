#include "poidb/PoiListing.h"

#include <algorithm>

#include "poidb/clsDBLib.h"

void ListAllPois(PoiList& list) {
    DBLib().OpenCoordinateRecordset();
    list.Clear();
    PoiRecord poi;
    int16_t n = 0;
    while (DBLib().FetchCoordinateRecord(poi.SeqNo, poi.X, poi.Y, poi.Kind, poi.Explanation).value_or(false)) {
        if (n == PoiListLimit) {
            DBLib().CloseVehicleRecordset();  // the caller goes on with the rows it has
            throw PoiListFull();
        }
        list[n] = poi;
        ++n;
        list.Grow();
    }
    DBLib().CloseVehicleRecordset();
}

int PoiListRoom(clsDBLib& db) { return static_cast<int>(std::max<qint64>(PoiListLimit - db.CountCoordinates(), 0)); }
