#pragma once
#include <QString>

// Fills the POI table of a program folder with n POIs in one transaction, for benchmarks of a loaded station.
void FillPoiTable(const QString& programFolder, int n);
