#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "HistoryDay.h"
#include "PseudoTerminal.h"
#include "TrackWindow.h"
#include "common/DisplayTexts.h"
#include "common/Shared.h"
#include "monitor/HistoryLog.h"
#include "monitor/gui/frmWaiting.h"
#include "platform/gui/ListView.h"
#include "platform/gui/SerialPortControl.h"
#include "platform/gui/StatusBar.h"

namespace {
class HistoryQueryWindow : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(t.Show());
        w = t.window.get();
        w->dtpFromTime->setDate(LoggedDay);
        frmTrack::QueryServeMilliseconds = 0;  // messages after every line, so a test can act at a given line
    }
    void TearDown() override { frmTrack::QueryServeMilliseconds = servedEvery; }
    // Runs the query with `during` called whenever the read serves messages.
    void QueryWhile(const std::function<void()>& during) {
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, during);
        tick.start(0);
        w->cmdGET_Click();
    }
    QString Total() const { return w->stbStatusBar->Panel(2)->text(); }
    const ListViewModel& Table() const { return *w->DateView->Model(); }

    TrackWindow t;
    frmTrack* w = nullptr;
    const int servedEvery = frmTrack::QueryServeMilliseconds;
};
}  // namespace

TEST_F(HistoryQueryWindow, ListsTheDaysPositionsAndOffersReplayExportAndTheMap) {
    WriteHistoryDay(t.folder, 3, "Export");
    w->cmdGET_Click();

    ASSERT_EQ(w->DateView->RowCount(), 3);
    EXPECT_EQ(Table().Key(2), "#2");
    EXPECT_EQ(Table().Text(2, 0), "3");
    EXPECT_EQ(Table().Text(0, 1), "2009/02/18 10:00:00");
    EXPECT_EQ(Table().Text(0, 2), " Real time position");
    EXPECT_EQ(Table().Text(1, 2), " Last location");
    EXPECT_EQ(Table().Text(1, 3), FormatDegrees("N", 24.11));
    EXPECT_EQ(Table().Text(1, 4), FormatDegrees("E", 120.5));
    EXPECT_EQ(Table().Text(1, 5), "90");
    EXPECT_EQ(Table().Text(1, 6), FormatSpeed(t.folder.Path(), 1));
    EXPECT_EQ(Total(), "Total:3");
    EXPECT_EQ(w->TrackList.UBound(), 3);
    EXPECT_EQ(w->TrackList[3].Time, "") << "the spare is empty";
    for (QWidget* on : std::initializer_list<QWidget*>{w->cmdExport, w->Check1, w->cmdPlay, w->cmdGET, w->cmdQuery})
        EXPECT_TRUE(on->isEnabled()) << on->objectName().toStdString();
    EXPECT_FALSE(w->cmdStopPlay->isEnabled());
    EXPECT_FALSE(w->fraMap->isHidden());
    EXPECT_EQ(w->DateView->SelectedRow(), 0);
    EXPECT_TRUE(w->findChildren<frmWaiting*>().isEmpty()) << "the wait box is gone";
    EXPECT_EQ(KeepRunning, True16);
    ASSERT_TRUE(w->Timer3->isActive());
    w->Timer3_Timer();
    EXPECT_EQ(w->CurrentFix[0].Time, "2009/02/18 10:00:00") << "row 1 is drawn by the redraw timer";

    // A month without a log: the no-rows row, and everything the rows offered is off again.
    w->dtpFromTime->setDate(QDate(2009, 3, 18));
    w->cmdGET_Click();
    ASSERT_EQ(w->DateView->RowCount(), 1);
    EXPECT_EQ(Table().Key(0), "#0");
    EXPECT_EQ(Table().Text(0, 0), "1");
    EXPECT_EQ(Table().Text(0, 1), "NO Date");
    EXPECT_EQ(Total(), "Total:0");
    EXPECT_TRUE(w->TrackList.IsEmpty());
    for (QWidget* off : std::initializer_list<QWidget*>{w->cmdExport, w->Check1, w->cmdPlay})
        EXPECT_FALSE(off->isEnabled());
    EXPECT_TRUE(w->fraMap->isHidden());
    EXPECT_FALSE(w->Timer3->isActive());
    EXPECT_TRUE(t.boxes.calls.isEmpty());
}

TEST_F(HistoryQueryWindow, StopInTheWaitBoxKeepsTheRowsListedSoFar) {
    WriteHistoryDay(t.folder, 10);
    bool readingGuarded = false;
    QueryWhile([&] {
        readingGuarded = !w->cmdGET->isEnabled() && !w->cmdQuery->isEnabled() && !w->cmdPlay->isEnabled();
        if (w->DateView->RowCount() == 4) w->findChild<frmWaiting*>()->Command1->click();
    });
    EXPECT_TRUE(readingGuarded) << "no second query, connection or replay while the log is read";
    EXPECT_EQ(w->DateView->RowCount(), 4);
    EXPECT_EQ(Total(), "Total:4");
    EXPECT_EQ(KeepRunning, 0);
    EXPECT_TRUE(w->cmdExport->isEnabled());
    EXPECT_TRUE(w->cmdQuery->isEnabled());
    EXPECT_EQ(w->DateView->SelectedRow(), 0);
}

