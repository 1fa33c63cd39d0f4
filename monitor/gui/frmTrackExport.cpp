// The track export: the listed positions written for an outside navigation program, then opened in the desktop's
// text editor. The path of the last export written is remembered.
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
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
    // A failed export keeps the remembered path of the last one that was written.
    if (ExportTrackFile(chosen, index)) WriteSetting(programFolder_, "Export", "FileName", chosen);
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

bool frmTrack::ExportTrackFile(const QString& FileName, int16_t FormatIndex) {
    // A failed export is reported and the station goes on: ending it here would stop the live log as well.
    setCursor(Qt::WaitCursor);
    try {
        WriteTrackExport(FileName, TrackList, FormatIndex);
    } catch (const std::exception& e) {
        unsetCursor();
        MessageBox::ShowError(DescriptionOf(e));
        return false;
    }
    unsetCursor();
    // The file is written whatever the desktop offers to show it; without an editor the user is told where it is.
    const bool opened =
        OpenInTextEditor ? OpenInTextEditor(FileName) : QDesktopServices::openUrl(QUrl::fromLocalFile(FileName));
    if (!opened)
        MessageBox::Show(QString("The track was exported to %1. No text editor could be started to show it.")
                             .arg(QDir::toNativeSeparators(FileName)),
                         MessageBox::Information);
    return true;
}
