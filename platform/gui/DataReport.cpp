#include "platform/gui/DataReport.h"

#include <QCloseEvent>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QVBoxLayout>

#include "common/ErrorText.h"
#include "platform/gui/FileDialog.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/Twips.h"

DataReport::DataReport(ReportLayout layout, QWidget* parent)
    : QWidget(parent, Qt::Window), runtime_(std::move(layout)), previewPrinter_(std::make_unique<QPrinter>()) {
    setAttribute(Qt::WA_DeleteOnClose);
    const ReportLayout& design = runtime_.Layout();
    setWindowTitle(design.caption);
    Twips::Move(this, design.windowLeft, design.windowTop, design.windowWidth, design.windowHeight);

    runtime_.ProcessingTimeout = [this](int seconds, bool& cancel, int jobType, int cookie) {
        DataReport_ProcessingTimeout(seconds, cancel, jobType, cookie);
    };

    runtime_.PreparePrinter(*previewPrinter_);
    Preview = new QPrintPreviewWidget(previewPrinter_.get(), this);
    connect(Preview, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { RunJob(*printer, ReportRuntime::Preview); });

    Toolbar = new QToolBar(this);
    Toolbar->addAction(tr("Print"), this, &DataReport::PrintClicked);
    Toolbar->addAction(tr("Export"), this, &DataReport::ExportClicked);
    Toolbar->addSeparator();
    Toolbar->addAction(tr("Zoom In"), Preview, [this] { Preview->zoomIn(); });
    Toolbar->addAction(tr("Zoom Out"), Preview, [this] { Preview->zoomOut(); });
    Toolbar->addAction(tr("Whole Page"), Preview, [this] { Preview->fitInView(); });

    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->setContentsMargins(0, 0, 0, 0);
    layoutBox->setSpacing(0);
    layoutBox->addWidget(Toolbar);
    layoutBox->addWidget(Preview);
}

DataReport::~DataReport() { delete Preview; }

void DataReport::DataReport_ProcessingTimeout(int, bool&, int, int) {}

bool DataReport::RunJob(QPrinter& printer, ReportRuntime::JobType type) {
    try {
        return runtime_.Render(printer, type);
    } catch (const std::exception& e) {
        MessageBox::ShowError(DescriptionOf(e));
        return false;
    }
}

bool DataReport::PrintReport(QPrinter& printer) {
    runtime_.PreparePrinter(printer);
    return RunJob(printer, ReportRuntime::Print);
}

bool DataReport::ExportReport(const QString& path) {
    try {
        return runtime_.ExportPdf(path);
    } catch (const std::exception& e) {
        MessageBox::ShowError(DescriptionOf(e));
        return false;
    }
}

void DataReport::RefreshPreview() { Preview->updatePreview(); }

void DataReport::PrintClicked() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) PrintReport(printer);
}

void DataReport::ExportClicked() {
    FileDialog dialog(this);
    dialog.Filter = "PDF|*.pdf";
    dialog.DialogTitle = tr("Export");
    const QString path = dialog.ShowSave();
    if (!path.isEmpty()) ExportReport(path);
}

void DataReport::closeEvent(QCloseEvent* event) {
    DataReport_Terminate();
    event->accept();
}
