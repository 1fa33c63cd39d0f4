#pragma once
#include <QString>

// Callers written for Windows put "\" between folders ("\database\POI.mdb"), while on this system "\" is a character
// that a folder's name may hold ("/tmp/back\slash"). The path on disk that such a text names: each "\" stands for
// itself where a file or folder of that name exists and parts folders where not, the names as written tried first.
// Where no reading names an existing file, the path as far as it exists and the rest with "/" for every "\".
QString PathOnDisk(const QString& written);
