#include "app/session/window_session.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>

#include "device/apply_worker.h"
#include "device/command_frame.h"
#include "device/dpi_scale.h"
#include "device/sensor_encoding.h"
#include "osd/osd_record.h"
#include "session_rig.h"
#include "sim/memory_decoder.h"
#include "storage/app_settings.h"
#include "storage/profile_files.h"
#include "storage/save_batch.h"
#include "storage/settings_file.h"

using namespace mousecfg;
using test::ScriptedDialogs;
using test::SessionRig;

namespace {

constexpr auto kCable = SimulatedMouse::Path::Cable;

QStringList texts(const QSignalSpy& spy) {
    QStringList out;
    for (const QList<QVariant>& args : spy) out << args.at(0).toString();
    return out;
}

BatteryState lastBattery(const QSignalSpy& spy) {
    return spy.isEmpty() ? BatteryState{} : spy.last().at(0).value<BatteryState>();
}

TEST(WindowSession, StartLoadsBothSetsStartsTheStatusThreadOnceAndAsksForTheWindow) {
    SessionRig rig;
    rig.data.writeFile(QStringLiteral("Configs/Profile/DefaultProfile.prof"), "damaged");
    rig.setConfig(QStringLiteral("Config/Battery"), 55);
    ConfigState expected;
    loadConfigState(rig.paths, expected);
    WindowSession session(rig.services);
    QSignalSpy battery(&session, &WindowSession::batteryChanged);
    QSignalSpy shown(&session, &WindowSession::showRequested);
    QSignalSpy slot(&session, &WindowSession::currentSlotChanged);
    session.start();

    // Stored set from the files; working set the same but for the host's pointer speed.
    EXPECT_TRUE(session.stored() == expected);
    ConfigState working = session.working();
    EXPECT_EQ(currentProfile(working).mousespeed, 7);
    currentProfile(working).mousespeed = currentProfile(expected).mousespeed;
    EXPECT_TRUE(working == expected);
    ASSERT_EQ(slot.count(), 1);
    EXPECT_EQ(slot.at(0).at(0).toInt(), currentProfileIndex(expected));
    // The factory profile file waits for writeFactoryProfile() (after the window's first frame).
    EXPECT_EQ(rig.data.readFile(QStringLiteral("Configs/Profile/DefaultProfile.prof")), "damaged");

    // Start values (0, 1, 1) until the first report: level 10 on the receiver, shown only; the
    // settings keep the last level the mouse reported.
    const BatteryState start = lastBattery(battery);
    EXPECT_FALSE(start.mouseOff);
    EXPECT_FALSE(start.cable);
    EXPECT_EQ(start.level, 10);
    EXPECT_EQ(rig.config(QStringLiteral("Config/Battery")).toInt(), 55);
    EXPECT_EQ(session.connectionState(), WindowSession::ReceiverOnly);
    EXPECT_TRUE(rig.hotplug.started);

    // One status thread, started once: one status request once it has made its first pass.
    ASSERT_TRUE(rig.linkPacer.step());
    EXPECT_EQ(rig.statusRequests(), 1);

    EXPECT_EQ(rig.scheduler.delays(), std::vector<int>{200});
    EXPECT_EQ(shown.count(), 0);
    rig.scheduler.runPending();
    EXPECT_EQ(shown.count(), 1);
}

TEST(WindowSession, StatusReportsMoveSlotStageAndRateAndDamagedOnesChangeNothing) {
    SessionRig rig;
    WindowSession& s = rig.startSession();
    QSignalSpy osd(&s, &WindowSession::osdText);
    QSignalSpy stages(&s, &WindowSession::stageReported);
    QSignalSpy rates(&s, &WindowSession::rateReported);
    s.working().profiles[2].mousespeed = 4;
    const uint8_t stage0 = s.working().profiles[2].dpi;
    const uint8_t rate0 = s.working().profiles[2].pollrate;
    const uint8_t stage = stage0 == 3 ? 2 : 3;
    // The DPI page edits x and y and leaves the linked code behind: the text follows x and y.
    DpiStage& edited = s.working().profiles[2].dpiStages[stage];
    edited.x = edited.y = 20;
    edited.xy = 40;
    s.stored().profiles[2].dpiStages[stage] = edited;
    const int dpi = dpiscale::dpiOfLevel(20, appsettings::loadSensorId(rig.paths));
    ASSERT_NE(dpi, dpiscale::dpiOfLevel(40, appsettings::loadSensorId(rig.paths)));
    struct Case {
        quint8 profile, stage, rate;
        int slot, wantStage, wantRate;
        QString osd;  // empty: nothing shown
    };
    const Case cases[] = {
        {2, stage0, rate0, 2, stage0, rate0, QStringLiteral("Profile 3")},
        {2, stage, rate0, 2, stage, rate0, QStringLiteral("DPI %1:%2").arg(stage + 1).arg(dpi)},
        {2, stage, 8, 2, stage, 8, QStringLiteral("125 HZ")},
        {2, stage, 4, 2, stage, 4, QStringLiteral("250 HZ")},
        {2, stage, 1, 2, stage, 1, QStringLiteral("1000 HZ")},
        {2, stage, 2, 2, stage, 2, QStringLiteral("500 HZ")},
        // A damaged report: no such slot, no such stage.
        {kProfileCount, stage, 2, 2, stage, 2, QString()},
        {2, kDpiStageSlots, 2, 2, stage, 2, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.profile) << "/" << int(c.stage) << "/" << int(c.rate));
        osd.clear();
        s.onStatusReport(c.profile, c.stage, c.rate, 0);
        EXPECT_EQ(s.currentSlot(), c.slot);
        EXPECT_EQ(s.currentRecord().dpi, c.wantStage);
        EXPECT_EQ(s.currentRecord().pollrate, c.wantRate);
        EXPECT_EQ(texts(osd), c.osd.isEmpty() ? QStringList() : QStringList{c.osd});
    }
    // What the mouse reported it already holds: the stored set agrees, nothing is due for a write.
    EXPECT_EQ(s.stored().ProfileID, 2);
    EXPECT_EQ(computeChangeMask(s.working(), s.stored(), rig.paths), change::kNone);
    s.settle();  // the saves ran on the storage queue
    EXPECT_EQ(rig.config(QStringLiteral("Config/ProfileID")).toInt(), 2);
    QSettings file(currentProfileFile(rig.paths, s.working().profileNames[2]), QSettings::IniFormat);
    EXPECT_EQ(file.value(QStringLiteral("PROFILE/dpi")).toInt(), stage);
    ASSERT_EQ(stages.count(), 1);
    EXPECT_EQ(stages.at(0).at(0).toInt(), stage);
    EXPECT_EQ(rates.count(), 4);
    EXPECT_EQ(rig.speed.applied, std::vector<int>{4}) << "the reported slot's pointer speed";
    EXPECT_TRUE(rig.mouse.framesWithCommand(command::kSelectProfile).empty()) << "the mouse is not told back";
}

