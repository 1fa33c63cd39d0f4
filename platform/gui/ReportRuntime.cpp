#include "platform/gui/ReportRuntime.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include "common/StationError.h"
#include "platform/ReportPages.h"
#include "platform/gui/ReportPainter.h"

namespace {
constexpr double kTwipsPerPoint = 20;
constexpr double kTwipsPerInch = 1440;
}  // namespace

ReportRuntime::ReportRuntime(ReportLayout layout) : layout_(std::move(layout)) {}

void ReportRuntime::SetPicture(const QString& section, const QString& control, const QImage& picture) {
    pictures_.insert(ReportPictureKey(section, control), picture);
}

QImage ReportRuntime::Picture(const QString& section, const QString& control) const {
    return pictures_.value(ReportPictureKey(section, control));
}

void ReportRuntime::PreparePrinter(QPrinter& printer) const {
    if (printer.outputFormat() == QPrinter::PdfFormat) printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(layout_.leftMargin / kTwipsPerPoint, layout_.topMargin / kTwipsPerPoint,
                                     layout_.rightMargin / kTwipsPerPoint, layout_.bottomMargin / kTwipsPerPoint),
                           QPageLayout::Point);
}

double ReportRuntime::PageHeight(const QPrinter& printer) const {
    return printer.pageRect(QPrinter::Inch).height() * kTwipsPerInch;
}

int ReportRuntime::PageCount(const QPrinter& printer) const {
    return PaginateReport(layout_, records_.size(), PageHeight(printer)).size();
}

bool ReportRuntime::Render(QPrinter& printer, JobType type) {
    const QList<ReportPage> pages = PaginateReport(layout_, records_.size(), PageHeight(printer));
    const int cookie = ++lastCookie_;
    printer.setDocName(layout_.caption);

    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString file = printer.outputFileName();
        throw StationError(file.isEmpty() ? "The printer could not start the report." : "Cannot write " + file + ".");
    }
    ReportPainter paint(layout_, records_, pictures_, painter, printer.resolution());
    QElapsedTimer clock;
    clock.start();
    int nextTimeout = ProcessingTimeoutSeconds;
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0) printer.newPage();
        paint.PaintPage(pages[i], i + 1, pages.size());

        const int seconds = static_cast<int>(clock.elapsed() / 1000);
        if (!ProcessingTimeout || seconds < nextTimeout) continue;
        nextTimeout = seconds + std::max(1, ProcessingTimeoutSeconds);
        bool cancel = false;
        ProcessingTimeout(seconds, cancel, type, cookie);
        if (!cancel) continue;
        printer.abort();
        painter.end();
        if (type != Preview && !printer.outputFileName().isEmpty()) QFile::remove(printer.outputFileName());
        return false;
    }
    painter.end();
    return true;
}

bool ReportRuntime::ExportPdf(const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    PreparePrinter(printer);
    return Render(printer, Export);
}
