#include <QCoreApplication>

#include "cli/cli_command.h"
#include "sim/backend_factory.h"
#include "sim/fault_plan.h"
#include "sim/simulated_mouse.h"

namespace mousecfg {

namespace {

const QString kProgram = QStringLiteral("mousecfg-cli");

QCommandLineOption dataDirOption() {
    return QCommandLineOption(QStringLiteral("data-dir"),
                              QStringLiteral("Keep settings and profiles in DIR (default: the program "
                                             "folder, or ~/.local/share/mousecfg for an installed program)."),
                              QStringLiteral("DIR"));
}

QCommandLineOption simulateOption() {
    return QCommandLineOption(QStringLiteral("simulate"),
                              QStringLiteral("Use the simulated mouse instead of HID."));
}

QCommandLineOption versionOption() {
    return QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                              QStringLiteral("Displays version information."));
}

const CliCommand* findCommand(const QString& name) {
    for (const CliCommand& c : cliCommands())
        if (name == QLatin1String(c.name)) return &c;
    return nullptr;
}

QString commandList() {
    QString s = QStringLiteral("\nCommands:\n");
    for (const CliCommand& c : cliCommands())
        s += QStringLiteral("  %1  %2\n").arg(QLatin1String(c.name), -8).arg(QLatin1String(c.summary));
    return s;
}

}  // namespace

TxResult CliContext::openDevice() {
    link->InitDeviceList(paths);
    if (link->EnumerateDevices() != 0) return TxNoDevice;
    link->OpenDevice(link->currentProductName());
    return link->hasCommandHandle() ? TxOk : TxNoDevice;
}

void CliContext::error(const QString& message) const {
    *err << kProgram << ": " << message << '\n';
    err->flush();
}

int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err,
           const CliEnvironment& environment) {
    auto usageError = [&err](const QString& message) {
        err << kProgram << ": " << message << '\n';
        err.flush();
        return kCliUsageError;
    };

    QCommandLineParser main;
    main.setApplicationDescription(QStringLiteral("Command-line access to the wireless gaming mouse."));
    const QCommandLineOption help = main.addHelpOption();
    main.addOption(dataDirOption());
    main.addOption(simulateOption());
    main.addOption(simulateFaultOption());
    main.addOption(versionOption());
    main.addPositionalArgument(QStringLiteral("command"), QStringLiteral("The command to run (see below)."),
                               QStringLiteral("COMMAND [options]"));
    main.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!main.parse(arguments)) return usageError(main.errorText());
    if (main.isSet(help) || main.isSet(QStringLiteral("help-all"))) {
        out << main.helpText() << commandList();
        out.flush();
        return kCliOk;
    }
    if (main.isSet(versionOption())) {
        out << kProgram << ' ' << QStringLiteral(MOUSECFG_VERSION) << '\n';
        out.flush();
        return kCliOk;
    }
    const QStringList positional = main.positionalArguments();
    if (positional.isEmpty()) return usageError(QStringLiteral("no command given (see --help)"));
    const CliCommand* command = findCommand(positional.first());
    if (!command)
        return usageError(QStringLiteral("unknown command '%1' (see --help)").arg(positional.first()));

    // The command's own parser accepts the common options too, so they may follow the command.
    QCommandLineParser sub;
    sub.setApplicationDescription(kProgram + QLatin1Char(' ') + QLatin1String(command->name) +
                                  QStringLiteral(": ") + QLatin1String(command->summary));
    const QCommandLineOption subHelp = sub.addHelpOption();
    const QCommandLineOption dataDir = dataDirOption();
    const QCommandLineOption simulate = simulateOption();
    sub.addOption(dataDir);
    sub.addOption(simulate);
    const QCommandLineOption simulateFault = simulateFaultOption();
    sub.addOption(simulateFault);
    if (command->addOptions) command->addOptions(sub);
    QStringList subArguments = positional.mid(1);
    subArguments.prepend(kProgram + QLatin1Char(' ') + QLatin1String(command->name));
    if (!sub.parse(subArguments)) return usageError(sub.errorText());
    if (sub.isSet(subHelp)) {
        out << sub.helpText();
        if (command->helpTail) out << command->helpTail();
        out.flush();
        return kCliOk;
    }
    if (!command->addOptions && !sub.positionalArguments().isEmpty())
        return usageError(QStringLiteral("unexpected argument '%1'").arg(sub.positionalArguments().first()));

    CliContext context;
    context.simulate = main.isSet(simulateOption()) || sub.isSet(simulate);
    FaultPlan faults;
    if (sub.isSet(simulateFault) || main.isSet(simulateFaultOption())) {
        if (!context.simulate) return usageError(QStringLiteral("--simulate-fault needs --simulate"));
        QString why;
        const std::optional<FaultPlan> plan = FaultPlan::parse(
            sub.isSet(simulateFault) ? sub.value(simulateFault) : main.value(simulateFaultOption()), &why);
        if (!plan) return usageError(QStringLiteral("--simulate-fault: ") + why);
        faults = *plan;
    }
    const QString dir = sub.isSet(dataDir) ? sub.value(dataDir) : main.value(dataDirOption());
    const QString installDir =
        environment.installDir.isEmpty() ? QCoreApplication::applicationDirPath() : environment.installDir;
    context.paths = Paths::forProgram(installDir, dir);

    std::unique_ptr<HidBackend> ownBackend;
    context.backend = environment.backend;
    if (!context.backend) {
        ownBackend = makeBackend(context.simulate, context.paths, faults);
        context.backend = ownBackend.get();
    } else if (auto* sim = dynamic_cast<SimulatedMouse*>(context.backend)) {
        faults.installOn(*sim);
    }
    context.sim = dynamic_cast<SimulatedMouse*>(context.backend);
    // The simulated mouse answers at once: its runs skip the device's pauses.
    SleepPacer sleepPacer;
    InstantPacer instantPacer;
    Pacer* ownPacer = context.simulate ? static_cast<Pacer*>(&instantPacer) : &sleepPacer;
    context.pacer = environment.pacer ? environment.pacer : ownPacer;
    DeviceLink link(*context.backend, *context.pacer);
    context.link = &link;
    context.out = &out;
    context.err = &err;
    context.lockWaitMs = environment.lockWaitMs;

    const int code = command->run(context, sub);
    link.CloseDevice();
    out.flush();
    err.flush();
    return code;
}

}  // namespace mousecfg
