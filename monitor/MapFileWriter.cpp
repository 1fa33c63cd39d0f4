#include "monitor/MapFileWriter.h"

#include <unistd.h>

#include <QFile>

#include "common/StationError.h"
#include "platform/WholeFile.h"

void WriteMapFile(const QString& path, const QString& text) {
    // Overwritten in place and then cut to length. A replace-by-rename, or emptying the file first, makes the file
    // system push the data to the disk at once, which costs more than the whole drawing at a receiver's pace; the
    // files are drawn anew with every position, so a reader that meets one mid-write sees the next drawing soon.
    // A FIFO by that name would take the drawing and block the window once its buffer is full, so it is refused.
    const int fd = OpenRegularFileForWriting(path, 0);
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw StationError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    }
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.resize(bytes.size()) || !file.flush()) {
        throw StationError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    }
}
