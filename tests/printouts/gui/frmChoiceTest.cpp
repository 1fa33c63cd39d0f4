#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include "ProgramFolder.h"
#include "common/Shared.h"
#include "printouts/gui/frmChoice.h"

namespace {

// The opener sets the value that stands for no answer before showing the dialog.
struct frmChoiceAnswers : testing::Test {
    ProgramFolder folder{ProgramFolder::Data};
    frmChoice dialog{folder.Path(), nullptr};
    void SetUp() override {
        DialogResult = -1;
        DialogText = "unchanged";
    }
};

}  // namespace

TEST_F(frmChoiceAnswers, TakesItsWordsFromTheLanguageFileAndStartsWithNothingChosen) {
    EXPECT_EQ(dialog.windowTitle(), "Print");
    EXPECT_EQ(dialog.Option1->text(), "Vehicle:");
    EXPECT_EQ(dialog.Option2->text(), "All vehicles");
    EXPECT_EQ(dialog.cmdOK->text(), "OK");
    EXPECT_EQ(dialog.cmdCancel->text(), "Cancel");
    EXPECT_FALSE(dialog.Option1->isChecked() || dialog.Option2->isChecked());
    EXPECT_FALSE(dialog.cmbVehicle->isEditable());
    EXPECT_EQ(dialog.cmbVehicle->count(), 0);

    const QList<QWidget*> order{dialog.Option1, dialog.Option2, dialog.cmbVehicle, dialog.cmdOK, dialog.cmdCancel};
    for (int i = 1; i < order.size(); ++i) EXPECT_EQ(order[i - 1]->nextInFocusChain(), order[i]) << "tab stop " << i;

    ProgramFolder empty;
    frmChoice bare(empty.Path(), nullptr);
    EXPECT_EQ(bare.Option1->text(), "") << "a missing key leaves the caption empty";
}

TEST_F(frmChoiceAnswers, OkHandsBackTheChosenVehicleOrAllVehicles) {
    dialog.Option2->setChecked(true);
    dialog.cmdOK->click();
    EXPECT_EQ(DialogResult, 2);
    EXPECT_EQ(DialogText, "*");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    dialog.Option1->setChecked(true);
    dialog.cmdOK->click();
    EXPECT_EQ(DialogResult, 1);
    EXPECT_EQ(DialogText, "") << "the list is empty";

    dialog.cmbVehicle->addItems({"ABC-123", "XYZ-987"});
    dialog.cmbVehicle->setCurrentIndex(1);
    dialog.cmdOK->click();
    EXPECT_EQ(DialogText, "XYZ-987");
}

TEST_F(frmChoiceAnswers, CancelOrOkWithoutAChoiceLeaveTheAnswerAsTheOpenerSetIt) {
    dialog.cmdOK->click();
    EXPECT_EQ(DialogResult, -1);
    EXPECT_EQ(DialogText, "unchanged");

    dialog.Option2->setChecked(true);
    dialog.cmdCancel->click();
    EXPECT_EQ(DialogResult, -1);
    EXPECT_EQ(DialogText, "unchanged");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}
