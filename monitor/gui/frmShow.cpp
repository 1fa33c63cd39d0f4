#include "monitor/gui/frmShow.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include "common/Settings.h"
#include "common/Shared.h"
#include "monitor/gui/PopupLook.h"
#include "platform/gui/Twips.h"

frmShow::frmShow(const QString& programFolder, QWidget* owner)
    : WorkingPopup(owner), programFolder_(programFolder) {
    resize(Twips::ToPixels(5970), Twips::ToPixels(690));
    PaintBackground(this, QColor(255, 192, 255));

    Image1 = new QLabel(this);
    Twips::Move(Image1, 360, 120, 480, 480);
    Image1->setPixmap(QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));

    Label1 = MakeNoticeLabel(this, 1080, 240, 0, 285);
    Command1 = MakeStopButton(this, QString::fromUtf8("停止"), 4680);
    connect(Command1, &QPushButton::clicked, this, &frmShow::Command1_Click);
    HoldKeysFor(Command1);

    Timer1 = new QTimer(this);
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &frmShow::Timer1_Timer);

    CentreOnOwner(this, owner);
    Form_Load();
    Timer1->start();
}

void frmShow::Form_Load() {
    typing_.Reset();
    Label1->clear();
}

void frmShow::Timer1_Timer() {
    Label1->setText(typing_.Tick(Label1->text(), GetLanguageText(programFolder_, "Track", "0026")));
    Label1->adjustSize();  // the label sizes itself to its text
}

void frmShow::Command1_Click() { KeepRunning = 0; }
