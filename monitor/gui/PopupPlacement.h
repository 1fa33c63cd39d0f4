#pragma once
#include <QWidget>

// Pop-ups of the main window open centred on it.
inline void CentreOnOwner(QWidget* popup, const QWidget* owner) {
    if (!owner) return;
    const QPoint centre = owner->mapToGlobal(owner->rect().center());
    popup->move(centre - popup->rect().center());
}
