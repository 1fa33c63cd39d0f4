#pragma once
#include <QWidget>
#include <memory>

#include "platform/gui/ReportRuntime.h"

class QPrinter;
class QPrintPreviewWidget;
class QToolBar;

// A report's window: the preview of its pages, with print, PDF export and zoom. It opens at the layout's design
// place and size with the layout's caption, and is released when it closes. A report with event handlers derives
// from it; the window raises ProcessingTimeout during its jobs and DataReport_Terminate when it closes, and a
// derived report raises DataReport_Initialize at the end of its own constructor, once it is whole.
class DataReport : public QWidget {
    Q_OBJECT
public:
    explicit DataReport(ReportLayout layout, QWidget* parent = nullptr);
    ~DataReport() override;

    ReportRuntime& Runtime() { return runtime_; }

    // Print on a printer the user chose, and export to a PDF file: false when the job was cancelled or failed, a
    // failure shown in the critical message box.
    bool PrintReport(QPrinter& printer);
    bool ExportReport(const QString& path);

    // Paints the preview's pages again, after the records or pictures changed.
    void RefreshPreview();

    virtual void DataReport_Initialize() {}
    virtual void DataReport_ProcessingTimeout(int seconds, bool& cancel, int jobType, int cookie);
    virtual void DataReport_Terminate() {}

    QToolBar* Toolbar;
    QPrintPreviewWidget* Preview;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool RunJob(QPrinter& printer, ReportRuntime::JobType type);
    void PrintClicked();
    void ExportClicked();

    ReportRuntime runtime_;
    std::unique_ptr<QPrinter> previewPrinter_;  // outlives Preview, which paints on it
};
