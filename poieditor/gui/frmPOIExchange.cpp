// The POI file exchange: the POI CSV file out and in, waypoint text files in. No control of the window calls these.
#include "common/ErrorText.h"
#include "common/Settings.h"
#include "common/Shared.h"
#include "platform/gui/FileDialog.h"
#include "platform/gui/MessageBox.h"
#include "poidb/PoiListing.h"
#include "poidb/clsDBLib.h"
#include "poieditor/ExchangeFile.h"
#include "poieditor/PoiCsvFile.h"
#include "poieditor/WaypointFile.h"
#include "poieditor/gui/ProgramEnded.h"
#include "poieditor/gui/frmPOI.h"

namespace {
const QString Confirm = QString::fromUtf8("確認");
}

QString frmPOI::ShowFileDialog(const QString& filter, int16_t& filterIndex, const QString& dialogTitle,
                               const QString& fileName, bool forSaving) {
    ComDlg->Filter = filter;
    ComDlg->DialogTitle = dialogTitle;
    ComDlg->FileName = fileName;
    const QString chosen = forSaving ? ComDlg->ShowSave() : ComDlg->ShowOpen();
    if (chosen.isEmpty()) return {};
    filterIndex = static_cast<int16_t>(ComDlg->FilterIndex);
    return chosen;
}

void frmPOI::ExportExcel() {
    try {
        LoadRecords();
        if (MessageBox::Show(QString::fromUtf8("確定匯出至Excel？"), int(MessageBox::Question) | MessageBox::YesNo,
                             Confirm) != MessageBox::Yes)
            return;
        int16_t index = 0;
        const QString path = ShowFileDialog("*.csv|*.csv", index, QString::fromUtf8("匯出檔案"),
                                            ReadSetting(programFolder_, "Export", "CsvFileName"), true);
        if (path.isEmpty()) return;
        WriteTextFile(path, PoiCsvText(PoiList));
        MessageBox::Show(QString::fromUtf8("匯出到Excel完成!"), MessageBox::OkOnly, Confirm);
    } catch (const ProgramEnded&) {
    } catch (const std::exception& e) {
        MessageBox::ShowError(DescriptionOf(e));  // no file was written, or the earlier one stays
    }
}

void frmPOI::ImportExcel() { ImportFile("*.csv|*.csv", QString::fromUtf8("匯入地標"), ImportPoiCsv); }

void frmPOI::ImportTxt() { ImportFile("*.txt|*.txt", QString::fromUtf8("匯入檔案"), ImportWaypoints); }

void frmPOI::ImportFile(const QString& filter, const QString& dialogTitle, FileImport import) {
    int16_t index = 0;
    const QString path =
        ShowFileDialog(filter, index, dialogTitle, ReadSetting(programFolder_, "Export", "CsvFileName"), false);
    if (path.isEmpty()) return;
    int stored = 0;
    bool whole = true;
    try {
        const int room = PoiListRoom(DBLib());
        whole = import(ReadTextLines(path), DBLib(), stored, room);
    } catch (const std::exception& e) {
        MessageBox::ShowError(DescriptionOf(e));
        ReportImport(stored, false, true);
        return;
    }
    ReportImport(stored, true, whole);
}

void frmPOI::ReportImport(int stored, bool completed, bool whole) {
    // An import that the lists' limit ended says how far it got.
    const QString full =
        QStringLiteral("\nThe POI list holds at most %1 POIs, so the import stopped there. POIs stored: %2.")
            .arg(PoiListLimit)
            .arg(stored);
    if (completed)
        MessageBox::Show(QString::fromUtf8("Excel匯入完成!") + (whole ? "" : full), MessageBox::OkOnly, Confirm);
    // An import that stopped early still reports the POIs it stored, so neither list misses them.
    if (!completed && stored == 0) return;
    try {
        LoadRecords();
    } catch (const ProgramEnded&) {
        return;
    }
    RefreshDisplay();
    DialogResult = 1;
}
