#pragma once
#include <QString>

// The value forms that the map page and the marker file share. The page's script parses them, so they never follow
// the user's locale.

// A coordinate as the files carry it: general decimal text, up to 15 significant digits, "." as the decimal point.
QString MapCoordinateText(double value);

// Coordinates are kept unsigned with a hemisphere letter; the map wants them signed. Only "S" and "W" negate.
double SignedLatitude(const QString& NS, double Lat);
double SignedLongitude(const QString& EW, double Lon);

// The heading reduced to one of eight icon directions: "000", "045", ... "315".
QString IconAngle(float Heading);

// The zoom level as the page takes it: the leading number of the zoom caption, written back as number text.
QString ZoomText(const QString& zoomCaption);
