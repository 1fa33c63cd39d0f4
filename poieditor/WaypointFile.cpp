#include "poieditor/WaypointFile.h"

#include <cmath>

#include "common/Blanks.h"
#include "common/ErrorText.h"
#include "common/Numbers.h"
#include "poidb/PoiName.h"
#include "poidb/clsDBLib.h"

namespace {

const QString TooFewFields = QStringLiteral(
    "Subscript out of range: a waypoint needs a name, a latitude and a "
    "longitude");

void ImportLine(const QString& line, clsDBLib& db, int& stored) {
    const QStringList f = line.split(u',');
    if (f.size() < 3) throw StationError(TooFewFields);
    const QString name = f[2].section(u'|', 0, 0);
    if (TrimBlanks(name).isEmpty() || !IsStorablePoiName(name)) return;
    bool notStored = true;
    db.SearchCoordinate(name, notStored);
    if (!notStored) return;
    if (f.size() < 5) throw StationError(TooFewFields);
    const double x = LeadingNumber(f[4]), y = LeadingNumber(f[3]);
    if (!std::isfinite(x) || !std::isfinite(y)) throw OverflowError();
    db.InsertCoordinate(x, y, QStringLiteral("1"), name);
    ++stored;
}

}  // namespace

void ImportWaypoints(const QStringList& lines, clsDBLib& db, int& stored) {
    for (qsizetype n = 0; n < lines.size(); ++n) {
        if (!lines[n].contains(QLatin1String("WP,D"))) continue;
        try {
            ImportLine(lines[n], db, stored);
        } catch (const std::exception& e) {
            throw StationError(QStringLiteral("Line %1: %2").arg(n + 1).arg(DescriptionOf(e)));
        }
    }
}
