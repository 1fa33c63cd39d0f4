#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "PoiTableFill.h"
#include "TrackWindow.h"
#include "common/Settings.h"
#include "monitor/gui/MapBrowser.h"
#include "platform/gui/ListView.h"
#include "poidb/clsDBLib.h"

namespace {
class Selection : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(t.Show());
        w = t.window.get();
        w->fraMap->show();
        w->ProcessGPRMC("$GPRMC,1,A,2503.6319,N,12136.0098,E,2.69,79.65,100106,,,A*52");
        w->ProcessGPRMC("$GPRMC,2,V,2503.7000,N,12136.1000,E,3.0,90.0,100106,,,A*00");
        w->ProcessGPRMC("$GPRMC,3,A,2503.8000,N,12136.2000,E,3.0,180.0,100106,,,A*00");
    }
    TrackWindow t;
    frmTrack* w = nullptr;
};
}  // namespace

TEST_F(Selection, ClicksArmOneDrawingOfTheRowSelectedLast) {
    const int drawn = w->WBMaps->NavigateCount();
    w->DateView->SelectRow(0);
    w->DateView_Click();
    w->DateView->SelectRow(1);
    w->DateView_Click();
    EXPECT_TRUE(w->Timer3->isActive());
    EXPECT_EQ(w->WBMaps->NavigateCount(), drawn) << "nothing is drawn before the timer ticks";
    w->Timer3_Timer();
    EXPECT_FALSE(w->Timer3->isActive());
    EXPECT_EQ(w->WBMaps->NavigateCount(), drawn + 1);
    EXPECT_EQ(w->CurrentFix[0].Lat, w->TrackList[1].Lat);
    EXPECT_EQ(w->CurrentFix[0].Status, "V");
    EXPECT_TRUE(w->lblCaption->text().endsWith(" Last location "));


    w->Check1->setEnabled(true);
    w->Check1->setChecked(true);
    w->Check1_Click();
    w->Timer3_Timer();
    EXPECT_TRUE(t.folder.Read("carimage/markers.txt").split('\n')[1].contains("|C-Rv\\car090.gif|"))
        << "with the whole trail, the selected row is marked";

    // From the keyboard: a row reached with the arrow keys is drawn as a clicked one is; Tab leaves the table with
    // the row still selected.
    QTest::keyClick(w->DateView, Qt::Key_Up);
    EXPECT_TRUE(w->Timer3->isActive());
    w->Timer3_Timer();
    EXPECT_EQ(w->CurrentFix[0].Lat, w->TrackList[0].Lat);
    w->DateView->setFocus();
    QTest::keyClick(w->DateView, Qt::Key_Tab);
    EXPECT_NE(w->focusWidget(), w->DateView);
    EXPECT_EQ(w->DateView->SelectedRow(), 0);
}

TEST_F(Selection, ZoomStaysBetweenFourAndEighteenAndIsRemembered) {
    for (int i = 0; i < 5; ++i) w->imgZoomIn_Click();
    EXPECT_EQ(w->lblZoom->text(), "18");
    EXPECT_EQ(ReadSetting(t.folder.Path(), "Settings", "Zoom"), "18");
    for (int i = 0; i < 20; ++i) w->imgZoomOut_Click();
    EXPECT_EQ(w->lblZoom->text(), "4");
    EXPECT_TRUE(w->Timer3->isActive()) << "a zoom step reaches the map through the timer";
    w->DateView->SelectRow(2);
    w->Timer3_Timer();
    EXPECT_TRUE(t.folder.Read("carimage/map.htm").contains("id=\"zoom\">4</script>"));
    // A zoom made on the map itself becomes the station's, as many steps as it took.
    w->WBMaps_Zoomed(7);
    EXPECT_EQ(w->lblZoom->text(), "7");
    EXPECT_EQ(ReadSetting(t.folder.Path(), "Settings", "Zoom"), "7");
    EXPECT_TRUE(w->Timer3->isActive());
}

TEST_F(Selection, AnEmptyTableOnlyShowsTheMapAndNoSelectionIsReported) {
    w->DateView->clearSelection();
    w->DateView->setCurrentIndex({});
    w->Timer3_Timer();
    ASSERT_EQ(t.boxes.calls.size(), 1);
    EXPECT_EQ(t.boxes.calls[0].style & 0x70, int(MessageBox::Critical));

    w->DateView->Clear();
    w->fraMap->hide();
    w->Timer3_Timer();
    EXPECT_FALSE(w->fraMap->isHidden());
    EXPECT_EQ(t.boxes.calls.size(), 1);
}

