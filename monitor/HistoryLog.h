#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>

#include "common/StationError.h"
#include "monitor/TrackRecord.h"

// The monthly history log: "export/History-yyyy-mm.log" in the program folder, one record per changed live
// position, read back by the history query. A record is eight "|"-separated fields: Time, NS, Lon, EW, Lat, Status,
// Speed, Heading (the north/south letter stands before the longitude and the east/west letter before the latitude),
// ended by CR CR LF. Coordinates use "." whatever the locale; speed and heading use the user's decimal mark.

class HistoryLogError : public StationError {
public:
    using StationError::StationError;
};

using Clock = std::function<QDateTime()>;

// One record without its line end.
QString HistoryLine(const TrackRecord& entry);

// A record as written to the file: UTF-8, followed by CR CR LF.
QByteArray HistoryRecord(const TrackRecord& entry);

// "History-" + four-digit year + "-" + two-digit month + ".log".
QString HistoryFileName(const QDateTime& when);

// The export folder of the program folder, created when missing. An existing folder whose name differs only in
// letter case ("Export") is used as it is. Throws HistoryLogError with the system's reason when it cannot be
// created.
QString EnsureExportFolder(const QString& programFolder);

// Appends one record to the month's file, the month taken from the clock at the moment of writing (not from the
// entry's Time), so a line written just after midnight on the first goes to the new month. The file is opened,
// written in one unbuffered write and closed for every record, so each line is in the file before the next
// sentence is taken in. Throws HistoryLogError with the reason when the folder or file cannot be made or written
// (a full disk, a read-only folder, something other than a regular file by the log's name), or when a field holds
// a "|" or a line end, which would shift the fields as the record is read back; a record that could not be written
// whole is cut back out, and a record never continues the remains of one that could not be.
void AppendHistoryRecord(const QString& programFolder, const TrackRecord& entry,
                         const Clock& clock = &QDateTime::currentDateTime);

// Speed and heading as the log and the table show them: the shortest decimal form with at most 7 significant
// digits, the user's decimal mark, no digit grouping.
QString SingleText(float value);

// A coordinate as the log writes it: the shortest plain decimal form with ".".
QString CoordinateText(double value);
