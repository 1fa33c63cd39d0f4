#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>

#include "DefaultLocale.h"
#include "FileSizeLimit.h"
#include "ProgramFolder.h"
#include "common/StationError.h"
#include "poidb/PoiDatabaseFile.h"
#include "poidb/PoiListing.h"
#include "poidb/clsDBLib.h"
#include "poieditor/ExchangeFile.h"
#include "poieditor/PoiCsvFile.h"
#include "poieditor/WaypointFile.h"

namespace {

PoiRecord Poi(const QString& name, double x, double y, const QString& kind) { return {"", x, y, kind, name}; }

class ExchangeTable : public testing::Test {
protected:
    void SetUp() override {
        CreatePoiDatabase(PoiDatabasePath(folder.Path()));
        db.OpenConnection(PoiDatabasePath(folder.Path()));
    }
    QList<PoiRecord> Rows() {
        QList<PoiRecord> rows;
        PoiRecord r;
        db.OpenCoordinateRecordset();
        while (db.FetchCoordinateRecord(r.SeqNo, r.X, r.Y, r.Kind, r.Explanation).value_or(false)) rows.append(r);
        db.CloseVehicleRecordset();
        return rows;
    }
    ProgramFolder folder;
    clsDBLib db;
};

}  // namespace

TEST(PoiCsvText, WritesTheHeaderAndEightFieldsALineByteForByte) {
    DefaultLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(PoiCsvText(PoiList()), QString::fromUtf8("地標,經度,,,緯度,,,圖示\r\n").toUtf8());
    PoiList list;
    list.Append(Poi("Station", 120.68472, 24.1063, "2"));
    list.Append(Poi(QString::fromUtf8("台中港"), 0, 24.99999, "5"));
    list.Append(Poi("West", -120.5, -0.25, "1"));
    list.Append(Poi("Shop,7", 9, 1, "x,y"));
    list.Append(Poi("Joe's \"Bar\"", 9, 1, "3"));
    EXPECT_EQ(PoiCsvText(list), QString::fromUtf8("地標,經度,,,緯度,,,圖示\r\n"
                                                  "Station,120,41,5,24,6,23,2\r\n"
                                                  "台中港,0,0,0,24,59,60,5\r\n"
                                                  "West,-121,30,0,-1,45,0,1\r\n"
                                                  "\"Shop,7\",9,0,0,1,0,0,\"x,y\"\r\n"
                                                  "\"Joe's \"\"Bar\"\"\",9,0,0,1,0,0,3\r\n")
                                    .toUtf8());
}

