#include "platform/gui/ReportPainter.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <algorithm>

namespace {

// The design's fonts stand in by metric-compatible ones of the Linux desktop.
QString Family(const QString& name) {
    if (name.compare("Arial", Qt::CaseInsensitive) == 0) return "Liberation Sans";
    if (name.compare("PMingLiU", Qt::CaseInsensitive) == 0) return "AR PL UMing TW";
    return name;
}

QFont FontOf(const ReportFont& font) {
    QFont f(Family(font.name));
    if (font.size > 0) f.setPointSizeF(font.size);
    f.setBold(font.bold);
    return f;
}

constexpr double kTwipsPerInch = 1440;
constexpr double kRuleWidth = 15;  // one pixel of the design's 96 dpi screen

}  // namespace

QString ReportPictureKey(const QString& section, const QString& control) {
    return section.toLower() + "/" + control.toLower();
}

ReportPainter::ReportPainter(const ReportLayout& layout, const QList<ReportRecord>& records,
                             const QHash<QString, QImage>& pictures, QPainter& painter, double dotsPerInch)
    : layout_(layout), records_(records), pictures_(pictures), painter_(painter), scale_(dotsPerInch / kTwipsPerInch) {}

void ReportPainter::PaintPage(const ReportPage& page, int pageNumber, int pages) {
    for (const ReportBand& band : page) {
        const ReportSection& section = layout_.sections[band.section];
        for (const ReportControl& control : section.controls) PaintControl(section, control, band, pageNumber, pages);
    }
}

void ReportPainter::PaintControl(const ReportSection& section, const ReportControl& control, const ReportBand& band,
                                 int pageNumber, int pages) {
    switch (control.kind) {
        case ReportControlKind::Label:
            PaintText(control, band.top, PageCaption(control.caption, pageNumber, pages));
            break;
        case ReportControlKind::TextBox: {
            const bool bound = band.record >= 0 && band.record < records_.size() && !control.dataField.isEmpty();
            PaintText(control, band.top, bound ? records_[band.record].value(control.dataField) : QString());
            break;
        }
        case ReportControlKind::Shape: {
            QPen pen(Qt::black);
            pen.setWidthF(std::max(1.0, Device(kRuleWidth)));
            painter_.setPen(pen);
            const double y = Device(band.top + control.top);
            painter_.drawLine(QPointF(Device(control.left), y), QPointF(Device(control.left + control.width), y));
            break;
        }
        case ReportControlKind::Image: {
            const QImage picture = pictures_.value(ReportPictureKey(section.name, control.name));
            if (picture.isNull()) break;
            // The whole picture, as large as the control allows without distortion, centred in it.
            const QRectF box = Rect(control, band.top);
            QSizeF size = picture.size();
            size.scale(box.size(), Qt::KeepAspectRatio);
            QRectF target(QPointF(), size);
            target.moveCenter(box.center());
            painter_.drawImage(target, picture);
            break;
        }
    }
}

void ReportPainter::PaintText(const ReportControl& control, double top, const QString& text) {
    if (text.isEmpty()) return;
    painter_.setFont(FontOf(control.font.value_or(layout_.font)));
    painter_.setPen(Qt::black);
    // Cut at the control's width, but never through a line of text whose font is taller than the control.
    QRectF box = Rect(control, top);
    box.setHeight(std::max(box.height(), painter_.fontMetrics().height() * 1.0));
    painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

QRectF ReportPainter::Rect(const ReportControl& control, double top) const {
    return QRectF(Device(control.left), Device(top + control.top), Device(control.width), Device(control.height));
}
