#include "poieditor/DegreeEntry.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

#include "common/Blanks.h"
#include "common/NumberText.h"
#include "common/Numbers.h"
#include "common/StationError.h"

namespace {

double Checked(double value) {
    if (!std::isfinite(value)) throw OverflowError();
    return value;
}

// Rounds to a whole number, a half going away from zero. The tie is decided on the decimal value, so that 0.087
// seconds, which the double arithmetic lands a hair below 14.5 ten-thousandths of a minute, still rounds up.
double RoundHalfAway(double value) {
    const double magnitude = std::fabs(value);
    const double floorPart = std::floor(magnitude);
    const double margin = std::min(1e-12 * std::max(1.0, magnitude) + 1e-12, 1e-5);
    const double rounded = std::fabs(magnitude - floorPart - 0.5) < margin ? floorPart + 1 : std::round(magnitude);
    return std::copysign(rounded, value);
}

// A minutes or degrees box: a number in the regional notation, blanks around it removed.
double RegionalNumber(const QString& text) {
    bool ok = false;
    const double value = QLocale().toDouble(TrimBlanks(text), &ok);
    if (!ok || !std::isfinite(value)) throw StationError(QStringLiteral("Type mismatch"));
    return value;
}

// Each sum is held as its decimal text (15 significant digits) and read back from it. The leading-number parse reads
// no exponent, so a sum whose text takes one (from 1E+15 up, or a remainder as small as 4.44E-16) would come back as
// another coordinate: such an entry is refused.
double ThroughText(double value) {
    const QString text = NumberText(Checked(value));
    if (text.contains(u'E')) throw OverflowError();
    return LeadingNumber(text);
}

}  // namespace

double ConvertDegreeEntry(const QString& degrees, const QString& minutes, const QString& seconds) {
    const double s = LeadingNumber(TrimBlanks(seconds));
    const double tenThousandthsOfMinute = RoundHalfAway(Checked(Checked(s / 0.6) * 100));
    const double m = ThroughText(tenThousandthsOfMinute + Checked(10000 * RegionalNumber(minutes)));
    const double millionthsOfDegree = RoundHalfAway(Checked(m / 0.6));
    const double v = ThroughText(millionthsOfDegree + Checked(1000000 * RegionalNumber(degrees))) / 1000000;
    return RoundHalfEven(v, 6);
}

DegreeParts SplitDegrees(double value) {
    DegreeParts p;
    p.Degrees = std::floor(value) + 0.0;  // + 0.0 turns a -0 into 0
    p.Minutes = std::floor((value - p.Degrees) * 60) + 0.0;
    p.Seconds = RoundHalfEven(((value - p.Degrees) * 60 - p.Minutes) * 60) + 0.0;
    return p;
}

DegreeBoxes DegreeBoxTexts(double value) {
    // Infinity has no degrees to show: it shows as nothing stored would.
    if (!std::isfinite(value)) return {"0", "00", "00"};
    // A negative value shows its whole degrees below it and the minutes and seconds up from there (-73.985 as -74,
    // 00, 54), which is how ConvertDegreeEntry adds the three boxes up again.
    const DegreeParts p = SplitDegrees(value);
    return {QString::number(p.Degrees, 'f', 0), QString::number(p.Minutes, 'f', 0).rightJustified(2, u'0'),
            QString::number(p.Seconds, 'f', 0).rightJustified(2, u'0')};
}

double ConvertDegreeBoxes(const DegreeBoxes& typed, std::optional<double> shown) {
    if (shown && std::isfinite(*shown) && typed == DegreeBoxTexts(*shown)) return *shown;
    return ConvertDegreeEntry(typed.Degrees, typed.Minutes, typed.Seconds);
}
