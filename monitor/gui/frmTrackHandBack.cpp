// The two ways POIs reach the map from outside the window: the POI editor, and the POIs the user marks on the map
// page, imported every tick of MapTimer.
#include "common/DisplayTexts.h"
#include "common/ErrorText.h"
#include "common/Shared.h"
#include "monitor/HandBackImport.h"
#include "monitor/gui/frmTrack.h"
#include "platform/HandBackFile.h"
#include "platform/WholeFile.h"
#include "platform/gui/MessageBox.h"
#include "poidb/PoiListing.h"
#include "poidb/clsDBLib.h"
#include "poieditor/gui/frmPOI.h"

void frmTrack::MapTimer_Timer() {
    const QString path = HandBackFilePath(programFolder_);
    // Only a regular file is read: a FIFO or a device by that name would block the window at every tick.
    if (KindOfFile(path) != FileKind::Regular) return;
    QByteArray text;
    try {
        text = ReadRegularFile(path);
    } catch (const StationError&) {
        return;  // the page may be writing it; the next tick tries again
    }
    const QList<HandBackPoi> pois = ParseHandBackFile(text);
    int left = 0;  // POIs that the lists could not show and that are not stored
    try {
        // A POI stored past what the lists hold would be shown nowhere and could not be deleted in the editor.
        int room = PoiListRoom(DBLib());
        for (const HandBackPoi& poi : pois) {
            bool notStored = true;
            DBLib().SearchCoordinate(poi.Name, notStored);
            if (!notStored) continue;
            if (room == 0) {
                ++left;
                continue;
            }
            DBLib().InsertCoordinate(poi.Lon, poi.Lat, "1", poi.Name);
            --room;
            LoadPOIs();
        }
    } catch (const std::exception& e) {
        // The file stays, so nothing marked is lost: the next tick imports what is not stored yet.
        MessageBox::ShowError(DescriptionOf(e));
        return;
    }
    DeleteFile(path);
    RefreshMap();
    if (left > 0) {
        MessageBox::Show(QStringLiteral("The POI list holds at most %1 POIs: %2 POI(s) marked on the map were not "
                                        "stored. Delete POIs in the editor to make room.")
                             .arg(PoiListLimit)
                             .arg(left),
                         int(MessageBox::Exclamation) | MessageBox::OkOnly);
    }
}

void frmTrack::CmdPOI_Click() {
    DialogResult = 0;
    frmPOI editor(programFolder_);  // modal, without an owner window
    editor.exec();
    // The map shows the reloaded POIs with its next drawing.
    if (DialogResult == 1) LoadPOIs();
}
