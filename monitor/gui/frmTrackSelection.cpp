// What the map shows on request: a clicked row, the whole trail, the zoom level. The handlers only arm Timer3, so a
// burst of clicks gives one drawing once the events have settled.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <cstdlib>

#include "common/ErrorText.h"
#include "common/Numbers.h"
#include "common/Settings.h"
#include "common/StationError.h"
#include "monitor/gui/frmTrack.h"
#include "platform/gui/ListView.h"
#include "platform/gui/MessageBox.h"

void frmTrack::Timer3_Timer() {
    Timer3->stop();
    try {
        fraMap->show();
        if (DateView->RowCount() == 0) return;
        const int16_t sel = ToInt16(LeadingNumber(DateView->Model()->Text(DateView->SelectedRow())) - 1);
        if (sel < 0 || sel > TrackList.UBound()) throw StationError("Subscript out of range");
        const TrackRecord& entry = TrackList[sel];
        FixRecord& fix = CurrentFix[0];
        fix.Status = entry.Status;
        fix.TakePosition(entry);
        RefreshMap();
        if (Check1->isChecked()) ShowWholeTrack();
    } catch (const std::exception& e) {
        MessageBox::ShowError(DescriptionOf(e));
    }
}

void frmTrack::Check1_Click() { Timer3->start(); }

void frmTrack::DateView_Click() {
    Timer3->stop();
    Timer3->start();
}

void frmTrack::ZoomStep(int step) {
    const int z = static_cast<int>(LeadingNumber(lblZoom->text()));
    if ((step > 0 && z >= 18) || (step < 0 && z <= 4)) return;
    lblZoom->setText(QString::number(z + step));
    WriteSetting(programFolder_, "Settings", "Zoom", lblZoom->text());
    Timer3->start();
}

void frmTrack::imgZoomIn_Click() { ZoomStep(+1); }
void frmTrack::imgZoomOut_Click() { ZoomStep(-1); }

// A zoom made on the map itself, with its own buttons or the wheel, becomes the station's zoom level, step by step
// as the zoom buttons take it, so that the pages that follow keep it. The map dropped the pages asked for before it;
// the tick draws the selected position anew, at the new level.
void frmTrack::WBMaps_Zoomed(int level) {
    const int z = static_cast<int>(LeadingNumber(lblZoom->text()));
    for (int i = 0; i < std::abs(level - z); ++i) ZoomStep(level > z ? +1 : -1);
    Timer3->start();
}

void frmTrack::StopTimersAndRefreshMap() {
    Timer3->stop();
    Timer4->stop();
    RefreshMap();
}
