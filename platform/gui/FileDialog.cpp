#include "platform/gui/FileDialog.h"

#include <QFileDialog>
#include <QFileInfo>

QStringList FileDialog::NameFilters(const QString& filter) {
    // "Name|*.ext|Name|*.ext" becomes Qt's "Name (*.ext)" list. A name that shows its pattern already, as
    // "PaPaGO! (*.txt)" does, is taken as it is rather than given the pattern twice.
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString shown = "(" + parts[i + 1] + ")";
        filters.append(parts[i].trimmed().endsWith(shown) ? parts[i] : parts[i] + " " + shown);
    }
    return filters;
}

FileDialog::FileDialog(QWidget* owner) : QObject(owner), owner_(owner) {}

QString FileDialog::ShowSave() { return Show(true); }
QString FileDialog::ShowOpen() { return Show(false); }

QString FileDialog::Show(bool save) {
    QString chosen;
    if (ScriptedAnswer) {
        chosen = ScriptedAnswer(*this);
    } else {
        const QStringList filters = NameFilters(Filter);
        QFileDialog dialog(owner_, DialogTitle, FileName);
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        // The station asks nothing before a file is written over: the dialog presets the last file chosen, so every
        // export again would ask, and a file its user made read-only is refused by the write itself.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setNameFilters(filters);
        if (FilterIndex >= 1 && FilterIndex <= filters.size()) dialog.selectNameFilter(filters[FilterIndex - 1]);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            chosen = dialog.selectedFiles().first();
            FilterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
        }
    }
    if (!chosen.isEmpty()) FileName = QFileInfo(chosen).absoluteFilePath();
    return chosen.isEmpty() ? QString() : FileName;
}
