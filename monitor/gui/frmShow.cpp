#include "monitor/gui/frmShow.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include "common/Settings.h"
#include "common/Shared.h"
#include "monitor/gui/PopupPlacement.h"
#include "platform/gui/Twips.h"

frmShow::frmShow(const QString& programFolder, QWidget* owner)
    : QDialog(owner, Qt::FramelessWindowHint | Qt::Tool), programFolder_(programFolder) {
    resize(Twips::ToPixels(5970), Twips::ToPixels(690));
    setStyleSheet("frmShow { background-color: rgb(255, 192, 255); }");
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 192, 255));
    setPalette(pal);
    setAutoFillBackground(true);

    Image1 = new QLabel(this);
    Twips::Move(Image1, 360, 120, 480, 480);
    Image1->setPixmap(QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));

    Label1 = new QLabel(this);
    QFont bold("Arial", 12);
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setStyleSheet("color: rgb(255, 0, 0);");
    Twips::Move(Label1, 1080, 240, 0, 285);

    Command1 = new QPushButton(QString::fromUtf8("停止"), this);
    Command1->setFont(QFont("Arial", 8.25));
    Twips::Move(Command1, 4680, 120, 855, 375);
    connect(Command1, &QPushButton::clicked, this, &frmShow::Command1_Click);

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
