#pragma once
#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>

// The pictures of the POI editor's toolbar, in the order its buttons name them (1 to 13): new, edit, delete,
// cancel, save, search, first, back, next, last, update, print, exit.
QList<QIcon> ToolPictures();

// The picture of a POI kind ("1" to "5"): the map's own icon of that kind from the program folder, so the editor
// shows what the map will; an empty picture where the icon is missing.
QPixmap KindPicture(const QString& programFolder, int kind);
