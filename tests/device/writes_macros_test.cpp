#include <gtest/gtest.h>

#include "device/button_table.h"
#include "device/macro_upload.h"
#include "storage/config_state.h"

using namespace mousecfg;

namespace {

MacroEvent key(uint8_t usage, bool press) {
    return {static_cast<uint8_t>(press ? 0x84 : 0x04), 0, usage};
}

// A profile set whose first profile uses the given macro names on buttons 0, 1, ...
ConfigState withMacros(const QStringList& names, MacroNumberMap& map) {
    ConfigState s;
    ButtonLayout layout;
    layout.buttonCount = names.size();
    for (int i = 0; i < names.size(); ++i) {
        s.profiles[0].buttons[i].Fun = kFunMacro;
        s.profiles[0].buttons[i].macroname = names[i];
        layout.matrix.deviceButton[i % kDescriptorButtons] = static_cast<uint8_t>(i % 16);
    }
    buildButtonBuffer(s.profiles[0], layout, map);
    return s;
}

// Distinct events per macro name, so slots can be told apart.
QVector<MacroEvent> eventsOf(const QString& name) {
    const uint8_t tag = static_cast<uint8_t>(name.toLatin1().at(0));
    return {key(tag, true), key(tag, false), {6, 0, 3}};
}

}  // namespace

