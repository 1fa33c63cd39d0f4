#pragma once
#include <QString>

// The history query's filter run by awk over the same log, as a user would check the station against it: the time
// field compared as text with both bounds, the speed field as a number within the range. The yardstick of the
// query benchmarks.
struct AwkQuery {
    QString LowerTime;
    QString UpperTime;
    QString LowestSpeed;
    QString HighestSpeed;
};

struct AwkRun {
    double Seconds = 0;  // wall time of the whole awk process
    long Matches = -1;   // matching lines, -1 when awk could not be run
};

AwkRun RunAwk(const AwkQuery& query, const QString& logPath);
