#pragma once
#include <QStringList>

class clsDBLib;

// The waypoint text file of a navigation program. A line holding "WP,D" is a waypoint: fields separated by ",",
// the third the name (up to its first "|"), the fourth the latitude and the fifth the longitude in decimal degrees;
// every other line is ignored. The station only reads such files.

// Stores, row by row as kind "1", the waypoints whose names are not stored yet; waypoints without a name, or with
// one the POI table cannot take as it stands, are skipped. A coordinate that holds no number is stored as 0. A waypoint
// line too short to hold its coordinates, or a database failure, throws StationError naming the line; the POIs stored
// before it stay, and stored counts them either way. At most room POIs are stored, as for the POI CSV file: a
// waypoint beyond them ends the import, which then gives false; true when every line was read.
bool ImportWaypoints(const QStringList& lines, clsDBLib& db, int& stored, int room);
