#include "monitor/HistoryLineParser.h"

#include <QDate>
#include <QLocale>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The blanks of the timestamp forms: space, tab, line feed, vertical tab, form feed, carriage return.
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool IsAscii(QByteArrayView bytes) {
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    for (; end - p >= 8; p += 8) {
        uint64_t eight;
        std::memcpy(&eight, p, 8);
        if (eight & 0x8080808080808080ULL) return false;
    }
    for (; p < end; ++p)
        if (static_cast<unsigned char>(*p) >= 0x80) return false;
    return true;
}

// --- Time ---

// Between min and max digits at p, which then stands after them.
bool ReadDigits(const char*& p, const char* end, int min, int max, int& value) {
    value = 0;
    int n = 0;
    for (; n < max && p < end && IsDigit(*p); ++n, ++p) value = value * 10 + (*p - '0');
    return n >= min;
}

void SkipBlanks(const char*& p, const char* end) {
    while (p < end && IsBlank(*p)) ++p;
}

// The timestamp exactly as the log writes it, "yyyy/mm/dd hh:mm:ss", read by fixed positions: the form of nearly
// every line, which is then stored as it stands. False for any other text.
bool IsWrittenTimestamp(QByteArrayView text) {
    if (text.size() != 19) return false;
    const char* t = text.data();
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9, 11, 12, 14, 15, 17, 18})
        if (!IsDigit(t[i])) return false;
    if (t[4] != '/' || t[7] != '/' || t[10] != ' ' || t[13] != ':' || t[16] != ':') return false;
    const auto two = [t](int at) { return (t[at] - '0') * 10 + (t[at + 1] - '0'); };
    const int year = two(0) * 100 + two(2), month = two(5), day = two(8);
    if (year < 1 || month < 1 || month > 12 || day < 1 || two(11) > 23 || two(14) > 59 || two(17) > 59) return false;
    static constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return day <= Days[month - 1] || (month == 2 && leap && day == 29);
}

// Every accepted form: "yyyy" then "/" or "-", one or two digits of month and of day parted by the same mark, then
// either nothing or blanks and a time of one- or two-digit hours and minutes with optional seconds, blanks around.
// The six parts, or false for a text of any other form or with no such date or time.
bool ReadTimestamp(QByteArrayView text, int (&part)[6]) {
    const char* p = text.data();
    const char* const end = p + text.size();
    part[3] = part[4] = part[5] = 0;
    SkipBlanks(p, end);
    if (!ReadDigits(p, end, 4, 4, part[0]) || p == end || (*p != '/' && *p != '-')) return false;
    const char separator = *p++;
    if (!ReadDigits(p, end, 1, 2, part[1]) || p == end || *p++ != separator) return false;
    if (!ReadDigits(p, end, 1, 2, part[2])) return false;
    const char* const afterDate = p;
    SkipBlanks(p, end);
    if (p != end) {
        if (p == afterDate) return false;  // the time is set off by blanks
        if (!ReadDigits(p, end, 1, 2, part[3]) || p == end || *p++ != ':') return false;
        if (!ReadDigits(p, end, 1, 2, part[4])) return false;
        if (p < end && *p == ':') {
            ++p;
            if (!ReadDigits(p, end, 1, 2, part[5])) return false;
        }
        SkipBlanks(p, end);
        if (p != end) return false;
    }
    return QDate::isValid(part[0], part[1], part[2]) && part[3] < 24 && part[4] < 60 && part[5] < 60;
}

// --- Texts ---

// Sets a text from plain ASCII bytes, in the string's own buffer when it has one.
void WriteAscii(QString& target, QByteArrayView bytes) {
    target.resize(bytes.size());
    char16_t* out = reinterpret_cast<char16_t*>(target.data());
    const char* in = bytes.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) out[i] = static_cast<unsigned char>(in[i]);
}

