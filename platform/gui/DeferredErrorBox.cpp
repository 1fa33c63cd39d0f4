#include "platform/gui/DeferredErrorBox.h"

#include <QTimer>
#include <utility>

#include "platform/gui/MessageBox.h"

void DeferredErrorBox::Tell(const QString& description) {
    if (description == told_) return;
    told_ = due_ = description;
    if (busy_) return;
    busy_ = true;
    QTimer::singleShot(0, this, &DeferredErrorBox::Show);
}

void DeferredErrorBox::Show() {
    // A box serves the event loop while it is up, so the intake and further failures go on meanwhile.
    while (!due_.isEmpty()) MessageBox::ShowError(std::exchange(due_, QString()));
    busy_ = false;
}
