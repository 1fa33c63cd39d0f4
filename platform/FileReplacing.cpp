#include "platform/FileReplacing.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/FileReading.h"
#include "platform/FileWriting.h"
#include "platform/FileWritingInPlace.h"
#include "platform/TerminationHold.h"

namespace {

// The file a write through path lands on, found the way the system finds it: links followed to their end, so that
// each link stays a link, and a link's relative text taken from the folder the link really is in, with that folder's
// own links followed first ("../x" in a linked folder is beside the folder the link points to, not beside the link's
// name). A link to nothing gives the name it points to, which the write then makes.
QByteArray FinalTarget(const QString& path) {
    QByteArray target = QFile::encodeName(path);
    struct stat st {};
    for (int depth = 0; depth < 40 && ::lstat(target.constData(), &st) == 0 && S_ISLNK(st.st_mode); ++depth) {
        char text[PATH_MAX];
        const ssize_t length = ::readlink(target.constData(), text, sizeof text);
        if (length <= 0 || length == ssize_t(sizeof text)) break;  // the write then meets what the system says
        if (text[0] == '/') {
            target = QByteArray(text, length);
            continue;
        }
        const qsizetype slash = target.lastIndexOf('/');
        QByteArray folder = slash < 0 ? "." : slash == 0 ? "/" : target.left(slash);
        // Spelled as written the folder would still lead the system to the same place; its real name keeps the
        // text short however many links are followed.
        if (char* real = ::realpath(folder.constData(), nullptr)) {
            folder = real;
            ::free(real);
        }
        target = folder + (folder.endsWith('/') ? "" : "/") + QByteArray(text, length);
    }
    return target;
}

// Writes bytes to a new file beside target (whose old state is old, when it existed) and renames it over target once
// it is whole on the disk. Gives 0, or the system's error number for a failed write (target untouched, the new file
// removed), or -1 when no new file can take target's place: none can be made in its folder, or the new file could
// not have the old one's owner and group.
int ReplaceBeside(const QByteArray& target, const QByteArray& bytes, const struct stat* old) {
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary =
            target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, '0') + '~';
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
    if (!error && ::rename(temporary.constData(), target.constData()) != 0) error = errno;
    if (error) ::unlink(temporary.constData());
    return error;
}

}  // namespace

void ReplaceFile(const QString& path, const QByteArray& bytes) {
    if (KindOfFile(path) == FileKind::Other) NotRegular(path);
    const QByteArray name = FinalTarget(path);
    const TerminationHold hold;

    // Whether the file may be written is the file's own say, as it would be for a write in place: one its user made
    // read-only is refused, and stays as it was. Root, whom the system lets write it all the same, is refused too, in
    // the words any other user gets.
    struct stat old {};
    int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno != ENOENT) {
        const int error = errno;
        if (KindOfFile(QFile::decodeName(name)) == FileKind::Other) NotRegular(path);
        CannotWrite(path, qt_error_string(error));
    }
    if (fd >= 0 && (::fstat(fd, &old) != 0 || !S_ISREG(old.st_mode))) {
        ::close(fd);
        NotRegular(path);
    }
    if (fd >= 0 && (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        ::close(fd);
        CannotWrite(path, qt_error_string(EACCES));
    }
    const bool existed = fd >= 0;

    // A file known by other names too is written in place, so that every name keeps showing it.
    int error = existed && old.st_nlink > 1 ? -1 : ReplaceBeside(name, bytes, existed ? &old : nullptr);
    if (error < 0) {
        // No new file can take the old one's place (a folder its user may not add to, say): the file itself is
        // written, every write checked.
        const bool made = !existed;
        if (made) fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NONBLOCK | O_CLOEXEC, 0666);
        if (fd < 0) CannotWrite(path, qt_error_string(errno));
        error = WriteInPlace(fd, bytes, existed ? old.st_size : 0);
        if (::close(fd) != 0 && !error) error = errno;
        if (error && made) ::unlink(name.constData());
    } else if (existed) {
        ::close(fd);
    }
    if (error) CannotWrite(path, qt_error_string(error));
}
