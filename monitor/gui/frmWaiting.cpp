#include "monitor/gui/frmWaiting.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "common/Settings.h"
#include "common/Shared.h"
#include "monitor/gui/PopupPlacement.h"
#include "platform/gui/Twips.h"

frmWaiting::frmWaiting(const QString& programFolder, QWidget* owner)
    : QDialog(owner, Qt::FramelessWindowHint | Qt::Tool), programFolder_(programFolder) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(Twips::ToPixels(4170), Twips::ToPixels(660));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);
    setAutoFillBackground(true);

    Label1 = new QLabel(this);
    QFont bold("Arial", 12);
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setStyleSheet("color: rgb(255, 0, 0);");
    Twips::Move(Label1, 240, 240, 2775, 255);

    Command1 = new QPushButton(this);
    Command1->setFont(QFont("Arial", 8.25));
    Twips::Move(Command1, 3120, 120, 855, 375);
    connect(Command1, &QPushButton::clicked, this, &frmWaiting::Command1_Click);

    CentreOnOwner(this, owner);
    Form_Load();
}

void frmWaiting::Form_Load() {
    Label1->setText(GetLanguageText(programFolder_, "Track", "0028"));
    Command1->setText(GetLanguageText(programFolder_, "Track", "0026"));
}

void frmWaiting::Command1_Click() { KeepRunning = 0; }
