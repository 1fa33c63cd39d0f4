#pragma once
#include <QString>

// The text without the space characters at its start and end. Only the space counts: tabs and line ends stay, as
// the station's stored names and kinds are trimmed by that rule alone.
QString TrimBlanks(const QString& text);
