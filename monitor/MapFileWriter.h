#pragma once
#include <QString>

// Writes a file of the map folder whole, in UTF-8, replacing what it held. Throws StationError with the description
// on failure.
void WriteMapFile(const QString& path, const QString& text);
