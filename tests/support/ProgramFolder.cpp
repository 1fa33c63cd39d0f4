#include "ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {
void CopyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + "/" + QDir(from).relativeFilePath(src);
        if (QFileInfo(src).isDir()) {
            QDir().mkpath(dst);
        } else if (!QFileInfo(src).isSymLink()) {
            QFile::copy(src, dst);
            QFile(dst).setPermissions(QFile(src).permissions() | QFileDevice::WriteOwner);
        }
    }
}
}  // namespace

ProgramFolder::ProgramFolder(Source source) {
    if (source == Data) {
        CopyTree(SourceDir() + "/data", Path());
    } else if (source == Station) {
        CopyTree(StationDir(), Path());
        // Only what comes with the system: no settings, no receiver links, no history of earlier runs.
        QFile::remove(File("tervane"));
        QFile::remove(File("tervane.ini"));
        for (const char* drawn : {"carimage/markers.txt", "carimage/map.htm", "poi.txt"}) QFile::remove(File(drawn));
        QDir(File("ports")).removeRecursively();
        QDir(File("export")).removeRecursively();
        QDir().mkpath(File("ports"));
    }
}

QByteArray ProgramFolder::Read(const QString& relative) const {
    QFile file(File(relative));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void ProgramFolder::Write(const QString& relative, const QByteArray& bytes) const {
    QDir().mkpath(QFileInfo(File(relative)).path());
    QFile file(File(relative));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}

QString SourceDir() { return QStringLiteral(TERVANE_SOURCE_DIR); }
QString StationDir() { return QStringLiteral(TERVANE_STATION_DIR); }
QString BinDir() { return QStringLiteral(TERVANE_BIN_DIR); }

QString NmeaCaptureFolder() { return SourceDir() + "/tests/data/nmea"; }
