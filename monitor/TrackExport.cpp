#include "monitor/TrackExport.h"

#include <charconv>
#include <cmath>
#include <string>

#include "common/DecimalPattern.h"
#include "common/DisplayTexts.h"
#include "platform/WholeFile.h"

namespace {

const char* const Header2 = "H  LATITUDE    LONGITUDE    DATE      TIME     ALT    ;track";

QString Fit(const QString& text, int width) { return text.leftJustified(width, u' ', true); }

QString Format1(const SpareList<TrackRecord>& list) {
    QString out = "Datum,WGS84,WGS84,0,0,0,0,0\r\n";
    for (const TrackRecord& e : list) {
        // "yyyy/mm/dd hh:mm:ss" becomes "yy/mm/dd,hh:mm:ss".
        out += "TP,D, " + DecimalPattern(e.Lat, 9) + ", " + DecimalPattern(e.Lon, 9) + ", " +
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
        out += "T  " + Fit("+" + DecimalPattern(e.Lat, 7), 11) + " " + Fit("+" + DecimalPattern(e.Lon, 7), 12) + " " +
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
    ReplaceFile(fileName, TrackExportText(list, formatIndex));
}
