#pragma once
#include <QString>

// Fills the POI table of a database file with n POIs in one transaction, for benchmarks of a full table.
void FillPoiTable(const QString& databasePath, int n);
