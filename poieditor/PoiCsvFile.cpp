#include "poieditor/PoiCsvFile.h"

#include "common/Blanks.h"
#include "common/ErrorText.h"
#include "common/QuotedText.h"
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

// A text field as a spreadsheet writes it: in double quotes when it holds a comma or a quote, else as it is.
QString TextField(const QString& text) {
    return text.contains(u',') || text.contains(u'"') ? InDoubleQuotes(text) : text;
}

// The fields of a line, separated by ",". A field quoted whole (its closing quote followed by "," or the line's end)
// is read without its quotes and may hold commas; any other field runs to the next "," as it stands, so a name that
// merely begins with a quote ("Big" Joe's) or a quote that never closes is read as written.
QStringList Fields(const QString& line) {
    QStringList fields;
    qsizetype i = 0;
    while (true) {
        const auto quoted = ReadQuoted(line, i);
        const bool whole = quoted && (quoted->Next == line.size() || line.at(quoted->Next) == u',');
        qsizetype end = whole ? quoted->Next : line.indexOf(u',', i);
        if (end < 0) end = line.size();
        fields.append(whole ? quoted->Text : line.mid(i, end - i));
        if (end == line.size()) return fields;
        i = end + 1;
    }
}

// False when the line holds a POI to store and no room is left for it; a POI stored takes one of the room.
bool ImportLine(const QString& line, clsDBLib& db, int& stored, int& room) {
    const QStringList f = Fields(line);
    const auto field = [&f](int i) { return i <= f.size() ? f[i - 1] : QString(); };  // counted from 1
    if (TrimBlanks(field(1)).isEmpty() || !IsStorablePoiName(field(1))) return true;
    bool notStored = true;
    db.SearchCoordinate(field(1), notStored);
    if (!notStored) return true;
    for (int i = 2; i <= 7; ++i)
        if (field(i).isEmpty()) return true;
    if (room <= 0) return false;
    const double x = ConvertDegreeEntry(field(2), field(3), field(4));
    const double y = ConvertDegreeEntry(field(5), field(6), field(7));
    db.InsertCoordinate(x, y, field(8), field(1));
    --room;
    ++stored;
    return true;
}

}  // namespace

QByteArray PoiCsvText(const PoiList& list) {
    QString text = QString::fromUtf8("地標,經度,,,緯度,,,圖示") + "\r\n";
    for (const PoiRecord& poi : list)
        text += TextField(poi.Explanation) + "," + AngleFields(poi.X) + "," + AngleFields(poi.Y) + "," +
                TextField(poi.Kind) + "\r\n";
    return text.toUtf8();
}

bool ImportPoiCsv(const QStringList& lines, clsDBLib& db, int& stored, int room) {
    for (qsizetype n = 0; n < lines.size(); ++n) {
        if (lines[n].isEmpty()) continue;
        try {
            if (!ImportLine(lines[n], db, stored, room)) return false;
        } catch (const std::exception& e) {
            throw StationError(QStringLiteral("Line %1: %2").arg(n + 1).arg(DescriptionOf(e)));
        }
    }
    return true;
}
