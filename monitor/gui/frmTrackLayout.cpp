// The main window's layout: the map on the left with the table under it (3 : 1), a right-hand column of fixed width.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "monitor/LayoutValues.h"
#include "monitor/gui/MapBrowser.h"
#include "monitor/gui/frmTrack.h"
#include "platform/gui/ListView.h"
#include "platform/gui/StatusBar.h"
#include "platform/gui/Twips.h"

using namespace Twips;

void frmTrack::Form_Resize() {
    if (isMinimized() || !isVisible()) return;
    const LayoutValues v =
        ComputeLayoutValues(FromPixels(width()), FromPixels(height()), Height(stbStatusBar));
    const int16_t mapWidth = static_cast<int16_t>(v.W - 4155);
    const int16_t tableBase = static_cast<int16_t>(v.H - 50);

    // Each value read back from a control is the control's own, after its rounding; sums are single precision.
    auto f = [](double x) { return static_cast<float>(x); };
    Move(fraMap, 50, 50, mapWidth, tableBase * 0.75);
    Move(WBMaps, 50, 300, f(Width(fraMap)) - 50.0f, f(Height(fraMap)) - 650.0f);
    Move(fraTrackQuery, f(Width(fraMap)) + 150.0f, 50, 3855, 2295);
    Move(CmdPOI, f(Width(fraMap)) + 1350.0f, f(Height(fraTrackQuery)) + 150.0f, 1555, 615);
    Move(frmRecords, f(Width(fraMap)) + 150.0f, f(Top(CmdPOI)) + f(Height(CmdPOI)) + 150.0f, 3855,
         f(v.H) - f(Height(fraTrackQuery)) - f(Height(CmdPOI)) - 350.0f);
    Move(lblSpeed, f(Width(fraMap)) - 2000.0f, f(Height(WBMaps)) + 400.0f, Width(lblSpeed), Height(lblSpeed));
    Move(labXY, f(Width(fraMap)) - 4500.0f, f(Height(WBMaps)) + 400.0f, Width(labXY), Height(labXY));
    Move(DateView, 0, f(Height(fraMap)) + 160.0f, mapWidth, tableBase * 0.25);
    Move(imgZoomIn, f(Width(fraMap)) - 310.0f, 260, 390, 390);
    Move(imgZoomOut, f(Width(fraMap)) - 310.0f, f(Height(fraMap)) - 390.0f, 390, 390);

    RefreshMap();
}
