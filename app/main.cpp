#include <QApplication>
#include <unistd.h>

#include "app/gui/modMain.h"
#include "platform/Application.h"

int main(int argc, char** argv) {
    // The map's browser engine will not start its sandbox for the root user and ends the whole process instead;
    // a station run as root (a kiosk, a test machine) shows the map without that sandbox.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);  // the browser engine asks for it
    QApplication app(argc, argv);
    return Main(Application::Path());
}