// The same, but nothing is written when the text is the same already, as the same hemisphere letters and status
// are on line after line.
void SetAscii(QString& target, QByteArrayView bytes) {
    const qsizetype n = bytes.size();
    if (target.size() == n) {
        const char16_t* held = reinterpret_cast<const char16_t*>(std::as_const(target).constData());
        qsizetype i = 0;
        while (i < n && held[i] == static_cast<unsigned char>(bytes[i])) ++i;
        if (i == n) return;
    }
    WriteAscii(target, bytes);
}

// "yyyy/mm/dd hh:mm:ss" from the six parts.
void SetTimestamp(QString& target, const int (&part)[6]) {
    char text[19];
    const auto put = [&text](int at, int value, int width) {
        for (int i = width - 1; i >= 0; --i, value /= 10) text[at + i] = char('0' + value % 10);
    };
    put(0, part[0], 4);
    text[4] = '/';
    put(5, part[1], 2);
    text[7] = '/';
    put(8, part[2], 2);
    text[10] = ' ';
    put(11, part[3], 2);
    text[13] = ':';
    put(14, part[4], 2);
    text[16] = ':';
    put(17, part[5], 2);
    WriteAscii(target, QByteArrayView(text, sizeof text));
}

// --- Numbers ---

// The form the log writes numbers in: digits, with one decimal mark between digits; a minus sign before them when
// allowSign. Its value, or nothing for any other form, which is left to the general conversion.
std::optional<double> PlainDecimal(QByteArrayView text, char mark, bool allowSign) {
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = allowSign && p < end && *p == '-';
    if (negative) ++p;
    const char* const first = p;
    uint64_t digits = 0;
    while (p < end && IsDigit(*p)) digits = digits * 10 + uint64_t(*p++ - '0');
    const auto whole = p - first;
    if (whole == 0) return std::nullopt;
    qsizetype decimals = 0;
    if (p < end) {
        if (*p++ != mark) return std::nullopt;
        const char* const fraction = p;
        while (p < end && IsDigit(*p)) digits = digits * 10 + uint64_t(*p++ - '0');
        decimals = p - fraction;
        if (decimals == 0 || p != end) return std::nullopt;
    }
    // Up to 15 digits the value is exact as a double and so is the power of ten, so that one division rounds it
    // correctly, as every conversion of a decimal text does. Longer texts go the long way, to the same result.
    static constexpr double PowerOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (whole + decimals <= 15) {
        const double value = double(digits) / PowerOfTen[decimals];
        return negative ? -value : value;
    }
    constexpr qsizetype Longest = 40;
    if (text.size() > Longest) return std::nullopt;
    char copy[Longest];
    std::memcpy(copy, text.data(), text.size());
    if (decimals > 0) copy[text.size() - decimals - 1] = '.';
    double value = 0;
    const auto result = std::from_chars(copy, copy + text.size(), value);
    if (result.ec != std::errc() || result.ptr != copy + text.size()) return std::nullopt;
    return value;
}

// The general conversions, for the forms the log does not write (exponents, blanks, signs, other characters):
// coordinates with "." alone; speed and heading with the user's mark and then with "."; never digit grouping.
std::optional<double> ConvertedCoordinate(const QString& text) {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(text, &ok);
    return ok ? std::optional(value) : std::nullopt;
}

std::optional<float> ConvertedSingle(const QString& text) {
    // A log may come from a desktop with the other decimal mark, so "," is read wherever the user's mark is ".",
    // and "." wherever it is ",".
    for (QLocale locale : {QLocale(), QLocale::c(), QLocale(QLocale::German)}) {
        locale.setNumberOptions(QLocale::RejectGroupSeparator);
        bool ok = false;
        const float value = locale.toFloat(text, &ok);
        if (ok) return value;
    }
    return std::nullopt;
}

std::optional<double> ReadCoordinate(QByteArrayView bytes) {
    if (const auto value = PlainDecimal(bytes, '.', false)) return value;
    return ConvertedCoordinate(QString::fromLatin1(bytes));
}

