#pragma once
#include <QList>
#include <QString>

// The POIs the map page hands back in poi.txt: one a line, "name,latitude,longitude", decimal degrees with "."; a
// CR LF or a CR alone ends a line, fields after the third are ignored.
struct HandBackPoi {
    QString Name;
    double Lat = 0;
    double Lon = 0;
};

// The usable lines of the file's text (each line UTF-8, or Big5 when it is not valid UTF-8), in file order. Empty
// lines, lines of fewer than three fields, lines without a name or with one the POI table cannot take as it stands,
// and lines whose latitude or longitude is not a finite number are skipped, so one bad line never holds up the rest.
QList<HandBackPoi> ParseHandBackFile(const QByteArray& text);
