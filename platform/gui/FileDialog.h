#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// The common file dialog: filters as "Name|*.ext|Name|*.ext", the filter index 1-based in and out, "" on cancel.
class FileDialog : public QObject {
    Q_OBJECT
public:
    explicit FileDialog(QWidget* owner);

    QString Filter;
    int FilterIndex = 1;
    QString DialogTitle;
    QString FileName;

    // Shows the save dialog; gives the chosen full path, or "" when the user cancels (FileName is then unchanged).
    QString ShowSave();
    // Shows the open dialog, the same way.
    QString ShowOpen();

    // Test seam: while set, the dialog is not shown; the answer gives the chosen path ("" to cancel) and may set
    // the filter index.
    static inline std::function<QString(FileDialog&)> ScriptedAnswer;

    // The type list the dialog shows for a filter text: "Name (*.ext)" a line.
    static QStringList NameFilters(const QString& filter);

private:
    QString Show(bool save);
    QWidget* owner_;
};
