// makepoidb PATH: makes the empty, password-protected POI database at PATH. Refuses to touch a file that is there,
// so running it over a user's database can do no harm.
#include <QCoreApplication>
#include <QTextStream>

#include "common/StationError.h"
#include "poidb/PoiDatabaseFile.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: makepoidb PATH\n";
        return 2;
    }
    try {
        CreatePoiDatabase(args.at(1));
    } catch (const StationError& e) {
        err << "makepoidb: " << e.Description() << "\n";
        return 1;
    }
    return 0;
}
