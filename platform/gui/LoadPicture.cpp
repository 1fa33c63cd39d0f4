#include "platform/gui/LoadPicture.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include "common/StationError.h"

QImage LoadPicture(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isFile()) throw StationError("File not found: " + shown);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage picture = reader.read();
    if (picture.isNull()) throw StationError("Invalid picture: " + shown);
    return picture;
}
