#include "common/DecimalPattern.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

template <typename T>
QString Round(T value, int decimals) {
    if (!std::isfinite(value)) return QString::number(static_cast<double>(value));
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text(buffer, result.ptr);
    const bool negative = text.front() == '-';
    if (negative) text.erase(0, 1);
    const auto point = text.find('.');
    std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    const bool up = static_cast<int>(fraction.size()) > decimals && fraction[decimals] >= '5';
    fraction.resize(decimals, '0');
    std::string digits = text.substr(0, point) + fraction;
    if (up) {
        int i = static_cast<int>(digits.size()) - 1;
        for (; i >= 0 && digits[i] == '9'; --i) digits[i] = '0';
        if (i < 0)
            digits.insert(0, 1, '1');
        else
            ++digits[i];
    }
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    if (decimals > 0) digits.insert(digits.size() - decimals, 1, '.');
    return QString::fromStdString((negative && !zero ? "-" : "") + digits);
}

}  // namespace

QString DecimalPattern(double value, int decimals) { return Round(value, decimals); }
QString DecimalPattern(float value, int decimals) { return Round(value, decimals); }
