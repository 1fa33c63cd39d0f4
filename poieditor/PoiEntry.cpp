#include "poieditor/PoiEntry.h"

#include <QSet>
#include <algorithm>

#include "common/StationError.h"
#include "poidb/PoiName.h"

NameCheck CheckPoiName(const QString& name) {
    const qsizetype characters = name.toUcs4().size();  // a character outside the BMP counts once
    if (characters == 0) return NameCheck::Empty;
    if (characters > 50) return NameCheck::TooLong;
    if (!IsStorablePoiName(name)) return NameCheck::NotStorable;
    return NameCheck::Ok;
}

int16_t AmendKey(const QString& seqNo) {
    bool ok = false;
    const qlonglong key = seqNo.toLongLong(&ok);
    if (!ok || key < -32768 || key > 32767)
        throw StationError(QStringLiteral("This point of interest has the key %1, and only points with keys up to "
                                          "32767 can be amended. Nothing was changed.")
                               .arg(seqNo.isEmpty() ? QStringLiteral("(none)") : seqNo));
    return static_cast<int16_t>(key);
}

int NewRecordIndex(const PoiList& before, const PoiList& after) {
    QSet<QString> known;
    for (const PoiRecord& r : before) known.insert(r.SeqNo);
    int found = -1;
    qlonglong highest = 0;
    for (int i = 0; i < after.UBound(); ++i) {
        if (known.contains(after[i].SeqNo)) continue;
        const qlonglong key = after[i].SeqNo.toLongLong();
        if (found < 0 || key > highest) {
            found = i;
            highest = key;
        }
    }
    return found >= 0 ? found : std::max(after.UBound() - 1, 0);
}
