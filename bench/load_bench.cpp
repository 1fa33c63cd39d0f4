// The main window's load step with 10,000 POIs: from a new window to a shown one (the map's browser engine starts
// only with the first map drawn, so it is not in this figure).
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "PoiTableFill.h"
#include "StationBenchmarks.h"
#include "poidb/PoiDatabaseFile.h"
#include "ProgramFolder.h"
#include "monitor/gui/frmTrack.h"
#include "poidb/clsDBLib.h"

namespace {

void LoadStep(benchmark::State& state) {
    static ProgramFolder folder(ProgramFolder::Station);
    static const bool filled = (FillPoiTable(PoiDatabasePath(folder.Path()), 10000), true);
    (void)filled;
    frmTrack::EndProgram = [] {};
    for (auto _ : state) {
        frmTrack window(folder.Path());
        if (!window.Show()) state.SkipWithError("the load step failed");
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.PoiList.UBound());
        state.PauseTiming();
        DBLib().CloseConnection();
        state.ResumeTiming();
    }
}
BENCHMARK(LoadStep)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) { return RunStationBenchmarks(argc, argv); }
