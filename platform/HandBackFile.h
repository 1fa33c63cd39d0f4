#pragma once
#include <QString>

// The POI hand-back file poi.txt of the program folder: the map page adds the POIs that the user marks, the main
// window imports and deletes it. The page is a web page, so what it may write is held to this one file.

// The file's full path as the page is given it: the program folder's real path, the platform's folder separator,
// "poi.txt".
QString HandBackFilePath(const QString& programFolder);

// True when path names the hand-back file of the program folder once links and "." or ".." are resolved; a poi.txt
// that is itself a link elsewhere does not count.
bool IsHandBackFile(const QString& programFolder, const QString& path);

// Adds text (UTF-8) at the end of the hand-back file, which the import deletes after each reading: POIs marked
// between two imports all arrive. Any other path is refused, and so is anything but a regular file at this one (a
// FIFO would hold the window until someone read it). Throws StationError with the description.
void AppendToHandBackFile(const QString& programFolder, const QString& path, const QString& text);

// The lines of the hand-back file that hold something: POIs marked and not imported yet. 0 without a regular file.
int WaitingHandBacks(const QString& programFolder);