TEST_F(HistoryQueryWindow, StopDoesNotListTheRecordReadBeforeIt) {
    // Records end CR CR LF, so half the lines read are empty. Messages are served after every line read and
    // before it is used: a Stop must drop the line just read also when that is a record, not only an empty line.
    WriteHistoryDay(t.folder, 10);
    QList<int> rowsWhenServed;
    QueryWhile([&] { rowsWhenServed.append(w->DateView->RowCount()); });
    // Two serves find 4 rows: the one after the empty line that ends the fourth record, and the one after the
    // fifth record, which is listed right after it.
    ASSERT_EQ(rowsWhenServed.count(4), 2);
    ASSERT_EQ(rowsWhenServed.value(rowsWhenServed.lastIndexOf(4) + 1), 5);

    int servesWithFour = 0;
    QueryWhile([&] {
        if (w->DateView->RowCount() == 4 && ++servesWithFour == 2) w->findChild<frmWaiting*>()->Command1->click();
    });
    EXPECT_EQ(w->DateView->RowCount(), 4) << "the fifth record was read at Stop and is not listed";
    EXPECT_EQ(Total(), "Total:4");
    EXPECT_EQ(w->TrackList.UBound(), 4);
    EXPECT_EQ(w->TrackList[4].Time, "");
}

TEST_F(HistoryQueryWindow, AFullDayIsListedWhileTheTableFollowsTheRead) {
    frmTrack::QueryServeMilliseconds = servedEvery;  // served on the time slice, as for the user
    QByteArray log;
    for (int s = 0; s < 86400; ++s) {
        log += HistoryRecord({FormatTimestamp(QDateTime(LoggedDay, QTime(0, 0)).addSecs(s)), "E", 120.5, "N",
                              24.1 + s / 1e6, float(s % 120), 90, "A"});
    }
    t.folder.Write("export/History-2009-02.log", log);

    QList<int> rowsWhenServed;
    bool waitBoxShown = true;
    QueryWhile([&] {
        rowsWhenServed.append(w->DateView->RowCount());
        const auto boxes = w->findChildren<frmWaiting*>();
        waitBoxShown = waitBoxShown && boxes.size() == 1 && boxes[0]->isVisible();
    });
    EXPECT_TRUE(waitBoxShown);
    EXPECT_GT(
        std::count_if(rowsWhenServed.begin(), rowsWhenServed.end(), [](int rows) { return rows > 0 && rows < 32767; }),
        1)
        << "the rows show in the table as they are read";
    EXPECT_TRUE(std::is_sorted(rowsWhenServed.begin(), rowsWhenServed.end()));
    ASSERT_EQ(w->DateView->RowCount(), 32767) << "a signed 16-bit count";
    EXPECT_EQ(Total(), "Total:32767");
    EXPECT_EQ(Table().Text(32766, 0), "32767");
    EXPECT_EQ(Table().Key(32766), "#32766");
    EXPECT_EQ(Table().Text(32766, 1), "2009/02/18 09:06:06");
    EXPECT_EQ(Table().Text(32766, 6), FormatSpeed(t.folder.Path(), 6));
    EXPECT_EQ(w->TrackList.UBound(), 32767);
    EXPECT_EQ(w->DateView->SelectedRow(), 0);

    // Stop at the first serve that finds rows: the read ends there, whatever it had come to.
    int stoppedAt = -1;
    QueryWhile([&] {
        if (stoppedAt < 0 && w->DateView->RowCount() > 0) {
            stoppedAt = w->DateView->RowCount();
            w->findChild<frmWaiting*>()->Command1->click();
        }
    });
    ASSERT_GT(stoppedAt, 0);
    EXPECT_EQ(w->DateView->RowCount(), stoppedAt);
    EXPECT_EQ(Total(), "Total:" + QString::number(stoppedAt));
}

TEST_F(HistoryQueryWindow, ConnectingOrClosingTheWindowDuringTheReadEndsIt) {
    PseudoTerminal pty;
    ASSERT_TRUE(pty.IsValid());
    ASSERT_TRUE(pty.LinkAs(t.folder.Path(), 1));
    w->cmdCommport->setCurrentIndex(0);
    WriteHistoryDay(t.folder, 10);
    QueryWhile([&] {
        if (w->DateView->RowCount() == 2 && !w->MSComm1->PortOpen()) w->cmdQuery_Click();
    });
    ASSERT_TRUE(w->MSComm1->PortOpen());
    EXPECT_TRUE(w->TrackList.IsEmpty()) << "the list and the table belong to the live positions now";
    EXPECT_EQ(w->DateView->RowCount(), 0);
    EXPECT_TRUE(w->cmdQuery->isEnabled());
    EXPECT_FALSE(w->cmdGET->isEnabled());
    EXPECT_TRUE(w->findChildren<frmWaiting*>().isEmpty());
    w->cmdQuery_Click();
    ASSERT_FALSE(w->MSComm1->PortOpen());

    QueryWhile([&] {
        if (w->DateView->RowCount() == 2 && t.programEnds == 0) w->close();
    });
    EXPECT_EQ(t.programEnds, 1);
    EXPECT_EQ(w->DateView->RowCount(), 2) << "the read ended with the window";
    EXPECT_TRUE(w->findChildren<frmWaiting*>().isEmpty());
    EXPECT_TRUE(t.boxes.calls.isEmpty());
}
