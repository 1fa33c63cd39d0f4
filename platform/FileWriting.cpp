#include "platform/FileWriting.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

#include "common/StationError.h"
#include "platform/FileReading.h"

void CannotWrite(const QString& path, const QString& reason) {
    throw StationError(QStringLiteral("Cannot write %1: %2").arg(path, reason));
}

void NotRegular(const QString& path) { CannotWrite(path, QStringLiteral("it is not a regular file")); }

int WriteAll(int fd, const QByteArray& bytes) {
    for (qsizetype at = 0; at < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + at, size_t(bytes.size() - at));
        if (n > 0) {
            at += n;
        } else if (n < 0 && errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

int OpenRegularFileForWriting(const QString& path, int flags) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC | flags, 0666);
    if (fd < 0) {
        // A FIFO that nobody reads refuses a non-blocking open with ENXIO, which would tell the user nothing.
        const int error = errno;
        if (KindOfFile(path) == FileKind::Other) NotRegular(path);
        throw StationError(QStringLiteral("Cannot open %1: %2").arg(path, qt_error_string(error)));
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        NotRegular(path);
    }
    return fd;
}
