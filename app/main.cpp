#include <QApplication>

#include "app/gui/modMain.h"
#include "platform/Application.h"

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);  // the map's browser engine asks for it
    QApplication app(argc, argv);
    return Main(Application::Path());
}
