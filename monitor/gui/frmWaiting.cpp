#include "monitor/gui/frmWaiting.h"

#include <QLabel>
#include <QPushButton>

#include "common/Settings.h"
#include "common/Shared.h"
#include "monitor/gui/PopupLook.h"
#include "platform/gui/Twips.h"

frmWaiting::frmWaiting(const QString& programFolder, QWidget* owner)
    : WorkingPopup(owner), programFolder_(programFolder) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(Twips::ToPixels(4170), Twips::ToPixels(660));
    PaintBackground(this, palette().color(QPalette::Active, QPalette::HighlightedText));
    Label1 = MakeNoticeLabel(this, 240, 240, 2775, 255);
    Command1 = MakeStopButton(this, "", 3120);
    connect(Command1, &QPushButton::clicked, this, &frmWaiting::Command1_Click);
    HoldKeysFor(Command1);

    CentreOnOwner(this, owner);
    Form_Load();
}

void frmWaiting::Form_Load() {
    Label1->setText(GetLanguageText(programFolder_, "Track", "0028"));
    Command1->setText(GetLanguageText(programFolder_, "Track", "0026"));
}

void frmWaiting::Command1_Click() { KeepRunning = 0; }
