#include "monitor/gui/frmTrack.h"

#include "common/Settings.h"
#include "platform/Application.h"

frmTrack::frmTrack(const QString& programFolder, QWidget* parent) : QWidget(parent), programFolder_(programFolder) {}

bool frmTrack::Show() {
    Application::SetTitle(Application::ProgramTitle(GetLanguageText(programFolder_, "Track", "0001")));
    setWindowTitle(Application::Title());
    resize(789, 597);
    show();
    return true;
}
