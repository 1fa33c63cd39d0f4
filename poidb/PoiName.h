#pragma once
#include <QString>

// Whether the POI table can take a name as it stands. The statements carry the name in their text, and the database
// ends a statement at a NUL character, so it would fail; half of a UTF-16 pair would reach it as "?"; a line break
// would split the POI's line in the marker file and in an exported POI file. Such a name is refused before any
// statement is made, so that a file's line holding one is skipped like any other bad line and the editor can say
// what is wrong.
bool IsStorablePoiName(const QString& name);
