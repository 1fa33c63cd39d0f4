#include "platform/gui/PictureButton.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace {
constexpr int Gap = 2;  // between the picture and the caption, and around the content inside the frame
}

PictureButton::PictureButton(QWidget* parent) : QToolButton(parent) { setToolButtonStyle(Qt::ToolButtonTextUnderIcon); }

QRect PictureButton::Inner() const {
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) + Gap;
    return rect().adjusted(frame, frame, -frame, -frame);
}

int PictureButton::CaptionHeight() const {
    if (text().isEmpty()) return 0;
    return fontMetrics().boundingRect(QRect(0, 0, Inner().width(), 0x7fff), CaptionFlags, text()).height();
}

QRect PictureButton::PictureRect() const {
    const QRect inner = Inner();
    const QSize picture = icon().isNull() ? QSize(0, 0) : iconSize();
    const int captionHeight = CaptionHeight();
    const int block = picture.height() + (captionHeight > 0 && picture.height() > 0 ? Gap : 0) + captionHeight;
    const int top = inner.top() + std::max(0, (inner.height() - block) / 2);
    return QRect(inner.left() + (inner.width() - picture.width()) / 2, top, picture.width(), picture.height());
}

QRect PictureButton::CaptionRect() const {
    const QRect inner = Inner();
    const QRect picture = PictureRect();
    const int top = picture.height() > 0 ? picture.bottom() + 1 + Gap : picture.top();
    return QRect(inner.left(), top, inner.width(), std::max(0, inner.bottom() + 1 - top));
}

QSize PictureButton::sizeHint() const {
    const int frame = 2 * (style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) + Gap);
    const QSize caption = fontMetrics().size(Qt::TextShowMnemonic, text());
    const QSize picture = icon().isNull() ? QSize(0, 0) : iconSize();
    return QSize(std::max(caption.width(), picture.width()) + frame, caption.height() + Gap + picture.height() + frame);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    // The style draws the bevel and the focus alone; picture and caption are placed here.
    option.text.clear();
    option.icon = QIcon();
    p.drawComplexControl(QStyle::CC_ToolButton, option);

    const bool enabled = isEnabled();
    if (!icon().isNull()) icon().paint(&p, PictureRect(), Qt::AlignCenter, enabled ? QIcon::Normal : QIcon::Disabled);
    p.drawItemText(CaptionRect(), CaptionFlags, palette(), enabled, text(), QPalette::ButtonText);
}
