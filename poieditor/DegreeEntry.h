#pragma once
#include <QString>
#include <optional>

// Angles as the POI editor and the POI files take them: degrees, minutes and seconds on the one side, decimal
// degrees on the other.

// Three entry texts to decimal degrees with at most six decimals. The seconds are read by the leading-number parse
// (no number counts as 0); the minutes and degrees must be numbers in the regional notation, else it throws
// StationError "Type mismatch". A result beyond a double, or a sum the conversion's 15-digit decimal text cannot
// carry without an exponent (degrees from 1e9, minutes from 1e11), throws OverflowError. There is no range check: 60
// seconds or minutes add up into the next unit, and a minus sign on the degrees negates the degrees alone.
double ConvertDegreeEntry(const QString& degrees, const QString& minutes, const QString& seconds);

// Whole degrees, whole minutes and rounded seconds of a coordinate. The seconds are not carried, so 60 can occur.
struct DegreeParts {
    double Degrees = 0;
    double Minutes = 0;
    double Seconds = 0;
};
DegreeParts SplitDegrees(double value);

// The three entry boxes of a stored coordinate, the parts of SplitDegrees: degrees without leading zeros ("-" when
// negative), minutes and seconds as two digits; "0", "00", "00" for a value that is no finite number.
struct DegreeBoxes {
    QString Degrees;
    QString Minutes;
    QString Seconds;
    bool operator==(const DegreeBoxes&) const = default;
};
DegreeBoxes DegreeBoxTexts(double value);

// The angle a row of entry boxes holds when saved. When the row began with a stored value (shown) and still holds
// its texts, that value as it is: the boxes hold whole seconds, and converting them back would move the POI by up
// to half a second. Otherwise ConvertDegreeEntry of the three texts.
double ConvertDegreeBoxes(const DegreeBoxes& typed, std::optional<double> shown);
