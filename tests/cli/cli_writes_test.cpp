#include "cli/cli_writes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QRegularExpression>
#include <QSettings>
#include <functional>
#include <thread>

#include "cli/cli_command.h"
#include "device/pacer.h"
#include "folder_snapshot.h"
#include "sim/simulated_mouse.h"
#include "storage/app_settings.h"
#include "storage/data_lock.h"
#include "storage/settings_file.h"
#include "temp_data.h"

using namespace mousecfg;

namespace {

// The installed sample data in a temporary folder, the simulated mouse as the device.
struct CliRig {
    CliRig() : data(true) { env.installDir = test::sourceDataDir(), env.backend = &sim, env.pacer = &pacer; }

    int run(QStringList args) {
        outText.clear();
        errText.clear();
        QTextStream out(&outText), err(&errText);
        args.prepend(QStringLiteral("--data-dir"));
        args.insert(1, data.root());
        args.prepend(QStringLiteral("mousecfg-cli"));
        return runCli(args, out, err, env);
    }
    QStringList lines() const { return outText.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
    std::vector<uint8_t> sentCommands() const {
        std::vector<uint8_t> c;
        for (const QByteArray& f : sim.frameLog())
            if (static_cast<uint8_t>(f.at(3)) != 0x48) c.push_back(static_cast<uint8_t>(f.at(3)));
        return c;
    }

    test::TempData data;
    SimulatedMouse sim;
    RecordingPacer pacer;
    CliEnvironment env;
    QString outText, errText;
};

std::vector<uint8_t> bytesOf(const QString& line) {
    std::vector<uint8_t> b;
    for (const QString& h : line.split(QLatin1Char(' ')))
        b.push_back(static_cast<uint8_t>(h.toUInt(nullptr, 16)));
    return b;
}

int countCommand(const QStringList& lines, uint8_t cmd) {
    return static_cast<int>(
        std::count_if(lines.begin(), lines.end(), [cmd](const QString& l) { return bytesOf(l)[3] == cmd; }));
}

}  // namespace

TEST(CliWrites, FramesPrintsEveryFrameInTheContractFormat) {
    CliRig rig;
    const QByteArray configBefore = rig.data.readFile(QStringLiteral("Configs/Config.ini"));
    ASSERT_EQ(rig.run({QStringLiteral("frames")}), 0) << rig.errText.toStdString();
    const QStringList all = rig.lines();
    const QRegularExpression format(QStringLiteral("^[0-9a-f]{2}( [0-9a-f]{2}){32}$"));
    for (const QString& line : all) {
        ASSERT_TRUE(format.match(line).hasMatch()) << line.toStdString();
        const std::vector<uint8_t> b = bytesOf(line);
        EXPECT_EQ(b[0], 0x05);
        EXPECT_EQ(b[2], 0xFA);
        EXPECT_EQ(b[1], static_cast<uint8_t>((b[2] + b[3] + b[4] + b[5] + b[6] + b[7]) & 0xFF) ^ 0x66);
    }
    // Mask 15: enter, settings (2), the active profile's DPI (10) and lighting (5), the button
    // tables (7) of all five profiles with a select (0x44) before each other profile's and one
    // back to the active profile, reloads (5), leave.
    ASSERT_EQ(all.size(), 64);
    const struct {
        uint8_t command;
        int activeOnly, allProfiles;
    } counts[] = {{0x01, 2, 2}, {0x02, 10, 50}, {0x03, 35, 35}, {0x04, 5, 25}, {0x40, 5, 5}, {0x44, 5, 5}};
    for (const auto& c : counts) EXPECT_EQ(countCommand(all, c.command), c.activeOnly) << int(c.command);
    EXPECT_EQ(all.first(), QStringLiteral("05 26 fa 46") + QStringLiteral(" 00").repeated(29));
    ASSERT_EQ(rig.run({QStringLiteral("frames"), QStringLiteral("--all-profiles")}), 0);
    for (const auto& c : counts)
        EXPECT_EQ(countCommand(rig.lines(), c.command), c.allProfiles) << int(c.command);

    // The DPI table alone: behind the select of the active profile.
    ASSERT_EQ(rig.run({QStringLiteral("frames"), QStringLiteral("--mask"), QStringLiteral("2")}), 0);
    EXPECT_EQ(rig.lines().size(), 1 + 1 + 10 + 5 + 1);
    ASSERT_EQ(rig.run({QStringLiteral("frames"), QStringLiteral("--mask"), QStringLiteral("0")}), 0);
    EXPECT_EQ(rig.lines().size(), 2);
    // A dry run touches neither the settings nor the mouse.
    EXPECT_EQ(rig.data.readFile(QStringLiteral("Configs/Config.ini")), configBefore);
    EXPECT_TRUE(rig.sim.frameLog().empty());

    for (const QStringList& bad :
         {QStringList{QStringLiteral("frames"), QStringLiteral("--mask"), QStringLiteral("16")},
          QStringList{QStringLiteral("frames"), QStringLiteral("--mask"), QStringLiteral("x")},
          QStringList{QStringLiteral("frames"), QStringLiteral("--link-mode"), QStringLiteral("-1")},
          QStringList{QStringLiteral("frames"), QStringLiteral("extra")}}) {
        EXPECT_EQ(rig.run(bad), kCliUsageError) << bad.join(' ').toStdString();
        EXPECT_EQ(rig.errText.count(QLatin1Char('\n')), 1);
        EXPECT_TRUE(rig.outText.isEmpty());
    }
}

TEST(CliWrites, FramesFollowTheLinkModeAndTheSavedSettings) {
    CliRig rig;
    const Paths& paths = rig.data.paths();
    QSettings(paths.configFile(), QSettings::IniFormat).setValue(QStringLiteral("MouseSenSor/1"), 3395);
    ConfigState s;
    loadConfigState(paths, s);
    s.profiles[0].dpiStages[0].x = 450;
    s.profiles[0].dpiStages[0].y = 300;
    s.ProfileID = 9;  // damaged: no such profile
    saveConfigState(paths, s);
    auto firstStage = [&rig] {
        for (const QString& l : rig.lines()) {
            const auto b = bytesOf(l);
            if (b[3] == 0x02 && b[4] == 1) return std::vector<uint8_t>(b.begin() + 9, b.begin() + 13);
        }
        return std::vector<uint8_t>{};
    };
    ASSERT_EQ(rig.run({QStringLiteral("frames"), QStringLiteral("--mask"), QStringLiteral("0x3")}), 0);
    EXPECT_EQ(firstStage(), (std::vector<uint8_t>{0xC2, 0x01, 0x2C, 0x01}));
    const auto settings = bytesOf(rig.lines()[1]);
    EXPECT_EQ(settings[3], 0x01);
    EXPECT_EQ(settings[9 + 6], 0);  // the profile sent is one the mouse has
    ASSERT_EQ(rig.run({QStringLiteral("frames"), QStringLiteral("--mask"), QStringLiteral("2"),
                       QStringLiteral("--link-mode"), QStringLiteral("8")}),
              0);
    EXPECT_EQ(firstStage(), (std::vector<uint8_t>{0x8F, 0x01, 0x2C, 0x01}));
}

TEST(CliWrites, ApplyWritesWhatIsDueAndRemembersFailures) {
    CliRig rig;
    const Paths& paths = rig.data.paths();
    appsettings::saveDiff(paths, 0);
    ASSERT_EQ(rig.run({QStringLiteral("apply")}), 0) << rig.errText.toStdString();
    EXPECT_TRUE(rig.sentCommands().empty());
    EXPECT_TRUE(rig.outText.startsWith(QStringLiteral("nothing to write")));

    rig.sim.failWrites(-1);
    EXPECT_EQ(rig.run({QStringLiteral("apply"), QStringLiteral("--all")}), TxWriteError);
    EXPECT_EQ(rig.errText.count(QLatin1Char('\n')), 1);
    EXPECT_EQ(appsettings::loadDiff(paths), 1);

    rig.sim.failWrites(0);
    rig.sim.clearFrameLog();
    ASSERT_EQ(rig.run({QStringLiteral("apply")}), 0) << rig.errText.toStdString();
    const std::vector<uint8_t> c = rig.sentCommands();
    for (uint8_t section : {0x01, 0x02, 0x03, 0x04})
        EXPECT_NE(std::find(c.begin(), c.end(), section), c.end()) << int(section);
    EXPECT_EQ(appsettings::loadDiff(paths), 0);

    // The mouse reports itself off: nothing is sent, the code says so.
    rig.sim.setMouseOff(true);
    rig.sim.clearFrameLog();
    EXPECT_EQ(rig.run({QStringLiteral("apply"), QStringLiteral("--all")}), kCliMouseOff);
    EXPECT_TRUE(rig.sentCommands().empty());

    // No mouse at all.
    rig.sim.setMouseOff(false);
    rig.sim.setPresent(SimulatedMouse::Path::Receiver, false);
    EXPECT_EQ(rig.run({QStringLiteral("apply"), QStringLiteral("--all")}), TxNoDevice);
    EXPECT_EQ(rig.run({QStringLiteral("apply"), QStringLiteral("now")}), kCliUsageError);
}

TEST(CliWrites, ExportAndImportWithTheProductCheck) {
    CliRig rig;
    const Paths& paths = rig.data.paths();
    const QString file = rig.data.path(QStringLiteral("saved.conf"));
    ConfigState original;
    loadConfigState(paths, original);
    ASSERT_EQ(rig.run({QStringLiteral("export"), file}), 0);
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value(QStringLiteral("MouseName/Name")).toString(),
              QStringLiteral("FARROW"));

