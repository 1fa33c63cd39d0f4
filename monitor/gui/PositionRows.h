#pragma once
#include <QString>

#include "monitor/TrackRecord.h"
#include "platform/gui/ListView.h"

// The rows of the position table DateView: row n + 1 shows TrackList entry n, its key "#n" and its text n + 1, with
// the sub-items Date, CheckPoint, Latitude, LONGITUDE, Direction and SPEED. The live intake makes one row at a
// time; the history query makes tens of thousands, so the columns are looked up and the speed unit is read once
// for a run of rows.
class PositionRows {
public:
    PositionRows(const QString& programFolder, const ListViewModel& table);

    // Reads the speed unit from the language file again, for the rows made from now on.
    void ReadWords();

    ListViewModel::Row Row(const TrackRecord& entry, int n) const;

private:
    enum Column { Date, CheckPoint, Latitude, Longitude, Direction, Speed, Columns };

    QString programFolder_;
    int columns_[Columns];
    int width_ = 1;  // cells in a row: the row's own text and every sub-item's column
    QString unit_;
};
