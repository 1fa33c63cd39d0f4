#pragma once
#include <QString>
#include <QStringList>

// Cuts the characters that arrive from the receiver into complete $GPRMC lines. A line ends at a carriage return;
// line feeds are dropped wherever they come, so CR LF and CR CR LF streams both frame, and an LF-only stream never
// yields a line. Characters after the last CR wait in PendingInput for the next event.
class SentenceFramer {
public:
    // A receiver that never sends a CR must not grow memory without end: past this many characters the oldest
    // waiting ones are dropped. No real sentence comes near it (NMEA caps a sentence at 82 characters).
    static constexpr qsizetype MaxPendingInput = 64 * 1024;

    // Appends the received text and returns the complete lines that begin with exactly "$GPRMC" and contain "*",
    // in arrival order and without line ends. Every other complete line is dropped.
    QStringList Feed(QStringView received);

    const QString& PendingInput() const { return pending_; }
    // Drops the waiting characters. Called whenever the port opens: the rest of a sentence cut off by a disconnect
    // or a lost receiver never comes, and glued to the next one it would give a false position.
    void Clear() { pending_.clear(); }

private:
    QString pending_;
};
