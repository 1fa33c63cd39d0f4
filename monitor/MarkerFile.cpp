#include "monitor/MarkerFile.h"

#include "common/DisplayTexts.h"
#include "common/StationError.h"
#include "monitor/MapFileWriter.h"
#include "monitor/MapValues.h"

namespace {
const QString LineEnd = QStringLiteral("\r\n");

QString PositionLine(const QString& iconPrefix, const TrackRecord& position, const QString& direction,
                     const QString& speed) {
    return MapCoordinateText(SignedLatitude(position.NS, position.Lat)) + u'|' +
           MapCoordinateText(SignedLongitude(position.EW, position.Lon)) + u'|' + iconPrefix +
           IconAngle(position.Heading) + QStringLiteral(".gif|") + position.Time + QStringLiteral("<br>Direction:") +
           direction + QStringLiteral("<br>Speed:") + speed;
}

}  // namespace

QString PoiLines(const PoiList& pois) {
    QString text;
    for (const PoiRecord& poi : pois) text += PoiLine(poi) + LineEnd;
    return text;
}

QString MarkerFilePath(const QString& programFolder) { return programFolder + QStringLiteral("/carimage/markers.txt"); }

QString PositionLine(const QString& programFolder, const QString& iconPrefix, const TrackRecord& position) {
    return PositionLine(iconPrefix, position, HeadingToDirection(programFolder, position.Heading),
                        FormatSpeed(programFolder, position.Speed));
}

QString PoiLine(const PoiRecord& poi) {
    return MapCoordinateText(poi.Y) + u'|' + MapCoordinateText(poi.X) + QStringLiteral("|House\\House") + poi.Kind +
           QStringLiteral(".gif|") + poi.Explanation;
}

void WriteVehicleMarkers(const QString& programFolder, const FixRecord& current, const PoiList& pois) {
    WriteVehicleMarkers(programFolder, current, PoiLines(pois));
}

void WriteVehicleMarkers(const QString& programFolder, const FixRecord& current, const QString& poiLines) {
    WriteMapFile(MarkerFilePath(programFolder),
                 PositionLine(programFolder, VehiclePrefix, current.ToTrack()) + LineEnd + poiLines);
}

void WriteTrailMarkers(const QString& programFolder, const TrackList& track, int selected, const PoiList& pois) {
    if (selected < 0 || selected > track.UBound()) throw StationError(QStringLiteral("Subscript out of range"));
    // The words are read once for the whole trail: tens of thousands of lines must not read the language file
    // twice each. The drawing serves no messages, so they are the words of this one moment all the same.
    const QStringList directions = DirectionWords(programFolder);
    const QString unit = SpeedUnit(programFolder);
    QString text;
    text.reserve(qsizetype(track.UBound()) * 96);
    for (int i = 0; i < track.UBound(); ++i) {
        const TrackRecord& position = track[i];
        text += PositionLine(i == selected ? SelectedPrefix : TrailPrefix, position,
                             HeadingToDirection(position.Heading, directions), FormatSpeed(position.Speed, unit));
        text += LineEnd;
    }
    text += PoiLines(pois);
    WriteMapFile(MarkerFilePath(programFolder), text);
}
