#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>

#include "device/apply_worker.h"
#include "device/status_reporter.h"
#include "storage/app_settings.h"
#include "storage/settings_file.h"
#include "writes_fixture.h"

using namespace mousecfg;
using test::WriterRig;

namespace {

std::vector<uint8_t> repeat(uint8_t cmd, int n) {
    return std::vector<uint8_t>(static_cast<size_t>(n), cmd);
}

// Everything for the active profile (0) of the sample set: the settings select it, the button
// tables of all five profiles go out (one macro numbering), each other profile's behind its own
// select, then profile 0 selected again for its tables.
const char kActiveProfileAll[] = "E S2 P1 B7 P2 B7 P3 B7 P4 B7 P0 B7 D10 L5 R5 M21 X";
// A full write: every table of every profile, each into its own bank.
const char kEveryProfile[] = "E S2 P1 B7 D10 L5 P2 B7 D10 L5 P3 B7 D10 L5 P4 B7 D10 L5 P0 B7 D10 L5 R5 M21 X";

}  // namespace

TEST(WritesSequence, EachMaskSendsOnlyItsSections) {
    // Macros go out after a button table write only: it numbers them. A table is preceded by the
    // select of its profile unless the settings just selected it.
    const struct {
        ChangeMask mask;
        const char* frames;
    } cases[] = {
        {0, "E X"},
        {1, "E S2 R5 X"},
        {2, "E P0 D10 R5 X"},
        {4, "E P1 B7 P2 B7 P3 B7 P4 B7 P0 B7 R5 M21 X"},
        {8, "E P0 L5 R5 X"},
        {3, "E S2 D10 R5 X"},
        {15, kActiveProfileAll},
    };
    for (const auto& c : cases) {
        const ChangeMask mask = c.mask;
        SCOPED_TRACE(mask);
        WriterRig rig(test::sampleProduct());
        const ConfigState s = test::sampleState(rig.data.paths());
        ASSERT_EQ(rig.writer.WriteProfileSet(s, mask), TxOk);
        EXPECT_EQ(rig.sequence(), c.frames);
        const auto log = rig.sim.frameLog();
        EXPECT_EQ(log.front().at(4), 0);  // enter
        EXPECT_EQ(log.back().at(4), 1);   // leave
        for (const QByteArray& f : log) {
            ASSERT_EQ(f.size(), 33);
            uint8_t sum = 0;
            for (int i = 2; i <= 7; ++i) sum = static_cast<uint8_t>(sum + static_cast<uint8_t>(f.at(i)));
            EXPECT_EQ(static_cast<uint8_t>(f.at(1)), sum ^ 0x66);
        }
        if (mask) {
            EXPECT_EQ(rig.sim.reloadMasks(), (std::vector<uint8_t>{0x04, 0x01, 0x02, 0x08, 0x10}));
        }
        EXPECT_FALSE(rig.sim.inConfigMode());
        // Each encoded macro is followed by its 50 ms pause.
        const std::vector<int> pauses = rig.pacer.pauses();
        EXPECT_EQ(std::count(pauses.begin(), pauses.end(), kMacroEncodePause), (mask & 4) ? 2 : 0);
    }
}

TEST(WritesSequence, ProfileSelectionAndReloads) {
    WriterRig rig(test::sampleProduct());
    EXPECT_EQ(rig.writer.ReloadAllSections(), TxOk);
    EXPECT_EQ(rig.commands(), repeat(0x40, 5));
    rig.sim.clearFrameLog();
    EXPECT_EQ(rig.writer.SelectProfile(3), 1);
    EXPECT_EQ(rig.writer.SelectProfile(9), 1);  // no such profile: the first
    const auto log = rig.sim.frameLog();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0].mid(3, 2), QByteArray("\x44\x03", 2));
    EXPECT_EQ(log[1].mid(3, 4), QByteArray("\x40\xF3\x01\x00", 4));
    EXPECT_EQ(log[2].mid(3, 2), QByteArray("\x44\x00", 2));
    EXPECT_EQ(rig.sim.activeProfile(), 0);
    // Without a device the selection still reports 1; a write reports the missing device.
    rig.link.CloseDevice();
    EXPECT_EQ(rig.writer.SelectProfile(1), 1);
    EXPECT_EQ(rig.writer.WriteProfileSet(ConfigState{}, change::kAll), TxNoDevice);
}

