// mousecfg-cli: the command table, exit codes, one-line errors, list and status output.
#include <gtest/gtest.h>

#include <QProcess>
#include <QSettings>

#include "cli/cli_command.h"
#include "device/status_answer.h"
#include "sim/simulated_mouse.h"
#include "storage/settings_file.h"
#include "temp_data.h"

namespace mousecfg {
namespace {

struct CliRun {
    int code = -1;
    QString out;
    QString err;
};

CliRun run(const QStringList& arguments, HidBackend* backend, const test::TempData& data) {
    CliRun r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    InstantPacer pacer;
    CliEnvironment env;
    env.installDir = data.root();
    env.backend = backend;
    env.pacer = &pacer;
    QStringList args{QStringLiteral("mousecfg-cli"), QStringLiteral("--data-dir"), data.root()};
    args += arguments;
    r.code = runCli(args, out, err, env);
    return r;
}

QString line(const QString& text, const QString& key) {
    for (const QString& l : text.split(QLatin1Char('\n')))
        if (l.startsWith(key + QLatin1String(": "))) return l.mid(key.size() + 2);
    return QStringLiteral("<missing %1>").arg(key);
}

QString expectedBattery(const SimulatedMouse& sim, const test::TempData& data) {
    const int mv = batteryMillivolts(sim.batteryRaw() & 0xFF, sim.batteryRaw() >> 8);
    QSettings s(data.paths().configFile(), QSettings::IniFormat);
    const int full = s.value(QStringLiteral("Config/BatteryFull"), 4200).toInt();
    return QStringLiteral("%1 % (%2 mV)").arg(batteryPercent(mv, full)).arg(mv);
}

TEST(Cli, StatusPrintsWhatTheMouseReports) {
    test::TempData data;
    SimulatedMouse sim;
    sim.setBatteryMillivolts(3840);
    sim.setCharging(true);
    sim.changeProfileOnMouse(3);
    sim.changeDpiStageOnMouse(5);
    sim.changeRateOnMouse(2);
    const CliRun r = run({QStringLiteral("status")}, &sim, data);
    ASSERT_EQ(r.code, kCliOk) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    EXPECT_EQ(line(r.out, QStringLiteral("battery")), expectedBattery(sim, data));
    EXPECT_EQ(line(r.out, QStringLiteral("charging")), QStringLiteral("yes"));
    EXPECT_EQ(line(r.out, QStringLiteral("profile")), QString::number(3 + 1));
    EXPECT_EQ(line(r.out, QStringLiteral("dpi stage")), QString::number(5 + 1));
    EXPECT_EQ(line(r.out, QStringLiteral("rate")), QStringLiteral("500 Hz"));
    EXPECT_FALSE(line(r.out, QStringLiteral("dpi")).startsWith(QLatin1String("<missing")));
    // One request went out, nothing else.
    EXPECT_EQ(sim.frameLog().size(), 1u);
    EXPECT_EQ(static_cast<uint8_t>(sim.frameLog().at(0).at(3)), 0x48);

    sim.setMouseOff(true);
    const CliRun off = run({QStringLiteral("status")}, &sim, data);
    EXPECT_EQ(off.code, kCliOk);
    EXPECT_EQ(line(off.out, QStringLiteral("battery")), QStringLiteral("mouse off"));
}

TEST(Cli, DeviceFailuresGiveTheResultCodeAndOneLine) {
    test::TempData data;
    struct Case {
        const char* name;
        std::function<void(SimulatedMouse&)> setUp;
        int code;
    };
    const std::vector<Case> cases = {
        {"no mouse", [](SimulatedMouse& s) { s.setPresent(SimulatedMouse::Path::Receiver, false); },
         TxNoDevice},
        {"write error", [](SimulatedMouse& s) { s.failWrites(-1); }, TxWriteError},
        {"no answer", [](SimulatedMouse& s) { s.failReads(-1); }, TxNoEcho},
        {"HID unavailable", [](SimulatedMouse& s) { s.setInitFails(true); }, TxNoDevice},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimulatedMouse sim;
        c.setUp(sim);
        const CliRun r = run({QStringLiteral("status")}, &sim, data);
        EXPECT_EQ(r.code, c.code);
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.startsWith(QLatin1String("mousecfg-cli: ")));
    }
}

TEST(Cli, UsageErrorsAndHelp) {
    test::TempData data;
    SimulatedMouse sim;
    const std::vector<QStringList> usage = {
        {},
        {QStringLiteral("frobnicate")},
        {QStringLiteral("--bogus"), QStringLiteral("status")},
        {QStringLiteral("status"), QStringLiteral("--bogus")},
        {QStringLiteral("status"), QStringLiteral("extra")},
        // A fault needs the simulated mouse, a known kind and a frame number from 1.
        {QStringLiteral("--simulate-fault"), QStringLiteral("silent"), QStringLiteral("status")},
        {QStringLiteral("status"), QStringLiteral("--simulate-fault=unplug@2")},
        {QStringLiteral("--simulate"), QStringLiteral("--simulate-fault"), QStringLiteral("sleepy"),
         QStringLiteral("status")},
        {QStringLiteral("--simulate"), QStringLiteral("--simulate-fault"), QStringLiteral("silent@0"),
         QStringLiteral("status")},
        {QStringLiteral("--simulate"), QStringLiteral("status"), QStringLiteral("--simulate-fault"),
         QStringLiteral("no-echo@two")},
        {QStringLiteral("--simulate"), QStringLiteral("--simulate-fault"), QStringLiteral("Silent"),
         QStringLiteral("status")},
    };
    for (const QStringList& a : usage) {
        SCOPED_TRACE(a.join(QLatin1Char(' ')).toStdString());
        const CliRun r = run(a, &sim, data);
        EXPECT_EQ(r.code, kCliUsageError);
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << r.err.toStdString();
    }
    EXPECT_EQ(sim.writeCount(), 0);

    const CliRun help = run({QStringLiteral("--help")}, &sim, data);
    EXPECT_EQ(help.code, kCliOk);
    EXPECT_TRUE(help.out.contains(QLatin1String("--simulate-fault <KIND[@N]>"))) << help.out.toStdString();
    const CliRun version = run({QStringLiteral("--version")}, &sim, data);
    EXPECT_EQ(version.code, kCliOk);
    EXPECT_EQ(version.out, QStringLiteral("mousecfg-cli " MOUSECFG_VERSION "\n"));
    for (const CliCommand& c : cliCommands()) EXPECT_TRUE(help.out.contains(QLatin1String(c.name))) << c.name;
    for (const CliCommand& c : cliCommands()) {
        const CliRun h = run({QLatin1String(c.name), QStringLiteral("--help")}, &sim, data);
        EXPECT_EQ(h.code, kCliOk) << c.name;
        EXPECT_TRUE(h.out.contains(QLatin1String(c.summary))) << c.name;
    }
    EXPECT_EQ(sim.writeCount(), 0);
}

TEST(Cli, ListShowsWhichCollectionsArePresent) {
    test::TempData data;
    {
        QSettings s(data.paths().configFile(), QSettings::IniFormat);
        s.setValue(QStringLiteral("Mouse_List/0"), QStringLiteral("Tarn M1"));
    }
    SimulatedMouse::Options o;
    o.receiver = true;
    o.cable = true;
    SimulatedMouse sim(o);
    sim.setCollectionsListed(SimulatedMouse::Path::Cable, true, false);
    const CliRun r = run({QStringLiteral("list")}, &sim, data);
    ASSERT_EQ(r.code, kCliOk) << r.err.toStdString();
    EXPECT_EQ(line(r.out, QStringLiteral("product")), QStringLiteral("Tarn M1"));
    EXPECT_TRUE(
        r.out.contains(QStringLiteral("receiver 248a:fa02: mouse collection present, command collection "
                                      "present, path ") +
                       QString::fromLatin1(sim.commandPath(SimulatedMouse::Path::Receiver))))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(
        QStringLiteral("cable 248a:fb01: mouse collection present, command collection absent\n")))
        << r.out.toStdString();
    EXPECT_EQ(sim.writeCount(), 0);  // listing never talks to the mouse
}

