#pragma once
#include <QDate>
#include <QString>

#include "monitor/TrackRecord.h"

// What the history query lists: one day between two clock times, within a speed range. The time bounds are
// timestamp texts compared character by character, so an end of "24:00:00" sorts after every time of the day and a
// text that is the beginning of a longer one sorts before it.
struct HistoryFilter {
    QString LowerTime;
    QString UpperTime;
    float LowestSpeed = 0;
    float HighestSpeed = 0;

    // Both ends of both ranges are included.
    bool Accepts(const TrackRecord& entry) const;
};

// "yyyy/mm/dd hh:mm:00" from the day and the hour and minute texts of the drop-down lists.
QString TimeBound(const QDate& day, const QString& hour, const QString& minute);

// The filter from the query controls' values; a speed text that does not begin with a number gives 0.
HistoryFilter MakeHistoryFilter(const QDate& day, const QString& startHour, const QString& startMinute,
                                const QString& endHour, const QString& endMinute, const QString& fromSpeed,
                                const QString& toSpeed);
