#include "monitor/MarkerFile.h"

#include "common/DisplayTexts.h"
#include "common/StationError.h"
#include "monitor/MapFileWriter.h"
#include "monitor/MapValues.h"

namespace {
const QString LineEnd = QStringLiteral("\r\n");

}  // namespace

QString PoiLines(const PoiList& pois) {
    QString text;
    for (const PoiRecord& poi : pois) text += PoiLine(poi) + LineEnd;
    return text;
}

QString MarkerFilePath(const QString& programFolder) { return programFolder + QStringLiteral("/carimage/markers.txt"); }

QString PositionLine(const QString& programFolder, const QString& iconPrefix, const TrackRecord& position) {
    return MapCoordinateText(SignedLatitude(position.NS, position.Lat)) + u'|' +
           MapCoordinateText(SignedLongitude(position.EW, position.Lon)) + u'|' + iconPrefix +
           IconAngle(position.Heading) + QStringLiteral(".gif|") + position.Time + QStringLiteral("<br>Direction:") +
           HeadingToDirection(programFolder, position.Heading) + QStringLiteral("<br>Speed:") +
           FormatSpeed(programFolder, position.Speed);
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
    QString text;
    for (int i = 0; i < track.UBound(); ++i) {
        text += PositionLine(programFolder, i == selected ? SelectedPrefix : TrailPrefix, track[i]) + LineEnd;
    }
    WriteMapFile(MarkerFilePath(programFolder), text + PoiLines(pois));
}
