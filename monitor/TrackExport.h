#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

#include "common/SpareList.h"
#include "common/StationError.h"
#include "monitor/TrackRecord.h"

// Track export files for outside navigation programs, written from the listed positions in list order. Every line
// ends with CR LF; numbers use "." whatever the locale. Latitude and longitude are written as held, unsigned: the
// hemisphere letters are not used.
//
// Format 1 ("PaPaGO! (*.txt)"): "Datum,WGS84,WGS84,0,0,0,0,0", then per entry
//   TP,D, 24.123450000, 120.678900000, 09/02/18,10:15:30,0
// Format 2 ("MapSource 6.5 (*.trk)"): per day a header line (after an empty line from the second day on), then per
// entry a point line in fixed columns:
//   H  LATITUDE    LONGITUDE    DATE      TIME     ALT    ;track
//   T  +24.1234500 +120.6789000 18-FEB-09 10:15:30 -9999
// Any other format index gives an empty file.

QByteArray TrackExportText(const SpareList<TrackRecord>& list, int16_t formatIndex);

// Creates or replaces fileName with the list. Throws StationError with the reason when the file cannot be written
// whole; an earlier file of that name then stays as it was, and no partial file is left.
void WriteTrackExport(const QString& fileName, const SpareList<TrackRecord>& list, int16_t formatIndex);
