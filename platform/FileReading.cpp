#include "platform/FileReading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

#include "common/StationError.h"

FileKind KindOfFile(const QString& path) {
    struct stat st {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0) return FileKind::Missing;
    return S_ISREG(st.st_mode) ? FileKind::Regular : FileKind::Other;
}

QByteArray ReadRegularFile(const QString& path) {
    // Opened without waiting, so that a FIFO with no writer does not block the open itself.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) throw StationError(QStringLiteral("Cannot open %1: %2").arg(path, qt_error_string(errno)));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw StationError(QStringLiteral("Cannot read %1: it is not a regular file").arg(path));
    }
    QByteArray bytes;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, n);
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            const int error = errno;
            ::close(fd);
            throw StationError(QStringLiteral("Cannot read %1: %2").arg(path, qt_error_string(error)));
        }
    }
    ::close(fd);
    return bytes;
}
