#pragma once
#include <QDate>
#include <QString>

// A month of history as the intake logs it: one changed position a second around the clock for the 30 days of
// April 2009, about 2.6 million records ended by CR CR LF, written by the station's own record writer. A vehicle
// drives, stops and turns, so speeds run from 0 to about 60 and headings round the compass.

inline const QDate MonthLogDay(2009, 4, 18);  // a day in the middle of the month, for the queries

// Writes the month's log into programFolder/export and gives its path; "" when it cannot be written.
QString WriteMonthLog(const QString& programFolder);
