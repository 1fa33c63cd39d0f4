// The history query's core alone, without a window: reading a month of history (30 days at 1 Hz, about 2.6
// million records) line by line, parsing every record and filtering it, against awk with the same filter over the
// same file in the same run. Each row gives our time, awk's and their ratio.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "AwkQuery.h"
#include "MonthLog.h"
#include "monitor/HistoryFilter.h"
#include "monitor/HistoryQuery.h"
#include "monitor/HistoryReader.h"

namespace {

const QString& MonthLog() {
    static QTemporaryDir folder;
    static const QString log = WriteMonthLog(folder.path());
    return log;
}

void ReadAndFilter(benchmark::State& state, MonthQuery q) {
    const QString& log = MonthLog();
    if (log.isEmpty()) state.SkipWithError("the month's log cannot be written");
    const HistoryFilter filter = q.Filter();
    const AwkQuery awkQuery = q.ForAwk();

    double ours = 0, awk = 0;
    long matches = 0;
    int listed = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        SpareList<TrackRecord> list;
        HistoryQuery query(filter, list);
        HistoryLineReader reader;
        if (!reader.Open(log)) state.SkipWithError("the month's log cannot be opened");
        QByteArrayView line;
        while (reader.ReadLine(line)) query.Take(line);
        query.Finish();
        const double seconds = clock.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
        ours += seconds;
        listed = query.Count();

        const AwkRun run = RunAwk(awkQuery, log);
        if (run.Matches < 0) state.SkipWithError("awk cannot be run");
        awk += run.Seconds;
        matches = run.Matches;
    }
    const double n = double(state.iterations());
    state.counters["listed"] = listed;
    state.counters["awk_matches"] = double(matches);
    state.counters["ours_s"] = ours / n;
    state.counters["awk_s"] = awk / n;
    state.counters["ratio"] = awk > 0 ? ours / awk : 0;
    std::printf("%s: reader and filter %.3f s, awk %.3f s, ratio %.2f (%d listed, %ld matching lines)\n", q.name,
                ours / n, awk / n, awk > 0 ? ours / awk : 0, listed, matches);
}

BENCHMARK_CAPTURE(ReadAndFilter, FullDay, MonthQuery{"full day", "00:00", "24:00", "0", "999"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(ReadAndFilter, Narrow, MonthQuery{"narrow", "08:00", "09:00", "10", "50"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
