#include "monitor/MapFileWriter.h"

#include <QFile>

#include "common/StationError.h"
#include "platform/WholeFile.h"

void WriteMapFile(const QString& path, const QString& text) {
    // Overwritten in place and then cut to length. A replace-by-rename, or emptying the file first, makes the file
    // system push the data to the disk at once, which costs more than the whole drawing at a receiver's pace; the
    // files are drawn anew with every position, so a reader that meets one mid-write sees the next drawing soon.
    // A FIFO by that name would take the drawing and block the window once its buffer is full.
    if (KindOfFile(path) == FileKind::Other)
        throw StationError(QStringLiteral("Cannot write %1: it is not a regular file").arg(path));
    QFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::ReadWrite) || file.write(bytes) != bytes.size() || !file.resize(bytes.size())) {
        throw StationError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    }
}
