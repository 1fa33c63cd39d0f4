#pragma once
#include <QByteArray>
#include <QString>

// Reading a file the station takes in one piece (settings, language, page template, POI hand-back and exchange
// files) without ever waiting on something that is not a file.

enum class FileKind { Missing, Regular, Other };

// What is at path, links followed: nothing, a regular file, or something else (a folder, a FIFO, a device).
FileKind KindOfFile(const QString& path);

// The whole content of the regular file at path. Anything else is refused before it is read, so a FIFO or a device
// put where a file is expected cannot hang the station. Throws StationError with the description.
QByteArray ReadRegularFile(const QString& path);
