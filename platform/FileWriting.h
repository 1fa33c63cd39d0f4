#pragma once
#include <QByteArray>
#include <QString>

// What every write of a file shares: a regular file opened without waiting, every byte written or the reason why
// not, and the failure as the window shows it.

// Opens the regular file at path for writing, creating it when missing; flags add to O_WRONLY (O_APPEND, say).
// Opened without waiting and checked once open, so a FIFO or a device by that name, even one put there a moment
// before, is refused rather than blocking the window. Returns the descriptor; throws StationError with the
// description.
int OpenRegularFileForWriting(const QString& path, int flags);

// Writes every byte to fd, and gives 0 or the system's error number. A disk that fills takes part of a write and
// refuses the next one with the error that names the cause ("No space left on device"), so the loop goes on until
// the system says why.
int WriteAll(int fd, const QByteArray& bytes);

// Throws StationError "Cannot write path: reason".
[[noreturn]] void CannotWrite(const QString& path, const QString& reason);

// Throws the StationError for something at path that is not a regular file.
[[noreturn]] void NotRegular(const QString& path);
