#pragma once
#include <QByteArrayView>

#include "monitor/TrackRecord.h"

// Parses the records of the history log (the writer is HistoryLog.h) into position entries, straight from the
// bytes of the line: a month holds millions of records, and a locale lookup or a regular expression for each field
// costs many times the reading of it. Fields in the form the log writes them are converted here; any other form is
// left to the platform's conversions, so that every text converts, or fails to, exactly as it always has.
class HistoryLineParser {
public:
    // Parses a record's "|"-separated fields into entry, one assignment after the other: a field that is missing
    // or does not convert leaves the entry's value as it was; fields after the eighth are ignored.
    // 1 Time: "yyyy/mm/dd hh:mm:ss", also with "-" between the date parts, one-digit parts, no seconds or no time
    //   at all, blanks around; stored in the 19-character form. Values carry no time zone, so no daylight-saving
    //   gap shifts them.
    // 2 NS, 4 EW, 6 Status: the text as it stands.
    // 3 Lon, 5 Lat: a decimal number with ".".
    // 7 Speed, 8 Heading: single precision, with "." or "," as the decimal mark (the log writes the user's mark,
    //   and a log may come from a desktop with the other one); never with digit grouping, so "1.234" is not 1234.
    void Parse(QByteArrayView line, TrackRecord& entry) const;
};
