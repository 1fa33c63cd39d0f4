#include "common/Numbers.h"

#include <algorithm>
#include <cmath>
#include <charconv>
#include <cstdlib>
#include <string>

double LeadingNumber(QStringView text) {
    std::string number;
    bool digits = false, point = false, exponent = false;
    for (QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n') continue;
        const char ch = c.toLatin1();
        if (ch >= '0' && ch <= '9') {
            digits = true;
        } else if ((ch == '+' || ch == '-') && (number.empty() || number.back() == 'E')) {
        } else if (ch == '.' && !point && !exponent) {
            point = true;
        } else if ((ch == 'e' || ch == 'E') && digits && !exponent) {
            exponent = true;
            number += 'E';
            continue;
        } else {
            break;
        }
        number += ch;
    }
    // A dangling exponent ("12E", "12E-") stops before the letter.
    while (!number.empty() && (number.back() == 'E' || number.back() == '+' || number.back() == '-')) {
        if (number.back() == 'E') {
            number.pop_back();
            break;
        }
        number.pop_back();
    }
    if (!digits) return 0;
    // from_chars reads "." whatever the C library's locale is (the desktop may have set a "," one).
    double value = 0;
    const char* first = number.data() + (number[0] == '+' ? 1 : 0);
    std::from_chars(first, number.data() + number.size(), value);
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
