// The track export: the listed positions written for an outside navigation program, then opened in the desktop's
// text editor. The last chosen path is remembered.
#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

#include "common/ErrorText.h"
#include "common/Settings.h"
#include "monitor/TrackExport.h"
#include "monitor/gui/frmTrack.h"
#include "platform/gui/FileDialog.h"
#include "platform/gui/MessageBox.h"

void frmTrack::cmdExport_Click() {
    const QString name = ReadSetting(programFolder_, "Export", "FileName");
    int16_t index = 0;
    const QString chosen =
        ShowFileDialog("PaPaGO! (*.txt)|*.txt|MapSource 6.5 (*.trk)|*.trk", index, "ExportFile", name);
    if (chosen.isEmpty()) return;
    ExportTrackFile(chosen, index);
    if (unloaded_) return;  // the export failed and the program is ending: the remembered path stays as it was
    WriteSetting(programFolder_, "Export", "FileName", chosen);
}

QString frmTrack::ShowFileDialog(const QString& Filter, int16_t& FilterIndex, const QString& DialogTitle,
                                 const QString& FileName) {
    // The dialog keeps its filter index between uses: the next dialog starts on the filter picked last.
    ComDlg->Filter = Filter;
    ComDlg->DialogTitle = DialogTitle;
    ComDlg->FileName = FileName;
    const QString chosen = ComDlg->ShowSave();
    if (chosen.isEmpty()) return {};
    FilterIndex = static_cast<int16_t>(ComDlg->FilterIndex);
    return chosen;
}

void frmTrack::ExportTrackFile(const QString& FileName, int16_t FormatIndex) {
    setCursor(Qt::WaitCursor);
    try {
        WriteTrackExport(FileName, TrackList, FormatIndex);
        unsetCursor();
        const bool opened =
            OpenInTextEditor ? OpenInTextEditor(FileName) : QDesktopServices::openUrl(QUrl::fromLocalFile(FileName));
        if (!opened) throw StationError(QString("Cannot open %1 in the text editor.").arg(FileName));
    } catch (const std::exception& e) {
        unsetCursor();
        MessageBox::ShowError(DescriptionOf(e));
        EndProgramAtOnce();
    }
}

void frmTrack::EndProgramAtOnce() {
    // Without the unload steps: the window's position is not saved. Loops that serve messages end too.
    unloaded_ = true;
    if (EndProgram) {
        EndProgram();
    } else {
        QCoreApplication::exit(0);
    }
}