TEST_F(ExchangeTable, CsvImportStoresNewNamesOnceAndReadsBackWhatWasExported) {
    DefaultLocale german(QLocale::German, QLocale::Germany);
    db.InsertCoordinate(1, 2, "1", "Depot");
    const QByteArray file = QString::fromUtf8(
                                "地標,經度,,,緯度,,,圖示\r\n\r\nDepot,1,2,3,4,5,6,1\r\n"
                                "Station,120,41,5,24,6,23,2\r\nStation,1,1,1,1,1,1,1\r\n"
                                "Gap,120,,5,24,6,23,2\r\nGap7,120,41,5,24,6,,2\r\n,1,2,3,4,5,6,1\r\n"
                                "West,-121,30,0,24,59,60,3")
                                .toUtf8();
    int stored = 0;
    ImportPoiCsv(SplitTextLines(file), db, stored, PoiListLimit);
    EXPECT_EQ(stored, 2);
    const QList<PoiRecord> rows = Rows();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[1].Explanation, "Station");
    EXPECT_DOUBLE_EQ(rows[1].X, 120.684722);
    EXPECT_DOUBLE_EQ(rows[1].Y, 24.106388);
    EXPECT_EQ(rows[1].Kind, "2");
    EXPECT_DOUBLE_EQ(rows[2].X, -120.5);
    EXPECT_DOUBLE_EQ(rows[2].Y, 25.0) << "60 seconds come back as the next whole degree";

    PoiList list;
    for (const PoiRecord& r : rows) list.Append(r);
    stored = 0;
    ImportPoiCsv(SplitTextLines(PoiCsvText(list)), db, stored, PoiListLimit);
    EXPECT_EQ(stored, 0) << "a file just exported from the table adds nothing";

    // A comma in a name shifts the angles: the import stops there, keeping what it stored before.
    try {
        ImportPoiCsv({"First,1,2,3,4,5,6,1", "Comma, Inc,1,2,3,4,5,6,1", "Later,1,2,3,4,5,6,1"}, db, stored,
                     PoiListLimit);
        ADD_FAILURE();
    } catch (const StationError& e) {
        EXPECT_EQ(e.Description(), "Line 2: Type mismatch");
    }
    EXPECT_EQ(stored, 1);
    EXPECT_EQ(Rows().size(), 4);

    // A name the table cannot take as it stands is skipped like any other bad line, in both imports.
    const QString nul = QString("Nul") + QChar(0) + "name";
    EXPECT_NO_THROW(ImportPoiCsv({nul + ",1,2,3,4,5,6,1"}, db, stored, PoiListLimit));
    EXPECT_NO_THROW(ImportWaypoints({"WP,D," + nul + ",1,2"}, db, stored, PoiListLimit));
    EXPECT_EQ(stored, 1);
    EXPECT_EQ(Rows().size(), 4);

    // A field quoted whole, as the export and spreadsheets write one holding a comma or a quote, is read without
    // its quotes; one that only begins with a quote, or whose quote never closes, is read as it stands.
    PoiList quoted;
    quoted.Append(Poi("Shop,7", 120.684722, 24.106388, "2"));
    quoted.Append(Poi("Joe's \"Bar\"", 1, 2, "x,y"));
    stored = 0;
    ImportPoiCsv(SplitTextLines(PoiCsvText(quoted) + "\"Open,1,2,3,4,5,6,1\r\n\"Big\" Joe's,120,41,5,24,6,23,1\r\n"
                                                     "\"\"Q\"\",1,2,3,4,5,6,1"),
                 db, stored, PoiListLimit);
    EXPECT_EQ(stored, 5);
    const QList<PoiRecord> back = Rows().mid(4);
    ASSERT_EQ(back.size(), 5);
    EXPECT_EQ(back[0].Explanation, "Shop,7");
    EXPECT_DOUBLE_EQ(back[0].X, 120.684722);
    EXPECT_EQ(back[0].Kind, "2");
    EXPECT_EQ(back[1].Explanation, "Joe's \"Bar\"");
    EXPECT_EQ(back[1].Kind, "x,y");
    EXPECT_EQ(back[2].Explanation, "\"Open");
    EXPECT_EQ(back[3].Explanation, "\"Big\" Joe's");
    EXPECT_EQ(back[4].Explanation, "\"\"Q\"\"");

    // The room the POI lists leave: a POI past it ends the import; lines that store nothing do not.
    stored = 0;
    EXPECT_FALSE(
        ImportPoiCsv({"Depot,1,2,3,4,5,6,1", "A,1,2,3,4,5,6,1", "B,1,2,3,4,5,6,1", "C,1,2,3,4,5,6,1"}, db, stored, 1));
    EXPECT_EQ(stored, 1);
    EXPECT_EQ(Rows().last().Explanation, "A");
    EXPECT_TRUE(ImportPoiCsv({"A,1,2,3,4,5,6,1", "B,1,2,3,4,5,6,1", "Gap,1,,3,4,5,6,1"}, db, stored, 1));
    EXPECT_EQ(stored, 2);
    EXPECT_EQ(Rows().size(), 11);
}

