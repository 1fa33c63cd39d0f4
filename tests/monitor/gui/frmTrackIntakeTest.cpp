#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>

#include "DefaultLocale.h"
#include "PseudoTerminal.h"
#include "TrackWindow.h"
#include "common/DisplayTexts.h"
#include "monitor/HistoryLog.h"
#include "monitor/gui/MapBrowser.h"
#include "platform/gui/ListView.h"
#include "platform/gui/StatusBar.h"
#include "poidb/clsDBLib.h"

namespace {
const QString Example = "$GPRMC,053740.000,A,2503.6319,N,12136.0098,E,2.69,79.65,100106,,,A*52";

class WindowIntake : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(t.Show());
        w = t.window.get();
        w->fraMap->show();  // as a connection shows it
    }
    QByteArray History() const {
        const QStringList logs = QDir(t.folder.File("export")).entryList({"History-*.log"});
        return logs.size() == 1 ? t.folder.Read("export/" + logs[0]) : QByteArray();
    }
    const DefaultLocale english{QLocale::English, QLocale::UnitedStates};  // the expected texts use "."
    TrackWindow t;
    frmTrack* w = nullptr;
};
}  // namespace

TEST_F(WindowIntake, AChangedPositionIsLoggedListedAndDrawnOnce) {
    w->ProcessGPRMC(Example);
    ASSERT_EQ(w->TrackList.UBound(), 1);
    const TrackRecord& e = w->TrackList[0];
    EXPECT_EQ(History(), e.Time.toUtf8() + "|N|121.60016|E|25.06053|A|2.69|79.65\r\r\n");
    ASSERT_EQ(w->DateView->RowCount(), 1);
    const ListViewModel& m = *w->DateView->Model();
    EXPECT_EQ(m.Key(0), "#0");
    EXPECT_EQ(m.Text(0, 0), "1");
    EXPECT_EQ(m.Text(0, 1), e.Time);
    EXPECT_EQ(m.Text(0, 2), " Real time position");
    EXPECT_EQ(m.Text(0, 3), FormatDegrees("N", 25.06053));
    EXPECT_EQ(m.Text(0, 4), FormatDegrees("E", 121.60016));
    EXPECT_EQ(m.Text(0, 5), "79.65");
    EXPECT_EQ(m.Text(0, 6), FormatSpeed(t.folder.Path(), 2.69f));
    EXPECT_EQ(w->WBMaps->NavigateCount(), 1);
    EXPECT_EQ(w->lblCaption->text(), " " + e.Time + " Real time position ");

    // The same sentence a moment later: the time moves on, nothing else happens.
    w->ProcessGPRMC(Example);
    EXPECT_EQ(w->TrackList.UBound(), 1);
    EXPECT_EQ(w->DateView->RowCount(), 1);
    EXPECT_EQ(w->WBMaps->NavigateCount(), 1);
    EXPECT_EQ(History().count('\n'), 1);
}

// At the design size only the first columns fit: the columns the user scrolled to stay in view as rows come in,
// and the new row comes into view below.
TEST_F(WindowIntake, NewRowsKeepTheTableWhereTheUserScrolledItSideways) {
    QScrollBar* sideways = w->DateView->horizontalScrollBar();
    for (int i = 0; i < 12; ++i) {
        w->ProcessGPRMC(QStringLiteral("$GPRMC,0537%1.000,A,2503.%2,N,12136.0098,E,2.69,79.65,100106,,,A*52")
                            .arg(i, 2, 10, QChar('0'))
                            .arg(6319 + 10 * i));
        if (i == 0) {
            ASSERT_GT(sideways->maximum(), 0) << "the table is wider than its view";
            sideways->setValue(sideways->maximum());
        }
        EXPECT_EQ(sideways->value(), sideways->maximum()) << "row " << i + 1;
    }
    const QRect last = w->DateView->visualRect(w->DateView->Model()->index(11, 0));
    EXPECT_GE(last.top(), 0);
    EXPECT_LE(last.bottom(), w->DateView->viewport()->height()) << "the newest row is in view";
    EXPECT_EQ(w->DateView->SelectedRow(), 11);
}

