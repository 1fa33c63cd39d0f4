#pragma once
#include "poidb/PoiRecord.h"

// Reads every POI of the table into a list, in the table's order, through the shared database object: the listing
// the main window and the POI editor both load. The list is emptied only once the listing has opened, and keeps
// the rows read so far when a row fails; failures reach the caller. The count is 16-bit: a 32,768th row throws
// Overflow with 32,767 entries listed.
void ListAllPois(PoiList& list);
