#pragma once
#include <QString>
#include <cstdint>

#include "poidb/PoiRecord.h"

// The rules of a POI typed into the editor.

enum class NameCheck { Ok, Empty, TooLong, NotStorable };

// A name (blanks around it already removed) must have 1 to 50 characters, each of which the POI table can take.
NameCheck CheckPoiName(const QString& name);

// The key the update statement selects the amended POI by. The statement takes a 16-bit key, and the table's keys
// keep growing past it; a key it cannot carry throws StationError saying so, rather than selecting another row.
int16_t AmendKey(const QString& seqNo);

// The entry of the reloaded list to show after an insert: the POI that the insert added, the one with the highest
// key among those the list did not hold before (the table gives every new row a higher key than any before it);
// the last entry when there is none.
int NewRecordIndex(const PoiList& before, const PoiList& after);
