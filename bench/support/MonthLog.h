#pragma once
#include <QDate>
#include <QString>

#include "AwkQuery.h"
#include "monitor/HistoryFilter.h"

// A month of history as the intake logs it: one changed position a second around the clock for the 30 days of
// April 2009, about 2.6 million records ended by CR CR LF, written by the station's own record writer. A vehicle
// drives, stops and turns, so speeds run from 0 to about 60 and headings round the compass.

inline const QDate MonthLogDay(2009, 4, 18);  // a day in the middle of the month, for the queries

// Writes the month's log into programFolder/export and gives its path; "" when it cannot be written.
QString WriteMonthLog(const QString& programFolder);

// A query of the benchmarks over that day: "hh:mm" bounds and the speed box texts, as a user picks and types them.
struct MonthQuery {
    const char* name;
    const char* from;
    const char* to;
    const char* lowSpeed;
    const char* highSpeed;

    HistoryFilter Filter() const;
    // The same filter for awk.
    AwkQuery ForAwk() const;
};
