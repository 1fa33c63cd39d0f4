#pragma once
#include <QByteArray>
#include <QString>

// Replaces the file at path with bytes, the file the system opens for path where it is a link. A file its user may
// not write, and one nobody may write (no write permission at all) even for root, is refused with "Permission denied"
// and left as it was. The bytes go to a temporary file beside it, every write and
// the final flush are checked, and only a file written whole is renamed over the old one, which keeps its owner and
// permissions. Where no file can take its place that way (a folder its user may not add to, a file with other names
// too, or one the new file could not keep the owner of), the file is written in place, the room for it taken first.
// On failure (a full disk, a read-only folder, a folder or FIFO by that name) StationError gives the system's reason;
// the old file stays as it was (in place, short of a failing device) and no partial file is left. A request to end
// the program waits for the write.
void ReplaceFile(const QString& path, const QByteArray& bytes);
