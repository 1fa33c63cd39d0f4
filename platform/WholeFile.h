#pragma once
#include <QByteArray>
#include <QString>

// Files the station reads or writes in one piece: settings, POI hand-back and exchange files, track exports.

enum class FileKind { Missing, Regular, Other };

// What is at path, links followed: nothing, a regular file, or something else (a folder, a FIFO, a device).
FileKind KindOfFile(const QString& path);

// The whole content of the regular file at path. Anything else is refused before it is read, so a FIFO or a device
// put where a file is expected cannot hang the station. Throws StationError with the description.
QByteArray ReadRegularFile(const QString& path);

// Opens the regular file at path for writing, creating it when missing; flags add to O_WRONLY (O_APPEND, say).
// Opened without waiting and checked once open, so a FIFO or a device by that name, even one put there a moment
// before, is refused rather than blocking the window. Returns the descriptor; throws StationError with the
// description.
int OpenRegularFileForWriting(const QString& path, int flags);

// Appends bytes to the open file fd, which held before bytes, in one write. When they do not all go out (a full
// disk), the file is cut back to before, so no part of them stays to run into what is written next. Gives 0, or
// the system's error number.
int AppendWhole(int fd, const QByteArray& bytes, long long before);

// Replaces the file at path with bytes, the file a link points to where path is a link. A file its user may not
// write (made read-only) is refused and left as it was. The bytes go to a temporary file beside it, every write and
// the final flush are checked, and only a file written whole is renamed over the old one, which keeps its owner and
// permissions. Where no file can take its place that way (a folder its user may not add to, a file with other names
// too, or one the new file could not keep the owner of), the file is written in place, the room for it taken first.
// On failure (a full disk, a read-only folder, a folder or FIFO by that name) StationError gives the system's reason;
// the old file stays as it was (in place, short of a failing device) and no partial file is left. A request to end
// the program waits for the write.
void ReplaceFile(const QString& path, const QByteArray& bytes);

// Writes bytes over the regular file at path (made when missing) in place and cuts it to their length: cheaper than
// a replace for files drawn anew all the time, at the price of a reader meeting a file mid-write. Anything but a
// regular file is refused without waiting; StationError gives the system's reason for a failed write.
void OverwriteFile(const QString& path, const QByteArray& bytes);
