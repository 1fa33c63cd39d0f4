#include <gtest/gtest.h>

#include <QFile>
#include <QLocale>
#include <clocale>

#include "ProgramFolder.h"
#include "common/StationError.h"
#include "platform/AdoConnection.h"
#include "poidb/PoiDatabaseFile.h"
#include "poidb/PoiRecord.h"
#include "poidb/clsDBLib.h"

namespace {

class PoiTable : public testing::Test {
protected:
    void SetUp() override {
        CreatePoiDatabase(Path());
        db.OpenConnection(Path());
    }

    QString Path() const { return PoiDatabasePath(folder.Path()); }

    // The whole table as a caller lists it.
    QList<PoiRecord> List() {
        QList<PoiRecord> rows;
        PoiRecord r;
        db.OpenCoordinateRecordset();
        while (db.FetchCoordinateRecord(r.SeqNo, r.X, r.Y, r.Kind, r.Explanation).value_or(false)) rows.append(r);
        db.CloseVehicleRecordset();
        return rows;
    }

    QStringList Names() {
        QStringList names;
        for (const PoiRecord& r : List()) names.append(r.Explanation);
        return names;
    }

    bool Found(const QString& name) {
        bool eof = false;
        db.SearchCoordinate(name, eof);
        return !eof;
    }

    ProgramFolder folder;
    clsDBLib db;
};

// Runs a test body under a locale whose decimal separator is ",", as a German desktop has.
class CommaLocale {
public:
    CommaLocale() : saved_(QLocale()) {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    }
    ~CommaLocale() {
        QLocale::setDefault(saved_);
        std::setlocale(LC_NUMERIC, "C");
    }

private:
    QLocale saved_;
};

}  // namespace

TEST_F(PoiTable, InsertIsWrittenAsTheStatementTextAndListsBack) {
    db.InsertCoordinate(120.684722, 24.106388, "1", "Harbour");
    EXPECT_EQ(db.LastStatement(),
              "INSERT INTO POI  ( X , Y , Kind , Explanation ) VALUES (120.684722,24.106388,'1','Harbour')");
    const QList<PoiRecord> rows = List();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].SeqNo, "1");
    EXPECT_DOUBLE_EQ(rows[0].X, 120.684722);
    EXPECT_DOUBLE_EQ(rows[0].Y, 24.106388);
    EXPECT_EQ(rows[0].Kind, "1");
    EXPECT_EQ(rows[0].Explanation, "Harbour");
}

TEST_F(PoiTable, ApostrophesAreDoubledInEveryStatementAndStoredAsTyped) {
    db.InsertCoordinate(120.5, 24.5, "2", "O'Brien's");
    EXPECT_TRUE(db.LastStatement().endsWith(",'2','O''Brien''s')"));
    EXPECT_TRUE(Found("O'Brien's"));
    EXPECT_EQ(db.LastStatement(), "Select * From POI Where Explanation='O''Brien''s'");

    db.UpdateCoordinate(1, 121, 25, "3", "O'Brien's");
    EXPECT_EQ(db.LastStatement(), "UPDATE POI Set X=121,Y=25,Kind='3',Explanation='O''Brien''s'Where Seqno=1");
    EXPECT_EQ(List().at(0).Kind, "3");

    // A name that would end the literal early is only ever a name.
    db.InsertCoordinate(1, 2, "1", "x'); DELETE FROM POI; --");
    EXPECT_EQ(Names(), QStringList({"O'Brien's", "x'); DELETE FROM POI; --"}));

    db.DeleteCoordinate("O'Brien's");
    EXPECT_EQ(db.LastStatement(), "Delete from POI where Explanation ='O''Brien''s'");
    EXPECT_EQ(Names(), QStringList({"x'); DELETE FROM POI; --"}));

    // A name that begins with U+FEFF (a waypoint file may hold one) reads back with it, so that the name the
    // list holds finds, amends and deletes its row.
    const QString marked = QString(QChar(0xFEFF)) + "Home";
    db.InsertCoordinate(121.51, 25.04, "1", marked);
    ASSERT_EQ(Names().last(), marked);
    EXPECT_TRUE(Found(Names().last()));
    db.DeleteCoordinate(Names().last());
    EXPECT_EQ(Names(), QStringList({"x'); DELETE FROM POI; --"}));
}

