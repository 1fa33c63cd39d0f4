#pragma once
#include <QByteArrayView>
#include <cstdint>

#include "common/SpareList.h"
#include "monitor/HistoryFilter.h"
#include "monitor/HistoryLineParser.h"
#include "monitor/TrackRecord.h"

// The history query's pass over the month's lines: each line is parsed into the list's spare element, and a line
// that the filter accepts stays there as the next entry. The count is a signed 16-bit number: once 32,767 entries
// are listed, further accepted lines are parsed and dropped.
class HistoryQuery {
public:
    // Empties the list down to its spare element.
    HistoryQuery(const HistoryFilter& filter, SpareList<TrackRecord>& list);

    // Takes one line of the log; an empty line (the second half of every record's line end) is skipped. True when
    // the line was listed, as entry Count() - 1.
    bool Take(QByteArrayView line);

    // Empties the spare element, so the list ends with an empty spare whatever the last line held.
    void Finish();

    int16_t Count() const { return count_; }

    // False once something else has changed the list's length (a connection emptied it for live positions): the
    // query must not write into it any more.
    bool OwnsList() const { return list_.UBound() == count_; }

private:
    HistoryFilter filter_;
    HistoryLineParser parser_;
    SpareList<TrackRecord>& list_;
    int16_t count_ = 0;
};
