#include "monitor/HistoryFilter.h"

#include "common/DisplayTexts.h"
#include "common/Numbers.h"

bool HistoryFilter::Accepts(const TrackRecord& entry) const {
    // Ordinal comparison by character code, never the locale's collation: the texts are fixed-width timestamps.
    return QString::compare(LowerTime, entry.Time, Qt::CaseSensitive) <= 0 &&
           QString::compare(entry.Time, UpperTime, Qt::CaseSensitive) <= 0 && LowestSpeed <= entry.Speed &&
           entry.Speed <= HighestSpeed;
}

// Noon, so that a day whose midnight falls in a daylight-saving gap still gives its own date.
QString TimeBound(const QDate& day, const QString& hour, const QString& minute) {
    return FormatTimestamp(QDateTime(day, QTime(12, 0))).left(10) + " " + hour + ":" + minute + ":00";
}

HistoryFilter MakeHistoryFilter(const QDate& day, const QString& startHour, const QString& startMinute,
                                const QString& endHour, const QString& endMinute, const QString& fromSpeed,
                                const QString& toSpeed) {
    return {TimeBound(day, startHour, startMinute), TimeBound(day, endHour, endMinute),
            static_cast<float>(LeadingNumber(fromSpeed)), static_cast<float>(LeadingNumber(toSpeed))};
}
