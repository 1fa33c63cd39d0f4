// POIs that reach the map from outside the window: those the user marks on the map page, imported every tick of
// MapTimer.
#include <QFile>

#include "common/DisplayTexts.h"
#include "common/ErrorText.h"
#include "monitor/HandBackImport.h"
#include "monitor/gui/frmTrack.h"
#include "platform/HandBackFile.h"
#include "platform/gui/MessageBox.h"
#include "poidb/clsDBLib.h"

void frmTrack::MapTimer_Timer() {
    const QString path = HandBackFilePath(programFolder_);
    QFile file(path);
    if (!file.exists()) return;
    if (!file.open(QIODevice::ReadOnly)) return;  // the page may be writing it; the next tick tries again
    const QList<HandBackPoi> pois = ParseHandBackFile(file.readAll());
    file.close();
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
