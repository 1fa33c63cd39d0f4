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

// False when the line holds a waypoint to store and no room is left for it; a POI stored takes one of the room.
bool ImportLine(const QString& line, clsDBLib& db, int& stored, int& room) {
    const QStringList f = line.split(u',');
    if (f.size() < 3) throw StationError(TooFewFields);
    const QString name = f[2].section(u'|', 0, 0);
    if (TrimBlanks(name).isEmpty() || !IsStorablePoiName(name)) return true;
    bool notStored = true;
    db.SearchCoordinate(name, notStored);
    if (!notStored) return true;
    if (f.size() < 5) throw StationError(TooFewFields);
    if (room <= 0) return false;
    const double x = LeadingNumber(f[4]), y = LeadingNumber(f[3]);
    if (!std::isfinite(x) || !std::isfinite(y)) throw OverflowError();
    db.InsertCoordinate(x, y, QStringLiteral("1"), name);
    --room;
    ++stored;
    return true;
}

}  // namespace

bool ImportWaypoints(const QStringList& lines, clsDBLib& db, int& stored, int room) {
    for (qsizetype n = 0; n < lines.size(); ++n) {
        if (!lines[n].contains(QLatin1String("WP,D"))) continue;
        try {
            if (!ImportLine(lines[n], db, stored, room)) return false;
        } catch (const std::exception& e) {
            throw StationError(QStringLiteral("Line %1: %2").arg(n + 1).arg(DescriptionOf(e)));
        }
    }
    return true;
}
