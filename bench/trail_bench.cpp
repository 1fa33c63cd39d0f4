// Drawing on the map page in the real browser engine, from the redraw timer's tick to the page's report that it
// has drawn every point and on to the picture that the view then shows: the whole trail of a full day's query
// (32,767 positions, 1,000 POIs) at the station's zoom level and zoomed out until all of it lies in the view, and
// the live drawing of one position with the same POIs; beside them, what loading an empty page costs the engine here.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
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

// An empty page beside the map page; its path.
QString EmptyPagePath(frmTrack& window) {
    const QString path = window.ProgramFolder() + "/carimage/empty.htm";
    QFile file(path);
    if (!file.exists() && file.open(QIODevice::WriteOnly)) file.write("<!DOCTYPE html><html><body></body></html>");
    return path;
}

// The view on show showing the empty page; false when it did not load.
bool ShowEmptyPage(frmTrack& window) {
    if (!window.WBMaps->Browser()) {
        window.Timer3_Timer();  // the engine starts with the first drawing
        RunUntil([&] { return window.WBMaps->Browser() != nullptr; }, 60000);
    }
    BrowserControl* browser = window.WBMaps->Browser();
    if (!browser) return false;
    bool loaded = false;
    const auto connection = QObject::connect(browser, &QWebEngineView::loadFinished, [&](bool ok) { loaded = ok; });
    browser->Navigate(EmptyPagePath(window));
    const bool came = RunUntil([&] { return loaded; }, 60000);
    QObject::disconnect(connection);
    return came;
}

// The seconds from the tick to the page's report that it has drawn `points` points, and to the picture that the
// user sees: the engine rasterises what the page drew as it makes its frames, which the view shows later still.
// The picture is there at the first look at the view that shows what it then keeps showing for a second (offline,
// no tiles come to change it); an empty page before the tick makes every picture new. Both -1 when no report came.
struct TickTimes {
    double tick = 0;  // the tick itself: map files written, page loading
    double drawn = -1;
    double shown = -1;
};

TickTimes TimedTick(frmTrack& window, int points) {
    TickTimes times;
    QElapsedTimer clock;
    clock.start();
    bool drawn = false;
    const auto connection =
        QObject::connect(window.WBMaps, &MapBrowser::PageDrawn, [&](int n) { drawn = n == points; });
    window.Timer3_Timer();
    times.tick = clock.nsecsElapsed() / 1e9;
    const bool came = RunUntil([&] { return drawn; }, 60000);
    QObject::disconnect(connection);
    if (!came) return times;
    times.drawn = clock.nsecsElapsed() / 1e9;
    BrowserControl* browser = window.WBMaps->Browser();  // the page is drawn behind the one on show, then replaces it

    QImage shown = browser->grab().toImage();
    times.shown = clock.nsecsElapsed() / 1e9;
    double looked = times.shown;
    RunUntil(
        [&] {
            const double now = clock.nsecsElapsed() / 1e9;
            if (now - looked < 0.01) return false;  // the engine's browser side works on this thread too
            const QImage look = browser->grab().toImage();
            looked = clock.nsecsElapsed() / 1e9;
            if (look != shown) {
                shown = look;
                times.shown = now;
            }
            return looked - times.shown > 1;
        },
        60000);
    return times;
}

void Drawing(benchmark::State& state, bool wholeTrail, const char* zoom) {
    frmTrack& window = Window();
    if (window.DateView->RowCount() != 32767) {
        state.SkipWithError("the query did not list 32,767 positions");
        return;
    }
    window.Check1->setChecked(wholeTrail);
    window.lblZoom->setText(zoom);
    const int points = (wholeTrail ? 32767 : 1) + Pois;
    double tick = 0, drawn = 0, shown = 0;
    for (auto _ : state) {
        if (!ShowEmptyPage(window)) {
            state.SkipWithError("the empty page did not load");
            break;
        }
        // Some seconds pass between a user's clicks: the page on show has settled.
        RunUntil([] { return false; }, 2000);
        const TickTimes times = TimedTick(window, points);
        if (times.drawn < 0) {
            state.SkipWithError("the page did not report its drawing");
            break;
        }
        state.SetIterationTime(times.shown);
        tick += times.tick;
        drawn += times.drawn;
        shown += times.shown;
    }
    const double n = double(state.iterations());
    state.counters["points"] = points;
    state.counters["tick_s"] = tick / n;
    state.counters["drawn_s"] = drawn / n;
    std::printf("%s at zoom %s: on screen %.3f s after the tick (drawn %.3f s, the tick itself %.3f s), %d points\n",
                wholeTrail ? "whole trail" : "live position", zoom, shown / n, drawn / n, tick / n, points);
}

// What any page costs this browser engine on this machine: from Navigate to the end of loading an empty page.
void EmptyPage(benchmark::State& state) {
    frmTrack& window = Window();
    double total = 0;
    for (auto _ : state) {
        RunUntil([] { return false; }, 2000);
        QElapsedTimer clock;
        clock.start();
        if (!ShowEmptyPage(window)) {
            state.SkipWithError("the empty page did not load");
            break;
        }
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        total += clock.nsecsElapsed() / 1e9;
    }
    std::printf("empty page: loaded %.3f s after Navigate\n", total / double(state.iterations()));
}

BENCHMARK(EmptyPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Drawing, WholeTrail, true, "15")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Drawing, WholeTrailInView, true, "9")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Drawing, LivePosition, false, "15")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) { return RunStationBenchmarks(argc, argv, true); }
