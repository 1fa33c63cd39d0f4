#include "platform/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
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

namespace {

[[noreturn]] void CannotWrite(const QString& path, const QString& reason) {
    throw StationError(QStringLiteral("Cannot write %1: %2").arg(path, reason));
}

[[noreturn]] void NotRegular(const QString& path) { CannotWrite(path, QStringLiteral("it is not a regular file")); }

// Every byte or the reason why not. A disk that fills takes part of a write and refuses the next one with the
// error that names the cause ("No space left on device"), so the loop goes on until the system says why.
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

}  // namespace

int OpenRegularFileForWriting(const QString& path, int flags) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC | flags, 0666);
    if (fd < 0) {
        // A FIFO that nobody reads refuses a non-blocking open with ENXIO, which would tell the user nothing.
        const int error = errno;
        if (KindOfFile(path) == FileKind::Other) NotRegular(path);
        throw StationError(QStringLiteral("Cannot open %1: %2").arg(path, SystemError(error)));
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        NotRegular(path);
    }
    return fd;
}

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

void ReplaceFile(const QString& path, const QByteArray& bytes) {
    if (KindOfFile(path) == FileKind::Other) NotRegular(path);
    // A link stays a link: the file it points to is the one replaced.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : path;
    struct stat old {};
    const bool existed = ::stat(QFile::encodeName(target).constData(), &old) == 0;

    // The new content goes to a file of its own beside the old one, made anew (never an existing file), and is
    // renamed over the old one only once it is whole on the disk.
    QString temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary =
            target + QStringLiteral(".%1~").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        fd = ::open(QFile::encodeName(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || attempt > 100)) CannotWrite(path, SystemError(errno));
    }
    int error = WriteAll(fd, bytes);
    if (!error && existed && ::fchmod(fd, old.st_mode & 07777) != 0) error = errno;
    if (!error && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (!error && ::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0)
        error = errno;
    if (error) {
        ::unlink(QFile::encodeName(temporary).constData());
        CannotWrite(path, SystemError(error));
    }
}

void OverwriteFile(const QString& path, const QByteArray& bytes) {
    const int fd = OpenRegularFileForWriting(path, 0);
    int error = WriteAll(fd, bytes);
    if (!error && ::ftruncate(fd, bytes.size()) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (error) CannotWrite(path, SystemError(error));
}
