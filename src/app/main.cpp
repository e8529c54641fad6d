#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QWidget>

#include "platform/single_instance.h"
#include "storage/paths.h"
#include "storage/product_descriptor.h"

using namespace mousecfg;

int main(int argc, char* argv[]) {
    // Qt's own high-DPI scaling stays off: the main window scales its geometry itself from the
    // screen's logical DPI. Said before the application object exists, so Qt neither warns nor
    // lets QT_AUTO_SCREEN_SCALE_FACTOR scale the window a second time.
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, true);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mousecfg"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Configuration tool for the wireless gaming mouse"));
    parser.addHelpOption();
    QCommandLineOption dataDirOption(QStringLiteral("data-dir"),
                                     QStringLiteral("Keep settings and profiles in <dir>."),
                                     QStringLiteral("dir"));
    QCommandLineOption simulateOption(QStringLiteral("simulate"),
                                      QStringLiteral("Talk to the built-in simulated mouse."));
    parser.addOption(dataDirOption);
    parser.addOption(simulateOption);
    parser.process(app);

    const Paths paths = Paths::forProgram(QCoreApplication::applicationDirPath(),
                                          parser.value(dataDirOption));
    const QString productName = loadProductName(paths);

    SingleInstance instance(productName);
    if (!instance.tryAcquire()) {
        QCoreApplication::exit(1);
        return 1;
    }

    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.resize(1000, 640);
    window.setWindowOpacity(1.0);
    window.show();
    window.setWindowIcon(QIcon(QStringLiteral("./skin/icon.ico")));
    window.setWindowTitle(productName);
    return app.exec();
}
