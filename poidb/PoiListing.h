#pragma once
#include "common/Numbers.h"
#include "poidb/PoiRecord.h"

class clsDBLib;

// The POI lists of the main window and the POI editor count with 16 bits: each holds at most this many POIs.
inline constexpr int PoiListLimit = 32767;

// The table holds more POIs than a list can: the list holds the first PoiListLimit. Its description is "Overflow".
class PoiListFull : public OverflowError {};

// Reads every POI of the table into a list, in the table's order, through the shared database object: the listing
// the main window and the POI editor both load. The list is emptied only once the listing has opened, and keeps
// the rows read so far when a row fails; failures reach the caller. A 32,768th row ends the listing and throws
// PoiListFull, with the first 32,767 listed.
void ListAllPois(PoiList& list);

// How many POIs can be added to the table before a list would have to leave some out; 0 when none can.
int PoiListRoom(clsDBLib& db);