TEST(WindowSession, ReportsFromTheMouseArriveThroughTheStatusThreadAndOnTheDisplay) {
    SessionRig rig;
    rig.setConfig(QStringLiteral("Config/GColorID"), 6);  // orange
    WindowSession& s = rig.startSession();
    rig.mouse.changeProfileOnMouse(2);
    EXPECT_TRUE(rig.statusUntil([&] { return s.currentSlot() == 2; }));
    // The new profile's stage and rate on the mouse may differ from the file's: they follow it.
    ASSERT_FALSE(rig.osd.endpoint->messages.empty());
    EXPECT_EQ(rig.osd.endpoint->texts().first(), QStringLiteral("Profile 3"));
    rig.osd.endpoint->messages.clear();
    const uint8_t stage = s.currentRecord().dpi == 1 ? 2 : 1;
    rig.mouse.changeDpiStageOnMouse(stage);
    EXPECT_TRUE(rig.statusUntil([&] { return s.currentRecord().dpi == stage; }));
    const uint8_t rate = s.currentRecord().pollrate == 2 ? 8 : 2;
    rig.mouse.changeRateOnMouse(rate);
    EXPECT_TRUE(rig.statusUntil([&] { return s.currentRecord().pollrate == rate; }));

    // The on-screen display got each change, in the theme colour.
    const DpiStage& st = s.currentRecord().dpiStages[stage];
    const int dpi = dpiscale::dpiOfLevel(st.xy, appsettings::loadSensorId(rig.paths));
    EXPECT_EQ(rig.osd.endpoint->texts(),
              (QStringList{QStringLiteral("DPI %1:%2").arg(stage + 1).arg(dpi),
                           rate == 2 ? QStringLiteral("500 HZ") : QStringLiteral("125 HZ")}));
    for (const osd::OsdMessage& m : rig.osd.endpoint->messages) {
        EXPECT_EQ(QColor(m.red, m.green, m.blue), QColor(255, 125, 0));
        EXPECT_EQ(m.durationMs, 1500);
        EXPECT_EQ(m.textSize, 60);
        EXPECT_EQ(m.fontFamily, QStringLiteral("Arial"));
    }
    // Switched off in Config.ini: the pages still follow, the display stays dark.
    rig.setConfig(QStringLiteral("Config/OSD"), 0);
    rig.mouse.changeRateOnMouse(1);
    EXPECT_TRUE(rig.statusUntil([&] { return s.currentRecord().pollrate == 1; }));
    EXPECT_EQ(rig.osd.endpoint->messages.size(), 2u);

    // The mouse switched off answers the next status request with zeros, and the thread says so.
    QSignalSpy battery(&s, &WindowSession::batteryChanged);
    rig.mouse.setMouseOff(true);
    rig.status.start();
    EXPECT_TRUE(rig.statusUntil([&] { return s.mouseOff(); }));
    EXPECT_TRUE(lastBattery(battery).mouseOff);
    rig.mouse.setMouseOff(false);
    rig.status.start();
    EXPECT_TRUE(rig.statusUntil([&] { return !s.mouseOff(); }));
}

