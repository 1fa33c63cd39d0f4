#include "common/DisplayTexts.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTimeZone>
#include <charconv>
#include <cmath>
#include <string>

#include "common/DecimalPattern.h"
#include "common/Numbers.h"
#include "common/Settings.h"

namespace {

// The number pattern "###,###,###,##0.0": one decimal, halves away from zero, the regional group separator and
// decimal mark.
QString FormatOneDecimal(float value) {
    if (!std::isfinite(value)) return QLocale().toString(value);
    const QString plain = DecimalPattern(value, 1);
    const bool negative = plain.startsWith(u'-');
    const QString whole = plain.mid(negative ? 1 : 0, plain.size() - (negative ? 1 : 0) - 2);
    const QLocale locale;
    QString grouped;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) grouped += locale.groupSeparator();
        grouped += whole[i];
    }
    return (negative ? "-" : "") + grouped + locale.decimalPoint() + plain.back();
}

QString TwoDigits(int n) { return QString::number(n).rightJustified(2, u'0'); }

// The heading as one of eight directions, 0 (north) to 7 (north-west); -1 for none.
int DirectionIndex(float heading) {
    const float q = heading / 45.0f;
    const double k = RoundHalfEven(q);
    const double index = std::fmod(k, 8.0);  // fmod keeps the sign of k
    // Headings below -22.5 degrees fall below index 0 and have no word: the course over ground is never negative,
    // so they give "" rather than a guess. Not-a-number gives "" too.
    if (!(index >= 0)) return -1;
    return static_cast<int>(index);
}

// The language key of a direction: "0002" for north to "0009" for north-west.
QString DirectionKey(int index) { return QString::number(index + 2).rightJustified(4, u'0'); }

}  // namespace

QString FormatTimestamp(const QDateTime& value) { return QLocale::c().toString(value, "yyyy/MM/dd HH:mm:ss"); }

QString ConvertTimestamp(const QString& text, int16_t mode) {
    if (text.isEmpty()) return {};
    QDateTime sum;
    try {
        const auto piece = [&](int from, int length) { return ToInt16(LeadingNumber(text.mid(from, length))); };
        const int year = piece(0, 4), month = piece(5, 2), day = piece(8, 2);
        const int hour = piece(11, 2), minute = piece(14, 2), second = piece(17, 2);
        if (year < 1) return {};
        // Parts beyond their range carry into the next larger unit: month 13 is January of the next year, day 0
        // the last day of the month before, hour 24 the next day. Summed in UTC so that no daylight-saving gap
        // shifts the clock.
        const QDate date = QDate(year, 1, 1).addMonths(month - 1).addDays(day - 1);
        sum = QDateTime(date, QTime(0, 0), QTimeZone::utc()).addSecs(qint64(hour) * 3600 + minute * 60 + second);
    } catch (const OverflowError&) {
        return {};
    }
    if (!sum.isValid() || sum.date().year() < 1 || sum.date().year() > 9999) return {};

    const QDate d = sum.date();
    const QTime t = sum.time();
    if (mode != 1) return QLocale().toString(sum, QLocale::ShortFormat);
    // English months and ASCII digits whatever the locale: the track export is read by another program, and a
    // longer month name ("FÉVR.") would push the time out of its 18 columns.
    static const char* const Months[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                         "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    return TwoDigits(d.day()) + "-" + QLatin1String(Months[d.month() - 1]) + "-" + TwoDigits(d.year() % 100) + " " +
           TwoDigits(t.hour()) + ":" + TwoDigits(t.minute()) + ":" + TwoDigits(t.second());
}

QString FormatDegrees(const QString& prefix, double value) {
    if (!(value > 0)) return {};
    const double degrees = std::floor(value);
    // Degrees are held as a 16-bit number; a value beyond that (infinity too) has no text.
    if (degrees > 32767) return {};
    const double minutes = std::floor((value - degrees) * 60);
    // Seconds are not carried into the minutes: 24.99999 shows 59 minutes and 60 seconds.
    const double seconds = RoundHalfEven(((value - degrees) * 60 - minutes) * 60);
    return prefix + " " + QString::number(static_cast<int>(degrees)) + QStringLiteral("\u00B0 ") +
           TwoDigits(static_cast<int>(minutes)) + "' " + TwoDigits(static_cast<int>(seconds)) + "\" ";
}

QString FormatSpeed(const QString& programFolder, float value) { return FormatSpeed(value, SpeedUnit(programFolder)); }

QString SpeedUnit(const QString& programFolder) { return GetLanguageText(programFolder, "Private", "0001"); }

QString FormatSpeed(float value, const QString& unit) {
    QString text = FormatOneDecimal(value);
    // A zero decimal becomes two blanks so whole speeds keep their column. Only the trailing one: where "," is the
    // decimal mark, "." separates digit groups, and blanking every ".0" would cut 1.000,0 into "1  00,0".
    const QString zeroDecimal = QLocale().decimalPoint() + u'0';
    if (text.endsWith(zeroDecimal)) text.replace(text.size() - zeroDecimal.size(), zeroDecimal.size(), "  ");
    return text + unit;
}

QString HeadingToDirection(const QString& programFolder, float heading) {
    const int index = DirectionIndex(heading);
    if (index < 0) return {};
    return GetLanguageText(programFolder, "Private", DirectionKey(index));
}

QStringList DirectionWords(const QString& programFolder) {
    QStringList words;
    for (int index = 0; index < 8; ++index)
        words.append(GetLanguageText(programFolder, "Private", DirectionKey(index)));
    return words;
}

QString HeadingToDirection(float heading, const QStringList& words) {
    const int index = DirectionIndex(heading);
    return index >= 0 && index < words.size() ? words[index] : QString();
}

bool DeleteFile(const QString& fileName) {
    // The name is taken literally; wildcard characters match only a file of that very name. A file without write
    // permission is one the user protected, so it stays.
    const QFileInfo info(fileName);
    if (fileName.isEmpty() || !info.isFile() || !(info.permissions() & QFileDevice::WriteOwner)) return false;
    return QFile::remove(fileName);
}
