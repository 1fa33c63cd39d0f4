#include "monitor/SentenceFramer.h"

QStringList SentenceFramer::Feed(QStringView received) {
    QString text = pending_;
    text.reserve(text.size() + received.size());
    for (QChar c : received) {
        if (c != u'\n') text.append(c);
    }

    QStringList accepted;
    qsizetype start = 0;
    for (qsizetype cr = text.indexOf(u'\r'); cr >= 0; cr = text.indexOf(u'\r', start)) {
        const QStringView line = QStringView(text).mid(start, cr - start);
        // The checksum is not verified: a sentence with a wrong one is still taken in.
        if (line.startsWith(u"$GPRMC") && line.contains(u'*')) accepted.append(line.toString());
        start = cr + 1;
    }

    pending_ = text.mid(start);
    if (pending_.size() > MaxPendingInput) {
        qsizetype drop = pending_.size() - MaxPendingInput;
        // Never keep half of a surrogate pair at the front.
        if (pending_.at(drop).isLowSurrogate()) ++drop;
        pending_.remove(0, drop);
    }
    return accepted;
}
