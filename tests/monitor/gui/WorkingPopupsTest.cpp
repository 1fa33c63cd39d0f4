#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ProgramFolder.h"
#include "common/Settings.h"
#include "common/Shared.h"
#include "monitor/gui/frmShow.h"
#include "monitor/gui/frmWaiting.h"

namespace {
void SetStopWord(const ProgramFolder& folder, const QString& word) {
    folder.Write("Language.ini", ("[Track]\r\n0026=" + word + "\r\n0028=Reading\r\n").toUtf8());
}

QStringList TypeTicks(frmShow& notice, int ticks) {
    QStringList shown;
    for (int i = 0; i < ticks; ++i) {
        notice.Timer1_Timer();
        shown.append(notice.Label1->text());
    }
    return shown;
}
}  // namespace

TEST(frmShow, AShortWordIsTypedOutThenTheLabelEmptiesEverySixteenTicks) {
    ProgramFolder folder;
    SetStopWord(folder, "Stop");
    frmShow notice(folder.Path(), nullptr);
    const QStringList shown = TypeTicks(notice, 17);
    EXPECT_EQ(shown.mid(0, 4), (QStringList{"S", "St", "Sto", "Stop"}));
    for (int i = 4; i < 15; ++i) EXPECT_EQ(shown[i], "Stop") << "tick " << i + 1;
    EXPECT_EQ(shown[15], "") << "tick 16 empties the label";
    EXPECT_EQ(shown[16], "S") << "tick 17 starts again";
}

TEST(frmShow, ALongWordShowsOnlyItsFirstFifteenCharacters) {
    ProgramFolder folder;
    SetStopWord(folder, "ABCDEFGHIJKLMNOPQRST");
    frmShow notice(folder.Path(), nullptr);
    const QStringList shown = TypeTicks(notice, 32);
    EXPECT_EQ(shown[14], "ABCDEFGHIJKLMNO");
    EXPECT_EQ(shown[15], "");
    for (const QString& s : shown) EXPECT_LE(s.size(), 15);
}

TEST(frmShow, StopClearsTheFlagAndTheNoticeGoesOnTyping) {
    ProgramFolder folder;
    SetStopWord(folder, "Stop");
    KeepRunning = True16;
    frmShow notice(folder.Path(), nullptr);
    notice.Command1->click();
    EXPECT_EQ(KeepRunning, 0);
    EXPECT_EQ(TypeTicks(notice, 2).last(), "St");
    EXPECT_EQ(notice.Command1->text(), QString::fromUtf8("停止"));

    frmShow again(folder.Path(), nullptr);  // a new notice starts from the first character
    EXPECT_EQ(again.Label1->text(), "");
    EXPECT_EQ(TypeTicks(again, 1).last(), "S");
}

// Stop holds the keys while the box is up: Space or Return press it, also when meant for the window beneath (the
// replay step box there, say), which gets the focus back once the box goes.
TEST(frmWaiting, TakesItsWordsAtLoadAndItsStopTheKeysAndClearsTheFlag) {
    ProgramFolder folder;
    SetStopWord(folder, "Halt");
    QWidget owner;
    auto* step = new QLineEdit("1", &owner);
    owner.show();
    step->setFocus();
    auto* box = new frmWaiting(folder.Path(), &owner);
    box->show();
    EXPECT_EQ(box->Label1->text(), "Reading");
    EXPECT_EQ(box->Command1->text(), "Halt");
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == box->Command1; }));
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        KeepRunning = True16;
        QTest::keyClick(step, key);
        EXPECT_EQ(KeepRunning, 0) << key;
    }
    EXPECT_EQ(step->text(), "1");
    delete box;
    EXPECT_EQ(owner.focusWidget(), step);
}

// Only the work that showed them takes them down: Escape or a close request would leave the history read running
// with no Stop button.
TEST(frmWaiting, EscapeAndACloseRequestLeaveTheWaitBoxAndTheNoticeUp) {
    ProgramFolder folder;
    frmWaiting box(folder.Path(), nullptr);
    frmShow notice(folder.Path(), nullptr);
    for (QDialog* popup : std::initializer_list<QDialog*>{&box, &notice}) {
        popup->show();
        QTest::keyClick(popup, Qt::Key_Escape);
        EXPECT_FALSE(popup->close());
        EXPECT_TRUE(popup->isVisible());
    }
}
