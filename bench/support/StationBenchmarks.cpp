#include "StationBenchmarks.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>

#include "monitor/gui/MapBrowser.h"
#include "platform/gui/MessageBox.h"

int RunStationBenchmarks(int argc, char** argv, bool browserEngine) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (browserEngine) {
        if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    }
    QApplication app(argc, argv);
    MapBrowser::StartEngine = browserEngine;
    MessageBox::SetHandler([](const MessageBox::Call& call) {
        std::fprintf(stderr, "message: %s\n", qPrintable(call.text));
        return int(MessageBox::Ok);
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
