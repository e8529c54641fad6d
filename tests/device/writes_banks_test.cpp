// What reaches each profile's bank of the simulated mouse: edits of one slot, macros shared by
// profiles, and a profile switch from the menu followed by Apply.
#include <gtest/gtest.h>

#include "device/apply_worker.h"
#include "device/status_query.h"
#include "sim/memory_decoder.h"
#include "sim/table_decoder.h"
#include "writes_fixture.h"

using namespace mousecfg;
using test::WriterRig;

namespace {

constexpr int kSensor = 3325;

// The sample set with different DPI codes, rates and colours in every profile, so that a table
// in the wrong bank shows.
ConfigState distinctProfiles(const Paths& paths) {
    ConfigState s = test::sampleState(paths);
    for (int p = 0; p < kProfileCount; ++p) {
        MouseProfile& profile = s.profiles[static_cast<size_t>(p)];
        for (int i = 0; i < kDpiStageSlots; ++i)
            profile.dpiStages[static_cast<size_t>(i)].x = profile.dpiStages[static_cast<size_t>(i)].y =
                static_cast<uint32_t>(5 + 10 * i + p);
        profile.ledModes[2].RGB = QColor(40 * p, 10, 20);
        profile.pollrate = static_cast<uint8_t>(1 << (p % 4));
        profile.dpi = static_cast<uint8_t>(p);
    }
    return s;
}

using Banks = std::vector<QByteArray>;  // sections 0x02..0x04 of one profile
Banks bankOf(const SimulatedMouse& sim, int profile) {
    return {sim.section(0x02, profile), sim.section(0x03, profile), sim.section(0x04, profile)};
}

int statusProfile(DeviceLink& link) {
    const StatusSnapshot s = queryStatus(link);
    return s.haveStatus ? s.status.profile : -1;
}

}  // namespace

