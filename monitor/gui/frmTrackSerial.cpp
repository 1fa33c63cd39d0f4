// The serial connection: one button toggles the port, and every receive event frames $GPRMC lines for the intake.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "common/ErrorText.h"
#include "common/Settings.h"
#include "monitor/gui/frmTrack.h"
#include "platform/gui/DeferredErrorBox.h"
#include "platform/gui/ListView.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/SerialPortControl.h"
#include "platform/gui/StatusBar.h"

void frmTrack::cmdQuery_Click() {
    fraMap->show();
    try {
        if (!MSComm1->PortOpen()) {
            MSComm1->SetCommPort(static_cast<int16_t>(cmdCommport->currentIndex() + 1));
            MSComm1->SetSettings(cmdSetting->currentText());
            MSComm1->SetPortOpen(true);
            cmdQuery->setText(GetLanguageText(programFolder_, "Track", "0004"));
            for (QWidget* w : std::initializer_list<QWidget*>{cmdCommport, cmdSetting, cmdGET, CmdPOI, Check1})
                w->setEnabled(false);
            Framing.Clear();
            DateView->Clear();
            TrackList.Clear();
            CurrentFix[0].Lon = 0;
            CurrentFix[0].Lat = 0;
            WriteSetting(programFolder_, "Settings", "CommPort", QString::number(cmdCommport->currentIndex() + 1));
            WriteSetting(programFolder_, "Settings", "Setting", QString::number(cmdSetting->currentIndex()));
        } else {
            MSComm1->SetPortOpen(false);
            cmdQuery->setText(GetLanguageText(programFolder_, "Track", "0003"));
            for (QWidget* w : std::initializer_list<QWidget*>{cmdCommport, cmdSetting, cmdGET, CmdPOI})
                w->setEnabled(true);
            Check1->setEnabled(TrackList.UBound() > 0);
        }
    } catch (const std::exception& e) {
        MessageBox::ShowError(DescriptionOf(e));
        cmdQuery->setEnabled(true);
    }
}

void frmTrack::MSComm1_OnComm() {
    if (!MSComm1->PortOpen()) return;
    try {
        const QString input = MSComm1->Input();
        // Characters again: the receiver is back (see MSComm1_LineChanged).
        if (!input.isEmpty() && !stbStatusBar->Panel(3)->text().isEmpty()) stbStatusBar->SetNotice(3, {});
        for (const QString& line : Framing.Feed(input)) ProcessGPRMC(line);
    } catch (const std::exception& e) {
        liveFailure_->Tell(DescriptionOf(e));
    }
}

void frmTrack::MSComm1_LineChanged() {
    // An unplugged receiver leaves the window connected and merely quiet: the status bar says so until characters
    // flow again, since a device that opens again may still be silent. A panel of its own, so that a log that cannot
    // be written stays shown. A closed port has no receiver to lose.
    if (MSComm1->LineLost()) {
        const SerialPortError& failure = MSComm1->LineFailure();
        stbStatusBar->SetNotice(3, "Receiver lost: " + failure.Reason(), failure.Description());
    } else if (!MSComm1->PortOpen()) {
        stbStatusBar->SetNotice(3, {});
    } else {
        Framing.Clear();  // the device is open again: what it sent before it went is cut off
    }
}
