#pragma once
#include <QByteArray>
#include <QDate>

#include "ProgramFolder.h"
#include "monitor/HistoryLog.h"

// Positions n = 0, 1, ... logged on 2009/02/18 one minute apart from 10:00, latitude 24.1 + n / 100, speed n, the
// first with a valid fix, written to that month's log as the intake writes it.
inline TrackRecord LoggedPosition(int n) {
    return {QStringLiteral("2009/02/18 10:%1:00").arg(n, 2, 10, QChar('0')),
            "E",
            120.5,
            "N",
            24.1 + n / 100.0,
            float(n),
            90,
            n == 0 ? "A" : "V"};
}

inline void WriteHistoryDay(const ProgramFolder& folder, int positions, const QString& logFolder = "export") {
    QByteArray log = HistoryRecord({"2009/02/17 23:59:00", "E", 121, "N", 25, 1, 0, "A"});  // the day before
    for (int n = 0; n < positions; ++n) log += HistoryRecord(LoggedPosition(n));
    folder.Write(logFolder + "/History-2009-02.log", log);
}

inline const QDate LoggedDay(2009, 2, 18);
