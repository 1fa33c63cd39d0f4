#include "app/gui/modMain.h"

#include <QApplication>

#include "app/gui/frmLogo.h"
#include "monitor/gui/frmTrack.h"
#include "platform/Application.h"

int Main(const QString& programFolder) {
    Application::InstanceLock instance(programFolder);
    if (instance.PreviousInstance()) return 0;  // a copy already runs: end silently

    frmTrack track(programFolder);
    if (!track.Show()) return 1;  // the load step ended the program with its message

    frmLogo logo(programFolder, &track);
    logo.exec();

    // The last call on the main window: bring it forward with the input focus now that the splash is gone.
    track.activateWindow();
    track.raise();
    return QApplication::exec();
}