TEST(WindowSession, BatteryReportsGiveLevelsChargingAndTheCable) {
    SessionRig rig;
    rig.setConfig(QStringLiteral("Config/BatteryFull"), 4126);
    WindowSession& s = rig.startSession();
    QSignalSpy battery(&s, &WindowSession::batteryChanged);
    struct Case {
        quint8 charge, lo, hi;
        bool off, charging;
        int level;
        int saved;  // Config/Battery afterwards
    };
    const Case cases[] = {
        {0, 0, 0, true, false, 0, 0},             // off: nothing else changes
        {1, 0xE8, 0x03, false, true, 90, 90},     // 4125 mV
        {0, 0xE9, 0x03, false, false, 100, 100},  // 4129 mV: from the full threshold on
        {0, 1, 1, false, false, 10, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.charge) << "," << int(c.lo) << "," << int(c.hi));
        s.onBatteryReport(c.charge, c.lo, c.hi);
        const BatteryState b = lastBattery(battery);
        EXPECT_EQ(b.mouseOff, c.off);
        EXPECT_EQ(s.mouseOff(), c.off);
        EXPECT_EQ(b.charging, c.charging);
        if (!c.off) {
            EXPECT_EQ(b.level, c.level);
        }
        EXPECT_FALSE(b.cable);
        s.settle();
        EXPECT_EQ(rig.config(QStringLiteral("Config/Battery")).toInt(), c.saved);
    }
    // A cable: the state says so (a full gauge), the level itself is still the reading's.
    rig.plug(kCable, true);
    EXPECT_EQ(s.connectionState(), WindowSession::CableAndReceiver);
    s.onBatteryReport(0, 0xE8, 0x03);
    EXPECT_TRUE(lastBattery(battery).cable);
    EXPECT_EQ(lastBattery(battery).level, 90);
    // A write-status report of 0 makes the next write a full one.
    rig.setConfig(QStringLiteral("Config/Diff"), 0);
    s.onWriteStatus(1);
    s.settle();
    EXPECT_EQ(appsettings::loadDiff(rig.paths), 0);
    s.onWriteStatus(0);
    s.settle();
    EXPECT_EQ(appsettings::loadDiff(rig.paths), 1);
}

