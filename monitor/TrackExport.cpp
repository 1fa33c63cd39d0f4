#include "monitor/TrackExport.h"

#include <QFile>
#include <charconv>
#include <cmath>
#include <string>

#include "common/DisplayTexts.h"

namespace {

const char* const Header2 = "H  LATITUDE    LONGITUDE    DATE      TIME     ALT    ;track";

// The number pattern "0.0…0" with `decimals` zeros: at least one digit before the point, "." whatever the locale,
// a half going away from zero. The half is judged on the value's shortest decimal text, the one the log holds.
QString PatternDecimals(double value, int decimals) {
    if (!std::isfinite(value)) return QString::number(value);
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
    digits.insert(digits.size() - decimals, 1, '.');
    return QString::fromStdString((negative && !zero ? "-" : "") + digits);
}

QString Fit(const QString& text, int width) { return text.leftJustified(width, u' ', true); }

QString Format1(const SpareList<TrackRecord>& list) {
    QString out = "Datum,WGS84,WGS84,0,0,0,0,0\r\n";
    for (const TrackRecord& e : list) {
        // "yyyy/mm/dd hh:mm:ss" becomes "yy/mm/dd,hh:mm:ss".
        out += "TP,D, " + PatternDecimals(e.Lat, 9) + ", " + PatternDecimals(e.Lon, 9) + ", " +
               QString(e.Time).replace(u' ', u',').right(17) + ",0\r\n";
    }
    return out;
}

QString Format2(const SpareList<TrackRecord>& list) {
    QString out;
    QString previous;
    for (const TrackRecord& e : list) {
        const QString d = ConvertTimestamp(e.Time, 1);
        if (d.left(9) != previous.left(9)) {
            if (!previous.isEmpty()) out += "\r\n";
            out += QString(Header2) + "\r\n";
        }
        out += "T  " + Fit("+" + PatternDecimals(e.Lat, 7), 11) + " " + Fit("+" + PatternDecimals(e.Lon, 7), 12) + " " +
               Fit(d, 18) + " -9999\r\n";
        previous = d;
    }
    return out;
}

}  // namespace

QByteArray TrackExportText(const SpareList<TrackRecord>& list, int16_t formatIndex) {
    switch (formatIndex) {
        case 1:
            return Format1(list).toUtf8();
        case 2:
            return Format2(list).toUtf8();
        default:
            return {};
    }
}

void WriteTrackExport(const QString& fileName, const SpareList<TrackRecord>& list, int16_t formatIndex) {
    const QByteArray text = TrackExportText(list, formatIndex);
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw TrackExportError(QStringLiteral("Cannot create %1: %2").arg(fileName, file.errorString()));
    if (file.write(text) != text.size() || !file.flush())
        throw TrackExportError(QStringLiteral("Cannot write %1: %2").arg(fileName, file.errorString()));
    file.close();
}
