#pragma once
#include <QDateTime>
#include <QString>
#include <optional>

#include "monitor/TrackRecord.h"

// How the fields of one $GPRMC sentence become the current fix. The sentence is split at every ","; field 2 gives
// the status, 3 and 4 the latitude and its letter, 5 and 6 the longitude and its letter, 7 the speed and 8 the
// course. The time comes from the PC clock, not from the sentence. Each value is taken on its own: a field the
// sentence lacks, or a speed or course that is not a number, leaves the value the fix held before.

struct GprmcIntakeResult {
    // The rounded Lon or Lat differs from what the fix held before the sentence: the caller logs and lists it.
    bool PositionChanged = false;
};

// Applies one framed sentence (a line that begins with "$GPRMC", without its line end) to the fix, timestamping it
// with the given clock reading. Never throws for any content of the sentence.
GprmcIntakeResult ApplyGprmc(FixRecord& fix, const QString& sentence, const QDateTime& now);

// "ddmm.mmmm" to unsigned decimal degrees, read by fixed character positions: degrees from characters 1-2, minutes
// from 3-4, and the first four decimals of the minutes from 6-9 as a whole number; each piece counts only its
// leading digits (none gives 0). Rounded to 5 decimals, a half going to the even digit.
double ConvertLatitude(QStringView field);

// "dddmm.mmmm": as ConvertLatitude with one more degree digit (degrees 1-3, minutes 4-5, decimals 7-10).
double ConvertLongitude(QStringView field);

// A speed or course field: the whole text must be a decimal number with "." as its point, whatever the locale.
// Empty, partly numeric or out-of-range texts give no value.
std::optional<float> ParseNmeaNumber(QStringView field);
