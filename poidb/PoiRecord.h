#pragma once
#include <QString>

#include "common/SpareList.h"

// One POI as the station holds it in memory.
struct PoiRecord {
    QString SeqNo;        // the table key as text, blanks removed; "" when the column holds no value
    double X = 0;         // longitude, decimal degrees
    double Y = 0;         // latitude, decimal degrees
    QString Kind;         // icon kind "1" to "5"
    QString Explanation;  // the POI's name
};

using PoiList = SpareList<PoiRecord>;
