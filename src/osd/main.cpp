// mousecfg-osd: shows the texts the main program sends when profile, DPI stage or report rate
// change on the mouse. One runs per user; the main program starts it when it is not there.
#include <QApplication>
#include <QCommandLineParser>
#include <QLoggingCategory>
#include <cstring>

#include "osd/osd_popup.h"
#include "osd/osd_server.h"

using namespace mousecfg::osd;

namespace {

void describe(QCommandLineParser& parser) {
    QCoreApplication::setApplicationName(QStringLiteral("mousecfg-osd"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MOUSECFG_VERSION));
    parser.setApplicationDescription(QStringLiteral(
        "On-screen display of mousecfg: shows the profile, DPI stage and report rate that were\n"
        "changed with the mouse's own buttons. mousecfg starts it when needed; a second start\n"
        "while one runs ends at once. It ends itself a minute after the last mousecfg has gone."));
    parser.addHelpOption();
    parser.addVersionOption();
}

bool asksHelpOrVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        for (const char* o : {"-h", "--help", "--help-all", "-?", "-v", "--version"})
            if (std::strcmp(argv[i], o) == 0) return true;
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.*.debug=false"));
    QCommandLineParser parser;
    // Help and version need no display.
    if (asksHelpOrVersion(argc, argv)) {
        QCoreApplication app(argc, argv);
        describe(parser);
        parser.process(app);  // prints and ends the program
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    describe(parser);
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
    QObject::connect(&server, &OsdServer::idle, &app, &QCoreApplication::quit);
    return app.exec();
}
