#include "platform/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSaveFile>
#include <cerrno>

#include "common/StationError.h"

namespace {
QString SystemError(int error) { return qt_error_string(error); }
}  // namespace

FileKind KindOfFile(const QString& path) {
    struct stat st {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0) return FileKind::Missing;
    return S_ISREG(st.st_mode) ? FileKind::Regular : FileKind::Other;
}

QByteArray ReadRegularFile(const QString& path) {
    // Opened without waiting, so that a FIFO with no writer does not block the open itself.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) throw StationError(QStringLiteral("Cannot open %1: %2").arg(path, SystemError(errno)));
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
            throw StationError(QStringLiteral("Cannot read %1: %2").arg(path, SystemError(error)));
        }
    }
    ::close(fd);
    return bytes;
}

int OpenRegularFileForWriting(const QString& path, int flags) {
    const QString notRegular = QStringLiteral("Cannot write %1: it is not a regular file").arg(path);
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC | flags, 0666);
    if (fd < 0) {
        // A FIFO that nobody reads refuses a non-blocking open with ENXIO, which would tell the user nothing.
        const int error = errno;
        if (KindOfFile(path) == FileKind::Other) throw StationError(notRegular);
        throw StationError(QStringLiteral("Cannot open %1: %2").arg(path, SystemError(error)));
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw StationError(notRegular);
    }
    return fd;
}

void ReplaceFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    const auto fail = [&](const QString& reason) {
        file.cancelWriting();
        throw StationError(QStringLiteral("Cannot write %1: %2").arg(path, reason));
    };
    if (!file.open(QIODevice::WriteOnly)) fail(file.errorString());
    // commit() does not tell of a final flush that failed, so the flush is made and checked here.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError)
        fail(file.errorString());
    if (!file.commit()) throw StationError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}
