#pragma once
#include <QColor>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "platform/gui/Twips.h"

// The two working pop-ups of the main window share their look: a borderless box centred on the main window, a red
// bold message and a small Stop button.

inline void CentreOnOwner(QWidget* popup, const QWidget* owner) {
    if (!owner) return;
    const QPoint centre = owner->mapToGlobal(owner->rect().center());
    popup->move(centre - popup->rect().center());
}

inline void PaintBackground(QWidget* popup, const QColor& colour) {
    QPalette pal = popup->palette();
    pal.setColor(QPalette::Window, colour);
    popup->setPalette(pal);
    popup->setAutoFillBackground(true);
}

inline QLabel* MakeNoticeLabel(QWidget* popup, double left, double top, double width, double height) {
    auto* label = new QLabel(popup);
    QFont bold("Arial", 12);
    bold.setBold(true);
    label->setFont(bold);
    label->setStyleSheet("color: rgb(255, 0, 0);");
    Twips::Move(label, left, top, width, height);
    return label;
}

inline QPushButton* MakeStopButton(QWidget* popup, const QString& caption, double left) {
    auto* button = new QPushButton(caption, popup);
    QFont font("Arial");
    font.setPointSizeF(8.25);
    button->setFont(font);
    Twips::Move(button, left, 120, 855, 375);
    return button;
}
