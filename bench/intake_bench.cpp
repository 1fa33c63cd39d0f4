// The intake of changed positions as the receiver delivers them: framing, conversion, the history line, the table
// row and both map files, with 1,000 POIs on the map. The browser's own rendering is not included.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGroupBox>

#include "PoiTableFill.h"
#include "StationBenchmarks.h"
#include "poidb/PoiDatabaseFile.h"
#include "ProgramFolder.h"
#include "monitor/gui/frmTrack.h"

namespace {

QString NmeaChecksummed(const QString& body) {
    quint8 sum = 0;
    for (QChar c : body) sum ^= static_cast<quint8>(c.toLatin1());
    return "$" + body + QString::asprintf("*%02X\r\n", sum);
}

void ChangedPositionIntake(benchmark::State& state) {
    static ProgramFolder folder(ProgramFolder::Station);
    static const bool filled = (FillPoiTable(PoiDatabasePath(folder.Path()), 1000), true);
    (void)filled;
    frmTrack::EndProgram = [] {};
    // Google Benchmark calls this function more than once: one window serves every run.
    static frmTrack& window = *new frmTrack(folder.Path());  // lives to the end of the process
    static const bool shown = window.Show();
    if (!shown) state.SkipWithError("the load step failed");
    window.fraMap->show();

    // A drive north, each sentence a new position, arriving in reads of a few sentences as a port delivers them.
    QStringList sentences;
    for (int i = 0; i < 20000; ++i) {
        const double minutes = 3.0 + i * 0.0007;
        sentences.append(NmeaChecksummed(QString("GPRMC,%1.000,A,25%2,N,12136.0098,E,12.5,%3,100106,,,A")
                                             .arg(100000 + i % 60000)
                                             .arg(minutes, 7, 'f', 4, '0')
                                             .arg(i % 360)));
    }
    qsizetype next = 0;
    for (auto _ : state) {
        // As the receive event does: frame what arrived, then take each complete line in.
        for (const QString& line : window.Framing.Feed(sentences[next % sentences.size()])) window.ProcessGPRMC(line);
        ++next;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ChangedPositionIntake)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) { return RunStationBenchmarks(argc, argv); }
