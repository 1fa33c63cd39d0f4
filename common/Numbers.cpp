#include "common/Numbers.h"

#include <algorithm>
#include <cmath>
#include <charconv>
#include <cstdlib>
#include <string>

double LeadingNumber(QStringView text) {
    std::string number;
    bool digits = false, point = false, wholeDigits = false;
    for (QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n') continue;
        const char ch = c.toLatin1();
        if (ch >= '0' && ch <= '9') {
            digits = true;
            if (!point && ch != '0') wholeDigits = true;
        } else if ((ch == '+' || ch == '-') && number.empty()) {
        } else if (ch == '.' && !point) {
            point = true;
        } else {
            break;  // no exponent: "1e3" is the number 1 followed by other text
        }
        number += ch;
    }
    if (!digits) return 0;
    const bool negative = number[0] == '-';
    // from_chars reads "." whatever the C library's locale is (the desktop may have set a "," one).
    double value = 0;
    const char* first = number.data() + (number[0] == '+' ? 1 : 0);
    if (std::from_chars(first, number.data() + number.size(), value).ec == std::errc::result_out_of_range) {
        // More digits than a double holds: beyond its range the number is infinite, and the callers that need a
        // finite one report the overflow; below it, the number is 0.
        value = wholeDigits ? HUGE_VAL : 0.0;
        if (negative) value = -value;
    }
    return value;
}

double RoundHalfEven(double value, int decimals) {
    if (!std::isfinite(value)) return value;
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    // Decide the tie on the decimal text of the value, so 25.060525 (stored a hair below) still counts as a half.
    // The margin is about twelve significant digits, capped so that on large values it cannot swallow a real fraction.
    const double floorPart = std::floor(scaled);
    const double diff = scaled - floorPart;
    double rounded;
    const double margin = std::min(1e-12 * std::max(1.0, std::fabs(scaled)) + 1e-12, 1e-5);
    if (std::fabs(diff - 0.5) < margin) {
        rounded = std::fmod(floorPart, 2.0) == 0.0 ? floorPart : floorPart + 1.0;
    } else {
        rounded = std::round(scaled);
    }
    return rounded / scale;
}

int16_t ToInt16(double value) {
    const double r = RoundHalfEven(value);
    if (!(r >= -32768.0 && r <= 32767.0)) throw OverflowError();
    return static_cast<int16_t>(r);
}
