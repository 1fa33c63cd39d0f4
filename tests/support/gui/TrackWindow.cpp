#include "TrackWindow.h"

#include "monitor/gui/MapBrowser.h"
#include "poidb/clsDBLib.h"

TrackWindow::TrackWindow(ProgramFolder::Source source) : folder(source) {
    MapBrowser::StartEngine = false;
    frmTrack::EndProgram = [this] { ++programEnds; };
}

TrackWindow::~TrackWindow() {
    if (window && !window->isHidden()) window->close();
    window.reset();
    try {
        DBLib().CloseConnection();  // a test that ended early leaves the shared connection open
    } catch (...) {
    }
    frmTrack::EndProgram = {};
}

bool TrackWindow::Show() {
    window = std::make_unique<frmTrack>(folder.Path());
    return window->Show();
}
