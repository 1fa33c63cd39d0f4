#include "poidb/PoiName.h"

bool IsStorablePoiName(const QString& name) {
    for (const QChar c : name)
        if (c == QChar::Null || c == u'\r' || c == u'\n') return false;
    return name.isValidUtf16();
}
