#include <gtest/gtest.h>

#include "device/button_table.h"
#include "storage/config_state.h"

using namespace mousecfg;

namespace {

SlotBytes encode(ButtonAssignment a, int sensor = 0) {
    MacroNumberMap map;
    return encodeButtonFunction(a, sensor, map);
}

ButtonAssignment withFun(int fun) {
    ButtonAssignment a;
    a.Fun = fun;
    return a;
}

std::string hex(const SlotBytes& b) {
    char s[16];
    std::snprintf(s, sizeof s, "%02X %02X %02X %02X", b[0], b[1], b[2], b[3]);
    return s;
}

}  // namespace

TEST(WritesButtons, FixedFunctionCodes) {
    const struct {
        int fun;
        const char* bytes;
    } cases[] = {
        {1, "81 00 00 00"},
        {2, "82 00 00 00"},
        {3, "83 00 00 00"},
        {4, "85 00 00 00"},
        {5, "84 00 00 00"},
        {13, "30 00 00 00"},
        {49, "89 00 00 00"},
        {48, "8A 00 00 00"},
        {52, "8B 00 00 00"},
        {53, "8C 00 00 00"},
        {17, "8F 01 1B 00"},
        {18, "8F 01 06 00"},
        {19, "8F 01 19 00"},
        {20, "8F 01 04 00"},
        {21, "8F 01 09 00"},
        {22, "8F 01 11 00"},
        {23, "8F 01 13 00"},
        {24, "8F 01 16 00"},
        {25, "8F 04 2B 00"},
        {26, "8F 04 3D 00"},
        {27, "8F 08 08 00"},
        {28, "8F 08 15 00"},
        {29, "8F 08 07 00"},
        {62, "8F 08 10 00"},
        {30, "8F 08 0F 00"},
        {31, "8E 01 23 02"},
        {32, "8E 01 24 02"},
        {33, "8E 01 25 02"},
        {34, "8E 01 26 02"},
        {35, "8E 01 27 02"},
        {36, "8E 01 21 02"},
        {37, "8E 01 2A 02"},
        {38, "8E 01 8A 01"},
        {40, "8E 01 B7 00"},
        {39, "8E 01 CD 00"},
        {41, "8E 01 B6 00"},
        {42, "8E 01 B5 00"},
        {43, "8E 01 E9 00"},
        {44, "8E 01 EA 00"},
        {45, "8E 01 E2 00"},
        {46, "8E 01 83 01"},
        {16, "00 00 00 00"},
        {47, "88 00 00 00"},
        {63, "97 01 00 00"},
        {50, "97 00 00 00"},
        {51, "98 00 00 00"},
        {59, "8D 00 00 00"},
        {57, "94 00 00 00"},
        {58, "95 00 00 00"},
        {54, "9B 08 00 00"},
        {60, "9F 00 00 00"},
        {61, "A0 00 00 00"},
        // Not listed: a zero slot.
        {0, "00 00 00 00"},
        {8, "00 00 00 00"},
        {64, "00 00 00 00"},
        {999, "00 00 00 00"},
        {-1, "00 00 00 00"},
    };
    for (const auto& c : cases) {
        ButtonAssignment a = withFun(c.fun);
        a.Res1 = 0x55;  // parameters of other functions must not leak into fixed codes
        a.LoopNumber = 0x1234;
        a.KeyInfo[0].map = 4;
        EXPECT_EQ(hex(encode(a)), c.bytes) << "Fun " << c.fun;
    }
}

