// Get Records over a month of history (30 days at 1 Hz, about 2.6 million records), from the click to the end of
// the read, in the shown main window without the browser engine; and awk with the same filter over the same file
// in the same run. Each row gives our time, awk's and their ratio. Then Stop pressed while a full day is listed:
// how long after the press the query is over.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "AwkQuery.h"
#include "MonthLog.h"
#include "ProgramFolder.h"
#include "StationBenchmarks.h"
#include "common/Shared.h"
#include "monitor/HistoryFilter.h"
#include "monitor/gui/frmTrack.h"
#include "monitor/gui/frmWaiting.h"
#include "platform/gui/ListView.h"

namespace {

ProgramFolder& Folder() {
    static ProgramFolder folder(ProgramFolder::Station);
    return folder;
}

const QString& MonthLog() {
    static const QString log = WriteMonthLog(Folder().Path());
    return log;
}

// One shown window serves every run.
frmTrack& Window() {
    static frmTrack* window = [] {
        frmTrack::EndProgram = [] {};
        auto* w = new frmTrack(Folder().Path());  // lives to the end of the process
        w->Show();
        w->dtpFromTime->setDate(MonthLogDay);
        return w;
    }();
    return *window;
}

void GetRecords(benchmark::State& state, MonthQuery q) {
    const QString& log = MonthLog();
    if (log.isEmpty()) state.SkipWithError("the month's log cannot be written");
    frmTrack& window = Window();
    if (!window.isVisible()) state.SkipWithError("the load step failed");

    window.Combo1->setCurrentText(QString(q.from).left(2));
    window.Combo2->setCurrentText(QString(q.from).mid(3));
    window.Combo4->setCurrentText(QString(q.to).left(2));
    window.Combo3->setCurrentText(QString(q.to).mid(3));
    window.txtFromSpeed->setText(q.lowSpeed);
    window.txtToSpeed->setText(q.highSpeed);
    const AwkQuery awkQuery = q.ForAwk();

    double ours = 0, awk = 0;
    long matches = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        window.cmdGET_Click();
        const double seconds = clock.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
        ours += seconds;
        QCoreApplication::processEvents();  // the redraw timer's tick, outside the figure

        const AwkRun run = RunAwk(awkQuery, log);
        if (run.Matches < 0) state.SkipWithError("awk cannot be run");
        awk += run.Seconds;
        matches = run.Matches;
    }
    const double n = double(state.iterations());
    state.counters["listed"] = window.DateView->RowCount();
    state.counters["awk_matches"] = double(matches);
    state.counters["ours_s"] = ours / n;
    state.counters["awk_s"] = awk / n;
    state.counters["ratio"] = awk > 0 ? ours / awk : 0;
    std::printf("%s: Get Records %.3f s, awk %.3f s, ratio %.2f (%d listed, awk counts %ld matching lines)\n", q.name,
                ours / n, awk / n, awk > 0 ? ours / awk : 0, window.DateView->RowCount(), matches);
}

// Stop pressed while a full day is listed: the time from the moment the press comes (it waits in the queue until
// the read next serves the messages) to the end of the query.
void StopDuringRead(benchmark::State& state) {
    if (MonthLog().isEmpty()) state.SkipWithError("the month's log cannot be written");
    frmTrack& window = Window();
    window.Combo1->setCurrentText("00");
    window.Combo2->setCurrentText("00");
    window.Combo4->setCurrentText("24");
    window.Combo3->setCurrentText("00");
    window.txtFromSpeed->setText("0");
    window.txtToSpeed->setText("999");
    // The press comes while rows are being listed, when the table and the map's timer are busiest: some
    // milliseconds after the first rows appear, as a first run finds.
    qint64 firstRows = -1;
    {
        QElapsedTimer clock;
        clock.start();
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&] {
            if (firstRows < 0 && window.DateView->RowCount() > 0) firstRows = clock.elapsed();
        });
        look.start(0);
        window.cmdGET_Click();
    }
    const qint64 PressAt = firstRows + 20;
    double worst = 0, total = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        QTimer::singleShot(PressAt, &window, [&window] {
            if (auto* waiting = window.findChild<frmWaiting*>()) waiting->Command1->click();
        });
        window.cmdGET_Click();
        const double seconds = (clock.nsecsElapsed() - PressAt * 1000000) / 1e9;
        state.SetIterationTime(seconds);
        worst = std::max(worst, seconds);
        total += seconds;
        if (KeepRunning != 0 || window.DateView->RowCount() >= 32767) state.SkipWithError("the read was not stopped");
        QCoreApplication::processEvents();
    }
    state.counters["worst_ms"] = worst * 1000;
    std::printf("stop: the query ended %.1f ms after the press on average, %.1f ms at worst\n",
                total / double(state.iterations()) * 1000, worst * 1000);
}

BENCHMARK_CAPTURE(GetRecords, FullDay, MonthQuery{"full day", "00:00", "24:00", "0", "999"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(GetRecords, Narrow, MonthQuery{"narrow", "08:00", "09:00", "10", "50"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(StopDuringRead)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) { return RunStationBenchmarks(argc, argv); }
