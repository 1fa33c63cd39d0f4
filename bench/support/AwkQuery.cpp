#include "AwkQuery.h"

#include <QElapsedTimer>
#include <QProcess>

AwkRun RunAwk(const AwkQuery& query, const QString& logPath) {
    const QString program = QStringLiteral("$1 >= lo && $1 <= hi && $7 >= ls && $7 <= hs { n++ } END { print n + 0 }");
    QProcess awk;
    QElapsedTimer clock;
    clock.start();
    awk.start(QStringLiteral("awk"),
              {QStringLiteral("-F|"), "-v", "lo=" + query.LowerTime, "-v", "hi=" + query.UpperTime, "-v",
               "ls=" + query.LowestSpeed, "-v", "hs=" + query.HighestSpeed, program, logPath});
    if (!awk.waitForFinished(-1) || awk.exitCode() != 0) return {};
    AwkRun run;
    run.Seconds = clock.nsecsElapsed() / 1e9;
    run.Matches = awk.readAllStandardOutput().trimmed().toLong();
    return run;
}
