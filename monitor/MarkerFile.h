#pragma once
#include <QString>

#include "monitor/TrackRecord.h"
#include "poidb/PoiRecord.h"

// The marker file carimage/markers.txt: one point a line, "lat|lon|icon|html", icon paths relative to carimage with
// "\" between folder and file, lines ended by CR LF. Vehicle or trail lines come first, then every POI.

// Icon prefixes: the vehicle now, the selected position of a trail, every other position of a trail. The first two
// differ only in letter case; both folders exist.
inline const QString VehiclePrefix = QStringLiteral("C-rv\\car");
inline const QString SelectedPrefix = QStringLiteral("C-Rv\\car");
inline const QString TrailPrefix = QStringLiteral("POI\\car");

QString MarkerFilePath(const QString& programFolder);

// One position: signed coordinates, the prefix's icon for its heading, then time, direction word and speed text.
QString PositionLine(const QString& programFolder, const QString& iconPrefix, const TrackRecord& position);

// One POI: its coordinates as stored, the house of its kind, its name.
QString PoiLine(const PoiRecord& poi);

// Every POI's line, each ended by CR LF. The list changes only when it is reloaded, so the live drawing keeps
// this text rather than formatting a thousand POIs for every position.
QString PoiLines(const PoiList& pois);

// The vehicle at the current position, then the POIs.
void WriteVehicleMarkers(const QString& programFolder, const FixRecord& current, const PoiList& pois);
void WriteVehicleMarkers(const QString& programFolder, const FixRecord& current, const QString& poiLines);

// Every position of the trail, the selected one marked, then the POIs. selected may be the spare index (an empty
// trail with the table's placeholder row); outside 0..UBound it throws before the file is touched.
void WriteTrailMarkers(const QString& programFolder, const TrackList& track, int selected, const PoiList& pois);
