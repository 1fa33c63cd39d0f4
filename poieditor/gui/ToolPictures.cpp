#include "poieditor/gui/ToolPictures.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace {

QIcon Standard(QStyle::StandardPixmap which) { return QApplication::style()->standardIcon(which); }

// The style has no pencil and no printer: those two are drawn.
QIcon Drawn(void (*draw)(QPainter&)) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return QIcon(pm);
}

void Pencil(QPainter& p) {
    p.setPen(QPen(QColor(90, 60, 20), 1));
    p.setBrush(QColor(240, 190, 60));
    p.drawPolygon(QPolygonF({{3, 11}, {11, 3}, {13, 5}, {5, 13}}));
    p.setBrush(QColor(60, 60, 60));
    p.drawPolygon(QPolygonF({{3, 11}, {5, 13}, {2, 14}}));
}

void Printer(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(170, 170, 180));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
}

}  // namespace

QList<QIcon> ToolPictures() {
    return {Standard(QStyle::SP_FileIcon),          Drawn(Pencil),
            Standard(QStyle::SP_TrashIcon),         Standard(QStyle::SP_DialogCancelButton),
            Standard(QStyle::SP_DialogSaveButton),  Standard(QStyle::SP_FileDialogContentsView),
            Standard(QStyle::SP_MediaSkipBackward), Standard(QStyle::SP_MediaSeekBackward),
            Standard(QStyle::SP_MediaSeekForward),  Standard(QStyle::SP_MediaSkipForward),
            Standard(QStyle::SP_BrowserReload),     Drawn(Printer),
            Standard(QStyle::SP_DialogCloseButton)};
}

QPixmap KindPicture(const QString& programFolder, int kind) {
    return QPixmap(programFolder + QStringLiteral("/carimage/House/House%1.gif").arg(kind));
}