TEST_F(Selection, PoisMarkedOnTheMapAreImportedOnceAndTheFileDeleted) {
    DBLib().InsertCoordinate(1, 2, "2", "Station");
    DBLib().InsertCoordinate(1, 2, "2", "Depot &amp; Ost");
    DBLib().InsertCoordinate(1, 2, "2", "Ärger");
    // A stored name is skipped as the table compares it, which the map page follows when it refuses a name: the
    // text as it stands, the letters A to Z in either case, other letters in their own.
    t.folder.Write("poi.txt",
                   "Harbour,24.15,120.65\r\nStation,24.14,120.68\r\nHarbour,24.15,120.65\r\n\r\nx,1\r\n"
                   "STATION,1,2\r\nDepot &amp; OST,1,2\r\nDepot & Ost,1,2\r\närger,1,2\r\n");
    const int drawn = w->WBMaps->NavigateCount();
    w->MapTimer_Timer();
    EXPECT_FALSE(QFile::exists(t.folder.File("poi.txt")));
    QStringList names;
    for (const PoiRecord& poi : w->PoiList) names << poi.Explanation;
    EXPECT_EQ(names, QStringList({"Station", "Depot &amp; Ost", "Ärger", "Harbour", "Depot & Ost", "ärger"}));
    ASSERT_EQ(w->PoiList.UBound(), 6);
    EXPECT_EQ(w->PoiList[3].Kind, "1");
    EXPECT_DOUBLE_EQ(w->PoiList[3].X, 120.65);
    EXPECT_DOUBLE_EQ(w->PoiList[3].Y, 24.15);
    EXPECT_EQ(w->WBMaps->NavigateCount(), drawn + 1);
    EXPECT_TRUE(t.folder.Read("carimage/markers.txt").contains("|House\\House1.gif|Harbour"));

    w->MapTimer_Timer();  // no file: nothing happens
    EXPECT_EQ(w->WBMaps->NavigateCount(), drawn + 1);

    // The lists hold 32,767 POIs: one more fits, the next is not stored, and the user is told.
    FillPoiTable(t.folder.File("database/POI.mdb"), 32766 - w->PoiList.UBound());
    t.folder.Write("poi.txt", "Last,24.1,120.1\r\nBeyond,24.2,120.2\r\n");
    w->MapTimer_Timer();
    ASSERT_EQ(w->PoiList.UBound(), 32767);
    EXPECT_EQ(w->PoiList[32766].Explanation, "Last");
    bool notStored = false;
    DBLib().SearchCoordinate("Beyond", notStored);
    EXPECT_TRUE(notStored);
    ASSERT_EQ(t.boxes.calls.size(), 1);
    EXPECT_TRUE(t.boxes.calls[0].text.contains("1 POI(s) marked on the map were not stored"))
        << t.boxes.calls[0].text.toStdString();
}

TEST_F(Selection, AFailedImportKeepsTheFileAndABadLineHoldsUpNoOther) {
    t.folder.Write("poi.txt", QByteArrayLiteral("Nul\0name,24.1,120.6\r\nHarbour,24.15,120.65\r\n"));
    DBLib().CloseConnection();  // the table cannot be reached for now
    w->MapTimer_Timer();
    ASSERT_EQ(t.boxes.calls.size(), 1);
    EXPECT_EQ(t.boxes.calls[0].style & 0x70, int(MessageBox::Critical));
    EXPECT_TRUE(QFile::exists(t.folder.File("poi.txt"))) << "the POIs marked are not lost";

    DBLib().OpenConnection(t.folder.File("database/POI.mdb"));
    w->MapTimer_Timer();
    EXPECT_EQ(t.boxes.calls.size(), 1) << "the name the table cannot take is skipped, not reported every tick";
    EXPECT_FALSE(QFile::exists(t.folder.File("poi.txt")));
    ASSERT_EQ(w->PoiList.UBound(), 1);
    EXPECT_EQ(w->PoiList[0].Explanation, "Harbour");
}

TEST_F(Selection, AFifoInPlaceOfTheHandBackFileIsSkippedWithoutWaiting) {
    ASSERT_EQ(mkfifo(t.folder.File("poi.txt").toLocal8Bit().constData(), 0600), 0);
    const int drawn = w->WBMaps->NavigateCount();
    w->MapTimer_Timer();  // would wait for a writer for ever if the FIFO were opened as a file
    EXPECT_EQ(w->WBMaps->NavigateCount(), drawn);
    EXPECT_TRUE(t.boxes.calls.isEmpty());
}
