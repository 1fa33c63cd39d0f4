#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "ProgramFolder.h"
#include "common/StationError.h"
#include "poidb/PoiDatabaseFile.h"
#include "poidb/clsDBLib.h"

namespace {

struct CliResult {
    int exitCode;
    QString out;
    QString err;
};

// Asks the engine's own command-line tool for the number of POIs, giving it the key.
CliResult CountWithCli(const QString& tool, const QString& path, const QString& key) {
    QProcess cli;
    cli.start(tool, {path});
    cli.write(("PRAGMA key='" + key + "';\nSELECT count(*) FROM POI;\n").toUtf8());
    cli.closeWriteChannel();
    cli.waitForFinished(30000);
    return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput()).trimmed(),
            QString::fromUtf8(cli.readAllStandardError())};
}

}  // namespace

TEST(PoiDatabaseFile, IsEncryptedAndOpensOnlyWithTheStationKey) {
    ProgramFolder folder;
    const QString path = PoiDatabasePath(folder.Path());
    CreatePoiDatabase(path);
    EXPECT_EQ(QDir(folder.File("database")).entryList(QDir::Files), QStringList({"POI.mdb"}));
    EXPECT_NE(folder.Read("database/POI.mdb").left(16), QByteArray("SQLite format 3\0", 16));

    const QString tool = QStandardPaths::findExecutable("sqlcipher");
    if (tool.isEmpty()) GTEST_SKIP() << "the sqlcipher command-line tool is not installed";
    const CliResult right = CountWithCli(tool, path, PoiDatabasePassword);
    EXPECT_EQ(right.exitCode, 0) << right.err.toStdString();
    EXPECT_EQ(right.out, "0");
    const CliResult wrong = CountWithCli(tool, path, "7343");
    EXPECT_NE(wrong.exitCode, 0);
    EXPECT_TRUE(wrong.err.contains("not a database")) << wrong.err.toStdString();
}

TEST(PoiDatabaseFile, AFileThatIsThereIsNeverReplaced) {
    ProgramFolder folder;
    folder.Write("database/POI.mdb", "the user's POIs");
    EXPECT_THROW(CreatePoiDatabase(PoiDatabasePath(folder.Path())), StationError);
    EXPECT_EQ(folder.Read("database/POI.mdb"), "the user's POIs");
}

TEST(PoiDatabaseFile, TheBuiltProgramFolderHoldsAnEmptyPoiTable) {
    ProgramFolder folder(ProgramFolder::Station);
    clsDBLib db;
    db.OpenConnection(folder.Path() + "\\database\\POI.mdb");
    QString seqNo, kind, name;
    double x, y;
    db.OpenCoordinateRecordset();
    EXPECT_FALSE(db.FetchCoordinateRecord(seqNo, x, y, kind, name).has_value());
    db.CloseVehicleRecordset();
    db.CloseConnection();
}
