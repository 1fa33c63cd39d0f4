#include "monitor/TypingCycle.h"

QString TypingCycle::Tick(const QString& caption, const QString& text) {
    ++counter_;
    QString next = caption + text.mid(counter_ - 1, 1);
    if (counter_ >= 16) {
        counter_ = 0;
        next.clear();
    }
    return next;
}
