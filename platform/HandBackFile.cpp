#include "platform/HandBackFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <cerrno>

#include "common/StationError.h"
#include "platform/WholeFile.h"

namespace {
const QString FileName = QStringLiteral("poi.txt");

QString RealFolder(const QString& programFolder) { return QFileInfo(programFolder).canonicalFilePath(); }
}  // namespace

QString HandBackFilePath(const QString& programFolder) {
    QString folder = RealFolder(programFolder);
    if (folder.isEmpty()) folder = QFileInfo(programFolder).absoluteFilePath();
    return folder + u'/' + FileName;
}

bool IsHandBackFile(const QString& programFolder, const QString& path) {
    const QFileInfo given(path);
    if (path.isEmpty() || !given.isAbsolute() || given.fileName() != FileName) return false;
    const QString folder = RealFolder(programFolder);
    if (folder.isEmpty() || QFileInfo(given.absolutePath()).canonicalFilePath() != folder) return false;
    if (given.exists() || given.isSymLink()) return given.canonicalFilePath() == folder + u'/' + FileName;
    return true;
}

void AppendToHandBackFile(const QString& programFolder, const QString& path, const QString& text) {
    if (!IsHandBackFile(programFolder, path)) {
        throw StationError(
            QStringLiteral("Refused: %1 is not the POI hand-back file %2").arg(path, HandBackFilePath(programFolder)));
    }
    // The page calls this on the window thread: a FIFO by the file's name must be refused, not waited on.
    const int fd = OpenRegularFileForWriting(path, O_APPEND);
    const QByteArray bytes = text.toUtf8();
    struct stat st {};
    const off_t before = ::fstat(fd, &st) == 0 ? st.st_size : -1;
    // Half a line would run into the next POI marked; the import reads whole lines only.
    if (const int error = AppendWhole(fd, bytes, before)) {
        ::close(fd);
        throw StationError(QStringLiteral("Cannot write %1: %2").arg(path, qt_error_string(error)));
    }
    ::close(fd);
}

int WaitingHandBacks(const QString& programFolder) {
    const QString path = HandBackFilePath(programFolder);
    if (KindOfFile(path) != FileKind::Regular) return 0;
    try {
        int lines = 0;
        for (const QByteArray& line : ReadRegularFile(path).split('\n'))
            if (!line.trimmed().isEmpty()) ++lines;
        return lines;
    } catch (const StationError&) {
        return 0;
    }
}
