#include "monitor/GprmcIntake.h"

#include <QList>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "common/DisplayTexts.h"
#include "common/Numbers.h"

namespace {

// The whole number formed by the leading ASCII digits of characters [from, from + length) (1-based) of the field.
// Only digits count, so a sign or a blank can never make a coordinate negative or shift it.
double LeadingDigits(QStringView field, qsizetype from, qsizetype length) {
    const QStringView piece = field.mid(from - 1, length);
    double value = 0;
    for (QChar c : piece) {
        if (c < u'0' || c > u'9') break;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

double ConvertCoordinate(QStringView field, qsizetype degreeDigits) {
    const double d = LeadingDigits(field, 1, degreeDigits);
    const double m = LeadingDigits(field, degreeDigits + 1, 2);
    // The character at the decimal point is skipped, not tested.
    const double f = LeadingDigits(field, degreeDigits + 4, 4);
    return RoundHalfEven(d + m / 60 + f / 600000, 5);
}

}  // namespace

double ConvertLatitude(QStringView field) { return ConvertCoordinate(field, 2); }

double ConvertLongitude(QStringView field) { return ConvertCoordinate(field, 3); }

std::optional<float> ParseNmeaNumber(QStringView field) {
    std::string text;
    text.reserve(field.size());
    for (QChar c : field) {
        // Anything beyond ASCII cannot be part of the number; keep it out of from_chars by failing here.
        if (c.unicode() > 0x7f) return std::nullopt;
        text += static_cast<char>(c.unicode());
    }
    // from_chars alone would take "+", "inf" and "nan"; a course or speed is digits with an optional sign and point.
    bool digit = false;
    for (qsizetype i = 0; i < static_cast<qsizetype>(text.size()); ++i) {
        const char ch = text[i];
        if (ch >= '0' && ch <= '9') {
            digit = true;
        } else if (!(ch == '.' || ((ch == '-' || ch == '+') && i == 0))) {
            return std::nullopt;
        }
    }
    if (!digit) return std::nullopt;
    const char* begin = text.data() + (text[0] == '+' ? 1 : 0);
    const char* end = text.data() + text.size();
    double value = 0;
    const auto [last, error] = std::from_chars(begin, end, value, std::chars_format::fixed);
    if (error != std::errc() || last != end) return std::nullopt;
    if (!(std::fabs(value) <= std::numeric_limits<float>::max())) return std::nullopt;
    return static_cast<float>(value);
}

GprmcIntakeResult ApplyGprmc(FixRecord& fix, const QString& sentence, const QDateTime& now) {
    const QList<QStringView> fields = QStringView(sentence).split(u',');
    const auto has = [&](qsizetype i) { return i < fields.size(); };

    const double previousLon = fix.Lon;
    const double previousLat = fix.Lat;

    if (has(5)) fix.Lon = ConvertLongitude(fields[5]);
    if (has(4)) fix.NS = fields[4].toString();
    if (has(3)) fix.Lat = ConvertLatitude(fields[3]);
    if (has(6)) fix.EW = fields[6].toString();
    if (has(2)) fix.Status = fields[2].toString();
    fix.Time = FormatTimestamp(now);
    if (has(7)) {
        if (const auto speed = ParseNmeaNumber(fields[7])) fix.Speed = *speed;
    }
    if (has(8)) {
        if (const auto heading = ParseNmeaNumber(fields[8])) fix.Heading = *heading;
    }

    return {fix.Lon != previousLon || fix.Lat != previousLat};
}
