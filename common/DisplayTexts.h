#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>

// The texts the station shows and writes for its positions: time stamps, coordinates, speeds and headings. Words
// and units come from the language file at every call, so a changed file shows at the next one. Regional settings
// are the default QLocale.

// "yyyy/mm/dd hh:mm:ss" on the 24-hour clock, always with "/" and ":": other code cuts and compares these texts by
// position.
QString FormatTimestamp(const QDateTime& value);

// A time stamp text read back by position and written for the track export: mode 1 gives "dd-MMM-yy hh:mm:ss" with
// the English month JAN to DEC in any locale, any other mode the regional short date-and-time form.
// "" for an empty text or one that gives no date.
QString ConvertTimestamp(const QString& text, int16_t mode);

// prefix, blank, degrees, "° ", two-digit minutes, "' ", two-digit seconds, '"' and a blank; "" unless value > 0.
QString FormatDegrees(const QString& prefix, double value);

// One decimal with regional separators, a trailing zero decimal shown as two blanks, then the unit [Private] "0001".
QString FormatSpeed(const QString& programFolder, float value);

// One of the eight direction words [Private] "0002" (north) to "0009" (north-west).
QString HeadingToDirection(const QString& programFolder, float heading);

// The same with the words already read, for a run of many texts made at one moment (a whole trail, the rows of a
// listing), which would otherwise read the language file for every one.
QString SpeedUnit(const QString& programFolder);
QString FormatSpeed(float value, const QString& unit);
QStringList DirectionWords(const QString& programFolder);  // north first, eight words
QString HeadingToDirection(float heading, const QStringList& words);

// Removes one file; false on any failure, never a message.
bool DeleteFile(const QString& fileName);
