#pragma once
#include <QHash>
#include <QImage>
#include <QList>
#include <QMarginsF>
#include <QString>
#include <functional>

#include "platform/ReportLayout.h"

class QPageLayout;
class QPagedPaintDevice;
class QPainter;
class QPrinter;

// Paints a report layout with its records on a printer: a real printer, a PDF file, or the preview window's page
// images. Every job lays out all pages first, so that "%P" can give the number of pages on each of them.
class ReportRuntime {
public:
    // The kinds of job, as the processing time-out event names them.
    enum JobType { Preview = 0, Print = 1, Export = 2 };

    explicit ReportRuntime(ReportLayout layout);

    const ReportLayout& Layout() const { return layout_; }

    // The records the detail band repeats over; the group header shows the first, the group footer the last.
    void SetRecords(QList<ReportRecord> records) { records_ = std::move(records); }
    const QList<ReportRecord>& Records() const { return records_; }

    // The picture an image control shows; a null image leaves the control empty.
    void SetPicture(const QString& section, const QString& control, const QImage& picture);
    QImage Picture(const QString& section, const QString& control) const;

    // A job that runs this many seconds raises ProcessingTimeout, and again after every further such span; a handler
    // that sets cancel abandons the job.
    int ProcessingTimeoutSeconds = 30;
    std::function<void(int seconds, bool& cancel, int jobType, int cookie)> ProcessingTimeout;

    // Gives the printer the report's margins; a PDF file also gets A4 paper.
    void PreparePrinter(QPrinter& printer) const;

    // Paints every page on a prepared printer. False when a handler cancelled the job: a print job is aborted. A
    // printer that prints to a file writes it as ExportPdf does, whole or not at all. A printer that cannot be opened,
    // or a file that cannot be written, raises StationError with the reason.
    bool Render(QPrinter& printer, JobType type);

    // Writes the report to a PDF file as an export job, replacing the file only once the report is whole. False when
    // a handler cancelled the job, the old file kept; a file that cannot be written raises StationError with the
    // system's reason.
    bool ExportPdf(const QString& path);

    // How many pages the report takes on that printer.
    int PageCount(const QPrinter& printer) const;

private:
    double PageHeight(const QPrinter& printer) const;
    QMarginsF Margins() const;
    // Lays out the pages and paints them with a painter begun on device; false when a handler cancelled the job.
    bool PaintPages(QPainter& painter, QPagedPaintDevice& device, double pageHeight, int resolution, JobType type);
    // Draws the report as a PDF in memory on pages of that layout and replaces the file at path with it once whole.
    bool WritePdf(const QString& path, const QPageLayout& page, int resolution, JobType type);

    ReportLayout layout_;
    QList<ReportRecord> records_;
    QHash<QString, QImage> pictures_;
    int lastCookie_ = 0;
};
