// Drawing the map: the current position or the whole trail, with the POIs, through the two map files.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <memory>

#include "common/DisplayTexts.h"
#include "common/ErrorText.h"
#include "common/Numbers.h"
#include "common/Shared.h"
#include "common/StationError.h"
#include "monitor/MapPage.h"
#include "monitor/MapValues.h"
#include "monitor/MarkerFile.h"
#include "monitor/gui/MapBrowser.h"
#include "monitor/gui/frmShow.h"
#include "monitor/gui/frmTrack.h"
#include "platform/gui/DeferredErrorBox.h"
#include "platform/gui/ListView.h"

namespace {
void ShowCaption(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();  // the overlays size themselves to their text
    label->show();
}
}  // namespace

void frmTrack::RefreshMap() {
    if (fraMap->isHidden()) return;
    try {
        const FixRecord& fix = CurrentFix[0];
        const QString s = fix.Time.trimmed() + (fix.Status == "A" ? " Real time position" : " Last location");
        ShowCaption(lblCaption, " " + s + " ");
        if (fix.Lon == 0 || fix.Lat == 0) {
            imgZoomIn->hide();
            imgZoomOut->hide();
            lblSpeed->hide();
            return;
        }
        ShowCaption(lblSpeed, "Speed:" + FormatSpeed(programFolder_, fix.Speed));
        // The zoom buttons come and go with the speed label: they matter only while a position is drawn.
        imgZoomIn->show();
        imgZoomOut->show();
        ShowCaption(labXY, FormatDegrees(fix.NS, fix.Lat) + " " + FormatDegrees(fix.EW, fix.Lon));
        WBMaps->show();
        WriteVehicleMarkers(programFolder_, fix, poiMarkerLines_);
        WriteMapPage(programFolder_, MapTemplate, SignedLatitude(fix.NS, fix.Lat), SignedLongitude(fix.EW, fix.Lon),
                     lblZoom->text());
        WBMaps->Navigate(MapPagePath(programFolder_));
        liveFailure_->Clear();
    } catch (const std::exception& e) {
        // Most drawings come from the intake of a position, where a box would hold up the positions after it.
        liveFailure_->Tell(DescriptionOf(e));
    }
}

void frmTrack::ShowWholeTrack() {
    if (!Check1->isChecked()) return;
    // The notice goes with the drawing, also when the drawing fails and the failure passes to the caller.
    auto notice = std::make_unique<frmShow>(programFolder_, this);
    notice->show();
    KeepRunning = True16;
    Check1->setEnabled(false);

    const int row = DateView->SelectedRow();
    if (row < 0) throw StationError("No position is selected in the table.");
    const int16_t sel = ToInt16(LeadingNumber(DateView->Model()->Text(row)) - 1);
    WriteTrailMarkers(programFolder_, TrackList, sel, PoiList);
    const TrackRecord& centre = TrackList[sel];
    WriteMapPage(programFolder_, MapTemplate, SignedLatitude(centre.NS, centre.Lat),
                 SignedLongitude(centre.EW, centre.Lon), lblZoom->text());
    WBMaps->Navigate(MapPagePath(programFolder_));

    notice.reset();
    Check1->setEnabled(true);
}
