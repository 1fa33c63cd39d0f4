#include "poieditor/PoiCsvFile.h"

#include "common/Blanks.h"
#include "common/ErrorText.h"
#include "poidb/PoiName.h"
#include "poidb/clsDBLib.h"
#include "poieditor/DegreeEntry.h"

namespace {

// Degrees, minutes and seconds as plain whole numbers, without the leading zeros of the entry boxes.
QString AngleFields(double value) {
    const DegreeParts p = SplitDegrees(value);
    return QString::number(p.Degrees, 'f', 0) + "," + QString::number(p.Minutes, 'f', 0) + "," +
           QString::number(p.Seconds, 'f', 0);
}

void ImportLine(const QString& line, clsDBLib& db, int& stored) {
    const QStringList f = line.split(u',');
    const auto field = [&f](int i) { return i <= f.size() ? f[i - 1] : QString(); };  // counted from 1
    if (TrimBlanks(field(1)).isEmpty() || !IsStorablePoiName(field(1))) return;
    bool notStored = true;
    db.SearchCoordinate(field(1), notStored);
    if (!notStored) return;
    for (int i = 2; i <= 7; ++i)
        if (field(i).isEmpty()) return;
    const double x = ConvertDegreeEntry(field(2), field(3), field(4));
    const double y = ConvertDegreeEntry(field(5), field(6), field(7));
    db.InsertCoordinate(x, y, field(8), field(1));
    ++stored;
}

}  // namespace

QByteArray PoiCsvText(const PoiList& list) {
    QString text = QString::fromUtf8("地標,經度,,,緯度,,,圖示") + "\r\n";
    for (const PoiRecord& poi : list)
        text += poi.Explanation + "," + AngleFields(poi.X) + "," + AngleFields(poi.Y) + "," + poi.Kind + "\r\n";
    return text.toUtf8();
}

void ImportPoiCsv(const QStringList& lines, clsDBLib& db, int& stored) {
    for (qsizetype n = 0; n < lines.size(); ++n) {
        if (lines[n].isEmpty()) continue;
        try {
            ImportLine(lines[n], db, stored);
        } catch (const std::exception& e) {
            throw StationError(QStringLiteral("Line %1: %2").arg(n + 1).arg(DescriptionOf(e)));
        }
    }
}
