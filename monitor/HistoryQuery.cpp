#include "monitor/HistoryQuery.h"

HistoryQuery::HistoryQuery(const HistoryFilter& filter, SpareList<TrackRecord>& list) : filter_(filter), list_(list) {
    list_.Clear();
}

bool HistoryQuery::Take(QByteArrayView line) {
    if (line.isEmpty() || !OwnsList()) return false;
    TrackRecord& spare = list_[count_];
    parser_.Parse(line, spare);
    if (!filter_.Accepts(spare) || count_ == INT16_MAX) return false;
    list_.Grow();
    ++count_;
    return true;
}

void HistoryQuery::Finish() {
    if (OwnsList()) list_[count_] = TrackRecord{};
}