TEST_F(PoiTable, PaddedKindAndNameAreStoredWithoutTheirBlanks) {
    db.InsertCoordinate(120, 24, "  4 ", "  Old Pier  ");
    EXPECT_TRUE(db.LastStatement().endsWith("(120,24,'4','Old Pier')"));
    EXPECT_EQ(List().at(0).Kind, "4");
    EXPECT_EQ(List().at(0).Explanation, "Old Pier");
    EXPECT_TRUE(Found("   Old Pier "));

    db.UpdateCoordinate(1, 120, 24, " 5 ", " New Pier ");
    EXPECT_EQ(List().at(0).Kind, "5");
    EXPECT_EQ(List().at(0).Explanation, "New Pier");

    // Delete takes the name as given: callers pass the stored, trimmed one.
    db.DeleteCoordinate(" New Pier ");
    EXPECT_EQ(db.LastStatement(), "Delete from POI where Explanation =' New Pier '");
    EXPECT_EQ(Names(), QStringList({"New Pier"}));
    db.DeleteCoordinate("New Pier");
    EXPECT_TRUE(List().isEmpty());
}

TEST_F(PoiTable, NamesCompareWithoutRegardToLetterCaseAndDeleteTakesEveryRowOfTheName) {
    db.InsertCoordinate(1, 1, "1", "Harbour");
    db.InsertCoordinate(2, 2, "1", "Harbour East");
    db.InsertCoordinate(3, 3, "1", "harbour");
    db.InsertCoordinate(4, 4, "1", "Harbour");
    EXPECT_TRUE(Found("HARBOUR"));
    EXPECT_FALSE(Found("Harbo"));

    db.DeleteCoordinate("Harbour");
    EXPECT_EQ(Names(), QStringList({"Harbour East"}));
    EXPECT_FALSE(Found("Harbour"));
}

TEST_F(PoiTable, CommaDecimalLocaleStillWritesAPointInInsertAndUpdate) {
    CommaLocale german;
    db.InsertCoordinate(120.5, -24.25, "1", "Pier");
    EXPECT_TRUE(db.LastStatement().contains("VALUES (120.5,-24.25,'1','Pier')"));
    db.UpdateCoordinate(1, 120.5, 0.125, "1", "Pier");
    EXPECT_TRUE(db.LastStatement().startsWith("UPDATE POI Set X=120.5,Y=0.125,"));
    EXPECT_DOUBLE_EQ(List().at(0).Y, 0.125);
}

TEST_F(PoiTable, UpdateChangesOnlyTheRowOfItsKeyAndKeepsTheListingOrder) {
    for (int i = 1; i <= 12; ++i) db.InsertCoordinate(i, i, "1", QString("P%1").arg(i));
    db.UpdateCoordinate(12, 121.5, 25, "2", "Pier");
    EXPECT_TRUE(db.LastStatement().endsWith("'Pier'Where Seqno=12"));
    db.UpdateCoordinate(5, 5, 5, "1", "Five");
    db.UpdateCoordinate(99, 0, 0, "1", "Nobody");  // no such key: no change, no error

    const QList<PoiRecord> rows = List();
    ASSERT_EQ(rows.size(), 12);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(rows[i].SeqNo, QString::number(i + 1));
    EXPECT_EQ(rows[11].Explanation, "Pier");
    EXPECT_DOUBLE_EQ(rows[11].X, 121.5);
    EXPECT_EQ(rows[11].Kind, "2");
    EXPECT_EQ(rows[4].Explanation, "Five");
    EXPECT_EQ(rows[10].Explanation, "P11");
}

TEST_F(PoiTable, EmptyTableListsNothingAndLeavesTheOutValuesAlone) {
    QString seqNo = "7", kind = "3", name = "kept";
    double x = 1.5, y = 2.5;
    db.OpenCoordinateRecordset();
    EXPECT_FALSE(db.FetchCoordinateRecord(seqNo, x, y, kind, name).has_value());
    db.CloseVehicleRecordset();
    EXPECT_EQ(seqNo, "7");
    EXPECT_EQ(x, 1.5);
    EXPECT_EQ(y, 2.5);
    EXPECT_EQ(kind, "3");
    EXPECT_EQ(name, "kept");
}

