#include "platform/HandBackFile.h"

#include <QFile>
#include <QFileInfo>

#include "common/StationError.h"

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
    QFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(bytes) != bytes.size() || !file.flush()) {
        throw StationError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    }
}