TEST(WritesSequence, FailureAtEveryFrameStopsTheWriteThere) {
    WriterRig clean(test::sampleProduct());
    const ConfigState s = test::sampleState(clean.data.paths());
    ASSERT_EQ(clean.writer.WriteProfileSet(s, change::kAll), TxOk);
    const int total = clean.faulty.writes;
    ASSERT_EQ(clean.sequence(), kActiveProfileAll);
    for (int k = 0; k < total; ++k) {
        SCOPED_TRACE(k);
        WriterRig rig(test::sampleProduct());
        test::sampleState(rig.data.paths());
        rig.faulty.failAt = k;
        EXPECT_EQ(rig.writer.WriteProfileSet(s, change::kAll), TxWriteError);
        EXPECT_EQ(rig.faulty.writes, k + 1);  // nothing after the failing frame
        EXPECT_EQ(rig.sim.frameLog().size(), static_cast<size_t>(k));
    }
    // An echo that never matches ends the write with "no echo" at that frame.
    WriterRig rig(test::sampleProduct());
    test::sampleState(rig.data.paths());
    rig.sim.injectEchoFault(SimulatedMouse::EchoFault::WrongData, -1);
    EXPECT_EQ(rig.writer.WriteProfileSet(s, change::kAll), TxNoEcho);
    // Entering is echoed by header only; the first data frame is written three times.
    EXPECT_EQ(rig.commands(), (std::vector<uint8_t>{0x46, 0x01, 0x01, 0x01}));
}

TEST(WritesSequence, FailedApplyForcesAFullWriteAndKeepsTheSettingsFiles) {
    WriterRig clean(test::sampleProduct());
    ConfigState probe = test::sampleState(clean.data.paths());
    ASSERT_EQ(clean.writer.WriteProfileSet(probe, ProfileChanges::all()), TxOk);
    const int total = clean.faulty.writes;
    for (int k : {0, total / 2, total - 3, total - 1}) {
        SCOPED_TRACE(k);
        WriterRig rig(test::sampleProduct());
        const Paths& paths = rig.data.paths();
        ConfigState stored = test::sampleState(paths);
        saveConfigState(paths, stored);
        saveProfileList(paths, stored);
        ConfigState working = stored;
        working.profiles[0].dpiStages[1].x = 40;  // a DPI change only
        rig.faulty.failAt = k;
        ApplyOutcome out = runApply(paths, rig.writer, working, stored, true, false);
        EXPECT_EQ(out.result, TxWriteError);
        EXPECT_EQ(out.mask, change::kAll);
        EXPECT_EQ(appsettings::loadDiff(paths), 1);
        EXPECT_EQ(stored, working);
        ConfigState onDisk;
        loadConfigState(paths, onDisk);
        EXPECT_EQ(onDisk.profiles, working.profiles);
        EXPECT_EQ(onDisk.ProfileID, working.ProfileID);

        // Nothing changed since, but the failure forces every group.
        rig.faulty.failAt = -1;
        rig.sim.clearFrameLog();
        out = runApply(paths, rig.writer, working, stored, false, false);
        EXPECT_EQ(out.result, TxOk);
        EXPECT_EQ(out.mask, change::kAll);
        EXPECT_EQ(rig.sequence(), kEveryProfile);
        EXPECT_EQ(appsettings::loadDiff(paths), 0);
    }
}

TEST(WritesSequence, ApplyWritesTheChangeMaskAndNothingWithoutChanges) {
    WriterRig rig(test::sampleProduct());
    const Paths& paths = rig.data.paths();
    ConfigState stored = test::sampleState(paths);
    for (const QString& m : {QStringLiteral("m2"), QStringLiteral("m5")}) clearMacroWriteSign(paths, m);
    ConfigState working = stored;
    ApplyOutcome out = runApply(paths, rig.writer, working, stored, false, false);
    EXPECT_EQ(out.mask, change::kNone);
    EXPECT_TRUE(rig.sim.frameLog().empty());

    working.profiles[0].ledModes[2].breath = 9;  // the active effect's speed
    out = runApply(paths, rig.writer, working, stored, false, false);
    EXPECT_EQ(out.result, TxOk);
    EXPECT_EQ(out.mask, change::kLighting);
    EXPECT_EQ(rig.sequence(), "E P0 L5 R5 X");

    // The mouse said it is off: the edit is saved, nothing is sent.
    rig.sim.clearFrameLog();
    working.LiftHigh = 3;
    out = runApply(paths, rig.writer, working, stored, false, true);
    EXPECT_EQ(out.result, kApplyMouseOff);
    EXPECT_TRUE(rig.sim.frameLog().empty());
    EXPECT_EQ(
        QSettings(paths.configFile(), QSettings::IniFormat).value(QStringLiteral("Config/LiftHigh")).toInt(),
        3);
}

