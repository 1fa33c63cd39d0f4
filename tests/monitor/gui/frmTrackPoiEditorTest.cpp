#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "TrackWindow.h"
#include "common/Shared.h"
#include "poidb/clsDBLib.h"
#include "poieditor/gui/frmPOI.h"

namespace {
// Closes the editor once it is up, as the user would, after doing what the test asks.
void WhenEditorIsUp(std::function<void()> work) {
    QTimer::singleShot(0, [work] {
        QWidget* editor = QApplication::activeModalWidget();
        work();
        if (editor) editor->close();
    });
}
}  // namespace

TEST(frmTrackPoiEditor, TheListIsReloadedOnlyWhenTheEditorChangedTheTable) {
    TrackWindow t;
    ASSERT_TRUE(t.Show());
    frmPOI::EndProgram = [] {};

    WhenEditorIsUp([] { DBLib().InsertCoordinate(120.5, 24.5, "2", "Browsed only"); });
    t.window->CmdPOI_Click();
    EXPECT_EQ(t.window->PoiList.UBound(), 0) << "after only browsing the list stays as it was";

    WhenEditorIsUp([] {
        DBLib().InsertCoordinate(121.5, 25.5, "3", "Added");
        DialogResult = 1;
    });
    t.window->CmdPOI_Click();
    EXPECT_EQ(t.window->PoiList.UBound(), 2);
    frmPOI::EndProgram = {};
}
