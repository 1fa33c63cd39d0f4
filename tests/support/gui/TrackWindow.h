#pragma once
#include <QList>
#include <memory>

#include "MessageBoxRecorder.h"
#include "ProgramFolder.h"
#include "monitor/gui/frmTrack.h"

// A main window on a program folder of its own, with message boxes recorded and the program's end caught, so a
// test can load, use and unload it like a user would without a browser engine.
class TrackWindow {
public:
    explicit TrackWindow(ProgramFolder::Source source = ProgramFolder::Station);
    ~TrackWindow();

    // Loads and shows the window; false when the load step ended the program.
    bool Show();

    ProgramFolder folder;
    MessageBoxRecorder boxes;
    std::unique_ptr<frmTrack> window;
    int programEnds = 0;
};
