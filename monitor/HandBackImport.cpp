#include "monitor/HandBackImport.h"

#include <QRegularExpression>

namespace {
bool ReadDegrees(const QString& field, double& value) {
    bool ok = false;
    value = field.trimmed().toDouble(&ok);  // "." whatever the locale
    return ok;
}
}  // namespace

QList<HandBackPoi> ParseHandBackFile(const QByteArray& text) {
    QList<HandBackPoi> pois;
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    for (const QString& line : QString::fromUtf8(text).split(lineEnd)) {
        if (line.isEmpty()) continue;
        const QStringList fields = line.split(u',');
        if (fields.size() < 3) continue;
        HandBackPoi poi{fields[0]};
        if (!ReadDegrees(fields[1], poi.Lat) || !ReadDegrees(fields[2], poi.Lon)) continue;
        pois.append(poi);
    }
    return pois;
}
