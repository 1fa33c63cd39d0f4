#pragma once
#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QString>

#include "monitor/TrackRecord.h"

// Reading the monthly history log back (the writer is HistoryLog.h).

// The log of the day's month, "History-yyyy-mm.log" in the program folder's export folder, folder and file names
// matched without regard to case (logs copied from another system may sit in "Export"), the exact spelling first;
// "" when there is none.
QString FindHistoryFile(const QString& programFolder, const QDate& day);

// Reads a log one line at a time, never holding it whole. A line ends at a carriage return; a line feed right
// after it belongs to the same end, any other line feed is part of the line. The last line needs no end. So each
// record, ended by CR CR LF, reads as its line followed by an empty one.
class HistoryLineReader {
public:
    // False when the file cannot be opened.
    bool Open(const QString& path);
    // The next line; false at the end of the file, and when reading fails, which ends the read the same way.
    bool ReadLine(QString& line);

private:
    bool Fill();

    QFile file_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    bool ended_ = false;
};

// Field 1 of a record: "yyyy/mm/dd hh:mm:ss" as the log writes it, also with "-" between the date parts, one-digit
// parts, no seconds or no time at all. An invalid value for any other text. The value carries no time zone, so no
// daylight-saving gap shifts it.
QDateTime ReadHistoryTime(const QString& text);

// Parses a record's "|"-separated fields into entry: Time, NS, Lon, EW, Lat, Status, Speed, Heading; further fields
// are ignored. The assignments are made one by one: a field that is missing or does not convert leaves the entry's
// value as it was. Coordinates are read with "."; speed and heading with the user's decimal mark as the log writes
// them, and with "." when that fails (a log written under other regional settings).
void ParseHistoryLine(const QString& line, TrackRecord& entry);
