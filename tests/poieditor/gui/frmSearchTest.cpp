#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ProgramFolder.h"
#include "common/Settings.h"
#include "common/Shared.h"
#include "poieditor/gui/frmSearch.h"

namespace {

class SearchPrompt : public testing::Test {
protected:
    QString Remembered() const { return ReadSetting(folder.Path(), "Search", "VehicleNumber"); }
    // Shows a fresh prompt modal, lets act work on it, and gives what exec() returned.
    int Run(const std::function<void(frmSearch&)>& act) {
        frmSearch prompt(folder.Path());
        QTimer::singleShot(0, &prompt, [&] { act(prompt); });
        return prompt.exec();
    }
    ProgramFolder folder{ProgramFolder::Data};
};

}  // namespace

TEST_F(SearchPrompt, OkHandsBackTheTrimmedTextAndRemembersIt) {
    DialogText = "stale";
    Run([](frmSearch& p) {
        EXPECT_EQ(p.txtSearch->text(), "") << "nothing remembered yet";
        EXPECT_EQ(DialogResult, 0);
        p.txtSearch->setText("  Harbour  pier ");
        p.cmdOK_Click();
    });
    EXPECT_EQ(DialogResult, 1);
    EXPECT_EQ(DialogText, "Harbour  pier");
    EXPECT_EQ(Remembered(), "Harbour  pier");

    // The next prompt offers it, all selected; Enter confirms.
    Run([](frmSearch& p) {
        EXPECT_EQ(p.txtSearch->text(), "Harbour  pier");
        EXPECT_EQ(p.txtSearch->selectedText(), "Harbour  pier");
        QTest::keyClick(p.txtSearch, Qt::Key_Return);
    });
    EXPECT_EQ(DialogResult, 1);

    Run([](frmSearch& p) {
        p.txtSearch->clear();
        p.cmdOK_Click();
    });
    EXPECT_EQ(DialogText, "");
    EXPECT_EQ(Remembered(), "");
}

TEST_F(SearchPrompt, CancelAndEscapeHandNothingBack) {
    WriteSetting(folder.Path(), "Search", "VehicleNumber", "Depot");
    DialogText = "kept";
    Run([](frmSearch& p) {
        p.txtSearch->setText("changed");
        p.cmdCancel_Click();
    });
    EXPECT_EQ(DialogResult, 0);
    EXPECT_EQ(DialogText, "kept");
    EXPECT_EQ(Remembered(), "Depot");

    Run([](frmSearch& p) { QTest::keyClick(p.txtSearch, Qt::Key_Escape); });
    EXPECT_EQ(DialogResult, 0);
}
