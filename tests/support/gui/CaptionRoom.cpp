#include "CaptionRoom.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

#include "platform/gui/PictureButton.h"

namespace {

QString Cut(const QWidget* control, const QString& text, QSizeF need, QSizeF room) {
    return QString("%1 \"%2\" needs %3 x %4 px, has %5 x %6")
        .arg(control->metaObject()->className(), text)
        .arg(need.width(), 0, 'f', 1)
        .arg(need.height(), 0, 'f', 1)
        .arg(room.width(), 0, 'f', 1)
        .arg(room.height(), 0, 'f', 1);
}

// A caption drawn in its room as the style draws it (aligned, never elided) shows whole when the outlines of its
// letters lie within the room's width: a colon in a three-pixel label does, though its advance is four. An outline
// that passes an edge by less than a quarter pixel loses only a faint antialiasing fringe.
void CheckInk(QStringList& cuts, const QWidget* control, const QString& text, const QRectF& room, int flags) {
    if (text.isEmpty()) return;
    const QFontMetricsF fm(control->font());
    const QRectF line = fm.boundingRect(room, flags | Qt::TextShowMnemonic, text);
    QPainterPath outlines;
    outlines.addText(line.left(), line.top() + fm.ascent(), control->font(), text);
    const QRectF ink = outlines.boundingRect();
    constexpr double Fringe = 0.25;
    if (ink.left() < room.left() - Fringe || ink.right() > room.right() + Fringe)
        cuts << Cut(control, text, ink.size(), room.size()) + QString(" (letters from %1 to %2 px)")
                                                                  .arg(ink.left() - room.left(), 0, 'f', 2)
                                                                  .arg(ink.right() - room.left(), 0, 'f', 2);
}

// A caption that the control elides when it is wider than its room must fit by its whole advance.
void CheckAdvance(QStringList& cuts, const QWidget* control, const QFont& font, const QString& text, double room) {
    if (text.isEmpty()) return;
    const QFontMetricsF fm(font);
    const double need = fm.horizontalAdvance(text);
    if (need > room) cuts << Cut(control, text, {need, fm.height()}, {room, double(control->height())});
}

// The wrapped caption fits when its lines, a word too long for one line included, fit the room under the picture.
void CheckPictureButton(QStringList& cuts, const PictureButton* b) {
    const QRect room = b->CaptionRect();
    const QRect need = b->fontMetrics().boundingRect(room, PictureButton::CaptionFlags, b->text());
    if (need.width() > room.width() || need.height() > room.height())
        cuts << Cut(b, b->text(), need.size(), room.size());
}

void CheckButton(QStringList& cuts, const QAbstractButton* b) {
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    int flags = Qt::AlignCenter;
    if (qobject_cast<const QCheckBox*>(b)) {
        contents = QStyle::SE_CheckBoxContents;
        flags = Qt::AlignLeft | Qt::AlignVCenter;
    } else if (qobject_cast<const QRadioButton*>(b)) {
        contents = QStyle::SE_RadioButtonContents;
        flags = Qt::AlignLeft | Qt::AlignVCenter;
    } else if (auto* push = qobject_cast<const QPushButton*>(b); push && (push->autoDefault() || push->isDefault())) {
        option.features |= QStyleOptionButton::AutoDefaultButton;
    }
    CheckInk(cuts, b, b->text(), b->style()->subElementRect(contents, &option, b), flags);
}

void CheckToolButton(QStringList& cuts, const QToolButton* b) {
    const int frame = b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
    CheckAdvance(cuts, b, b->font(), b->text(), b->width() - 2 * frame);
}

void CheckLabel(QStringList& cuts, const QLabel* l) {
    if (l->text().isEmpty() || !l->pixmap().isNull()) return;
    const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    if (!l->wordWrap()) return CheckInk(cuts, l, l->text(), room, int(l->alignment()));
    const QRect need = l->fontMetrics().boundingRect(room, Qt::TextWordWrap | l->alignment(), l->text());
    if (need.width() > room.width() || need.height() > room.height())
        cuts << Cut(l, l->text(), need.size(), room.size());
}

void CheckGroupBox(QStringList& cuts, const QGroupBox* g) {
    if (g->title().isEmpty()) return;
    QStyleOptionGroupBox option;
    option.initFrom(g);
    option.text = g->title();
    option.textAlignment = g->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.lineWidth = 1;
    const QRect label = g->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, g);
    const QRect room(label.left(), label.top(), g->width() - label.left(), label.height());
    CheckInk(cuts, g, g->title(), room, Qt::AlignLeft | Qt::AlignVCenter);
}

// Column headers elide a text wider than the section less its margins.
void CheckHeaders(QStringList& cuts, const QTableView* table) {
    const QHeaderView* header = table->horizontalHeader();
    if (!table->model() || !header->isVisibleTo(table)) return;
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int i = 0; i < header->count(); ++i) {
        const QString text = table->model()->headerData(i, Qt::Horizontal).toString();
        CheckAdvance(cuts, header, header->font(), text, header->sectionSize(i) - 2 * margin);
    }
}

// A toolbar too narrow for its buttons moves the last ones into an overflow menu, out of sight.
void CheckToolBar(QStringList& cuts, const QWidget* window, const QToolBar* bar) {
    for (QAction* action : bar->actions()) {
        const QWidget* button = bar->widgetForAction(action);
        if (!action->isSeparator() && (!button || !button->isVisibleTo(window)))
            cuts << QString("QToolBar \"%1\" is not shown").arg(action->text());
    }
}

QString CaptionOf(const QWidget* control) {
    if (auto* b = qobject_cast<const QAbstractButton*>(control)) return b->text();
    if (auto* l = qobject_cast<const QLabel*>(control)) return l->text();
    if (auto* g = qobject_cast<const QGroupBox*>(control)) return g->title();
    return {};
}

}  // namespace

QStringList CutCaptions(QWidget* window) {
    window->ensurePolished();
    QStringList cuts;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window) || control->window() != window) continue;
        control->ensurePolished();
        // Whatever fits its control is still cut where the control runs past its container.
        const QString caption = CaptionOf(control);
        if (!caption.isEmpty() && !control->parentWidget()->rect().contains(control->geometry()))
            cuts << QString("%1 \"%2\" runs past its container").arg(control->metaObject()->className(), caption);

        if (auto* p = qobject_cast<PictureButton*>(control)) {
            CheckPictureButton(cuts, p);
        } else if (auto* t = qobject_cast<QToolButton*>(control)) {
            CheckToolButton(cuts, t);
        } else if (auto* b = qobject_cast<QAbstractButton*>(control)) {
            CheckButton(cuts, b);
        } else if (auto* l = qobject_cast<QLabel*>(control)) {
            CheckLabel(cuts, l);
        } else if (auto* g = qobject_cast<QGroupBox*>(control)) {
            CheckGroupBox(cuts, g);
        } else if (auto* v = qobject_cast<QTableView*>(control)) {
            CheckHeaders(cuts, v);
        } else if (auto* bar = qobject_cast<QToolBar*>(control)) {
            CheckToolBar(cuts, window, bar);
        }
    }
    return cuts;
}
