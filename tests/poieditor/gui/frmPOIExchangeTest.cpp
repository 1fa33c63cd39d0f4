#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "PoiTableFill.h"
#include "PoiWindow.h"
#include "common/Settings.h"
#include "common/Shared.h"
#include "platform/gui/FileDialog.h"

namespace {

class PoiExchange : public testing::Test {
protected:
    void SetUp() override { DialogResult = 0; }
    void TearDown() override { FileDialog::ScriptedAnswer = {}; }
    // The file dialogs answer path (or cancel with ""), and remember what they were asked.
    void Choose(const QString& path) {
        FileDialog::ScriptedAnswer = [this, path](FileDialog& d) {
            asked.append(d.DialogTitle + "|" + d.Filter + "|" + d.FileName);
            return path;
        };
    }
    QStringList asked;
    PoiWindow t;
};

}  // namespace

TEST_F(PoiExchange, ExportAsksThenWritesEveryPoi) {
    t.Insert("Station", 120.68472, 24.1063, "2");
    WriteSetting(t.folder.Path(), "Export", "CsvFileName", "preset.csv");
    frmPOI& w = t.Load();
    Choose(t.folder.File("out.csv"));
    t.Answer(MessageBox::No);
    w.ExportExcel();
    EXPECT_TRUE(asked.isEmpty());

    t.Answer(MessageBox::Yes);
    w.ExportExcel();
    EXPECT_EQ(asked, QStringList({QString::fromUtf8("匯出檔案|*.csv|*.csv|preset.csv")}));
    EXPECT_EQ(t.folder.Read("out.csv"),
              QString::fromUtf8("地標,經度,,,緯度,,,圖示\r\nStation,120,41,5,24,6,23,2\r\n").toUtf8());
    EXPECT_EQ(t.Boxes(), QStringList({QString::fromUtf8("確定匯出至Excel？"), QString::fromUtf8("匯出到Excel完成!")}));
    EXPECT_EQ(t.boxes->calls[1].title, QString::fromUtf8("確認"));
}

TEST_F(PoiExchange, ExportToAPlaceThatCannotBeWrittenSaysWhy) {
    frmPOI& w = t.Load();
    t.Answer(MessageBox::Yes);
    Choose(t.folder.File("no such folder/out.csv"));
    w.ExportExcel();
    ASSERT_EQ(t.boxes->calls.size(), 2);
    EXPECT_EQ(t.boxes->calls[1].style, MessageBox::Critical);
}

TEST_F(PoiExchange, ImportingTheCsvStoresNewNamesAndReportsTheChange) {
    t.Insert("Depot");
    frmPOI& w = t.Load();
    t.folder.Write("in.csv", QString::fromUtf8("地標,經度,,,緯度,,,圖示\r\nDepot,1,2,3,4,5,6,1\r\n"
                                               "Station,120,41,5,24,6,23,2\r\n")
                                 .toUtf8());
    Choose(t.folder.File("in.csv"));
    w.ImportExcel();
    EXPECT_EQ(asked, QStringList({QString::fromUtf8("匯入地標|*.csv|*.csv|")}));
    EXPECT_EQ(t.Boxes(), QStringList({QString::fromUtf8("Excel匯入完成!")}));
    ASSERT_EQ(w.PoiList.UBound(), 2);
    EXPECT_EQ(w.PoiList[1].Explanation, "Station");
    EXPECT_DOUBLE_EQ(w.PoiList[1].X, 120.684722);
    EXPECT_EQ(w.Panel(1)->text(), t.Lang("0007") + "1/2");
    EXPECT_EQ(DialogResult, 1);

    // Cancelling the dialog does nothing at all.
    DialogResult = 0;
    Choose("");
    w.ImportExcel();
    w.ImportTxt();
    EXPECT_EQ(t.Boxes().size(), 1);
    EXPECT_EQ(DialogResult, 0);
}

TEST_F(PoiExchange, AWaypointImportThatStopsStillShowsWhatItStored) {
    frmPOI& w = t.Load();
    t.folder.Write("wp.txt", "WP,D,Harbour|pier 3,22.61,120.27\r\nTP,D,x\r\nWP,D,Short,1\r\nWP,D,Late,1,2\r\n");
    Choose(t.folder.File("wp.txt"));
    w.ImportTxt();
    ASSERT_EQ(t.boxes->calls.size(), 1);
    EXPECT_EQ(t.boxes->calls[0].style, MessageBox::Critical);
    EXPECT_TRUE(t.boxes->calls[0].text.startsWith("Line 3: ")) << t.boxes->calls[0].text.toStdString();
    ASSERT_EQ(w.PoiList.UBound(), 1);
    EXPECT_EQ(w.txtExplanation->text(), "Harbour");
    EXPECT_EQ(DialogResult, 1);

    // A file that cannot be read stores nothing and leaves the answer alone.
    DialogResult = 0;
    Choose(t.folder.File("missing.txt"));
    w.ImportTxt();
    EXPECT_EQ(t.boxes->calls.size(), 2);
    EXPECT_EQ(DialogResult, 0);

    // Files that would take the table past what the POI lists hold store up to it and say how many they stored.
    FillPoiTable(t.folder.File("database/POI.mdb"), 32764);
    t.folder.Write("wp.txt", "WP,D,Harbour,1,2\r\nWP,D,W1,22.1,120.1\r\nWP,D,W2,22.2,120.2\r\nWP,D,W3,22.3,120.3\r\n");
    Choose(t.folder.File("wp.txt"));
    w.ImportTxt();
    const QString full = "\nThe POI list holds at most 32767 POIs, so the import stopped there. POIs stored: ";
    EXPECT_EQ(t.boxes->calls.last().text, QString::fromUtf8("Excel匯入完成!") + full + "2.");
    ASSERT_EQ(w.PoiList.UBound(), 32767);
    EXPECT_EQ(w.PoiList[32766].Explanation, "W2");
    t.folder.Write("in.csv", "W3,1,2,3,4,5,6,1\r\n");
    Choose(t.folder.File("in.csv"));
    w.ImportExcel();
    EXPECT_EQ(t.boxes->calls.last().text, QString::fromUtf8("Excel匯入完成!") + full + "0.");
    EXPECT_EQ(t.boxes->calls.size(), 4) << "the list was whole: no notice";
    EXPECT_EQ(DialogResult, 1);
}
