#include "app/app_command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <memory>

namespace mousecfg {

namespace {

const QString kProgram = QStringLiteral("mousecfg");

bool asksHelpOrVersion(const QString& argument) {
    static const QStringList kFlags = {QStringLiteral("-h"), QStringLiteral("--help"),
                                       QStringLiteral("-?"), QStringLiteral("--help-all"),
                                       QStringLiteral("-v"), QStringLiteral("--version")};
    return kFlags.contains(argument);
}

}  // namespace

AppCommandLine AppCommandLine::parse(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    AppCommandLine line;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Configuration tool for the wireless gaming mouse"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays version information."));
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Keep settings and profiles in <dir>."),
                                     QStringLiteral("dir"));
    const QCommandLineOption simulate(QStringLiteral("simulate"),
                                      QStringLiteral("Talk to the built-in simulated mouse."));
    const QCommandLineOption simulateFault = simulateFaultOption();
    for (const QCommandLineOption& o : {version, dataDir, simulate, simulateFault}) parser.addOption(o);

    auto finish = [&line](int code) {
        line.finished = true;
        line.exitCode = code;
        return line;
    };
    auto usageError = [&](const QString& message) {
        err << kProgram << ": " << message << '\n';
        err.flush();
        return finish(kUsageError);
    };
    // Help and version win over an option this parser does not know (Qt's own, before the GUI
    // application has taken them out).
    const bool parsed = parser.parse(arguments);
    const bool helpAll = parser.isSet(QStringLiteral("help-all"));
    if (parser.isSet(help) || helpAll) {
        // The help text names the program from the application object; a core one needs no
        // display. --help-all says the same: Qt's own options belong to the GUI application.
        int argc = 1;
        char name[] = "mousecfg";
        char* argv[] = {name, nullptr};
        std::unique_ptr<QCoreApplication> core;
        if (!QCoreApplication::instance()) core = std::make_unique<QCoreApplication>(argc, argv);
        out << parser.helpText();
        out.flush();
        return finish(0);
    }
    if (parser.isSet(version)) {
        out << kProgram << ' ' << QStringLiteral(MOUSECFG_VERSION) << '\n';
        out.flush();
        return finish(0);
    }
    if (!parsed) return usageError(parser.errorText());
    line.dataDir = parser.value(dataDir);
    line.simulate = parser.isSet(simulate);
    if (parser.isSet(simulateFault)) {
        if (!line.simulate) return usageError(QStringLiteral("--simulate-fault needs --simulate"));
        QString why;
        const std::optional<FaultPlan> plan = FaultPlan::parse(parser.value(simulateFault), &why);
        if (!plan) return usageError(QStringLiteral("--simulate-fault: ") + why);
        line.faults = *plan;
    }
    return line;
}

AppCommandLine AppCommandLine::parse(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return parse(arguments, out, err);
}

AppCommandLine AppCommandLine::earlyExit(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    for (int i = 1; i < arguments.size() && arguments.at(i) != QLatin1String("--"); ++i)
        if (asksHelpOrVersion(arguments.at(i))) return parse(arguments);
    return AppCommandLine();
}

}  // namespace mousecfg
