#include "platform/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>

#include "common/StationError.h"
#include "platform/TerminationHold.h"

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

namespace {

// The file a write through path lands on: links followed to their end, so that each link stays a link. A link to
// nothing gives the name it points to, which the write then makes.
QString FinalTarget(const QString& path) {
    QString target = path;
    for (int depth = 0; depth < 40 && QFileInfo(target).isSymLink(); ++depth)
        target = QFileInfo(target).symLinkTarget();
    return target;
}

// Writes bytes to a new file beside target (whose old state is old, when it existed) and renames it over target once
// it is whole on the disk. Gives 0, or the system's error number for a failed write (target untouched, the new file
// removed), or -1 when no new file can take target's place: none can be made in its folder, or the new file could
// not have the old one's owner and group.
int ReplaceBeside(const QString& target, const QByteArray& bytes, const struct stat* old) {
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary = QFile::encodeName(
            target + QStringLiteral(".%1~").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || attempt > 100)) return -1;
    }
    struct stat made {};
    if (old && (::fstat(fd, &made) != 0 || made.st_uid != old->st_uid || made.st_gid != old->st_gid) &&
        ::fchown(fd, old->st_uid, old->st_gid) != 0) {
        ::close(fd);
        ::unlink(temporary.constData());
        return -1;
    }
    int error = WriteAll(fd, bytes);
    if (!error && old && ::fchmod(fd, old->st_mode & 07777) != 0) error = errno;
    if (!error && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (!error && ::rename(temporary.constData(), QFile::encodeName(target).constData()) != 0) error = errno;
    if (error) ::unlink(temporary.constData());
    return error;
}

// Writes bytes over the open file fd, which held size bytes, and cuts it to their length. Room for a longer content
// is taken first, so that a full disk refuses the write before any old byte is overwritten.
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

}  // namespace

void ReplaceFile(const QString& path, const QByteArray& bytes) {
    if (KindOfFile(path) == FileKind::Other) NotRegular(path);
    const QString target = FinalTarget(path);
    const QByteArray name = QFile::encodeName(target);
    const TerminationHold hold;

    // Whether the file may be written is the file's own say, as it would be for a write in place: one its user made
    // read-only is refused, and stays as it was.
    struct stat old {};
    int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno != ENOENT) {
        const int error = errno;
        if (KindOfFile(target) == FileKind::Other) NotRegular(path);
        CannotWrite(path, SystemError(error));
    }
    if (fd >= 0 && (::fstat(fd, &old) != 0 || !S_ISREG(old.st_mode))) {
        ::close(fd);
        NotRegular(path);
    }
    const bool existed = fd >= 0;

    // A file known by other names too is written in place, so that every name keeps showing it.
    int error = existed && old.st_nlink > 1 ? -1 : ReplaceBeside(target, bytes, existed ? &old : nullptr);
    if (error < 0) {
        // No new file can take the old one's place (a folder its user may not add to, say): the file itself is
        // written, every write checked.
        const bool made = !existed;
        if (made) fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NONBLOCK | O_CLOEXEC, 0666);
        if (fd < 0) CannotWrite(path, SystemError(errno));
        error = WriteInPlace(fd, bytes, existed ? old.st_size : 0);
        if (::close(fd) != 0 && !error) error = errno;
        if (error && made) ::unlink(name.constData());
    } else if (existed) {
        ::close(fd);
    }
    if (error) CannotWrite(path, SystemError(error));
}

void OverwriteFile(const QString& path, const QByteArray& bytes) {
    const TerminationHold hold;  // an end requested meanwhile waits, so the file is not left cut short
    const int fd = OpenRegularFileForWriting(path, 0);
    int error = WriteAll(fd, bytes);
    if (!error && ::ftruncate(fd, bytes.size()) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (error) CannotWrite(path, SystemError(error));
}
