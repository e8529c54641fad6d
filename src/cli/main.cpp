#include <QCoreApplication>
#include <QCommandLineParser>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mousecfg-cli"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Command-line access to the wireless gaming mouse"));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("list | status | apply | frames | export | import"));
    parser.process(app);
    std::fprintf(stderr, "mousecfg-cli: no command given\n");
    return 64;
}