TEST(Cli, SimulateStatusThroughTheProgram) {
    test::TempData data;
    QProcess p;
    p.start(
        QStringLiteral(MOUSECFG_BIN_DIR "/mousecfg-cli"),
        {QStringLiteral("--simulate"), QStringLiteral("--data-dir"), data.root(), QStringLiteral("status")});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const QString err = QString::fromUtf8(p.readAllStandardError());
    EXPECT_EQ(p.exitCode(), 0) << err.toStdString();
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    // What a freshly powered simulated mouse reports.
    const SimulatedMouse fresh;
    EXPECT_EQ(line(out, QStringLiteral("device")), QStringLiteral("simulated mouse"));
    EXPECT_EQ(line(out, QStringLiteral("battery")), expectedBattery(fresh, data));
    EXPECT_EQ(line(out, QStringLiteral("profile")), QString::number(fresh.activeProfile() + 1));
    EXPECT_EQ(line(out, QStringLiteral("dpi stage")), QString::number(fresh.dpiStage() + 1));
    EXPECT_TRUE(line(out, QStringLiteral("rate")).endsWith(QLatin1String(" Hz"))) << out.toStdString();

    QProcess bad;
    bad.start(QStringLiteral(MOUSECFG_BIN_DIR "/mousecfg-cli"), {QStringLiteral("--simulate")});
    ASSERT_TRUE(bad.waitForFinished(60000));
    EXPECT_EQ(bad.exitCode(), kCliUsageError);
    EXPECT_EQ(QString::fromUtf8(bad.readAllStandardError()).count(QLatin1Char('\n')), 1);
}