TEST(WritesButtons, CompletedFunctions) {
    ButtonAssignment single = withFun(6);
    single.Res1 = 37;  // K
    EXPECT_EQ(hex(encode(single)), "90 00 0E 00");
    single.Res1 = 54;  // RShift
    EXPECT_EQ(hex(encode(single)), "90 00 E5 00");
    single.Res1 = 240;  // a mouse button has no usage
    EXPECT_EQ(hex(encode(single)), "90 00 00 00");

    // Ctrl + Shift + K, each modifier pressed and released.
    ButtonAssignment combo = withFun(7);
    const uint8_t keys[] = {224, 225, 14, 14, 225, 224};
    for (int i = 0; i < 6; ++i) combo.KeyInfo[i].map = keys[i];
    EXPECT_EQ(hex(encode(combo)), "8F 03 0E 00");
    // Right Alt + right GUI + A; an entry past the tenth is not looked at.
    ButtonAssignment combo2 = withFun(7);
    const uint8_t keys2[] = {230, 231, 0, 4, 231, 230};
    for (int i = 0; i < 6; ++i) combo2.KeyInfo[i].map = keys2[i];
    combo2.KeyInfo[10].map = 5;
    EXPECT_EQ(hex(encode(combo2)), "8F 0C 04 00");
    // Without a plain key, b2 stays 0; a usage without key code counts as a key.
    ButtonAssignment combo3 = withFun(7);
    combo3.KeyInfo[0].map = 227;
    combo3.KeyInfo[1].map = 227;
    EXPECT_EQ(hex(encode(combo3)), "8F 08 00 00");
    combo3.KeyInfo[2].map = 0x66;
    EXPECT_EQ(hex(encode(combo3)), "8F 08 66 00");

    ButtonAssignment fire = withFun(12);
    fire.LoopNumber = 0x1234;
    fire.KeyNumber = 125;
    EXPECT_EQ(hex(encode(fire)), "99 81 03 00");
    fire.Res1 = 5;
    EXPECT_EQ(hex(encode(fire)), "99 05 34 0C");

    ButtonAssignment sniper = withFun(55);
    sniper.Res1 = 30;
    EXPECT_EQ(hex(encode(sniper, 3325)), "9A 01 45 45");
    EXPECT_EQ(hex(encode(sniper, 3104)), "9A 01 1E 1E");
    EXPECT_EQ(hex(encode(sniper, 3360)), "9A 01 1D 1D");
    EXPECT_EQ(hex(encode(sniper, 3395)), "9A 01 04 04");
    sniper.Res1 = 0;  // below sensor 3335's table: its first entry
    EXPECT_EQ(hex(encode(sniper, 3335)), "9A 01 00 00");
}

TEST(WritesButtons, MacroLoopModesAndNumbers) {
    MacroNumberMap map;
    const struct {
        int fun;
        uint8_t mode;
        const char* name;
        const char* bytes;
    } cases[] = {
        {200, 0, "a", "91 00 02 01"}, {510, 1, "b", "9D 81 FF FF"}, {200, 2, "c", "91 42 FF FF"},
        {200, 0, "a", "91 00 02 01"}, {200, 7, "d", "91 00 02 01"}, {510, 2, "b", "9D 41 FF FF"},
    };
    const int numbers[] = {0, 1, 2, 0, 3, 1};
    for (int i = 0; i < 6; ++i) {
        ButtonAssignment a = withFun(cases[i].fun);
        a.Res1 = cases[i].mode;
        a.LoopNumber = 0x0102;
        a.macroname = QString::fromLatin1(cases[i].name);
        EXPECT_EQ(hex(encodeButtonFunction(a, 0, map)), cases[i].bytes) << i;
        EXPECT_EQ(a.Res4, numbers[i]) << i;
    }
    EXPECT_EQ(map.size(), 4);
    EXPECT_EQ(map.find(QStringLiteral("c")).number, 2);
    EXPECT_EQ(map.find(QStringLiteral("zz")).lookup, MacroNumberMap::Lookup::Absent);
    map.clear();
    EXPECT_EQ(map.find(QStringLiteral("a")).lookup, MacroNumberMap::Lookup::MapEmpty);
}

