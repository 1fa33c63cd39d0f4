#pragma once
#include <sys/types.h>

#include <QByteArray>
#include <QString>

// Writing a file over its old content, where it is: no second file is made beside it.

// Writes bytes over the open file fd, which held size bytes, and cuts it to their length. Room for a longer content
// is taken first, so that a full disk refuses the write before any old byte is overwritten. Gives 0, or the
// system's error number.
int WriteInPlace(int fd, const QByteArray& bytes, off_t size);

// Writes bytes over the regular file at path (made when missing) in place and cuts it to their length: cheaper than
// a replace for files drawn anew all the time, at the price of a reader meeting a file mid-write. Anything but a
// regular file is refused without waiting; StationError gives the system's reason for a failed write.
void OverwriteFile(const QString& path, const QByteArray& bytes);
