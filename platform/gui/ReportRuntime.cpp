#include "platform/gui/ReportRuntime.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "common/StationError.h"
#include "platform/ReportPages.h"
#include "platform/WholeFile.h"
#include "platform/gui/ReportPainter.h"

namespace {
constexpr double kTwipsPerPoint = 20;
constexpr double kTwipsPerInch = 1440;
constexpr int kPdfDotsPerInch = 1200;  // as a high-resolution printer draws
}  // namespace

ReportRuntime::ReportRuntime(ReportLayout layout) : layout_(std::move(layout)) {}

void ReportRuntime::SetPicture(const QString& section, const QString& control, const QImage& picture) {
    pictures_.insert(ReportPictureKey(section, control), picture);
}

QImage ReportRuntime::Picture(const QString& section, const QString& control) const {
    return pictures_.value(ReportPictureKey(section, control));
}

QMarginsF ReportRuntime::Margins() const {
    return QMarginsF(layout_.leftMargin / kTwipsPerPoint, layout_.topMargin / kTwipsPerPoint,
                     layout_.rightMargin / kTwipsPerPoint, layout_.bottomMargin / kTwipsPerPoint);
}

void ReportRuntime::PreparePrinter(QPrinter& printer) const {
    if (printer.outputFormat() == QPrinter::PdfFormat) printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(false);
    printer.setPageMargins(Margins(), QPageLayout::Point);
}

double ReportRuntime::PageHeight(const QPrinter& printer) const {
    return printer.pageRect(QPrinter::Inch).height() * kTwipsPerInch;
}

int ReportRuntime::PageCount(const QPrinter& printer) const {
    return PaginateReport(layout_, records_.size(), PageHeight(printer)).size();
}

bool ReportRuntime::Render(QPrinter& printer, JobType type) {
    printer.setDocName(layout_.caption);
    // The printer would write a file as it draws, so that a full disk left the old file cut short and the job passed
    // as done: printing to a file is drawn in memory and put in place whole, as an export is.
    if (type != Preview && !printer.outputFileName().isEmpty())
        return WritePdf(printer.outputFileName(), printer.pageLayout(), printer.resolution(), type);
    QPainter painter;
    if (!painter.begin(&printer)) throw StationError("The printer could not start the report.");
    if (!PaintPages(painter, printer, PageHeight(printer), printer.resolution(), type)) {
        printer.abort();
        painter.end();
        return false;
    }
    painter.end();
    return true;
}

bool ReportRuntime::PaintPages(QPainter& painter, QPagedPaintDevice& device, double pageHeight, int resolution,
                               JobType type) {
    const QList<ReportPage> pages = PaginateReport(layout_, records_.size(), pageHeight);
    const int cookie = ++lastCookie_;
    ReportPainter paint(layout_, records_, pictures_, painter, resolution);
    QElapsedTimer clock;
    clock.start();
    int nextTimeout = ProcessingTimeoutSeconds;
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0) device.newPage();
        paint.PaintPage(pages[i], i + 1, pages.size());

        const int seconds = static_cast<int>(clock.elapsed() / 1000);
        if (!ProcessingTimeout || seconds < nextTimeout) continue;
        nextTimeout = seconds + std::max(1, ProcessingTimeoutSeconds);
        bool cancel = false;
        ProcessingTimeout(seconds, cancel, type, cookie);
        if (cancel) return false;
    }
    return true;
}

bool ReportRuntime::ExportPdf(const QString& path) {
    return WritePdf(path, QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, Margins(), QPageLayout::Point),
                    kPdfDotsPerInch, Export);
}

bool ReportRuntime::WritePdf(const QString& path, const QPageLayout& page, int resolution, JobType type) {
    // The file is made in memory and replaces the old one only when whole, as every file the station writes: a full
    // disk is reported with its reason and leaves the old file as it was, and so does a cancelled job.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setResolution(resolution);
    writer.setTitle(layout_.caption);
    writer.setPageLayout(page);
    QPainter painter;
    if (!painter.begin(&writer)) throw StationError("Cannot write " + path + ".");
    const double pageHeight = writer.pageLayout().paintRect(QPageLayout::Inch).height() * kTwipsPerInch;
    const bool whole = PaintPages(painter, writer, pageHeight, writer.resolution(), type);
    painter.end();
    if (!whole) return false;
    ReplaceFile(path, pdf.data());
    return true;
}
