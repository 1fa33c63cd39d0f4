#pragma once
#include <QImage>
#include <QString>

// Loads a picture file (bitmap, GIF, JPEG, PNG). A missing file or one that holds no picture raises StationError
// naming the file.
QImage LoadPicture(const QString& path);
