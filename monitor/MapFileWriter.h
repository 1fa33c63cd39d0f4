#pragma once
#include <QString>

// Writes a file of the map folder whole, in UTF-8. The page's script may read the marker file at any moment, so the
// new text replaces the old one at once: a reader sees the old drawing or the new one, never half of one, and a
// failed drawing leaves the previous file as it was. Throws StationError with the description on failure.
void WriteMapFile(const QString& path, const QString& text);