TEST(WritesMacros, EncodingInsertsDelaysOnlyWithoutDelayEvents) {
    const MacroEvent e[] = {{0x84, 0, 4}, {0x04, 0, 4}, {0x81, 0, 1}, {0x01, 0, 1}, {0x02, 0xFB, 0x05}};
    const struct {
        int count;
        std::vector<uint8_t> bytes;  // map, low, high per event
    } cases[] = {
        {0, {6, 1, 0, 0, 0, 0}},
        {1, {0x84, 4, 0, 6, 1, 0, 0, 0, 0}},
        {4, {0x84, 4, 0, 0x04, 4, 0, 0x81, 1, 0, 0x01, 1, 0, 6, 1, 0, 6, 1, 0, 0, 0, 0}},
        {5, {0x84, 4, 0, 0x04, 4, 0, 0x81, 1, 0, 0x01, 1, 0, 6, 1, 0, 0x02, 0x05, 0xFB, 6, 1, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const auto slot = encodeMacroSlot(QVector<MacroEvent>(e, e + c.count));
        std::vector<uint8_t> want = c.bytes;
        want.resize(kMacroSlotBytes, 0);
        EXPECT_EQ(std::vector<uint8_t>(slot.begin(), slot.end()), want) << c.count;
    }
    // A delay anywhere: sent as it is.
    const QVector<MacroEvent> withDelay = {{0x84, 0, 4}, {6, 0x01, 0x2C}, {0x04, 0, 4}};
    const auto slot = encodeMacroSlot(withDelay);
    std::vector<uint8_t> want = {0x84, 4, 0, 6, 0x2C, 0x01, 0x04, 4, 0};
    want.resize(kMacroSlotBytes, 0);
    EXPECT_EQ(std::vector<uint8_t>(slot.begin(), slot.end()), want);
}

TEST(WritesMacros, LongMacrosAreCutAtTheSlot) {
    QVector<MacroEvent> many;
    for (int i = 0; i < 300; ++i)
        many.push_back({0x84, static_cast<uint8_t>(i / 256), static_cast<uint8_t>(i)});
    // 60 events without delays grow to 77 events (231 bytes); the slot keeps the first 200.
    const auto cut = encodeMacroSlot(many.mid(0, 60));
    // Event 66 of the grown list is original event 53 (groups of four events plus a delay); only
    // its map and low byte fit.
    EXPECT_EQ(cut[198], 0x84);
    EXPECT_EQ(cut[199], 53);
    EXPECT_EQ(cut[12], 6);
    EXPECT_EQ(cut[13], 1);
    EXPECT_EQ(cut[192], 6);  // the delay after original event 51

    MacroMemory memory{};
    memory.fill(0xEE);
    many[0].map = 6;  // with a delay event: the events as they are, 300 of them
    EncodeMacro(many, 19, memory);
    EXPECT_EQ(memory[19 * 200 - 1], 0xEE);  // slot 18 untouched
    EXPECT_EQ(memory[19 * 200 + 3 * 66], 0x84);
    EXPECT_EQ(memory[19 * 200 + 199], 66);
    EXPECT_EQ(memory.back(), 66);
    // No slot for these numbers: nothing is written.
    MacroMemory untouched = memory;
    EncodeMacro(many, 20, memory);
    EncodeMacro(many, -1, memory);
    EXPECT_EQ(memory, untouched);
}

TEST(WritesMacros, CollectSharesSlotsAndKeepsEncodedMacrosWhenTheMapRunsEmpty) {
    MacroNumberMap map;
    // Button 2 uses "a" again: with all macros encoded the map is empty when the scan reaches it.
    ConfigState s = withMacros({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("a")}, map);
    s.profiles[3].buttons[7].Fun = kFunGunFile;  // a name the button table never numbered
    s.profiles[3].buttons[7].macroname = QStringLiteral("zz");
    MacroMemory memory{};
    int reads = 0, pauses = 0;
    const MacroCollectResult r = collectMacros(
        s, map, memory,
        [&](const QString& n) {
            ++reads;
            return eventsOf(n);
        },
        [&] { ++pauses; });
    EXPECT_EQ(r.encoded, 2);
    EXPECT_EQ(reads, 2);
    EXPECT_EQ(pauses, 2);
    EXPECT_TRUE(map.empty());
    EXPECT_EQ(memory[0], 0x84);
    EXPECT_EQ(memory[1], 'a');
    EXPECT_EQ(memory[200 + 1], 'b');
    EXPECT_EQ(memory[400], 0);

    const FrameList f = macroMemoryFrames(memory);
    ASSERT_EQ(f.size(), 21u);
    for (int i = 0; i < 20; ++i) {
        const int offset = 20 * i;  // slots 0 and 1, ten frames each
        EXPECT_EQ(f[i][4], 0x05);
        EXPECT_EQ(f[i][5] | (f[i][6] << 8), offset);
        EXPECT_EQ(f[i][7], 20);
        EXPECT_EQ(f[i][8], i == 0 ? 0xD1 : 0xD2);
        EXPECT_TRUE(std::equal(memory.begin() + offset, memory.begin() + offset + 20, f[i].begin() + 9));
    }
    EXPECT_EQ(f[20][4], 0x05);
    EXPECT_EQ(f[20][5], 0xFF);
    EXPECT_EQ(f[20][6], 0x0F);
    EXPECT_EQ(f[20][7], 1);
    EXPECT_EQ(f[20][8], 0xD3);
    EXPECT_EQ(f[20][9], 0x1A);
}

TEST(WritesMacros, NothingIsSentWithoutMacroButtons) {
    MacroNumberMap map;
    ConfigState s = withMacros({}, map);
    s.profiles[1].buttons[0].Fun = kFunMacro;  // not in the button table, so never numbered
    s.profiles[1].buttons[0].macroname = QStringLiteral("a");
    MacroMemory memory{};
    memory.fill(0x77);  // leftovers of an earlier upload
    int reads = 0;
    const MacroCollectResult r = collectMacros(s, map, memory,
                                               [&](const QString& n) {
                                                   ++reads;
                                                   return eventsOf(n);
                                               },
                                               {});
    EXPECT_EQ(r.encoded, 0);
    EXPECT_EQ(reads, 0);
    EXPECT_EQ(memory, MacroMemory{});
    EXPECT_TRUE(macroMemoryFrames(memory).empty());
}

TEST(WritesMacros, NumbersWithoutASlotAreSkippedAndTheRestStillGoesOut) {
    QStringList names;
    for (int i = 0; i < 22; ++i) names << QStringLiteral("%1m").arg(QChar('A' + i));
    MacroNumberMap map;
    ConfigState s = withMacros(names, map);
    ASSERT_EQ(map.size(), 22);
    MacroMemory memory{};
    const MacroCollectResult r = collectMacros(s, map, memory, eventsOf, {});
    EXPECT_EQ(r.encoded, 20);
    EXPECT_EQ(r.skipped, 2);
    for (int n = 0; n < 20; ++n) EXPECT_EQ(memory[200 * n + 1], 'A' + n) << n;
    EXPECT_EQ(macroMemoryFrames(memory).size(), 201u);
}
