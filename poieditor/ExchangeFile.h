#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "common/TextCodec.h"

// Reading and writing the POI exchange files: plain text, lines ended by CR LF (a CR or an LF alone also ends one).
// Failures throw StationError with the description.

// The lines of a file, each UTF-8, or Big5 where it is not valid UTF-8 (SplitRecordLines). Only a regular file is
// read.
QStringList ReadTextLines(const QString& path);

// Replaces the file at path with text; a failed write (a full disk too) leaves any earlier file of that name as it
// was and no partial file.
void WriteTextFile(const QString& path, const QByteArray& text);