TEST(WindowSession, BatteryAlertsComeFromReportsOnlyAndFollowTheThreshold) {
    // Readings: 774 -> 3192 mV (10 %), 700 -> 2887 mV (critical), 970 -> 4001 mV (80 %).
    struct Report {
        quint8 charge, lo, hi;
    };
    const Report low{0, 0x06, 0x03}, critical{0, 0xBC, 0x02}, charged{0, 0xCA, 0x03}, charging{1, 0xCA, 0x03};
    struct Case {
        const char* name;
        QVariant threshold;  // Config/BatteryAlert; invalid: missing
        bool cable;
        std::vector<Report> reports;
        QStringList alerts;
    };
    const std::vector<Case> cases = {
        {"default threshold",
         QVariant(),
         false,
         {low, low, critical},
         {QStringLiteral("low 10"), QStringLiteral("critical 10")}},
        {"told again after charging",
         QVariant(),
         false,
         {low, charging, charged, low},
         {QStringLiteral("low 10"), QStringLiteral("low 10")}},
        {"switched off", 0, false, {low, critical}, {}},
        {"a higher threshold", 90, false, {charged}, {QStringLiteral("low 80")}},
        {"on the cable it charges", QVariant(), true, {low, critical}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SessionRig rig;
        if (c.threshold.isValid()) rig.setConfig(QStringLiteral("Config/BatteryAlert"), c.threshold);
        WindowSession& s = rig.startSession();
        QStringList alerts;
        QObject::connect(&s, &WindowSession::batteryLow,
                         [&](int level) { alerts << QStringLiteral("low %1").arg(level); });
        QObject::connect(&s, &WindowSession::batteryCritical,
                         [&](int level) { alerts << QStringLiteral("critical %1").arg(level); });
        // The gauge's start values (a reading of 1060 mV) alarmed nobody.
        if (c.cable) rig.plug(kCable, true);
        for (const Report& r : c.reports) s.onBatteryReport(r.charge, r.lo, r.hi);
        EXPECT_EQ(alerts, c.alerts);
    }
}

TEST(WindowSession, ChoosingASlotSwitchesTheMouseAndAppliesThatSlotsPointerSpeed) {
    SessionRig rig;
    WindowSession& s = rig.startSession();
    QSignalSpy slot(&s, &WindowSession::currentSlotChanged);
    QSignalSpy record(&s, &WindowSession::recordChanged);
    QSignalSpy wanted(&s, &WindowSession::pageCopiesWanted);
    const uint8_t storedSlot = s.stored().ProfileID;
    s.working().profiles[3].mousespeed = 17;
    rig.mouse.clearFrameLog();
    s.chooseSlot(3);
    EXPECT_EQ(wanted.count(), 1);  // the pages' copies of the slot left went back first
    EXPECT_EQ(s.currentSlot(), 3);
    // Only the working set: the next Apply stores the slot in the mouse's settings.
    EXPECT_EQ(s.stored().ProfileID, storedSlot);
    s.settle();
    EXPECT_EQ(appsettings::loadProfileId(rig.paths), 3);
    // The switch: select, reload, every section reloaded, and the mouse has the slot in effect.
    const std::vector<QByteArray> frames = rig.mouse.frameLog();
    ASSERT_EQ(frames.size(), 7u);
    EXPECT_EQ(uint8_t(frames[0].at(frame_byte::kCommand - 1)), command::kSelectProfile);
    EXPECT_EQ(frames[0].at(4), 3);
    for (size_t i = 1; i < frames.size(); ++i)
        EXPECT_EQ(uint8_t(frames[i].at(frame_byte::kCommand - 1)), command::kReload) << i;
    EXPECT_EQ(rig.mouse.activeProfile(), 3);
    EXPECT_EQ(rig.speed.applied, std::vector<int>{17});
    EXPECT_EQ(slot.count(), 1);
    EXPECT_EQ(record.count(), 1);
    s.chooseSlot(5);  // no such slot
    s.chooseSlot(-1);
    EXPECT_EQ(s.currentSlot(), 3);
    EXPECT_EQ(rig.mouse.frameLog().size(), 7u);
}

TEST(WindowSession, ReportsDeviceChangesAndTimersDuringAWriteWaitUntilItIsOver) {
    SessionRig rig;
    WindowSession& s = rig.startSession();
    rig.scheduler.runPending();
    QSignalSpy shown(&s, &WindowSession::showRequested);
    QSignalSpy battery(&s, &WindowSession::batteryChanged);
    rig.mouse.setCharging(true);  // what the status thread reports after the write says so too
    const int slot = s.currentSlot();
    const uint8_t speed = s.currentRecord().scrollspeed == 9 ? 4 : 9;
    s.currentRecord().scrollspeed = speed;
    const uint8_t stage = s.currentRecord().dpi;
    const uint8_t rate = s.currentRecord().pollrate;

    // The write thread is held at its first frame until the GUI thread has looked around.
    QSemaphore reached, release;
    QThread* gui = QThread::currentThread();
    rig.backend.setBeforeWrite([&](const uint8_t* frame) {
        if (QThread::currentThread() == gui || frame[3] == command::kStatusRequest) return;
        reached.release();
        release.acquire();
    });
    bool looked = false;
    QTimer::singleShot(0, [&] {
        // However this ends, the write thread is let go, so a failure cannot hang the test.
        const auto letGo = qScopeGuard([&] {
            rig.backend.setBeforeWrite(nullptr);
            release.release(1000);
        });
        ASSERT_TRUE(reached.tryAcquire(1, 60000));
        looked = true;
        EXPECT_TRUE(s.writing());
        battery.clear();
        s.onStatusReport(3, stage, rate, 0);
        s.onBatteryReport(1, 0xE8, 0x03);
        s.onWriteStatus(0);
        s.warningDue();
        rig.plug(kCable, true);
        EXPECT_EQ(s.currentSlot(), slot);
        EXPECT_FALSE(rig.link.deviceList().front().paths[DeviceEntry::kCable].connected());
        EXPECT_EQ(shown.count(), 0);
        EXPECT_EQ(battery.count(), 0);
    });
    rig.backend.clear();
    EXPECT_EQ(s.runWriteFlow(false), TxOk);
    EXPECT_TRUE(looked);
    EXPECT_FALSE(s.writing());

    EXPECT_EQ(rig.backend.writesFrom(gui), 0) << "no frame from the GUI thread";
    const auto g = simdecode::decodeGlobalSettings(rig.mouse.section(command::kGlobalSettings));
    EXPECT_EQ(g.scrollSpeed[static_cast<size_t>(slot)], speed);
    EXPECT_TRUE(rig.mouse.framesWithCommand(command::kButtonTable).empty()) << "only the changed part";
    EXPECT_TRUE(s.stored() == s.working());
    // Afterwards, in order: the cable (a new interface: the next write is a full one), then the
    // reports; the window's timer is armed again.
    EXPECT_TRUE(rig.link.deviceList().front().paths[DeviceEntry::kCable].connected());
    EXPECT_EQ(s.connectionState(), WindowSession::CableAndReceiver);
    EXPECT_EQ(appsettings::loadDiff(rig.paths), 1);
    EXPECT_EQ(s.currentSlot(), 3);
    ASSERT_FALSE(battery.isEmpty());
    EXPECT_TRUE(lastBattery(battery).charging) << "the battery reported during the write";
    EXPECT_EQ(rig.scheduler.delays(), std::vector<int>{200});
    rig.scheduler.runPending();
    EXPECT_EQ(shown.count(), 1);
}

TEST(WindowSession, FailedAndMouseOffWritesAreAnnouncedAndTheNextWriteIsWhole) {
    SessionRig rig;
    WindowSession& s = rig.startSession();
    // No report of the running status thread may arrive in between.
    rig.status.stop();
    QCoreApplication::processEvents();
    QSignalSpy messages(&s, &WindowSession::applyMessage);
    const int slot = s.currentSlot();

    // The mouse reported itself off: the settings are saved, nothing is sent.
    s.onBatteryReport(0, 0, 0);
    s.currentRecord().scrollspeed = 13;
    rig.mouse.clearFrameLog();
    EXPECT_EQ(s.runWriteFlow(false), kApplyMouseOff);
    EXPECT_TRUE(rig.writeFrames().empty());
    MouseProfile saved;
    loadProfileFile(rig.paths, saved, s.working().profileNames[static_cast<size_t>(slot)]);
    EXPECT_EQ(saved.scrollspeed, 13);

    // A write without echoes fails and is remembered; the next one writes every part.
    s.onBatteryReport(0, 0xE8, 0x03);
    s.currentRecord().scrollspeed = 11;
    rig.mouse.injectEchoFault(SimulatedMouse::EchoFault::Drop, -1);
    EXPECT_NE(s.runWriteFlow(false), TxOk);
    EXPECT_EQ(appsettings::loadDiff(rig.paths), 1);
    EXPECT_TRUE(s.stored() == s.working());
    rig.mouse.injectEchoFault(SimulatedMouse::EchoFault::None, 0);
    rig.mouse.clearFrameLog();
    EXPECT_EQ(s.runWriteFlow(false), TxOk);
    for (uint8_t section :
         {command::kGlobalSettings, command::kDpiTable, command::kButtonTable, command::kLightingTable})
        EXPECT_FALSE(rig.mouse.framesWithCommand(section).empty()) << int(section);
    EXPECT_EQ(appsettings::loadDiff(rig.paths), 0);
    EXPECT_EQ(texts(messages), (QStringList{QStringLiteral("Mouse is sleeping or not connected."),
                                            QStringLiteral("Send data failed, please try again.")}));
}

TEST(WindowSession, TheWriteEncodesForTheSensorThatIsCurrentNow) {
    SessionRig rig;
    WindowSession& s = rig.startSession();
    // The writer was made with the shipped sensor; the settings name another one since.
    const DpiStage stage0 = s.currentRecord().dpiStages[0];
    const uint8_t mode = rig.link.linkMode();
    ASSERT_FALSE(sensor::encodeDpiCode(3389, stage0.x, mode) == sensor::encodeDpiCode(3327, stage0.x, mode));
    rig.setConfig(QStringLiteral("MouseSenSor/1"), 3389);
    EXPECT_EQ(s.runWriteFlow(true), TxOk);
    const simdecode::DpiTable dpi = simdecode::decodeDpiTable(rig.mouse.section(command::kDpiTable));
    const sensor::DpiBytes want = sensor::encodeDpiCode(3389, stage0.x, rig.link.linkMode());
    EXPECT_EQ(dpi.stages[0].xLow, want.low);
    EXPECT_EQ(dpi.stages[0].xRange, want.range);
}

TEST(WindowSession, ASuccessfulApplySetsThePointerSpeedAndAFailedSaveKeepsTheEdits) {
    SessionRig rig;
    WindowSession& s = rig.startSession();
    rig.status.stop();
    QCoreApplication::processEvents();
    QSignalSpy messages(&s, &WindowSession::applyMessage);
    rig.speed.applied.clear();
    s.currentRecord().mousespeed = 15;
    EXPECT_EQ(s.runWriteFlow(false), TxOk);
    EXPECT_EQ(rig.speed.applied, std::vector<int>{15});

    // The settings file cannot be replaced: nothing is sent, the user is told, the edit stays.
    const QString ini = rig.paths.configFile();
    ASSERT_TRUE(QFile::remove(ini));
    ASSERT_EQ(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
    s.currentRecord().scrollspeed = s.currentRecord().scrollspeed == 3 ? 4 : 3;
    const ConfigState edited = s.working();
    rig.mouse.clearFrameLog();
    EXPECT_EQ(s.runWriteFlow(false), kApplySaveFailed);
    EXPECT_TRUE(rig.writeFrames().empty());
    EXPECT_TRUE(s.working() == edited);
    EXPECT_TRUE(s.hasUnappliedEdits());
    ASSERT_EQ(messages.count(), 1);
    EXPECT_TRUE(texts(messages)[0].startsWith(QStringLiteral("The settings could not be saved")));
    EXPECT_EQ(rig.speed.applied, std::vector<int>{15});
}

TEST(WindowSession, UnusableFilesOfTheDataFolderAreToldOnceAfterTheWindow) {
    SessionRig rig;
    const QString ini = rig.paths.configFile();
    ASSERT_TRUE(QFile::remove(ini));
    ASSERT_EQ(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
    WindowSession& s = rig.startSession();
    QSignalSpy warnings(&s, &WindowSession::warning);
    rig.scheduler.runPending();
    ASSERT_EQ(warnings.count(), 1);
    EXPECT_TRUE(texts(warnings)[0].contains(ini)) << texts(warnings)[0].toStdString();
    rig.scheduler.runPending();
    EXPECT_EQ(warnings.count(), 1);
}

// Another program (the command-line tool, a second window) saves the data folder: its files and
// then the folder's change stamp, as every save does.
void saveAsAnotherProgram(const SessionRig& rig, int liftHigh) {
    {
        QSettings ini(rig.paths.configFile(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Config/LiftHigh"), liftHigh);
    }
    const quint64 next = loadChangeStamp(rig.paths).generation + 1;
    QFile stamp(changeStampFile(rig.paths));
    ASSERT_TRUE(stamp.open(QIODevice::WriteOnly));
    stamp.write(QByteArray::number(next) + " 999999\n");
}

TEST(WindowSession, FilesAnotherProgramSavedAreLoadedOrAskedAboutBeforeTheyAreSavedOver) {
    SessionRig rig;
    WindowSession& s = rig.startSession();
    rig.status.stop();
    QCoreApplication::processEvents();
    ScriptedDialogs dialogs;
    s.setDialogs(&dialogs);
    QSignalSpy record(&s, &WindowSession::recordChanged);
    const uint8_t ours = s.working().LiftHigh == 1 ? 2 : 1;
    const uint8_t theirs = ours == 1 ? 2 : 1;

    // Our own save is not another program's.
    s.working().LiftHigh = ours;
    EXPECT_EQ(s.runWriteFlow(false), TxOk);
    s.checkForeignChanges();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(record.count(), 0);

    // No edits of ours: their files are loaded.
    saveAsAnotherProgram(rig, theirs);
    s.checkForeignChanges();
    EXPECT_EQ(s.working().LiftHigh, theirs);
    EXPECT_EQ(s.stored().LiftHigh, theirs);
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(record.count(), 1);

    // Edits of ours, the user keeps them: the next Apply saves ours.
    s.working().LiftHigh = ours;
    saveAsAnotherProgram(rig, theirs);
    dialogs.answer = false;
    s.checkForeignChanges();
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(s.working().LiftHigh, ours);
    EXPECT_EQ(s.runWriteFlow(false), TxOk);
    EXPECT_EQ(dialogs.questions.size(), 1) << "asked once";
    EXPECT_EQ(rig.config(QStringLiteral("Config/LiftHigh")).toInt(), ours);

    // Apply right after their save, before the folder watch spoke: asked first; loading theirs
    // ends the flow with nothing sent.
    saveAsAnotherProgram(rig, ours);
    s.working().LiftHigh = theirs;  // an edit of ours, this time
    dialogs.answer = true;
    rig.mouse.clearFrameLog();
    EXPECT_EQ(s.runWriteFlow(false), TxOk);
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_EQ(s.working().LiftHigh, ours);
    EXPECT_TRUE(rig.writeFrames().empty());
    EXPECT_EQ(rig.config(QStringLiteral("Config/LiftHigh")).toInt(), ours);
}

}  // namespace
