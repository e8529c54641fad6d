// The baseline of bench/startup.sh: an empty Qt Widgets window of the main window's size, started
// the same way (no Qt scaling), reporting its first paint like the program does.
#include <QApplication>
#include <QWidget>

#include "app/startup_probe.h"

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, true);
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.resize(999, 640);
    mousecfg::installStartupProbe(&window);
    window.show();
    return app.exec();
}
