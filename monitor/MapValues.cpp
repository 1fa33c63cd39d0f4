#include "monitor/MapValues.h"

#include <cmath>

#include "common/NumberText.h"
#include "common/Numbers.h"

QString MapCoordinateText(double value) {
    // A negated zero ("S" at the equator) would read "-0"; the map takes it either way, the file should not differ.
    if (value == 0) value = 0;
    return NumberText(value);
}

double SignedLatitude(const QString& NS, double Lat) { return NS == QLatin1String("S") ? -Lat : Lat; }

double SignedLongitude(const QString& EW, double Lon) { return EW == QLatin1String("W") ? -Lon : Lon; }

QString IconAngle(float Heading) {
    // Single precision and halves to even, as the direction word beside the icon rounds, so icon and word agree.
    const float q = Heading / 45.0f;
    const double r = std::nearbyint(q);
    if (!std::isfinite(r)) return QStringLiteral("000");
    // Kept in 0..7 even for a negative heading, so every line names an icon that exists.
    double m = std::fmod(r, 8.0);
    if (m < 0) m += 8.0;
    return QStringLiteral("%1").arg(static_cast<int>(m) * 45, 3, 10, QLatin1Char('0'));
}

QString ZoomText(const QString& zoomCaption) { return NumberText(LeadingNumber(zoomCaption)); }