TEST_F(WindowIntake, AVoidSentenceLogsTheLostPositionOnceAndHidesTheSpeed) {
    w->ProcessGPRMC(Example);
    const int drawn = w->WBMaps->NavigateCount();
    w->ProcessGPRMC("$GPRMC,053741.000,V,,,,,,,100106,,,N*4F");
    ASSERT_EQ(w->TrackList.UBound(), 2);
    EXPECT_TRUE(History().endsWith("||0||0|V|2.69|79.65\r\r\n"));
    EXPECT_EQ(w->DateView->Model()->Text(1, 2), " Last location");
    EXPECT_EQ(w->DateView->Model()->Text(1, 3), "");
    EXPECT_TRUE(w->lblSpeed->isHidden());
    EXPECT_TRUE(w->imgZoomIn->isHidden());
    EXPECT_TRUE(w->lblCaption->text().endsWith(" Last location "));
    EXPECT_EQ(w->WBMaps->NavigateCount(), drawn) << "no position, no drawing";
    w->ProcessGPRMC("$GPRMC,053742.000,V,,,,,,,100106,,,N*4C");
    EXPECT_EQ(w->TrackList.UBound(), 2);

    w->ProcessGPRMC("$GPRMC,053740.000,V*06");  // fields missing: time and status only
    EXPECT_EQ(w->CurrentFix[0].Status, "V*06");
    EXPECT_EQ(w->TrackList.UBound(), 2);
}

TEST_F(WindowIntake, ALatitudeOrLongitudeOfZeroIsNoPositionToDraw) {
    w->ProcessGPRMC(Example);
    const QByteArray markers = t.folder.Read("carimage/markers.txt");
    const QByteArray page = t.folder.Read("carimage/map.htm");
    const int drawn = w->WBMaps->NavigateCount();
    for (const QString& half : {"$GPRMC,053741.000,A,,N,12136.1000,E,3.0,90.0,100106,,,A*00",
                                "$GPRMC,053742.000,A,2503.7000,N,,E,3.0,90.0,100106,,,A*00"}) {
        w->ProcessGPRMC(half);
        EXPECT_TRUE(w->lblCaption->text().startsWith(" " + w->CurrentFix[0].Time)) << "the caption still moves on";
        EXPECT_TRUE(w->lblSpeed->isHidden());
        EXPECT_TRUE(w->imgZoomIn->isHidden());
    }
    EXPECT_EQ(w->TrackList.UBound(), 3) << "both are logged and listed";
    EXPECT_EQ(t.folder.Read("carimage/markers.txt"), markers);
    EXPECT_EQ(t.folder.Read("carimage/map.htm"), page);
    EXPECT_EQ(w->WBMaps->NavigateCount(), drawn);
}

TEST_F(WindowIntake, APositionThatCannotBeLoggedIsListedAndTheStatusBarSaysSoUntilLoggingWorksAgain) {
    // A folder where the month's log should be: nothing can be written there.
    const QString log = "export/" + HistoryFileName(QDateTime::currentDateTime());
    ASSERT_TRUE(QDir().mkpath(t.folder.File(log)));
    w->ProcessGPRMC(Example);
    EXPECT_EQ(w->DateView->RowCount(), 1) << "the intake goes on";
    EXPECT_EQ(w->WBMaps->NavigateCount(), 1);
    // The reason first, where the panel has room for it; the log it concerns in the tool tip.
    EXPECT_EQ(w->stbStatusBar->Panel(1)->text(), "Not logged: " + qt_error_string(EISDIR));
    EXPECT_TRUE(w->stbStatusBar->Panel(1)->toolTip().contains(t.folder.File(log)));
    EXPECT_TRUE(t.boxes.calls.isEmpty()) << "no box interrupts the live view";

    QDir(t.folder.File(log)).removeRecursively();
    w->ProcessGPRMC("$GPRMC,053741.000,A,2503.6400,N,12136.0098,E,2.69,79.65,100106,,,A*52");
    EXPECT_EQ(w->DateView->RowCount(), 2);
    EXPECT_EQ(w->stbStatusBar->Panel(1)->text(), "");
    EXPECT_EQ(w->stbStatusBar->Panel(1)->toolTip(), "");
    EXPECT_EQ(History().count('\n'), 1);

    // Line noise that would shift the fields of the record is not logged either; the next sentence is.
    w->ProcessGPRMC("$GPRMC,053742.000,A|x,2503.6500,N,12136.0098,E,2.69,79.65,100106,,,A*52");
    EXPECT_EQ(w->DateView->RowCount(), 3);
    EXPECT_EQ(w->stbStatusBar->Panel(1)->text().toStdString(), "Not logged: Damaged sentence");
    w->ProcessGPRMC("$GPRMC,053743.000,A,2503.6600,N,12136.0098,E,2.69,79.65,100106,,,A*52");
    EXPECT_EQ(w->stbStatusBar->Panel(1)->text(), "");
    const QByteArray history = History();
    EXPECT_EQ(history.count('\n'), 2);
    EXPECT_EQ(history.count('|'), 14) << "eight fields a record";
}