TEST_F(ExchangeTable, WaypointImportTakesWpLinesAsKindOnePois) {
    const QStringList lines = SplitTextLines(
        "Datum,WGS84\r\nWP,D,Harbour|pier 3,22.61,120.27,x\r\n"
        "TP,D, 24.1, 120.6, 10-JAN-06 05:37:40,0\r\nWP,D,|nameless,1,2\r\n"
        "WP,D,Harbour,5,5\r\nWP,D,Nowhere,north, 12 0.5\rWP,D,Short,1\r\n");
    int stored = 0;
    try {
        ImportWaypoints(lines, db, stored, PoiListLimit);
        ADD_FAILURE();
    } catch (const StationError& e) {
        EXPECT_TRUE(e.Description().startsWith("Line 7: ")) << e.what();
    }
    EXPECT_EQ(stored, 2);
    const QList<PoiRecord> rows = Rows();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].Explanation, "Harbour");
    EXPECT_DOUBLE_EQ(rows[0].Y, 22.61);
    EXPECT_DOUBLE_EQ(rows[0].X, 120.27);
    EXPECT_EQ(rows[0].Kind, "1");
    EXPECT_EQ(rows[1].Explanation, "Nowhere");
    EXPECT_DOUBLE_EQ(rows[1].Y, 0) << "no number stores 0";
    EXPECT_DOUBLE_EQ(rows[1].X, 120.5) << "blanks inside the number are ignored";

    // No room left in the POI lists: the first waypoint to store ends the import, and nothing is stored.
    EXPECT_TRUE(ImportWaypoints({"WP,D,Harbour,1,2"}, db, stored, 0));
    EXPECT_FALSE(ImportWaypoints({"WP,D,Harbour,1,2", "WP,D,Full,1,2", "WP,D,Short"}, db, stored, 0));
    EXPECT_EQ(stored, 2);
    EXPECT_EQ(Rows().size(), 2);
}

TEST_F(ExchangeTable, WaypointNumbersFollowTheLeadingNumberRule) {
    int stored = 0;
    ImportWaypoints(SplitTextLines("WP,D,Exponent,1e400,2.5E1\r\n"), db, stored, PoiListLimit);
    ASSERT_EQ(Rows().size(), 1);
    EXPECT_DOUBLE_EQ(Rows()[0].Y, 1) << "no exponent";
    EXPECT_DOUBLE_EQ(Rows()[0].X, 2.5);
    try {
        ImportWaypoints(QStringList{"WP,D,Huge," + QString(400, u'9') + ",1"}, db, stored, PoiListLimit);
        ADD_FAILURE() << "a latitude beyond a double must not be stored as 0";
    } catch (const StationError& e) {
        EXPECT_EQ(e.Description(), "Line 1: Overflow");
    }
    EXPECT_EQ(Rows().size(), 1);
}

TEST(ExchangeFile, ALineThatIsNotUtf8IsReadAsBig5) {
    // Two Big5 names (地標, 台中) around a UTF-8 one, and a name with a byte-order mark before it in UTF-8.
    ProgramFolder folder;
    folder.Write("pois.csv", "\xA6\x61\xBC\xD0,1\r\n中文站,3\n\xA5\x78\xA4\xA4,2\r\n");
    EXPECT_EQ(ReadTextLines(folder.File("pois.csv")),
              QStringList({QString::fromUtf8("地標,1"), QString::fromUtf8("中文站,3"), QString::fromUtf8("台中,2")}));
    EXPECT_EQ(SplitRecordLines("\xEF\xBB\xBFHarbour,1\r\n\xEF\xBB\xBFHome,2\r\n"),
              QStringList({"Harbour,1", QChar(0xFEFF) + QString("Home,2")}))
        << "the file's mark goes, a record's stays";
}

TEST(ExchangeFile, OnlyARegularFileIsReadAndAFailedWriteKeepsTheOldFile) {
    ProgramFolder folder;
    ASSERT_EQ(mkfifo(folder.File("pois.csv").toLocal8Bit().constData(), 0600), 0);
    EXPECT_THROW(ReadTextLines(folder.File("pois.csv")), StationError) << "and no wait for a writer";

    folder.Write("old.csv", "kept\r\n");
    {
        const FileSizeLimit full(3);
        EXPECT_THROW(WriteTextFile(folder.File("old.csv"), "a longer text than fits\r\n"), StationError);
    }
    EXPECT_EQ(folder.Read("old.csv"), "kept\r\n");
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList({"old.csv"})) << "no partial file";
}
