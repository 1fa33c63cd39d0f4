#include "monitor/gui/PositionRows.h"

#include "common/DisplayTexts.h"
#include "monitor/HistoryLog.h"

PositionRows::PositionRows(const QString& programFolder, const ListViewModel& table) : programFolder_(programFolder) {
    const char* keys[Columns] = {"Date", "CheckPoint", "Latitude", "LONGITUDE", "Direction", "SPEED"};
    for (int c = 0; c < Columns; ++c) {
        columns_[c] = table.ColumnOf(keys[c]);
        width_ = std::max(width_, columns_[c] + 1);
    }
    ReadWords();
}

void PositionRows::ReadWords() { unit_ = SpeedUnit(programFolder_); }

ListViewModel::Row PositionRows::Row(const TrackRecord& entry, int n) const {
    ListViewModel::Row row{"#" + QString::number(n), QStringList(width_)};
    row.cells[0] = QString::number(n + 1);
    const auto set = [&](Column c, const QString& text) {
        if (columns_[c] >= 0) row.cells[columns_[c]] = text;  // a table without that column shows nothing of it
    };
    set(Date, entry.Time);
    set(CheckPoint, entry.Status == QLatin1StringView("A") ? QStringLiteral(" Real time position")
                                                           : QStringLiteral(" Last location"));
    set(Latitude, FormatDegrees(entry.NS, entry.Lat));
    set(Longitude, FormatDegrees(entry.EW, entry.Lon));
    set(Direction, SingleText(entry.Heading));
    set(Speed, FormatSpeed(entry.Speed, unit_));
    return row;
}
