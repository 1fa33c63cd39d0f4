#pragma once
#include <QByteArray>
#include <QStringList>

#include "poidb/PoiRecord.h"

class clsDBLib;

// The POI CSV file, meant for a spreadsheet: a header line, then one line per POI of eight fields separated by ","
// with nothing around them: name, longitude degrees, minutes, seconds, latitude degrees, minutes, seconds, kind.
// Lines end with CR LF. A name or kind that holds a comma or a double quote is written in double quotes with each
// quote inside doubled, as spreadsheets write it, and a field quoted whole is read back without its quotes; every
// other field is written and read as it stands.

// The whole file for the POIs of the list, in list order.
QByteArray PoiCsvText(const PoiList& list);

// Stores, row by row, the POIs of the file's lines whose names are not stored yet. Empty lines, lines with an
// empty name or one the POI table cannot take as it stands, and lines lacking any of the six angle fields (the
// header among them) are skipped. A line that cannot be stored (an angle that is no number, a database failure)
// throws StationError naming the line; the POIs stored before it stay, and stored counts them either way. At most
// room POIs are stored (PoiListRoom: the POI lists leave out rows past their limit): a line with a POI beyond them
// ends the import, which then gives false; true when every line was read.
bool ImportPoiCsv(const QStringList& lines, clsDBLib& db, int& stored, int room);
