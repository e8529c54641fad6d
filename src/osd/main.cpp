// mousecfg-osd: shows the texts the main program sends when profile, DPI stage or report rate
// change on the mouse. One runs per user; the main program starts it when it is not there.
#include <QApplication>
#include <QCommandLineParser>
#include <QLoggingCategory>

#include "osd/osd_popup.h"
#include "osd/osd_server.h"

using namespace mousecfg::osd;

int main(int argc, char* argv[]) {
    QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.*.debug=false"));
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mousecfg-osd"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MOUSECFG_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "On-screen display of mousecfg: shows the profile, DPI stage and report rate that were\n"
        "changed with the mouse's own buttons. mousecfg starts it when needed; a second start\n"
        "while one runs ends at once."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);

    OsdServer server;
    switch (server.start()) {
        case OsdServer::Start::Listening:
            break;
        case OsdServer::Start::AlreadyRunning:
            return 0;
        case OsdServer::Start::Failed:
            return 1;
    }
    OsdPopup popup;
    QObject::connect(&server, &OsdServer::messageReceived, &popup, &OsdPopup::showMessage);
    return app.exec();
}
