#include "StationBenchmarks.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>

#include "monitor/gui/MapBrowser.h"
#include "platform/gui/MessageBox.h"

int RunStationBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MapBrowser::StartEngine = false;
    MessageBox::SetHandler([](const MessageBox::Call& call) {
        std::fprintf(stderr, "message: %s\n", qPrintable(call.text));
        return int(MessageBox::Ok);
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
