#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>

#include "CaptionRoom.h"
#include "FileSizeLimit.h"
#include "PoiWindow.h"
#include "ProgramFolder.h"
#include "TrackWindow.h"
#include "app/gui/frmLogo.h"
#include "common/Settings.h"
#include "monitor/gui/frmShow.h"
#include "monitor/gui/frmWaiting.h"
#include "platform/gui/StatusBar.h"
#include "poieditor/gui/frmSearch.h"
#include "printouts/gui/frmChoice.h"

namespace {
// The cut captions one a line, so a failure names each of them.
std::string Cuts(QWidget* window) { return CutCaptions(window).join('\n').toStdString(); }
}  // namespace

// Every window at its design size with the words of the shipped language file: no caption is cut.

TEST(WholeCaptions, MainWindowInBothConnectionStates) {
    ASSERT_EQ(QFontInfo(QFont("Arial")).family(), "Liberation Sans") << "the design font's stand-in is installed";
    TrackWindow t;
    ASSERT_TRUE(t.Show());
    EXPECT_EQ(Cuts(t.window.get()), "");
    t.window->cmdQuery->setText(GetLanguageText(t.folder.Path(), "Track", "0004"));
    EXPECT_EQ(Cuts(t.window.get()), "") << "the caption while the port is open";

    // The status bar's notice of a log that cannot be written, in one of its longest common forms.
    {
        const FileSizeLimit full(20);  // the record goes out in part, as on a full disk
        t.window->ProcessGPRMC("$GPRMC,053740.000,A,2503.6319,N,12136.0098,E,2.69,79.65,100106,,,A*52");
    }
    ASSERT_EQ(t.window->stbStatusBar->Panel(1)->text().toStdString(), "Not logged: No space left on device");
    EXPECT_EQ(Cuts(t.window.get()), "");
}

TEST(WholeCaptions, WaitBoxAndWorkingNotice) {
    ProgramFolder folder(ProgramFolder::Data);
    frmWaiting box(folder.Path(), nullptr);
    box.show();
    EXPECT_EQ(Cuts(&box), "");

    frmShow notice(folder.Path(), nullptr);
    notice.show();
    for (int tick = 0; tick < 15; ++tick) notice.Timer1_Timer();  // the whole word typed out
    EXPECT_EQ(Cuts(&notice), "");
}

TEST(WholeCaptions, PoiEditorBrowsingAndAdding) {
    PoiWindow p;
    frmPOI& editor = p.Load();
    editor.show();
    EXPECT_EQ(Cuts(&editor), "") << "an empty table";
    p.Click("NewRec");
    EXPECT_EQ(Cuts(&editor), "") << "adding";
}

TEST(WholeCaptions, SearchPromptAndPrintOptions) {
    ProgramFolder folder(ProgramFolder::Data);
    frmSearch prompt(folder.Path(), nullptr);
    prompt.show();
    EXPECT_EQ(Cuts(&prompt), "");

    frmChoice choice(folder.Path(), nullptr);
    choice.show();
    EXPECT_EQ(Cuts(&choice), "");
}

TEST(WholeCaptions, SplashTitle) {
    ProgramFolder folder(ProgramFolder::Data);
    frmLogo splash(folder.Path(), nullptr);
    splash.show();
    EXPECT_EQ(Cuts(&splash), "");
}
