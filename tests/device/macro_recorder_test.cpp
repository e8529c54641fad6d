#include "device/macro_recorder.h"

#include <gtest/gtest.h>

#include "device/key_codes.h"

using namespace mousecfg;
using Outcome = MacroRecorder::Outcome;
using macro::DelayType;

namespace {

constexpr std::uint32_t kExt = keycodes::kFlagExtended;
constexpr std::uint32_t kAlt = keycodes::kFlagAltDown;
constexpr std::uint32_t kUp = keycodes::kFlagReleased;

int usageOf(std::uint16_t scan, std::uint32_t flags) {
    return keycodes::usageOfKeyCode(reduceRecordedKey(scan, flags).code).value_or(0);
}

// A recorder on a clock the test sets.
struct Rig {
    qint64 now = 5000;
    MacroRecorder recorder{[this] { return now; }};
    QVector<MacroEvent> rows;
    MacroRecorder::Settings settings;

    Outcome key(std::uint8_t code, bool press, qint64 at) {
        now = at;
        return recorder.record({code, press}, rows.size(), settings, rows);
    }
};

}  // namespace

TEST(MacroRecorder, KeysReduceToTheirOwnCodesOnBothEdges) {
    const struct {
        std::uint16_t scan;
        std::uint32_t flags;
        int usage;
        bool press;
    } cases[] = {
        {0x48, 0, 0x60, true},            // keypad 8
        {0x48, kExt, 0x52, true},         // Up
        {0x48, kExt | kUp, 0x52, false},  // Up released
        {0x1D, kExt, 0xE4, true},         // right Ctrl
        {0x1D, 0, 0xE0, true},            // left Ctrl
        {0x45, 0, 0x48, true},            // Pause
        {0x45, kExt, 0x53, true},         // Num Lock
        {0x37, kExt, 0x46, true},         // Print Screen
        {0x37, 0, 0x55, true},            // keypad *
        {0x1C, kExt, 0x58, true},         // keypad Enter
        {0x1C, 0, 0x28, true},            // Enter
        {0x35, kExt, 0x54, true},         // keypad /
        {0x53, 0, 0x63, true},            // keypad .
        {0x38, kExt | kAlt, 0xE6, true},  // right Alt
        {0x38, kAlt, 0xE2, true},         // left Alt
        // With Alt held, extended keys keep their codes going down and coming up.
        {0x1D, kExt | kAlt, 0xE4, true},
        {0x1D, kExt | kAlt | kUp, 0xE4, false},
        {0x4B, kExt | kAlt, 0x50, true},
        {0x4B, kExt | kAlt | kUp, 0x50, false},
        {0x1E, kAlt, 0x04, true},         // A
        {0x1E, 0x10 | kUp, 0x04, false},  // an injected release
        {0x54, 0, 0, true},               // no such key
        {0x148, kExt, 0, true},           // past the one-byte codes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.scan << " flags " << c.flags);
        EXPECT_EQ(usageOf(c.scan, c.flags), c.usage);
        EXPECT_EQ(reduceRecordedKey(c.scan, c.flags).press, c.press);
    }
}

TEST(MacroRecorder, PausesBecomeDelayRowsByDelayType) {
    const MacroEvent aDown = macro::keyEvent(4, true), aUp = macro::keyEvent(4, false);
    const MacroEvent bDown = macro::keyEvent(5, true), bUp = macro::keyEvent(5, false);
    const std::uint8_t a = 30, b = 48;  // key codes of A and B
    const struct {
        DelayType type;
        int defaultDelay, unit;
        QVector<MacroEvent> rows;
    } cases[] = {
        {DelayType::Recorded,
         0,
         10,
         {aDown, macro::delayEvent(3), aUp, macro::delayEvent(1), bDown, macro::delayEvent(0xFFFF), bUp}},
        {DelayType::Recorded,
         0,
         3,
         {aDown, macro::delayEvent(11), aUp, macro::delayEvent(1), bDown, macro::delayEvent(0xFFFF), bUp}},
        {DelayType::Default,
         100,
         10,
         {aDown, macro::delayEvent(10), aUp, macro::delayEvent(10), bDown, macro::delayEvent(10), bUp}},
        {DelayType::None, 100, 10, {aDown, aUp, bDown, bUp}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type));
        Rig rig;
        rig.settings = {c.type, c.defaultDelay, c.unit};
        rig.recorder.start();
        EXPECT_EQ(rig.key(a, true, 1000), Outcome::Recorded);  // the first key: no delay before it
        EXPECT_EQ(rig.key(a, true, 1020), Outcome::Repeat);    // auto-repeat
        EXPECT_EQ(rig.key(a, true, 1030), Outcome::Repeat);
        EXPECT_EQ(rig.key(a, false, 1035), Outcome::Recorded);               // 35 ms
        EXPECT_EQ(rig.key(b, true, 1039), Outcome::Recorded);                // 4 ms: at least one unit
        EXPECT_EQ(rig.key(b, false, 1039 + 20'000'000), Outcome::Recorded);  // clamped, not wrapped
        EXPECT_EQ(rig.rows, c.rows);
        EXPECT_TRUE(rig.recorder.heldKeys().isEmpty());
    }

    Rig rig;
    rig.recorder.start();
    EXPECT_EQ(rig.key(a, false, 1), Outcome::NotHeld);     // released, never pressed while recording
    EXPECT_EQ(rig.key(84, true, 2), Outcome::UnknownKey);  // a code without a usage
    EXPECT_EQ(rig.key(a, true, 3), Outcome::Recorded);
    EXPECT_EQ(rig.recorder.heldKeys(), QVector<std::uint8_t>{a});
    rig.recorder.start();  // a new recording forgets what was held
    EXPECT_TRUE(rig.recorder.heldKeys().isEmpty());
    EXPECT_EQ(rig.rows, QVector<MacroEvent>{aDown});
}

TEST(MacroRecorder, RowLimitsLeaveRoomForTheLastPair) {
    const struct {
        DelayType type;
        int present;
        Outcome outcome;
        int added;
    } cases[] = {
        {DelayType::None, 39, Outcome::Recorded, 1},     {DelayType::None, 40, Outcome::RowLimit, 0},
        {DelayType::Recorded, 61, Outcome::Recorded, 2}, {DelayType::Recorded, 62, Outcome::RowLimit, 0},
        {DelayType::Default, 61, Outcome::Recorded, 2},  {DelayType::Default, 62, Outcome::RowLimit, 0},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.settings.delayType = c.type;
        rig.recorder.start();
        rig.key(30, true, 0);
        rig.rows = QVector<MacroEvent>(c.present, macro::delayEvent(1));
        EXPECT_EQ(rig.key(30, false, 50), c.outcome) << c.present;
        EXPECT_EQ(rig.rows.size(), c.present + c.added) << c.present;
        // A release the limit swallowed leaves the key held.
        EXPECT_EQ(rig.recorder.heldKeys().size(), c.added == 0 ? 1 : 0) << c.present;
    }
}
