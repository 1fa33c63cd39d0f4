// Drawing on the map page in the real browser engine, from the redraw timer's tick to the page's report that it
// has drawn every point: the whole trail of a full day's query (32,767 positions, 1,000 POIs), and the live
// drawing of one position with the same POIs; beside them, what loading an empty page costs the engine here.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QFile>
#include <QLineEdit>
#include <cstdio>

#include "MonthLog.h"
#include "PoiTableFill.h"
#include "ProgramFolder.h"
#include "StationBenchmarks.h"
#include "monitor/gui/MapBrowser.h"
#include "monitor/gui/frmTrack.h"
#include "platform/gui/BrowserControl.h"
#include "platform/gui/ListView.h"
#include "platform/gui/MessageBox.h"
#include "poidb/PoiDatabaseFile.h"

namespace {

constexpr int Pois = 1000;

// Runs the event loop as the station's own does until done() holds or the time is up. QTest::qWaitFor would sleep
// 10 ms between rounds, and the browser engine, whose browser side works on this thread, would wait out every sleep.
template <typename Done>
bool RunUntil(Done done, int milliseconds) {
    QEventLoop loop;
    QTimer check;
    check.setInterval(1);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    check.start();
    if (!done()) loop.exec();
    return done();
}

// One window for every run: the month's log read by a full day's query, a row in the middle selected.
frmTrack& Window() {
    static ProgramFolder folder(ProgramFolder::Station);
    static frmTrack* window = [] {
        FillPoiTable(PoiDatabasePath(folder.Path()), Pois);
        WriteMonthLog(folder.Path());
        frmTrack::EndProgram = [] {};
        auto* w = new frmTrack(folder.Path());  // lives to the end of the process
        if (!w->Show()) return w;
        w->resize(1200, 900);
        w->dtpFromTime->setDate(MonthLogDay);
        w->cmdGET_Click();
        w->DateView->SelectRow(16000);
        return w;
    }();
    return *window;
}

// The seconds from the tick to the page's report of a drawing of `points` points; -1 when none came.
double TimedTick(frmTrack& window, int points, double& fileSeconds) {
    QElapsedTimer clock;
    clock.start();
    window.Timer3_Timer();
    fileSeconds = clock.nsecsElapsed() / 1e9;  // the tick itself: map files written, page loading
    BrowserControl* browser = window.WBMaps->Browser();
    if (!browser) return -1;
    bool drawn = false;
    const auto connection = QObject::connect(browser, &BrowserControl::PageDrawn, [&](int n) { drawn = n == points; });
    const bool came = RunUntil([&] { return drawn; }, 60000);
    const double seconds = clock.nsecsElapsed() / 1e9;
    QObject::disconnect(connection);
    return came ? seconds : -1;
}

void Drawing(benchmark::State& state, bool wholeTrail) {
    frmTrack& window = Window();
    if (window.DateView->RowCount() != 32767) {
        state.SkipWithError("the query did not list 32,767 positions");
        return;
    }
    window.Check1->setChecked(wholeTrail);
    const int points = (wholeTrail ? 32767 : 1) + Pois;
    double tick = 0, total = 0;
    for (auto _ : state) {
        // Some seconds pass between a user's clicks: the page on show has settled, its tile requests (which fail
        // where there is no internet) are over.
        RunUntil([] { return false; }, 2000);
        double fileSeconds = 0;
        const double seconds = TimedTick(window, points, fileSeconds);
        if (seconds < 0) {
            state.SkipWithError("the page did not report its drawing");
            break;
        }
        state.SetIterationTime(seconds);
        tick += fileSeconds;
        total += seconds;
    }
    const double n = double(state.iterations());
    state.counters["points"] = points;
    state.counters["tick_s"] = tick / n;
    std::printf("%s: drawn %.3f s after the tick (the tick itself %.3f s), %d points\n",
                wholeTrail ? "whole trail" : "live position", total / n, tick / n, points);
}

// What any page costs this browser engine on this machine: from Navigate to the end of loading an empty page.
void EmptyPage(benchmark::State& state) {
    frmTrack& window = Window();
    BrowserControl* browser = window.WBMaps->Browser();
    if (!browser) {
        window.Timer3_Timer();  // the engine starts with the first drawing
        browser = window.WBMaps->Browser();
    }
    const QString path = window.ProgramFolder() + "/carimage/empty.htm";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("<!DOCTYPE html><html><body></body></html>") < 0) {
        state.SkipWithError("the empty page cannot be written");
        return;
    }
    file.close();
    double total = 0;
    for (auto _ : state) {
        RunUntil([] { return false; }, 2000);
        bool loaded = false;
        const auto connection = QObject::connect(browser, &QWebEngineView::loadFinished, [&] { loaded = true; });
        QElapsedTimer clock;
        clock.start();
        browser->Navigate(path);
        const bool came = RunUntil([&] { return loaded; }, 60000);
        QObject::disconnect(connection);
        if (!came) {
            state.SkipWithError("the empty page did not load");
            break;
        }
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        total += clock.nsecsElapsed() / 1e9;
    }
    std::printf("empty page: loaded %.3f s after Navigate\n", total / double(state.iterations()));
}

BENCHMARK(EmptyPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Drawing, WholeTrail, true)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Drawing, LivePosition, false)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) { return RunStationBenchmarks(argc, argv, true); }