TEST_F(PoiTable, KeysFollowInsertionAndADeletedKeyIsNeverGivenAgain) {
    db.InsertCoordinate(1, 1, "1", "A");
    db.InsertCoordinate(2, 2, "1", "B");
    db.InsertCoordinate(3, 3, "1", "C");
    db.DeleteCoordinate("C");
    db.InsertCoordinate(4, 4, "1", "D");
    db.CloseConnection();
    db.OpenConnection(Path());
    db.DeleteCoordinate("D");
    db.InsertCoordinate(5, 5, "1", "E");

    QStringList keys;
    for (const PoiRecord& r : List()) keys.append(r.SeqNo + r.Explanation);
    EXPECT_EQ(keys, QStringList({"1A", "2B", "5E"}));
}

TEST_F(PoiTable, ConnectionClosesOnceAndTheObjectEndsQuietlyEitherWay) {
    db.CloseConnection();
    EXPECT_THROW(db.CloseConnection(), StationError);
    EXPECT_THROW(db.InsertCoordinate(1, 1, "1", "A"), StationError);
    {
        clsDBLib open;
        open.OpenConnection(Path());
        clsDBLib closed;
        closed.OpenConnection(Path());
        closed.CloseConnection();
        // Leaving the scope destroys one open and one closed object: neither may throw.
    }
}

TEST_F(PoiTable, FailuresReachTheCallerWithWhatWasDoneBeforeThemKept) {
    QString seqNo, kind, name;
    double x = 9, y = 9;
    EXPECT_THROW(db.FetchCoordinateRecord(seqNo, x, y, kind, name), StationError) << "no listing open";
    EXPECT_THROW(db.CloseVehicleRecordset(), StationError);

    // A row whose X has no value: the key is delivered, then the conversion fails.
    AdoConnection direct;
    direct.Open("Data Source=" + Path() + ";Jet OLEDB:Database Password=7342");
    direct.Execute("INSERT INTO POI (Kind, Explanation) VALUES ('1', 'No position')");
    direct.Close();
    db.OpenCoordinateRecordset();
    try {
        db.FetchCoordinateRecord(seqNo, x, y, kind, name);
        ADD_FAILURE() << "a missing X must be an error";
    } catch (const StationError& e) {
        EXPECT_EQ(e.Description(), "Invalid use of Null");
    }
    EXPECT_EQ(seqNo, "1");
    EXPECT_EQ(x, 9);
    db.CloseVehicleRecordset();
}

TEST_F(PoiTable, MissingDatabaseFileIsReportedWithItsPathAndNotMade) {
    clsDBLib other;
    const QString missing = folder.File("elsewhere/POI.mdb");
    try {
        other.OpenConnection(missing);
        FAIL() << "opening a missing file must fail";
    } catch (const StationError& e) {
        EXPECT_TRUE(e.Description().contains("Could not find file")) << e.what();
        EXPECT_TRUE(e.Description().contains(missing)) << e.what();
    }
    EXPECT_FALSE(QFile::exists(missing));

    // The file named is the one opened, whatever its folder's name holds.
    const QString odd = folder.File("semi;colon/st/database/POI.mdb");
    CreatePoiDatabase(odd);
    other.OpenConnection(odd);
    other.InsertCoordinate(1, 2, "1", "There");
    other.CloseConnection();
    EXPECT_TRUE(List().isEmpty()) << "not the table of another file";
}

// The connection that one caller opens is the one every later caller works on, and lives until it is closed.
TEST_F(PoiTable, DBLibIsOneSharedObject) {
    DBLib().OpenConnection(Path());
    DBLib().InsertCoordinate(120.5, 24.5, "1", "Shared");
    bool notFound = true;
    DBLib().SearchCoordinate("Shared", notFound);
    EXPECT_FALSE(notFound);
    DBLib().CloseConnection();
    EXPECT_THROW(DBLib().CloseConnection(), StationError);
}