// "Config/Diff" is 1 on disk from before the first frame until the write has succeeded, so a
// program killed during the write leaves a full write due. A save that fails sends nothing.
TEST(WritesSequence, TheDifferenceFlagCoversTheWholeWriteAndAFailedSaveSendsNothing) {
    WriterRig rig(test::sampleProduct());
    const Paths& paths = rig.data.paths();
    ConfigState stored = test::sampleState(paths);
    ASSERT_TRUE(saveProfileList(paths, stored).ok());
    ASSERT_TRUE(saveConfigState(paths, stored).ok());
    ASSERT_TRUE(appsettings::saveDiff(paths, 0).ok());
    ConfigState working = stored;
    working.profiles[1].dpiStages[0].x = 80;
    std::vector<int> diffDuringWrite;
    rig.pacer.setHook([&](int, int) { diffDuringWrite.push_back(appsettings::loadDiff(paths)); });
    ApplyOutcome out = runApply(paths, rig.writer, working, stored, false, false);
    ASSERT_EQ(out.result, TxOk);
    ASSERT_FALSE(diffDuringWrite.empty());
    EXPECT_EQ(diffDuringWrite, std::vector<int>(diffDuringWrite.size(), 1));
    EXPECT_EQ(appsettings::loadDiff(paths), 0);

    // Profile/ is a file now: the save is refused, nothing is sent, memory keeps both sets.
    QDir(paths.profileDir()).removeRecursively();
    rig.data.writeFile(QStringLiteral("Configs/Profile"), "not a folder");
    rig.sim.clearFrameLog();
    const ConfigState storedBefore = stored;
    working.profiles[1].dpiStages[0].x = 96;
    const ConfigState workingBefore = working;
    out = runApply(paths, rig.writer, working, stored, true, false);
    EXPECT_EQ(out.result, kApplySaveFailed);
    EXPECT_EQ(out.save.result, SaveResult::Refused);
    EXPECT_TRUE(out.save.message().contains(paths.profileDir())) << out.save.message().toStdString();
    EXPECT_TRUE(rig.sim.frameLog().empty());
    EXPECT_EQ(stored, storedBefore);
    EXPECT_EQ(working, workingBefore);
}

TEST(WritesSequence, StatusThreadIsStoppedForTheWriteAndRestartedAfterSuccess) {
    WriterRig rig(test::sampleProduct());
    StatusReporter status(rig.link, rig.pacer);
    ProfileWriter writer(rig.link, rig.data.paths(), &status);
    writer.setProduct(test::sampleProduct());
    const ConfigState s = test::sampleState(rig.data.paths());
    status.start();
    ASSERT_EQ(writer.WriteProfileSet(s, change::kAll), TxOk);
    EXPECT_TRUE(status.isRunning());
    // Between entering and leaving configuration mode only the writer used the handle.
    const auto log = rig.sim.frameLog();
    auto isMode = [](const QByteArray& f) { return static_cast<uint8_t>(f.at(3)) == 0x46; };
    const auto enter = std::find_if(log.begin(), log.end(), isMode);
    const auto leave = std::find_if(log.rbegin(), log.rend(), isMode).base();
    ASSERT_NE(enter, log.end());
    EXPECT_EQ(test::sequenceOf(std::vector<QByteArray>(enter, leave)), kActiveProfileAll);

    rig.faulty.failCommand = 0x02;
    EXPECT_EQ(writer.WriteProfileSet(s, change::kAll), TxWriteError);
    EXPECT_FALSE(status.isRunning());  // stays stopped until the next successful write
    status.stop();
}
