#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "PoiTableFill.h"
#include "TrackWindow.h"
#include "common/Settings.h"
#include "monitor/gui/frmTrack.h"
#include "platform/Application.h"
#include "platform/gui/ListView.h"
#include "poidb/clsDBLib.h"

namespace {
QStringList Entries(const QComboBox* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries.append(list->itemText(i));
    return entries;
}
}  // namespace

TEST(frmTrackLoad, FirstStartWithoutSettingsOpensReadyToConnect) {
    TrackWindow t;
    ASSERT_TRUE(t.Show());
    frmTrack& w = *t.window;
    EXPECT_TRUE(t.boxes.calls.isEmpty());
    EXPECT_EQ(w.windowTitle(), Application::ProgramTitle(GetLanguageText(t.folder.Path(), "Track", "0001")));
    EXPECT_TRUE(w.windowTitle().endsWith(" V0.9.218"));
    EXPECT_EQ(w.cmdCommport->currentIndex(), -1) << "no port is selected";
    EXPECT_EQ(w.cmdSetting->currentText(), "4800,n,8,1");
    EXPECT_EQ(w.lblZoom->text(), "15");
    EXPECT_EQ(w.cmdQuery->text(), GetLanguageText(t.folder.Path(), "Track", "0003"));
    EXPECT_TRUE(w.fraMap->isHidden());
    EXPECT_FALSE(w.Check1->isEnabled());
    EXPECT_FALSE(w.cmdPlay->isEnabled());
    EXPECT_FALSE(w.cmdStopPlay->isEnabled());
    EXPECT_FALSE(w.cmdExport->isEnabled());
    EXPECT_TRUE(w.MapTimer->isActive());
    EXPECT_EQ(w.MapTimer->interval(), 20000) << "POIs marked on the map are taken in every 20 seconds";
    EXPECT_FALSE(w.Timer3->isActive());
    EXPECT_FALSE(w.Timer4->isActive());
    EXPECT_EQ(w.TrackList.UBound(), 0);
    ASSERT_EQ(w.CurrentFix.size(), 1);
    EXPECT_EQ(w.CurrentFix[0].Lon, 0);
    EXPECT_EQ(w.PoiList.UBound(), 0) << "the empty POI table lists nothing";
    EXPECT_EQ(w.DateView->RowCount(), 0);
    EXPECT_EQ(w.DateView->Model()->columnCount(), 7);
    EXPECT_EQ(w.DateView->Model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
              GetLanguageText(t.folder.Path(), "Track", "0018"));
}

TEST(frmTrackLoad, TimeListsHoldTheQueryWindowFromMidnightToMidnight) {
    TrackWindow t;
    ASSERT_TRUE(t.Show());
    frmTrack& w = *t.window;
    QStringList hours;
    for (int i = 0; i < 24; ++i) hours.append(QString::asprintf("%02d", i));
    EXPECT_EQ(Entries(w.Combo1), hours);
    EXPECT_EQ(Entries(w.Combo4), hours + QStringList{"24"});
    EXPECT_EQ(w.Combo4->currentText(), "24");
    const QStringList minutes{"00", "10", "20", "30", "40", "50"};
    EXPECT_EQ(Entries(w.Combo2), minutes);
    EXPECT_EQ(Entries(w.Combo3), minutes);
    EXPECT_EQ(w.Combo1->currentText(), "00");
    EXPECT_EQ(w.Combo3->currentText(), "00");
    QStringList ports;
    for (int i = 1; i <= 15; ++i) ports.append(QString("COM%1").arg(i));
    EXPECT_EQ(Entries(w.cmdCommport), ports);
    EXPECT_EQ(Entries(w.cmdSetting), (QStringList{"4800,n,8,1", "9600,n,8,1"}));
    EXPECT_FALSE(w.cmdCommport->isEditable()) << "the lists accept only their own entries";
}

TEST(frmTrackLoad, StoredPortAndLineSettingsAreSelected) {
    {
        TrackWindow t;
        WriteSetting(t.folder.Path(), "Settings", "CommPort", "3");
        WriteSetting(t.folder.Path(), "Settings", "Setting", "1");
        ASSERT_TRUE(t.Show());
        EXPECT_EQ(t.window->cmdCommport->currentText(), "COM3");
        EXPECT_EQ(t.window->cmdSetting->currentText(), "9600,n,8,1");
    }

    TrackWindow none;
    WriteSetting(none.folder.Path(), "Settings", "CommPort", "0");
    ASSERT_TRUE(none.Show());
    EXPECT_EQ(none.window->cmdCommport->currentIndex(), -1);
}

TEST(frmTrackLoad, StoredPositionsOutsideTheListsEndTheProgramBeforeTheWindowShows) {
    for (const auto& [key, value] : std::vector<std::pair<QString, QString>>{
             {"CommPort", "16"}, {"CommPort", "-1"}, {"Setting", "2"}}) {
        TrackWindow t;
        WriteSetting(t.folder.Path(), "Settings", key, value);
        EXPECT_FALSE(t.Show()) << key.toStdString() << "=" << value.toStdString();
        EXPECT_TRUE(t.window->isHidden());
        ASSERT_EQ(t.boxes.calls.size(), 1);
        EXPECT_EQ(t.boxes.calls[0].style & 0x70, int(MessageBox::Critical));
        EXPECT_TRUE(t.boxes.calls[0].text.contains(value));
    }
}

