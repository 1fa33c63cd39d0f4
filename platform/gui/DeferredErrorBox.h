#pragma once
#include <QObject>
#include <QString>

// A failure box for work that runs inside the serial port's notification, or may: the port's notification is not
// delivered again while it is being handled, so a box opened there would hold up the intake until it is closed.
// The box is shown from the event loop instead, one at a time, while the intake goes on beneath it; a failure that
// repeats position after position is told once, until the work succeeds again.
class DeferredErrorBox : public QObject {
public:
    using QObject::QObject;

    // Tells the failure: the critical box with its description, at the next turn of the event loop. While a box is
    // up, only the latest other failure waits to follow it.
    void Tell(const QString& description);
    // The work succeeded: its next failure is told again, and a failure waiting to be told no longer holds.
    void Clear() {
        told_.clear();
        due_.clear();
    }

private:
    void Show();

    QString told_;  // the failure told last; its repeats are not told again
    QString due_;   // the failure to show next
    bool busy_ = false;
};
