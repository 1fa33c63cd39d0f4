#pragma once
#include <QHash>
#include <QImage>

#include "platform/ReportLayout.h"
#include "platform/ReportPages.h"

class QPainter;

// Paints the bands of one laid-out page, at the painter's origin (the page's top margin corner), twips scaled to
// the device's resolution.
class ReportPainter {
public:
    ReportPainter(const ReportLayout& layout, const QList<ReportRecord>& records,
                  const QHash<QString, QImage>& pictures, QPainter& painter, double dotsPerInch);

    void PaintPage(const ReportPage& page, int pageNumber, int pages);

private:
    void PaintControl(const ReportSection& section, const ReportControl& control, const ReportBand& band,
                      int pageNumber, int pages);
    void PaintText(const ReportControl& control, double top, const QString& text);
    QRectF Rect(const ReportControl& control, double top) const;
    double Device(double twips) const { return twips * scale_; }

    const ReportLayout& layout_;
    const QList<ReportRecord>& records_;
    const QHash<QString, QImage>& pictures_;
    QPainter& painter_;
    const double scale_;
};

// The key pictures are held under: section and control name, without regard to case.
QString ReportPictureKey(const QString& section, const QString& control);
