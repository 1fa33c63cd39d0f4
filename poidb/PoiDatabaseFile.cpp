#include "poidb/PoiDatabaseFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/StationError.h"
#include "platform/SqlCipherDatabase.h"

namespace {

// SeqNo: AUTOINCREMENT so the key of a deleted POI is never handed out again; a caller holding an old key cannot
// reach a newer POI through it. Explanation compares without regard to (ASCII) letter case, as names did in the
// engine the statements were written for.
constexpr char Schema[] =
    "BEGIN;"
    "CREATE TABLE POI (SeqNo INTEGER PRIMARY KEY AUTOINCREMENT, X REAL, Y REAL, Kind TEXT, "
    "Explanation TEXT COLLATE NOCASE);"
    "COMMIT;";

}  // namespace

QString PoiDatabasePath(const QString& programFolder) { return programFolder + QStringLiteral("/database/POI.mdb"); }

void CreatePoiDatabase(const QString& path) {
    if (QFileInfo::exists(path)) throw StationError(QStringLiteral("File already exists: '%1'.").arg(path));
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) throw StationError(QStringLiteral("Could not make the folder '%1'.").arg(folder));

    // Built under a name of its own and renamed into place once complete.
    const QString building = path + QStringLiteral(".new");
    QFile::remove(building);
    try {
        SqlCipherDatabase db(building, PoiDatabasePassword, SqlCipherDatabase::CreateNew);
        db.Exec(Schema);
    } catch (...) {
        QFile::remove(building);
        QFile::remove(building + QStringLiteral("-journal"));
        throw;
    }
    if (!QFile::rename(building, path)) {
        QFile::remove(building);
        throw StationError(QStringLiteral("Could not write '%1'.").arg(path));
    }
}
