#pragma once
#include <QString>
#include <cstdint>

// State that windows hand to one another.

// Set True (all bits) when a long operation starts; the Stop buttons clear it.
inline int16_t KeepRunning = 0;
constexpr int16_t True16 = -1;

// What a modal dialog hands back to the window that opened it.
inline int32_t DialogResult = 0;
inline QString DialogText;
