#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <cmath>

#include "HistoryDay.h"
#include "PseudoTerminal.h"
#include "TrackWindow.h"
#include "monitor/gui/MapBrowser.h"
#include "platform/gui/ListView.h"
#include "platform/gui/SerialPortControl.h"

namespace {
// A replay over the positions a query listed, its pauses on a clock that moves 0.3 seconds at every look.
class Replay : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(t.Show());
        w = t.window.get();
        WriteHistoryDay(t.folder, 6);
        w->dtpFromTime->setDate(LoggedDay);
        w->cmdGET_Click();
        w->Timer3->stop();  // the query's redraw of row 1 is not a replay step
        ASSERT_EQ(w->TrackList.UBound(), 6);
        frmTrack::SecondsSinceMidnight = [this] {
            if (w->WBMaps->NavigateCount() != drawn) {  // a new step has been drawn
                drawn = w->WBMaps->NavigateCount();
                shown.append(w->CurrentFix[0].Time.right(5).left(2).toInt());
                if (onStep) onStep();
            }
            ++looks;
            return clock = std::fmod(clock + 0.3f, 86400.0f);
        };
        drawn = w->WBMaps->NavigateCount();
    }
    void TearDown() override { frmTrack::SecondsSinceMidnight = {}; }

    TrackWindow t;
    frmTrack* w = nullptr;
    QList<int> shown;  // the entries drawn, in order
    std::function<void()> onStep;
    int drawn = 0;
    float clock = 86399;  // the first pause spans midnight
    int looks = 0;
};
}  // namespace

TEST_F(Replay, StepsFromTheEntryAfterTheSelectedRowsToTheLast) {
    w->txtInterval->setText("2");
    w->sldInterval->setValue(1);
    bool runningButtons = false;
    onStep = [&] {
        runningButtons = !w->cmdPlay->isEnabled() && w->cmdStopPlay->isEnabled() && !w->cmdExport->isEnabled() &&
                         !w->cmdGET->isEnabled() && w->PlayStopped == 0;
    };
    w->cmdPlay_Click();
    EXPECT_EQ(shown, QList<int>({1, 3, 5}));
    EXPECT_TRUE(runningButtons);
    EXPECT_EQ(w->DateView->SelectedRow(), 5);
    EXPECT_DOUBLE_EQ(w->CurrentFix[0].Lat, w->TrackList[5].Lat);
    EXPECT_EQ(w->CurrentFix[0].Status, "") << "the fix status is not copied";
    EXPECT_TRUE(w->cmdPlay->isEnabled());
    EXPECT_TRUE(w->cmdExport->isEnabled());
    EXPECT_TRUE(w->cmdGET->isEnabled());
    EXPECT_FALSE(w->cmdStopPlay->isEnabled());
    EXPECT_EQ(w->PlayStopped, -1);
    EXPECT_EQ(looks, 3 * 5) << "each pause, the one over midnight too, lasts until more than a second has passed";

    // From the last row nothing is left to show.
    shown.clear();
    w->cmdPlay_Click();
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_TRUE(w->cmdPlay->isEnabled());
    EXPECT_FALSE(w->cmdStopPlay->isEnabled());
}

TEST_F(Replay, EachPauseLastsMoreThanTheSlidersSeconds) {
    w->sldInterval->setValue(3);
    w->DateView->SelectRow(3);
    w->cmdPlay_Click();
    EXPECT_EQ(shown, QList<int>({4, 5}));
    // The clock moves 0.3 s at every look: more than 3 s have passed at the 11th or 12th look of a pause.
    EXPECT_GE(looks, 2 * 11);
    EXPECT_LE(looks, 2 * 12);
}

TEST_F(Replay, WithTheWholeTrailTickedEachStepAlsoDrawsTheTrailAtItsRow) {
    w->Check1->setChecked(true);
    w->DateView->SelectRow(3);
    const int before = w->WBMaps->NavigateCount();
    w->cmdPlay_Click();
    EXPECT_EQ(shown, QList<int>({4, 5}));
    EXPECT_EQ(w->WBMaps->NavigateCount() - before, 4) << "each step draws its position, then the whole trail";
    const QList<QByteArray> lines = t.folder.Read("carimage/markers.txt").split('\n');
    ASSERT_EQ(lines.size(), 7) << "the six positions of the trail";
    EXPECT_TRUE(lines[5].contains("|C-Rv\\car")) << "the last step's row is marked: " << lines[5].constData();
    EXPECT_TRUE(lines[4].contains("|POI\\car"));
    EXPECT_TRUE(w->Check1->isEnabled());
}

TEST_F(Replay, StepZeroRepeatsTheEntryUntilStopEndsItAfterThePause) {
    w->txtInterval->setText("none");
    w->DateView->SelectRow(2);
    onStep = [&] {
        if (shown.size() == 3) w->cmdStopPlay_Click();
    };
    w->cmdPlay_Click();
    EXPECT_EQ(shown, QList<int>({3, 3, 3}));
    EXPECT_TRUE(w->cmdPlay->isEnabled());
    EXPECT_FALSE(w->cmdStopPlay->isEnabled());
}

TEST_F(Replay, AConnectionMadeDuringTheReplayEndsIt) {
    PseudoTerminal pty;
    ASSERT_TRUE(pty.LinkAs(t.folder.Path(), 1));
    w->cmdCommport->setCurrentIndex(0);
    onStep = [&] {
        if (!w->MSComm1->PortOpen()) w->cmdQuery_Click();
    };
    w->cmdPlay_Click();
    ASSERT_TRUE(w->MSComm1->PortOpen());
    EXPECT_EQ(shown, QList<int>({1}));
    EXPECT_FALSE(w->cmdStopPlay->isEnabled());
    EXPECT_FALSE(w->cmdGET->isEnabled()) << "no query while the port is open";
    w->cmdQuery_Click();
}

TEST(ReplayWithoutPositions, PlayLeavesOnlyStopOn) {
    TrackWindow t;
    ASSERT_TRUE(t.Show());
    t.window->cmdPlay_Click();
    EXPECT_FALSE(t.window->cmdPlay->isEnabled());
    EXPECT_FALSE(t.window->cmdExport->isEnabled());
    EXPECT_TRUE(t.window->cmdStopPlay->isEnabled());
    t.window->cmdStopPlay_Click();
    EXPECT_TRUE(t.window->cmdPlay->isEnabled());
}