std::optional<float> ReadSingle(QByteArrayView bytes) {
    // Either mark is the decimal mark, whatever the regional settings: the log writes the user's mark of the day it
    // was written and never groups digits, so neither can stand for anything else.
    auto value = PlainDecimal(bytes, '.', true);
    if (!value) value = PlainDecimal(bytes, ',', true);
    // A single-precision number is the double read first, as the platform converts it; values outside the normal
    // single range (overflow, underflow) take the general path, which knows its rules for them.
    if (value) {
        const double magnitude = std::fabs(*value);
        if (magnitude == 0 ||
            (magnitude >= std::numeric_limits<float>::min() && magnitude <= std::numeric_limits<float>::max())) {
            return static_cast<float>(*value);
        }
    }
    return ConvertedSingle(QString::fromLatin1(bytes));
}

// --- Lines ---

// Calls field(n, text) for fields 1 to 8 of a "|"-separated line, as many as it has.
template <typename Text, typename Field>
void ForEachField(Text line, Field field) {
    auto p = line.begin();
    const auto end = line.end();
    for (int n = 1; n <= 8; ++n) {
        // Fields are a few characters long: a plain scan finds the bar sooner than a call to memchr.
        auto fieldEnd = p;
        while (fieldEnd != end && *fieldEnd != u'|') ++fieldEnd;
        field(n, Text(p, fieldEnd - p));
        if (fieldEnd == end) return;  // the line has no more fields
        p = fieldEnd + 1;
    }
}

// A line with other bytes than ASCII, which the log never writes, is decoded whole as UTF-8 and its fields taken
// as text, as the line was always read: a broken character shows as a replacement character and a byte order mark
// is dropped only at the start of the line.
void ParseDecoded(const QString& line, TrackRecord& entry) {
    ForEachField(QStringView(line), [&entry](int n, QStringView text) {
        switch (n) {
            case 1: {
                int part[6];
                bool ascii = true;
                for (QChar c : text) ascii = ascii && c.unicode() < 0x80;
                if (ascii && ReadTimestamp(text.toLatin1(), part)) SetTimestamp(entry.Time, part);
                break;
            }
            case 2:
                entry.NS = text.toString();
                break;
            case 3:
                if (const auto value = ConvertedCoordinate(text.toString())) entry.Lon = *value;
                break;
            case 4:
                entry.EW = text.toString();
                break;
            case 5:
                if (const auto value = ConvertedCoordinate(text.toString())) entry.Lat = *value;
                break;
            case 6:
                entry.Status = text.toString();
                break;
            case 7:
                if (const auto value = ConvertedSingle(text.toString())) entry.Speed = *value;
                break;
            case 8:
                if (const auto value = ConvertedSingle(text.toString())) entry.Heading = *value;
                break;
        }
    });
}

}  // namespace

void HistoryLineParser::Parse(QByteArrayView line, TrackRecord& entry) const {
    if (!IsAscii(line)) {
        ParseDecoded(QString::fromUtf8(line), entry);
        return;
    }
    ForEachField(line, [&entry](int n, QByteArrayView field) {
        switch (n) {
            case 1: {
                int part[6];
                if (IsWrittenTimestamp(field))
                    WriteAscii(entry.Time, field);
                else if (ReadTimestamp(field, part))
                    SetTimestamp(entry.Time, part);
                break;
            }
            case 2:
                SetAscii(entry.NS, field);
                break;
            case 3:
                if (const auto value = ReadCoordinate(field)) entry.Lon = *value;
                break;
            case 4:
                SetAscii(entry.EW, field);
                break;
            case 5:
                if (const auto value = ReadCoordinate(field)) entry.Lat = *value;
                break;
            case 6:
                SetAscii(entry.Status, field);
                break;
            case 7:
                if (const auto value = ReadSingle(field)) entry.Speed = *value;
                break;
            case 8:
                if (const auto value = ReadSingle(field)) entry.Heading = *value;
                break;
        }
    });
}