TEST(WritesBanks, AnEditOfOneSlotLandsInItsBankAndNoOtherBankChanges) {
    const struct {
        const char* how;
        int switchedOnMouse;  // -1: no switch
        uint8_t storedId, workingId;
        int slot;  // the slot edited
    } cases[] = {
        {"slot 3 chosen in the window", -1, 0, 3, 3},
        {"slot 3 switched to on the mouse (reported)", 3, 3, 3, 3},
        {"slot 0 edited while the mouse was switched to 3 unreported", 3, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        WriterRig rig(test::sampleProduct(kSensor));
        const Paths& paths = rig.data.paths();
        ConfigState stored = distinctProfiles(paths);
        stored.ProfileID = c.storedId;
        ASSERT_EQ(rig.writer.WriteProfileSet(stored, ProfileChanges::all()), TxOk);
        if (c.switchedOnMouse >= 0) rig.sim.changeProfileOnMouse(static_cast<uint8_t>(c.switchedOnMouse));
        std::vector<Banks> before;
        for (int p = 0; p < kProfileCount; ++p) before.push_back(bankOf(rig.sim, p));

        ConfigState working = stored;
        working.ProfileID = c.workingId;
        MouseProfile& edited = working.profiles[static_cast<size_t>(c.slot)];
        edited.dpiStages[2].x = edited.dpiStages[2].y = 88;
        edited.buttons[1].Fun = 48;  // DPI +
        edited.ledModes[2].RGB = QColor(1, 2, 3);
        ASSERT_EQ(runApply(paths, rig.writer, working, stored, false, false).result, TxOk);

        const auto stages = simdecode::decodeDpiStages(rig.sim.section(0x02, c.slot), kSensor);
        EXPECT_EQ(stages[2].x, 88u);
        EXPECT_EQ(stages[3].x, 35u + c.slot);
        const auto buttons = simdecode::decodeButtonTable(rig.sim.section(0x03, c.slot));
        EXPECT_EQ(buttons.functions[1], (std::array<uint8_t, 4>{0x8A, 0, 0, 0}));
        const auto leds = simdecode::decodeLedTable(rig.sim.section(0x04, c.slot));
        EXPECT_EQ(leds.entries[2].r, 1);
        EXPECT_EQ(leds.entries[2].g, 2);
        EXPECT_EQ(leds.entries[2].b, 3);
        for (int p = 0; p < kProfileCount; ++p)
            if (p != c.slot) {
                EXPECT_EQ(bankOf(rig.sim, p), before[static_cast<size_t>(p)]) << "bank " << p;
            }
        // The mouse runs the profile the window shows.
        EXPECT_EQ(rig.sim.activeProfile(), c.workingId);
        EXPECT_EQ(rig.sim.rate(), working.profiles[c.workingId].pollrate);
    }
}

TEST(WritesBanks, AMacroUsedByTwoProfilesHasOneNumberInBothBanks) {
    WriterRig rig(test::sampleProduct(kSensor));
    const Paths& paths = rig.data.paths();
    ConfigState stored = distinctProfiles(paths);
    for (MouseProfile& p : stored.profiles)
        for (ButtonAssignment& b : p.buttons) b.Fun = 1;  // no macros but the ones below
    auto useMacro = [&](ConfigState& s, int profile, int button, const char* name, uint8_t tag) {
        ButtonAssignment& b = s.profiles[static_cast<size_t>(profile)].buttons[static_cast<size_t>(button)];
        b.Fun = kFunMacro;
        b.macroname = QString::fromLatin1(name);
        MacroFileData m;
        m.events = {{0x84, 0, tag}, {0x04, 0, tag}, {6, 0, 1}};
        writeMacroFile(paths, b.macroname, m);
    };
    useMacro(stored, 1, 3, "shared", 0x1A);
    useMacro(stored, 4, 0, "shared", 0x1A);
    useMacro(stored, 4, 2, "only4", 0x4B);
    // Places of buttons 0..3 (sample matrix): 0, 1, 2, 4.
    auto numberIn = [&](int profile, int place) {
        return simdecode::decodeButtonTable(rig.sim.section(0x03, profile))
            .functions[static_cast<size_t>(place)][1];
    };
    auto keyOfSlot = [&](int number) {
        const QVector<MacroEvent> events = simdecode::decodeMacroSlot(rig.sim.section(0x05), number);
        return events.isEmpty() ? 0 : events.front().dataL;
    };
    ASSERT_EQ(rig.writer.WriteProfileSet(stored, ProfileChanges::all()), TxOk);
    EXPECT_EQ(numberIn(1, 4), 0);
    EXPECT_EQ(numberIn(4, 0), 0);
    EXPECT_EQ(numberIn(4, 2), 1);

    // A new macro in profile 0 comes first in the numbering: an edit of profile 0 alone rewrites
    // the button tables of all five, and the numbers in banks 1 and 4 still find their macros.
    ConfigState working = stored;
    useMacro(working, 0, 1, "first", 0x0F);
    rig.sim.clearFrameLog();
    ASSERT_EQ(runApply(paths, rig.writer, working, stored, false, false).result, TxOk);
    EXPECT_EQ(rig.sequence(), "E P1 B7 P2 B7 P3 B7 P4 B7 P0 B7 R5 M31 X");
    EXPECT_EQ(numberIn(0, 1), 0);
    EXPECT_EQ(numberIn(1, 4), 1);
    EXPECT_EQ(numberIn(4, 0), 1);
    EXPECT_EQ(numberIn(4, 2), 2);
    EXPECT_EQ(keyOfSlot(0), 0x0F);
    EXPECT_EQ(keyOfSlot(1), 0x1A);
    EXPECT_EQ(keyOfSlot(2), 0x4B);
}

TEST(WritesBanks, AMenuSwitchHoldsAndTheNextApplyWritesItIntoTheSettings) {
    WriterRig rig(test::sampleProduct(kSensor));
    const Paths& paths = rig.data.paths();
    ConfigState stored = distinctProfiles(paths);
    for (const QString& m : {QStringLiteral("m2"), QStringLiteral("m5")}) clearMacroWriteSign(paths, m);
    ASSERT_EQ(rig.writer.WriteProfileSet(stored, ProfileChanges::all()), TxOk);
    std::vector<Banks> before;
    for (int p = 0; p < kProfileCount; ++p) before.push_back(bankOf(rig.sim, p));

    // Select, the settings reload, the five reloads: seven frames.
    rig.sim.clearFrameLog();
    ASSERT_EQ(rig.writer.SwitchProfile(3), TxOk);
    EXPECT_EQ(rig.sequence(), "P3 R6");
    const std::vector<uint8_t> masks = rig.sim.reloadMasks();
    EXPECT_EQ(std::vector<uint8_t>(masks.end() - 6, masks.end()),
              (std::vector<uint8_t>{0x01, 0x04, 0x01, 0x02, 0x08, 0x10}));
    for (int cycle = 0; cycle < 2; ++cycle) EXPECT_EQ(statusProfile(rig.link), 3) << "status cycle " << cycle;
    EXPECT_EQ(rig.sim.rate(), stored.profiles[3].pollrate);

    // The menu changed the working set only: Apply writes the settings with the new profile.
    ConfigState working = stored;
    working.ProfileID = 3;
    rig.sim.clearFrameLog();
    const ApplyOutcome out = runApply(paths, rig.writer, working, stored, false, false);
    EXPECT_EQ(out.result, TxOk);
    EXPECT_EQ(out.changes, ProfileChanges::forProfile(3, change::kBasic));
    EXPECT_EQ(rig.sequence(), "E S2 R5 X");
    EXPECT_EQ(simdecode::decodeGlobalSettings(rig.sim.section(0x01)).profileId, 3);
    for (int cycle = 0; cycle < 2; ++cycle) EXPECT_EQ(statusProfile(rig.link), 3) << "status cycle " << cycle;
    for (int p = 0; p < kProfileCount; ++p) EXPECT_EQ(bankOf(rig.sim, p), before[static_cast<size_t>(p)]);

    // Every frame of the switch counts.
    rig.faulty.failCommand = 0x40;
    EXPECT_EQ(rig.writer.SwitchProfile(1), TxWriteError);
    rig.link.CloseDevice();
    EXPECT_EQ(rig.writer.SwitchProfile(1), TxNoDevice);
}
