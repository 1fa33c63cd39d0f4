#include <gtest/gtest.h>

#include <QDir>

#include "FileSizeLimit.h"
#include "TrackWindow.h"
#include "common/Settings.h"
#include "monitor/TrackExport.h"
#include "platform/gui/FileDialog.h"

namespace {
class Export : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(t.Show());
        w = t.window.get();
        w->TrackList.Append({"2009/02/18 10:15:30", "E", 120.6789, "N", 24.12345, 12.5f, 90, "A"});
        w->TrackList.Append({"2009/02/19 10:16:00", "W", 99.25, "S", 5.5, 0, 0, "V"});
        frmTrack::OpenInTextEditor = [this](const QString& path) {
            opened.append(path);
            return editorStarts;
        };
    }
    void TearDown() override {
        frmTrack::OpenInTextEditor = {};
        FileDialog::ScriptedAnswer = {};
    }
    // Answers the dialog with a path and a filter, noting what the dialog offered.
    void Choose(const QString& path, int filterIndex) {
        FileDialog::ScriptedAnswer = [=, this](FileDialog& dialog) {
            offered = dialog;
            if (!path.isEmpty()) dialog.FilterIndex = filterIndex;
            return path;
        };
    }
    struct Offered {
        QString Filter, DialogTitle, FileName;
        int FilterIndex = 0;
        Offered& operator=(const FileDialog& d) {
            Filter = d.Filter, DialogTitle = d.DialogTitle, FileName = d.FileName, FilterIndex = d.FilterIndex;
            return *this;
        }
    } offered;

    TrackWindow t;
    frmTrack* w = nullptr;
    QStringList opened;
    bool editorStarts = true;
};
}  // namespace

TEST_F(Export, TheChosenFilterPicksTheFormatAndThePathIsOfferedNextTime) {
    const QString path = t.folder.File("trail.gpx");
    t.folder.Write("trail.gpx", QByteArray(5000, 'x'));  // replaced whole
    Choose(path, 2);
    w->cmdExport_Click();
    EXPECT_EQ(offered.Filter, "PaPaGO! (*.txt)|*.txt|MapSource 6.5 (*.trk)|*.trk");
    EXPECT_EQ(offered.DialogTitle, "ExportFile");
    EXPECT_EQ(offered.FileName, "");
    EXPECT_EQ(offered.FilterIndex, 1);
    EXPECT_EQ(t.folder.Read("trail.gpx"), TrackExportText(w->TrackList, 2)) << "whatever the extension";
    EXPECT_TRUE(t.folder.Read("trail.gpx").startsWith("H  LATITUDE"));
    EXPECT_EQ(opened, QStringList{path});
    EXPECT_EQ(ReadSetting(t.folder.Path(), "Export", "FileName"), path);

    // Cancel: the dialog started on the last path and filter, and nothing is written.
    t.folder.Write("trail.gpx", "kept");
    Choose("", 1);
    w->cmdExport_Click();
    EXPECT_EQ(offered.FileName, path);
    EXPECT_EQ(offered.FilterIndex, 2);
    EXPECT_EQ(t.folder.Read("trail.gpx"), "kept");
    EXPECT_EQ(opened.size(), 1);

    Choose(t.folder.File("trail.txt"), 1);
    w->cmdExport_Click();
    EXPECT_TRUE(t.folder.Read("trail.txt").startsWith("Datum,WGS84,WGS84,0,0,0,0,0\r\nTP,D, 24.123450000, "));
    EXPECT_EQ(ReadSetting(t.folder.Path(), "Export", "FileName"), t.folder.File("trail.txt"));
    EXPECT_TRUE(t.boxes.calls.isEmpty());
    EXPECT_EQ(t.programEnds, 0);
}

TEST_F(Export, AFailedExportIsReportedLeavesNoFileAndTheStationGoesOn) {
    Choose(t.folder.File("missing/trail.txt"), 1);
    w->cmdExport_Click();
    ASSERT_EQ(t.boxes.calls.size(), 1);
    EXPECT_EQ(t.boxes.calls[0].style & 0x70, int(MessageBox::Critical));
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(ReadSetting(t.folder.Path(), "Export", "FileName"), "");

    // A full disk: the earlier file of that name stays whole, and nothing half written is left beside it.
    t.folder.Write("trail.txt", "earlier export");
    Choose(t.folder.File("trail.txt"), 1);
    {
        const FileSizeLimit full(20);
        w->cmdExport_Click();
    }
    ASSERT_EQ(t.boxes.calls.size(), 2);
    EXPECT_TRUE(t.boxes.calls[1].text.contains(qt_error_string(EFBIG))) << "the system's reason, not an unknown one";
    EXPECT_EQ(t.folder.Read("trail.txt"), "earlier export");
    EXPECT_EQ(QDir(t.folder.Path()).entryList({"trail*"}, QDir::Files), QStringList{"trail.txt"});
    EXPECT_EQ(ReadSetting(t.folder.Path(), "Export", "FileName"), "");

    EXPECT_EQ(t.programEnds, 0);
    w->close();
    EXPECT_EQ(t.programEnds, 1);
    EXPECT_NE(ReadSetting(t.folder.Path(), "Position", "Track"), "") << "the unload step saves the position";
}

TEST_F(Export, AnEditorThatCannotStartOnlySaysWhereTheFileIs) {
    editorStarts = false;
    Choose(t.folder.File("trail.txt"), 1);
    w->cmdExport_Click();
    ASSERT_EQ(t.boxes.calls.size(), 1);
    EXPECT_EQ(t.boxes.calls[0].style & 0x70, int(MessageBox::Information));
    EXPECT_TRUE(t.boxes.calls[0].text.contains(t.folder.File("trail.txt")));
    EXPECT_EQ(t.programEnds, 0);
    EXPECT_EQ(t.folder.Read("trail.txt"), TrackExportText(w->TrackList, 1));
    EXPECT_EQ(ReadSetting(t.folder.Path(), "Export", "FileName"), t.folder.File("trail.txt"));
}