TEST(frmTrackLoad, AMissingPageTemplateEndsTheProgramBeforeTheDatabaseOpens) {
    TrackWindow t;
    QFile::remove(t.folder.File("carimage/Standards.txt"));
    QFile::remove(t.folder.File("database/POI.mdb"));  // would fail next if the load went on
    EXPECT_FALSE(t.Show());
    ASSERT_EQ(t.boxes.calls.size(), 1);
    EXPECT_TRUE(t.boxes.calls[0].text.contains("Standards.txt"));
}

TEST(frmTrackLoad, AMissingDatabaseEndsTheProgramWithItsMessage) {
    TrackWindow t;
    QFile::remove(t.folder.File("database/POI.mdb"));
    EXPECT_FALSE(t.Show());
    ASSERT_EQ(t.boxes.calls.size(), 1);
    EXPECT_TRUE(t.boxes.calls[0].text.contains("POI.mdb"));
    EXPECT_FALSE(QFile::exists(t.folder.File("database/POI.mdb"))) << "opening never creates the database";
}

TEST(frmTrackLoad, PageTemplateLinesBecomeTheTemplateListWithItsSpare) {
    TrackWindow t;
    t.folder.Write("carimage/Standards.txt", "one\r\ntwo\r\nthree\rfour\r\nfive\r\nsix\r\n");
    ASSERT_TRUE(t.Show());
    const auto& tpl = t.window->MapTemplate;
    ASSERT_EQ(tpl.UBound(), 6);
    EXPECT_EQ(tpl[0], "one");
    EXPECT_EQ(tpl[3], "four");
    EXPECT_EQ(tpl[5], "six");
    EXPECT_EQ(tpl[6], "");
}

namespace {
// Two POIs in the window's table before it loads.
void StoreHarbourAndStation(TrackWindow& t) {
    DBLib().OpenConnection(t.folder.File("database/POI.mdb"));
    DBLib().InsertCoordinate(120.65, 24.15, "1", "Harbour");
    DBLib().InsertCoordinate(120.68, 24.14, "3", "Station");
    DBLib().CloseConnection();
}
}  // namespace

TEST(frmTrackLoad, PoisOfTheTableAreListedInTableOrder) {
    TrackWindow t;
    StoreHarbourAndStation(t);
    ASSERT_TRUE(t.Show());
    ASSERT_EQ(t.window->PoiList.UBound(), 2);
    EXPECT_EQ(t.window->PoiList[0].Explanation, "Harbour");
    EXPECT_EQ(t.window->PoiList[1].Kind, "3");
    EXPECT_DOUBLE_EQ(t.window->PoiList[1].Y, 24.14);
}

TEST(frmTrackLoad, APoiTableBeyondThe16BitCountIsReportedAndTheFirst32767Listed) {
    TrackWindow t;
    FillPoiTable(t.folder.File("database/POI.mdb"), 32768);
    ASSERT_TRUE(t.Show()) << "the station goes on";
    ASSERT_EQ(t.boxes.calls.size(), 1);
    EXPECT_EQ(t.boxes.calls[0].style & 0x70, int(MessageBox::Critical));
    EXPECT_TRUE(t.boxes.calls[0].text.contains("Overflow")) << t.boxes.calls[0].text.toStdString();
    ASSERT_EQ(t.window->PoiList.UBound(), 32767);
    EXPECT_EQ(t.window->PoiList[32766].Explanation, "POI number 32766");
}

TEST(frmTrackLoad, AReloadThatCannotReadTheTableIsReportedAndTheMapKeepsItsPois) {
    TrackWindow t;
    StoreHarbourAndStation(t);
    ASSERT_TRUE(t.Show());
    t.window->fraMap->show();

    DBLib().CloseConnection();  // the table can no longer be read
    t.window->LoadPOIs();
    ASSERT_EQ(t.boxes.calls.size(), 1);
    EXPECT_EQ(t.boxes.calls[0].style & 0x70, int(MessageBox::Critical));
    t.window->ProcessGPRMC("$GPRMC,053740.000,A,2503.6319,N,12136.0098,E,2.69,79.65,100106,,,A*52");
    const QByteArray markers = t.folder.Read("carimage/markers.txt");
    EXPECT_EQ(markers.count("\r\n"), 3) << "the vehicle and both POIs: " << markers.constData();
    EXPECT_TRUE(markers.contains("|Station\r\n"));
}

TEST(frmTrackLoad, ClosingSavesThePositionClosesTheDatabaseAndEndsTheProgram) {
    TrackWindow t;
    ASSERT_TRUE(t.Show());
    t.window->close();
    EXPECT_EQ(t.programEnds, 1);
    EXPECT_TRUE(ReadSetting(t.folder.Path(), "Position", "Track").startsWith("0,"));
    EXPECT_THROW(DBLib().CloseConnection(), std::exception) << "the unload closed the connection already";
    DBLib().OpenConnection(t.folder.File("database/POI.mdb"));  // so the fixture's own close finds it open
}

TEST(frmTrackLoad, AWindowPositionIsRestoredAtTheNextStart) {
    TrackWindow t;
    WriteSetting(t.folder.Path(), "Position", "Track", "0,1200,900,12000,9000,");
    ASSERT_TRUE(t.Show());
    EXPECT_EQ(t.window->x() * 15, 1200);
    EXPECT_EQ(t.window->width() * 15, 12000);
    EXPECT_EQ(t.window->height() * 15, 9000);
}
