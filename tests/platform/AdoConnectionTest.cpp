#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>

#include "ProgramFolder.h"
#include "common/StationError.h"
#include "platform/AdoConnection.h"
#include "poidb/PoiDatabaseFile.h"

namespace {

class AdoConnectionTest : public testing::Test {
protected:
    void SetUp() override { CreatePoiDatabase(folder.File("database/POI.mdb")); }

    QString Text(const QString& password = "7342") const {
        return "Provider=MSDataShape.1;Persist Security Info=False;Data Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" +
               folder.File("database/POI.mdb") + ";Jet OLEDB:Database Password=" + password;
    }

    // The description of the StationError the call throws, or "" when it throws none.
    template <typename Call>
    static QString ErrorOf(Call call) {
        try {
            call();
        } catch (const StationError& e) {
            return e.Description();
        }
        return {};
    }

    ProgramFolder folder;
};

}  // namespace

TEST_F(AdoConnectionTest, OpensTheNamedFileWithItsPasswordAndClosesOnce) {
    AdoConnection cnn;
    EXPECT_EQ(cnn.State(), 0);
    cnn.Open(Text());
    EXPECT_EQ(cnn.State(), 1);
    cnn.Close();
    EXPECT_EQ(cnn.State(), 0);
    EXPECT_EQ(ErrorOf([&] { cnn.Close(); }), "Operation is not allowed when the object is closed.");
    EXPECT_FALSE(ErrorOf([&] { cnn.Execute("Select * from  POI"); }).isEmpty());

    // Keys in any case and order, blanks around them, Windows folder separators in the path.
    QString windowsPath = folder.File("database/POI.mdb");
    windowsPath.replace('/', '\\');
    cnn.Open(" jet oledb:database password = 7342 ; DATA SOURCE=" + windowsPath + ";Mode=Share Deny None");
    EXPECT_EQ(cnn.State(), 1);
    cnn.Close();

    // A folder whose name holds ";", quotes or "\": its value as ConnectionTextValue gives it.
    for (const QString& name :
         {QString("semi;colon/st"), QString("\"quoted\" 'it''s'"), QString(" padded "), QString("back\\slash/st")}) {
        const QString path = folder.File(name + "/POI.mdb");
        CreatePoiDatabase(path);
        cnn.Open("Data Source=" + ConnectionTextValue(path) + ";Jet OLEDB:Database Password=7342");
        EXPECT_EQ(cnn.State(), 1) << name.toStdString();
        cnn.Close();
    }
    EXPECT_EQ(ConnectionTextValue(folder.File("database/POI.mdb")), folder.File("database/POI.mdb"));
    cnn.Open("Data Source = '" + folder.File("semi;colon/st/POI.mdb") + "' ;Jet OLEDB:Database Password=\"7342\"");
    EXPECT_EQ(cnn.State(), 1);
    cnn.Close();  // "\" parts folders where no name holds it
    cnn.Open("Data Source=" + folder.File("back\\slash\\st\\POI.mdb") + ";Jet OLEDB:Database Password=7342");
    EXPECT_EQ(cnn.State(), 1);
}

