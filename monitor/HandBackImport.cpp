#include "monitor/HandBackImport.h"

#include <cmath>

#include "common/Blanks.h"
#include "common/TextCodec.h"
#include "poidb/PoiName.h"

namespace {
// "." whatever the locale. "nan" and "inf" convert too, but are no place on earth and no value the table takes.
bool ReadDegrees(const QString& field, double& value) {
    bool ok = false;
    value = field.trimmed().toDouble(&ok);
    return ok && std::isfinite(value);
}
}  // namespace

QList<HandBackPoi> ParseHandBackFile(const QByteArray& text) {
    QList<HandBackPoi> pois;
    for (const QString& line : SplitRecordLines(text)) {
        if (line.isEmpty()) continue;
        const QStringList fields = line.split(u',');
        if (fields.size() < 3 || TrimBlanks(fields[0]).isEmpty() || !IsStorablePoiName(fields[0])) continue;
        HandBackPoi poi{fields[0]};
        if (!ReadDegrees(fields[1], poi.Lat) || !ReadDegrees(fields[2], poi.Lon)) continue;
        pois.append(poi);
    }
    return pois;
}