TEST_F(WindowIntake, MapFilesCarrySignedCoordinatesTheVehicleAndEveryPoi) {
    DBLib().InsertCoordinate(151.2, -33.9, "3", "Opera <b>House</b>");
    w->LoadPOIs();
    w->ProcessGPRMC("$GPRMC,010203,A,3352.0680,S,15112.4380,E,0.0,200.0,010120,,,A*00");
    const QList<QByteArray> lines = t.folder.Read("carimage/markers.txt").split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("-33.8678|151.2073|C-rv\\car180.gif|")) << lines[0].constData();
    EXPECT_EQ(lines[1], "-33.9|151.2|House\\House3.gif|Opera <b>House</b>\r");
    const QByteArray page = t.folder.Read("carimage/map.htm");
    EXPECT_EQ(page.count("\r\n"), 1);
    EXPECT_TRUE(page.endsWith("\r\n"));
    EXPECT_TRUE(page.contains("-33.8678,151.2073"));
    EXPECT_TRUE(page.contains("id=\"zoom\">15</script>")) << "the start zoom";
    EXPECT_TRUE(w->labXY->text().startsWith("S 33"));
}

TEST_F(WindowIntake, WholeTrailMarksTheSelectedRowAndCentresOnIt) {
    w->ProcessGPRMC(Example);
    w->ProcessGPRMC("$GPRMC,053741.000,A,2503.7000,N,12136.1000,E,3.0,90.0,100106,,,A*00");
    w->ProcessGPRMC("$GPRMC,053742.000,A,2503.8000,N,12136.2000,E,3.0,180.0,100106,,,A*00");
    w->DateView->SelectRow(1);
    w->Check1->setEnabled(true);
    w->Check1->setChecked(true);
    w->ShowWholeTrack();
    const QList<QByteArray> lines = t.folder.Read("carimage/markers.txt").split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].contains("|POI\\car"));
    EXPECT_TRUE(lines[1].contains("|C-Rv\\car090.gif|"));
    EXPECT_TRUE(lines[2].contains("|POI\\car180.gif|"));
    EXPECT_TRUE(t.folder.Read("carimage/map.htm").contains("25.06167,121.60167"));
    EXPECT_TRUE(w->Check1->isEnabled());
    EXPECT_TRUE(w->Check1->isChecked());

    w->Check1->setChecked(false);
    const int drawn = w->WBMaps->NavigateCount();
    w->ShowWholeTrack();
    EXPECT_EQ(w->WBMaps->NavigateCount(), drawn) << "unchecked, the whole trail is not drawn";
}

TEST_F(WindowIntake, AHiddenMapChangesNothingAndAFailedDrawingIsReported) {
    w->fraMap->hide();
    w->ProcessGPRMC(Example);
    EXPECT_EQ(w->lblCaption->text(), " Caption ");
    EXPECT_EQ(w->TrackList.UBound(), 1) << "the position is still logged and listed";
    EXPECT_FALSE(QFile::exists(t.folder.File("carimage/markers.txt")));

    w->fraMap->show();
    QDir(t.folder.File("carimage")).removeRecursively();
    w->ProcessGPRMC("$GPRMC,053741.000,A,2503.7000,N,12136.1000,E,3.0,90.0,100106,,,A*00");
    EXPECT_EQ(w->TrackList.UBound(), 2);
    EXPECT_TRUE(t.boxes.calls.isEmpty()) << "not from inside the intake";
    w->ProcessGPRMC("$GPRMC,053742.000,A,2503.8000,N,12136.1000,E,3.0,90.0,100106,,,A*00");
    ServeEventsUntil([] { return false; }, 50);
    ASSERT_EQ(t.boxes.calls.size(), 1) << "the drawing's failure is shown once";
    EXPECT_EQ(t.boxes.calls[0].style & 0x70, int(MessageBox::Critical));

    // Told again only after a drawing has worked in between.
    ASSERT_TRUE(QDir().mkpath(t.folder.File("carimage")));
    w->ProcessGPRMC("$GPRMC,053743.000,A,2503.9000,N,12136.1000,E,3.0,90.0,100106,,,A*00");
    QDir(t.folder.File("carimage")).removeRecursively();
    w->ProcessGPRMC("$GPRMC,053744.000,A,2504.0000,N,12136.1000,E,3.0,90.0,100106,,,A*00");
    ServeEventsUntil([] { return false; }, 50);
    EXPECT_EQ(t.boxes.calls.size(), 2);
}
