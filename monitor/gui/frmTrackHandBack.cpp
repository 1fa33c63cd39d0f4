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
    try {
        for (const HandBackPoi& poi : pois) {
            bool notStored = true;
            DBLib().SearchCoordinate(poi.Name, notStored);
            if (!notStored) continue;
            DBLib().InsertCoordinate(poi.Lon, poi.Lat, "1", poi.Name);
            LoadPOIs();
        }
    } catch (const std::exception& e) {
        // The file stays, so nothing marked is lost: the next tick imports what is not stored yet.
        MessageBox::ShowError(DescriptionOf(e));
        return;
    }
    DeleteFile(path);
    RefreshMap();
}

void frmTrack::CmdPOI_Click() {
    DialogResult = 0;
    frmPOI editor(programFolder_);  // modal, without an owner window
    editor.exec();
    // The map shows the reloaded POIs with its next drawing.
    if (DialogResult == 1) LoadPOIs();
}
