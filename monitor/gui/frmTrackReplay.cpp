// The replay: the listed positions shown one after the other on the map, a chosen pause between steps.
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QThread>
#include <QTime>
#include <QToolButton>

#include "common/ErrorText.h"
#include "common/Numbers.h"
#include "common/Shared.h"
#include "monitor/ReplayWalk.h"
#include "monitor/gui/TableReset.h"
#include "monitor/gui/frmTrack.h"
#include "platform/gui/ListView.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/SerialPortControl.h"

void frmTrack::cmdPlay_Click() {
    cmdExport->setEnabled(false);
    cmdPlay->setEnabled(false);
    cmdStopPlay->setEnabled(true);
    PlayStopped = 0;
    if (TrackList.UBound() == 0) return;  // nothing to show; Stop puts the buttons back

    const double last = TrackList.UBound() - 1;
    const double step = LeadingNumber(txtInterval->text());
    const int selected = DateView->SelectedRow();
    // Walking backwards could only reach the spare element and rows that do not exist, and without a selected row
    // there is no place to start: such a replay ends at once.
    if (step < 0 || selected < 0) {
        cmdStopPlay_Click();
        return;
    }
    // A query would replace the list under the replay.
    cmdGET->setEnabled(false);

    ReplayWalk walk(selected + 1, last, step);
    const TableReset reset(DateView);
    const QPointer<frmTrack> self(this);
    while (walk.HasNext()) {
        QCoreApplication::processEvents();
        if (!self || unloaded_) return;
        // A connection served meanwhile empties the list for its live positions: the replay ends then, as it
        // does when its entry or row has gone.
        const int k = walk.Entry();
        if (reset.Seen() || k >= TrackList.UBound() || k >= DateView->RowCount()) break;
        DateView->SelectRow(k);
        DateView->EnsureVisible(k);
        // The fix status is not copied: the caption keeps the word of the position shown before.
        CurrentFix[0].TakePosition(TrackList[k]);
        RefreshMap();
        delay(static_cast<float>(sldInterval->value()));
        if (!self || unloaded_) return;
        if (reset.Seen()) break;
        if (Check1->isChecked()) {
            try {
                ShowWholeTrack();
            } catch (const std::exception& e) {
                MessageBox::ShowError(DescriptionOf(e));
                break;
            }
        }
        if (PlayStopped) break;
        walk.Advance();
    }
    cmdStopPlay_Click();
}

void frmTrack::cmdStopPlay_Click() {
    PlayStopped = True16;
    cmdExport->setEnabled(true);
    cmdPlay->setEnabled(true);
    cmdStopPlay->setEnabled(false);
    cmdGET->setEnabled(!MSComm1->PortOpen());
}

void frmTrack::delay(float Seconds) {
    const auto now = [] {
        return SecondsSinceMidnight ? SecondsSinceMidnight()
                                    : static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
    };
    const float start = now();
    const QPointer<frmTrack> self(this);
    while (!(SecondsSince(start, now()) > Seconds)) {
        QCoreApplication::processEvents();
        if (!self || unloaded_) return;
        // A short rest between rounds keeps the wait from taking a whole processor; events still run within it.
        QThread::msleep(1);
    }
}
