#include "platform/FileAppending.h"

#include <unistd.h>

#include <cerrno>

int AppendWhole(int fd, const QByteArray& bytes, long long before) {
    ssize_t written;
    do {
        written = ::write(fd, bytes.constData(), size_t(bytes.size()));
    } while (written < 0 && errno == EINTR);
    if (written == bytes.size()) return 0;
    const int error = written < 0 ? errno : ENOSPC;
    if (written > 0 && before >= 0) {
        [[maybe_unused]] const int cut = ::ftruncate(fd, off_t(before));
    }
    return error;
}
