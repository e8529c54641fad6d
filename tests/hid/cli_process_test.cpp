#include <gtest/gtest.h>

#include <QProcess>
#include <QTextStream>

#include "cli/cli_command.h"
#include "device/status_answer.h"
#include "mouse_testbed.h"
#include "sim/memory_decoder.h"
#include "storage/app_settings.h"
#include "storage/settings_file.h"
#include "temp_data.h"

using namespace mousecfg;
using test::MouseTestbed;
using Path = MouseTestbed::Path;

namespace {

struct ProgramRun {
    int code = -1;
    QString out, err;
};

// mousecfg-cli as its own process, without --simulate: it inherits umockdev's preload library
// and the testbed from this process, whose umockdev thread answers its hidraw nodes.
ProgramRun runProgram(const test::TempData& data, const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(MOUSECFG_BIN_DIR "/mousecfg-cli"),
            QStringList{QStringLiteral("--data-dir"), data.root()} + args);
    ProgramRun r;
    if (!p.waitForFinished(120000)) {  // a hang fails the test instead of holding up the run
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("mousecfg-cli did not finish");
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QString line(const QString& text, const QString& key) {
    for (const QString& l : text.split(QLatin1Char('\n')))
        if (l.startsWith(key + QLatin1String(": "))) return l.mid(key.size() + 2);
    return QStringLiteral("<missing %1>").arg(key);
}

}  // namespace

TEST(HidCli, ListAndStatusShowWhatTheFirmwareHolds) {
    const QString receiverLine =
        QStringLiteral("  receiver 248a:fa02: mouse collection %1, command collection %1%2");
    const QString cableLine =
        QStringLiteral("  cable 248a:fb01: mouse collection %1, command collection %1%2");
    struct Case {
        const char* name;
        bool receiver, cable;
        Path talksThrough;
    };
    const Case cases[] = {
        {"receiver", true, false, Path::Receiver},
        {"cable", false, true, Path::Cable},
        {"receiver and cable", true, true, Path::Cable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MouseTestbed bed;
        test::TempData data(true);
        if (c.receiver) bed.plug(Path::Receiver);
        if (c.cable) bed.plug(Path::Cable);
        SimulatedMouse& mouse = bed.mouse();
        mouse.setBatteryMillivolts(3880);
        mouse.setCharging(c.cable);
        mouse.changeProfileOnMouse(3);
        mouse.changeDpiStageOnMouse(4);
        mouse.changeRateOnMouse(2);

        const ProgramRun list = runProgram(data, {QStringLiteral("list")});
        ASSERT_EQ(list.code, 0) << list.err.toStdString();
        const QString present = QStringLiteral("present");
        const QString absent = QStringLiteral("absent");
        EXPECT_TRUE(list.out.contains(c.receiver ? receiverLine.arg(present, ", path /dev/hidraw90")
                                                 : receiverLine.arg(absent, QString())))
            << list.out.toStdString();
        EXPECT_TRUE(list.out.contains(c.cable ? cableLine.arg(present, ", path /dev/hidraw92")
                                              : cableLine.arg(absent, QString())))
            << list.out.toStdString();

        const ProgramRun status = runProgram(data, {QStringLiteral("status")});
        ASSERT_EQ(status.code, 0) << status.err.toStdString();
        EXPECT_EQ(line(status.out, QStringLiteral("device")), QStringLiteral("<missing device>"));
        const int mv = batteryMillivolts(mouse.batteryRaw() & 0xFF, mouse.batteryRaw() >> 8);
        EXPECT_EQ(line(status.out, QStringLiteral("battery")),
                  QStringLiteral("%1 % (%2 mV)")
                      .arg(batteryPercent(mv, appsettings::loadBatteryFull(data.paths())))
                      .arg(mv));
        EXPECT_EQ(line(status.out, QStringLiteral("charging")),
                  c.cable ? QStringLiteral("yes") : QStringLiteral("no"));
        EXPECT_EQ(line(status.out, QStringLiteral("profile")), QStringLiteral("4"));
        EXPECT_EQ(line(status.out, QStringLiteral("dpi stage")), QStringLiteral("5"));
        EXPECT_EQ(line(status.out, QStringLiteral("rate")), QStringLiteral("500 Hz"));
        // Listing never writes; the status request went through the path the program prefers.
        EXPECT_EQ(bed.writesTo(c.talksThrough), 1);
        EXPECT_EQ(mouse.frameLog().size(), 1u);
    }
}

TEST(HidCli, ApplyAllWritesEveryFrameThroughHidapi) {
    MouseTestbed bed;
    test::TempData data(true);
    bed.plug(Path::Receiver);
    const ProgramRun r = runProgram(data, {QStringLiteral("apply"), QStringLiteral("--all")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("written: settings dpi buttons+macros lighting\n"));

    // The same command in this process against a simulated mouse of its own, on the same data.
    test::TempData sameData(true);
    SimulatedMouse direct;
    InstantPacer pacer;
    CliEnvironment env;
    env.installDir = QStringLiteral(MOUSECFG_BIN_DIR);
    env.backend = &direct;
    env.pacer = &pacer;
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    ASSERT_EQ(runCli({QStringLiteral("mousecfg-cli"), QStringLiteral("--data-dir"), sameData.root(),
                      QStringLiteral("apply"), QStringLiteral("--all")},
                     outStream, errStream, env),
              0);
    // Every frame arrived, in order and unchanged, and the firmware holds the same memory.
    EXPECT_EQ(bed.mouse().frameLog(), direct.frameLog());
    EXPECT_GT(bed.mouse().frameLog().size(), 20u);
    EXPECT_EQ(bed.writesTo(Path::Receiver), static_cast<int>(bed.mouse().frameLog().size()));
    for (uint8_t section = 1; section <= 5; ++section)
        EXPECT_EQ(bed.mouse().section(section), direct.section(section)) << int(section);
    // And that memory is the saved profile set.
    ConfigState saved;
    loadConfigState(data.paths(), saved);
    const auto global = simdecode::decodeGlobalSettings(bed.mouse().section(0x01));
    for (int i = 0; i < kProfileCount; ++i) {
        EXPECT_EQ(global.pollRate[i], saved.profiles[i].pollrate) << i;
        EXPECT_EQ(global.scrollSpeed[i], saved.profiles[i].scrollspeed) << i;
    }
    EXPECT_EQ(global.profileId, saved.ProfileID);
    EXPECT_TRUE(global.closed);
    EXPECT_EQ(appsettings::loadDiff(data.paths()), 0);
}

TEST(HidCli, AnUnplugInTheMiddleOfApplyFailsAndLeavesAFullWriteDue) {
    MouseTestbed bed;
    test::TempData data(true);
    appsettings::saveDiff(data.paths(), 0);
    bed.plug(Path::Receiver);
    bed.failAfterWrites(Path::Receiver, 25);
    const ProgramRun r = runProgram(data, {QStringLiteral("apply"), QStringLiteral("--all")});
    EXPECT_EQ(r.code, TxWriteError) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QLatin1String("Send data failed"))) << r.err.toStdString();
    EXPECT_EQ(appsettings::loadDiff(data.paths()), 1);
    EXPECT_EQ(bed.writesTo(Path::Receiver), 25);

    bed.unplug(Path::Receiver);
    EXPECT_EQ(runProgram(data, {QStringLiteral("status")}).code, TxNoDevice);
}