TEST(WritesButtons, TablePlacementThroughTheMatrixAndWheelSwap) {
    MouseProfile p;
    for (int b = 0; b < kButtonSlots; ++b) p.buttons[b].Fun = 1 + (b % 5);
    p.buttons[40].Fun = 52;
    p.buttons[41].Fun = 53;
    ButtonLayout layout;
    layout.buttonCount = 3;
    layout.matrix.deviceButton = {5, 0, 2};
    MacroNumberMap map;
    ButtonBuffer buf = buildButtonBuffer(p, layout, map);
    ButtonBuffer expected{};
    expected[0] = 0x0A;
    expected[22] = 0x81;  // button 0 at 4 * 5 + 2
    expected[2] = 0x82;   // button 1 at 4 * 0 + 2
    expected[10] = 0x83;  // button 2 at 4 * 2 + 2
    expected[90] = 0x8B;
    expected[94] = 0x8C;
    EXPECT_EQ(buf, expected);

    layout.scrollRev = true;
    buf = buildButtonBuffer(p, layout, map);
    EXPECT_EQ(buf[90], 0x8C);
    EXPECT_EQ(buf[94], 0x8B);

    // Hostile layouts: a huge count, matrix values past the 24 slots. Nothing lands outside the
    // 96 slot bytes; slots without a place are left out.
    layout.scrollRev = false;
    layout.buttonCount = 1000;
    layout.matrix.deviceButton.fill(255);
    layout.matrix.deviceButton[3] = 20;
    buf = buildButtonBuffer(p, layout, map);
    expected.fill(0);
    expected[0] = 0x0A;
    expected[82] = 0x85;  // button 3 (Fun 4) at 4 * 20 + 2
    expected[90] = 0x8B;  // regular slots 22 and 23 land on the wheel places, then 40 and 41 do
    expected[94] = 0x8C;
    EXPECT_EQ(buf, expected);
    EXPECT_EQ(buttonSlotOffset(16, layout), std::nullopt);
    EXPECT_EQ(buttonSlotOffset(-1, layout), std::nullopt);
    EXPECT_EQ(buttonSlotOffset(22, layout), 90);

    // Three different macros get 0, 1, 2 in button order, the same name the same number.
    for (int b : {0, 1, 2, 3}) p.buttons[b].Fun = 200;
    p.buttons[0].macroname = QStringLiteral("x");
    p.buttons[1].macroname = QStringLiteral("y");
    p.buttons[2].macroname = QStringLiteral("x");
    p.buttons[3].macroname = QStringLiteral("z");
    layout.buttonCount = 4;
    layout.matrix.deviceButton = {0, 1, 2, 3};
    buf = buildButtonBuffer(p, layout, map);
    EXPECT_EQ(buf[3], 0);
    EXPECT_EQ(buf[7], 1);
    EXPECT_EQ(buf[11], 0);
    EXPECT_EQ(buf[15], 2);
    EXPECT_EQ(p.buttons[3].Res4, 2);
    EXPECT_EQ(map.size(), 3);
}

TEST(WritesButtons, TableFrames) {
    ButtonBuffer buf{};
    for (int i = 0; i < kButtonBufferBytes; ++i) buf[i] = static_cast<uint8_t>(i);
    const FrameList f = buttonTableFrames(buf);
    ASSERT_EQ(f.size(), 7u);
    const int offsets[] = {0, 2, 26, 50, 74, 98, 0x7F};
    const int lengths[] = {2, 24, 24, 24, 24, 4, 1};
    const uint8_t phases[] = {0xD1, 0xD2, 0xD2, 0xD2, 0xD2, 0xD2, 0xD3};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(f[i][4], 0x03);
        EXPECT_EQ(f[i][5], offsets[i]);
        EXPECT_EQ(f[i][7], lengths[i]);
        EXPECT_EQ(f[i][8], phases[i]);
        for (int b = 0; b < lengths[i]; ++b) {
            const uint8_t want = i == 5 ? 0xFF : i == 6 ? 0x1A : static_cast<uint8_t>(offsets[i] + b);
            EXPECT_EQ(f[i][9 + b], want) << "frame " << i << " byte " << b;
        }
    }
}
