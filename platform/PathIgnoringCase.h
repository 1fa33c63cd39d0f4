#pragma once
#include <QDir>
#include <QString>
#include <QStringList>

// Files of the program folder that were copied from a desktop whose file names ignore letter case may carry any
// case: "Export", "history-2006-01.log", "Image/MAP8.BMP". The station finds them as that desktop would.

// The entries of folder named name without regard to case, the exact spelling first.
QStringList EntriesIgnoringCase(const QString& folder, const QString& name, QDir::Filters kind);

// The first of them, or "" when there is none. The exact name is looked at alone first, without listing the folder.
QString FindIgnoringCase(const QString& folder, const QString& name, QDir::Filters kind);

// relative ("image/map8.bmp") under folder, each part of it matched without regard to case, the exact spelling
// first; where nothing matches, the path as spelt.
QString PathIgnoringCase(const QString& folder, const QString& relative);
