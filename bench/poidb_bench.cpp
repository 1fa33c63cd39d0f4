// The POI table at its largest: a full listing of 32,767 POIs as the main window and the POI editor load it, and
// one insert as the editor's Save or an import makes it.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "PoiTableFill.h"
#include "poidb/PoiDatabaseFile.h"
#include "poidb/clsDBLib.h"

namespace {

constexpr int FullTable = 32767;

// One database of 32,767 POIs for the whole run, filled in one transaction.
QString FullDatabase() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = PoiDatabasePath(dir.path());
        CreatePoiDatabase(file);
        FillPoiTable(file, FullTable);
        return file;
    }();
    return path;
}

void FullListing(benchmark::State& state) {
    clsDBLib db;
    db.OpenConnection(FullDatabase());
    QString seqNo, kind, name;
    double x = 0, y = 0;
    for (auto _ : state) {
        int rows = 0;
        db.OpenCoordinateRecordset();
        while (db.FetchCoordinateRecord(seqNo, x, y, kind, name).value_or(false)) ++rows;
        db.CloseVehicleRecordset();
        if (rows != FullTable) state.SkipWithError("the listing lost rows");
    }
    state.SetItemsProcessed(state.iterations() * FullTable);
}
BENCHMARK(FullListing)->Unit(benchmark::kMillisecond);

void OneInsert(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = PoiDatabasePath(dir.path());
    CreatePoiDatabase(path);
    clsDBLib db;
    db.OpenConnection(path);
    for (auto _ : state) db.InsertCoordinate(120.684722, 24.106388, "1", "Harbour");
}
BENCHMARK(OneInsert)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
