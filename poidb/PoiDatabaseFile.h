#pragma once
#include <QString>

// The POI database file: "database/POI.mdb" under the program folder, encrypted with the station's password.

inline constexpr char PoiDatabasePassword[] = "7342";

// The POI database file of a program folder.
QString PoiDatabasePath(const QString& programFolder);

// Makes an empty POI database (the table POI, no rows) at path, creating its folder when needed. Never replaces a
// file that is there: that is a StationError, as is any failure of the engine. An interrupted run leaves no file
// at path, so a half-made database is never taken for a good one.
void CreatePoiDatabase(const QString& path);
