#include "printouts/gui/frmChoice.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include "common/Settings.h"
#include "common/Shared.h"
#include "platform/gui/Twips.h"

namespace {
template <typename Control>
Control* Place(Control* control, double left, double top, double width, double height) {
    QFont font("Arial");
    font.setPointSizeF(9.75);
    control->setFont(font);
    Twips::Move(control, left, top, width, height);
    return control;
}
}  // namespace

frmChoice::frmChoice(const QString& programFolder, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      programFolder_(programFolder) {
    setWindowTitle(QString::fromUtf8("列印選項"));
    QFont font("Arial");
    font.setPointSizeF(8.25);
    setFont(font);
    setFixedSize(Twips::ToPixels(3690), Twips::ToPixels(1980));

    Option1 = Place(new QRadioButton(QString::fromUtf8("僅列印"), this), 360, 240, 1215, 375);
    Option2 = Place(new QRadioButton(QString::fromUtf8("列印全部車輛"), this), 360, 840, 3255, 300);
    cmbVehicle = Place(new QComboBox(this), 1560, 240, 2055, 390);
    cmdOK = Place(new QPushButton(QString::fromUtf8("確定"), this), 1320, 1320, 1095, 495);
    cmdCancel = Place(new QPushButton(QString::fromUtf8("取消"), this), 2520, 1320, 1095, 495);
    setTabOrder(Option1, Option2);
    setTabOrder(Option2, cmbVehicle);
    setTabOrder(cmbVehicle, cmdOK);
    setTabOrder(cmdOK, cmdCancel);

    connect(cmdOK, &QPushButton::clicked, this, &frmChoice::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmChoice::cmdCancel_Click);
    Form_Load();
}

void frmChoice::Form_Load() {
    setWindowTitle(GetLanguageText(programFolder_, "Print", "0001"));
    Option1->setText(GetLanguageText(programFolder_, "Print", "0002"));
    Option2->setText(GetLanguageText(programFolder_, "Print", "0003"));
    cmdOK->setText(GetLanguageText(programFolder_, "Print", "0004"));
    cmdCancel->setText(GetLanguageText(programFolder_, "Print", "0005"));
}

void frmChoice::cmdOK_Click() {
    if (Option1->isChecked()) {
        DialogText = cmbVehicle->currentText();
        DialogResult = 1;
    }
    if (Option2->isChecked()) {
        DialogText = "*";
        DialogResult = 2;
    }
    accept();
}

void frmChoice::cmdCancel_Click() { reject(); }
