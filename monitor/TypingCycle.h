#pragma once
#include <QString>
#include <cstdint>

// The working notice types a text out one character a tick, in cycles of 16 ticks: after ticks 1 to 15 the first
// 1 to 15 characters show; tick 16 adds the 16th and empties the label in the same tick.
class TypingCycle {
public:
    // One tick: the caption the label shows afterwards, given its present caption and the text to type.
    QString Tick(const QString& caption, const QString& text);
    void Reset() { counter_ = 0; }
    int16_t Counter() const { return counter_; }

private:
    int16_t counter_ = 0;
};
