#pragma once
#include <QString>
#include <stdexcept>

// A failure the core raises to the window that called it; the window shows Description() in its critical message
// box. what() carries the same text in UTF-8 for logs and test output.
class StationError : public std::runtime_error {
public:
    explicit StationError(const QString& description) : StationError(description, description) {}

    // A failure of one file or device: the description names it, the reason says only what went wrong ("No space
    // left on device"). A status bar notice has room for the reason; the description goes in its tool tip.
    StationError(const QString& description, const QString& reason)
        : std::runtime_error(description.toStdString()), description_(description), reason_(reason) {}

    QString Description() const { return description_; }
    QString Reason() const { return reason_; }

private:
    QString description_;
    QString reason_;
};
