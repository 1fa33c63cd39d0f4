// The main window's load step with 10,000 POIs: from a new window to a shown one (the map's browser engine starts
// only with the first map drawn, so it is not in this figure).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "BenchStation.h"
#include "ProgramFolder.h"
#include "monitor/gui/MapBrowser.h"
#include "monitor/gui/frmTrack.h"
#include "platform/gui/MessageBox.h"
#include "poidb/clsDBLib.h"

namespace {

void LoadStep(benchmark::State& state) {
    static ProgramFolder folder(ProgramFolder::Station);
    static const bool filled = (FillPoiTable(folder.Path(), 10000), true);
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

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MapBrowser::StartEngine = false;
    // A benchmark has nobody to answer a message box: print it and go on.
    MessageBox::SetHandler([](const MessageBox::Call& call) {
        fprintf(stderr, "message: %s\n", qPrintable(call.text));
        return int(MessageBox::Ok);
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
