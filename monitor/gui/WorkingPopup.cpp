#include "monitor/gui/WorkingPopup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

WorkingPopup::WorkingPopup(QWidget* owner) : StayingDialog(owner, Qt::FramelessWindowHint | Qt::Tool) {}

WorkingPopup::~WorkingPopup() { GiveKeysBack(); }

void WorkingPopup::showEvent(QShowEvent* event) {
    StayingDialog::showEvent(event);
    if (!stop_ || holding_) return;
    holding_ = true;
    hadFocus_ = QApplication::focusWidget();
    // Only from the station's own window: the work may run on while the user is busy in another program.
    if (QApplication::activeWindow()) activateWindow();
    stop_->setFocus();
    // The main window's keys, should the user click it meanwhile, go to Stop too.
    qApp->installEventFilter(this);
}

void WorkingPopup::hideEvent(QHideEvent* event) {
    GiveKeysBack();
    StayingDialog::hideEvent(event);
}

bool WorkingPopup::eventFilter(QObject* watched, QEvent* event) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!holding_ || !widget || !parentWidget() || widget->window() != parentWidget()->window())
        return StayingDialog::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            QCoreApplication::sendEvent(stop_, event);
            return true;
        case QEvent::Shortcut:  // a button's underlined letter, say
            return true;
        default:
            return StayingDialog::eventFilter(watched, event);
    }
}

void WorkingPopup::GiveKeysBack() {
    if (!holding_) return;
    holding_ = false;
    qApp->removeEventFilter(this);
    if (!hadFocus_ || !hadFocus_->isEnabled() || !hadFocus_->isVisible()) return;
    if (isActiveWindow()) hadFocus_->activateWindow();
    hadFocus_->setFocus();
}