TEST_F(AdoConnectionTest, MissingFileIsAnErrorNamingItAndIsNeverCreated) {
    const QString missing = folder.File("database/Other.mdb");
    AdoConnection cnn;
    const QString error = ErrorOf([&] { cnn.Open("Data Source=" + missing + ";Jet OLEDB:Database Password=7342"); });
    EXPECT_EQ(error, "Could not find file '" + missing + "'.");
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(cnn.State(), 0);
    folder.Write("back\\slash/other", {});
    EXPECT_EQ(ErrorOf([&] { cnn.Open("Data Source=" + folder.File("back\\slash\\x.mdb")); }),
              "Could not find file '" + folder.File("back\\slash/x.mdb") + "'.");

    // Something else by the file's name is named too, and left as it is.
    ASSERT_EQ(mkfifo(missing.toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(ErrorOf([&] { cnn.Open("Data Source=" + missing + ";Jet OLEDB:Database Password=7342"); }),
              "The database file '" + missing + "' cannot be opened: it is not a file.");
    EXPECT_FALSE(QFileInfo(missing).isFile());
}

TEST_F(AdoConnectionTest, AWrongPasswordOrADamagedFileIsRefusedNamingBoth) {
    const auto refused = [](const QString& error) {
        return error.endsWith("it is damaged, or the password is wrong.");
    };
    AdoConnection cnn;
    EXPECT_TRUE(refused(ErrorOf([&] { cnn.Open(Text("1234")); }))) << "wrong";
    EXPECT_TRUE(refused(ErrorOf([&] { cnn.Open(Text("")); }))) << "none";
    EXPECT_EQ(cnn.State(), 0);

    // The first page overwritten, the file cut short, an empty file: each named as damaged and left as it was,
    // whether the damage shows at the opening or at the first listing.
    const QByteArray whole = folder.Read("database/POI.mdb");
    for (const QByteArray& bytes :
         {QByteArray(64, 'x') + whole.mid(64), whole.left(1024), whole.chopped(1024), QByteArray()}) {
        folder.Write("database/POI.mdb", bytes);
        const QString error = ErrorOf([&] {
            cnn.Open(Text());
            cnn.Execute("Select * from  POI")->Eof();
        });
        EXPECT_TRUE(error.startsWith("The database file '" + folder.File("database/POI.mdb") +
                                     "' cannot be opened: it is damaged"))
            << bytes.size() << " " << error.toStdString();
        EXPECT_EQ(folder.Read("database/POI.mdb"), bytes);
        if (cnn.State() == 1) cnn.Close();
    }
}

TEST_F(AdoConnectionTest, SelectsGiveRowsWithNoValueApartFromEmptyText) {
    AdoConnection cnn;
    cnn.Open(Text());
    EXPECT_EQ(cnn.Execute("INSERT INTO POI (X, Y, Kind, Explanation) VALUES (1.5, 2, '', NULL)"), nullptr);
    cnn.Execute("INSERT INTO POI (X, Y, Kind, Explanation) VALUES ('3.25', 4, '2', 'Pier')");

    auto rs = cnn.Execute("Select * from  POI");
    ASSERT_NE(rs, nullptr);
    ASSERT_FALSE(rs->Eof());
    EXPECT_FALSE(rs->Fields("Kind").IsNull());
    EXPECT_EQ(rs->Fields("Kind").Text(), "");
    EXPECT_TRUE(rs->Fields("EXPLANATION").IsNull());
    EXPECT_EQ(rs->Fields("seqno").Text(), "1");
    EXPECT_EQ(rs->Fields("X").Number(), 1.5);
    EXPECT_EQ(ErrorOf([&] { rs->Fields("Explanation").Number(); }), "Invalid use of Null");
    EXPECT_FALSE(ErrorOf([&] { rs->Fields("Name"); }).isEmpty());
    rs->MoveNext();
    EXPECT_EQ(rs->Fields("X").Number(), 3.25);
    EXPECT_EQ(ErrorOf([&] { rs->Fields("Explanation").Number(); }), "Type mismatch");
    rs->MoveNext();
    EXPECT_TRUE(rs->Eof());
    EXPECT_FALSE(ErrorOf([&] { rs->Fields("X"); }).isEmpty()) << "no current row";
    rs->Close();
    EXPECT_FALSE(ErrorOf([&] { rs->Eof(); }).isEmpty()) << "closed";
}

TEST_F(AdoConnectionTest, StatementErrorsCarryTheEnginesMessage) {
    AdoConnection cnn;
    cnn.Open(Text());
    EXPECT_EQ(ErrorOf([&] { cnn.Execute("Select * from Nope"); }), "no such table: Nope");
    EXPECT_TRUE(ErrorOf([&] { cnn.Execute("Selec * from POI"); }).contains("syntax error"));

    // Only one statement per call: a second one is refused, and nothing of the text runs.
    EXPECT_FALSE(ErrorOf([&] { cnn.Execute("INSERT INTO POI (Kind) VALUES ('1'); DELETE FROM POI"); }).isEmpty());
    EXPECT_TRUE(cnn.Execute("Select * from  POI")->Eof());

    // A lock that another program holds longer than the station waits for it.
    AdoConnection other;
    other.Open(Text());
    other.Execute("BEGIN EXCLUSIVE");
    EXPECT_EQ(ErrorOf([&] { cnn.Execute("Select * from  POI"); }), "database is locked");
}

TEST_F(AdoConnectionTest, ARecordsetClosesWithItsConnection) {
    AdoConnection cnn;
    cnn.Open(Text());
    cnn.Execute("INSERT INTO POI (X, Y) VALUES (1, 2)");
    auto rs = cnn.Execute("Select * from  POI");
    cnn.Close();
    EXPECT_EQ(ErrorOf([&] { rs->MoveNext(); }), "Operation is not allowed when the object is closed.");
}
