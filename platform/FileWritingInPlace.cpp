#include "platform/FileWritingInPlace.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FileWriting.h"
#include "platform/TerminationHold.h"

int WriteInPlace(int fd, const QByteArray& bytes, off_t size) {
    if (bytes.size() > size) {
        int taken;
        do {
            taken = ::fallocate(fd, 0, 0, off_t(bytes.size()));
        } while (taken != 0 && errno == EINTR);
        if (taken != 0 && errno != EOPNOTSUPP && errno != ENOSYS) {
            const int error = errno;
            [[maybe_unused]] const int cut = ::ftruncate(fd, size);
            return error;
        }
    }
    int error = WriteAll(fd, bytes);
    if (!error && ::ftruncate(fd, off_t(bytes.size())) != 0) error = errno;
    if (!error && ::fsync(fd) != 0) error = errno;
    return error;
}

void OverwriteFile(const QString& path, const QByteArray& bytes) {
    const TerminationHold hold;  // an end requested meanwhile waits, so the file is not left cut short
    const int fd = OpenRegularFileForWriting(path, 0);
    int error = WriteAll(fd, bytes);
    if (!error && ::ftruncate(fd, bytes.size()) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (error) CannotWrite(path, qt_error_string(error));
}
