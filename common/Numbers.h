#pragma once
#include <QString>
#include <cstdint>
#include <stdexcept>

// Numbers as the station reads and rounds them.

// The number at the start of a text: blanks, tabs and line feeds anywhere are ignored, an optional sign and digits
// with "." as the decimal point whatever the locale are taken, reading stops at the first character that cannot
// continue the number; a text without a leading number (the empty text too) gives 0. There is no exponent. A number
// too large for a double gives infinity with its sign, one too small for it 0.
double LeadingNumber(QStringView text);

// Rounds to the given number of decimals, a value exactly halfway going to the even neighbour.
double RoundHalfEven(double value, int decimals = 0);

// Rounds half to even into a signed 16-bit whole number; outside -32768..32767 it throws Overflow.
int16_t ToInt16(double value);

class OverflowError : public std::overflow_error {
public:
    OverflowError() : std::overflow_error("Overflow") {}
};