// Runs mousecfg-cli --simulate on the data folder; its standard output.
QString simulated(const test::TempData& data, const QStringList& command) {
    QProcess p;
    p.start(QStringLiteral(MOUSECFG_BIN_DIR "/mousecfg-cli"),
            QStringList{QStringLiteral("--simulate"), QStringLiteral("--data-dir"), data.root()} + command);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QStringLiteral("failed: ") + p.readAllStandardError();
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(Cli, TheSimulatedMouseKeepsWhatWasAppliedAcrossRuns) {
    test::TempData data(true);
    ConfigState s;
    loadConfigState(data.paths(), s);
    s.ProfileID = 2;
    s.profiles[2].pollrate = 4;
    s.profiles[2].dpi = 3;
    saveConfigState(data.paths(), s);
    ASSERT_TRUE(simulated(data, {QStringLiteral("apply"), QStringLiteral("--all")})
                    .startsWith(QLatin1String("written")));
    const QString after = simulated(data, {QStringLiteral("status")});
    EXPECT_EQ(line(after, QStringLiteral("profile")), QStringLiteral("3")) << after.toStdString();
    EXPECT_EQ(line(after, QStringLiteral("dpi stage")), QStringLiteral("4"));
    EXPECT_EQ(line(after, QStringLiteral("rate")), QStringLiteral("250 Hz"));
}

// The command line is built on the core only: no widget library is loaded with it.
TEST(Cli, ProgramLoadsNoWidgetLibrary) {
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {QStringLiteral(MOUSECFG_BIN_DIR "/mousecfg-cli")});
    ASSERT_TRUE(ldd.waitForFinished(60000));
    const QString libraries = QString::fromUtf8(ldd.readAllStandardOutput());
    EXPECT_TRUE(libraries.contains(QLatin1String("libQt5Core"))) << libraries.toStdString();
    EXPECT_FALSE(libraries.contains(QLatin1String("libQt5Widgets"))) << libraries.toStdString();
}

}  // namespace
}  // namespace mousecfg
