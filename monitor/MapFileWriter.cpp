#include "monitor/MapFileWriter.h"

#include <QSaveFile>

#include "common/StationError.h"

void WriteMapFile(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw StationError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    }
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        throw StationError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    }
}
