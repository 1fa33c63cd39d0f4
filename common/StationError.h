#pragma once
#include <QString>
#include <stdexcept>

// A failure the core raises to the window that called it; the window shows Description() in its critical message
// box. what() carries the same text in UTF-8 for logs and test output.
class StationError : public std::runtime_error {
public:
    explicit StationError(const QString& description)
        : std::runtime_error(description.toStdString()), description_(description) {}

    QString Description() const { return description_; }

private:
    QString description_;
};