    ConfigState changed = original;
    changed.LiftHigh = 1;
    changed.profiles[2].dpiStages[3].x = 77;
    saveConfigState(paths, changed);
    rig.sim.clearFrameLog();
    ASSERT_EQ(rig.run({QStringLiteral("--simulate"), QStringLiteral("import"), file}), 0)
        << rig.errText.toStdString();
    ConfigState now;
    loadConfigState(paths, now);
    EXPECT_EQ(now.LiftHigh, original.LiftHigh);
    EXPECT_EQ(now.profiles, original.profiles);
    EXPECT_EQ(now.profileNames, original.profileNames);  // names kept: export files carry none
    const std::vector<uint8_t> c = rig.sentCommands();
    EXPECT_NE(std::find(c.begin(), c.end(), 0x01), c.end());  // LiftHigh went to the mouse
    EXPECT_NE(std::find(c.begin(), c.end(), 0x02), c.end());  // and the stage

    // Another product's file, or no file: refused, nothing changes.
    QSettings(file, QSettings::IniFormat)
        .setValue(QStringLiteral("MouseName/Name"), QStringLiteral("farrow"));
    QSettings(file, QSettings::IniFormat).setValue(QStringLiteral("Config/LiftHigh"), 3);
    const QByteArray before = rig.data.readFile(QStringLiteral("Configs/Config.ini"));
    EXPECT_EQ(rig.run({QStringLiteral("import"), file}), kCliFileRefused);
    EXPECT_EQ(rig.run({QStringLiteral("import"), rig.data.path(QStringLiteral("missing.conf"))}),
              kCliFileRefused);
    EXPECT_EQ(rig.data.readFile(QStringLiteral("Configs/Config.ini")), before);
    EXPECT_EQ(rig.run({QStringLiteral("import")}), kCliUsageError);
    EXPECT_EQ(rig.run({QStringLiteral("export"), file, file}), kCliUsageError);
}

// Files that are not a whole settings set, a folder that cannot be written and a folder another
// program is saving in: exit 65 with one line, nothing sent, no file changed.
TEST(CliWrites, RefusedFilesAndUnwritableFoldersExit65AndChangeNothing) {
    const QByteArray stamp = "[MouseName]\nName=FARROW\n";
    struct Case {
        const char* what;
        std::function<QStringList(CliRig&)> prepare;  // returns the command line
    };
    const Case cases[] = {
        {"a stamp-only import",
         [&](CliRig& r) {
             r.data.writeFile(QStringLiteral("in.conf"), stamp);
             return QStringList{QStringLiteral("import"), r.data.path(QStringLiteral("in.conf"))};
         }},
        {"an exported profile imported as settings",
         [&](CliRig& r) {
             r.data.writeFile(QStringLiteral("in.prof"), stamp + "[PROFILE]\npollrate=1\n");
             return QStringList{QStringLiteral("import"), r.data.path(QStringLiteral("in.prof"))};
         }},
        {"a FIFO imported",
         [](CliRig& r) {
             ::mkfifo(QFile::encodeName(r.data.path(QStringLiteral("pipe.conf"))).constData(), 0600);
             return QStringList{QStringLiteral("import"), r.data.path(QStringLiteral("pipe.conf"))};
         }},
        {"apply with a file where Profile/ should be",
         [](CliRig& r) {
             QDir(r.data.paths().profileDir()).removeRecursively();
             r.data.writeFile(QStringLiteral("Configs/Profile"), "x");
             return QStringList{QStringLiteral("--simulate"), QStringLiteral("apply"),
                                QStringLiteral("--all")};
         }},
        {"export onto a link",
         [](CliRig& r) {
             QFile::link(r.data.path(QStringLiteral("Configs/Config.ini")),
                         r.data.path(QStringLiteral("out.conf")));
             return QStringList{QStringLiteral("export"), r.data.path(QStringLiteral("out.conf"))};
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CliRig rig;
        const QStringList args = c.prepare(rig);
        const auto before = test::dataSnapshot(rig.data);
        EXPECT_EQ(rig.run(args), kCliFileRefused);
        EXPECT_EQ(rig.errText.count(QLatin1Char('\n')), 1) << rig.errText.toStdString();
        EXPECT_TRUE(rig.sentCommands().empty());
        EXPECT_TRUE(test::unchanged(before, test::dataSnapshot(rig.data)));
    }

    // Another program holds the data folder: import, apply, set and use give up after the wait.
    CliRig rig;
    rig.env.lockWaitMs = 0;
    const QString file = rig.data.path(QStringLiteral("saved.conf"));
    ASSERT_EQ(rig.run({QStringLiteral("export"), file}), 0);
    int busyImport = -1, busyApply = -1, busySet = -1, busyUse = -1;
    DataFolderLock held(rig.data.paths());
    rig.sim.clearFrameLog();
    const auto before = test::dataSnapshot(rig.data);
    std::thread([&] {
        busyImport = rig.run({QStringLiteral("import"), file});
        busyApply = rig.run({QStringLiteral("apply"), QStringLiteral("--all")});
        busySet = rig.run({QStringLiteral("set"), QStringLiteral("rate"), QStringLiteral("500")});
        busyUse = rig.run({QStringLiteral("use"), QStringLiteral("Profile 1")});
    }).join();
    EXPECT_EQ(busyImport, kCliFileRefused);
    EXPECT_EQ(busyApply, kCliFileRefused);
    EXPECT_EQ(busySet, kCliFileRefused);
    EXPECT_EQ(busyUse, kCliFileRefused);
    EXPECT_TRUE(test::unchanged(before, test::dataSnapshot(rig.data)));
    EXPECT_TRUE(rig.errText.contains(QStringLiteral("another program is saving")));
    EXPECT_TRUE(rig.sentCommands().empty());
}
