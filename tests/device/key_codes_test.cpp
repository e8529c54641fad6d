#include "device/key_codes.h"

#include <gtest/gtest.h>

#include <set>

namespace kc = mousecfg::keycodes;

TEST(KeyCodes, NamesOfListedAndUnlistedCodes) {
    const struct {
        int code;
        const char* name;
    } cases[] = {
        {0, ""},
        {1, "Esc"},
        {2, "1"},
        {10, "9"},
        {11, "0"},
        {12, "-"},
        {13, "="},
        {14, "Backspace"},
        {15, "Tab"},
        {16, "Q"},
        {25, "P"},
        {26, "["},
        {27, "]"},
        {28, "Enter"},
        {29, "LCtr"},
        {30, "A"},
        {38, "L"},
        {39, ";"},
        {40, "'"},
        {41, "`"},
        {42, "LShift"},
        {43, "\\"},
        {44, "Z"},
        {50, "M"},
        {51, ","},
        {53, "/"},
        {54, "RShift"},
        {55, "Print Screen"},
        {56, "LAlt"},
        {57, "Space"},
        {58, "CapsLock"},
        {59, "F1"},
        {68, "F10"},
        {69, "Pause Break"},
        {70, "Scroll Lock"},
        {71, "Home"},
        {72, "Up"},
        {73, "Page Up"},
        {74, "Num -"},
        {75, "Left"},
        {76, "Num 5"},
        {77, "Right"},
        {78, "Num +"},
        {79, "End"},
        {80, "Down"},
        {81, "Page Down"},
        {82, "Insert"},
        {83, "Delete"},
        {84, ""},
        {86, ""},
        {87, "F11"},
        {88, "F12"},
        {89, ""},
        {90, ""},
        {91, "LWindows"},
        {92, "RWindows"},
        {93, "App"},
        {94, ""},
        {223, ""},
        {224, "Num De"},
        {225, "Num Lock"},
        {226, "Num /"},
        {227, "Num *"},
        {228, "Num 9"},
        {229, "Num Enter"},
        {230, "Num 1"},
        {233, "Num 4"},
        {234, "Num 6"},
        {235, "Num 7"},
        {236, "Num 8"},
        {237, "Num 0"},
        {238, "RCtr"},
        {239, "RAlt"},
        {240, "Left Button"},
        {241, "Right Button"},
        {242, "Middle Button"},
        {243, ""},
        {255, ""},
        {-1, ""},
        {100000, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(kc::keyName(c.code), QString::fromLatin1(c.name));
    }
    for (int code = 94; code <= 223; ++code) EXPECT_TRUE(kc::keyName(code).isEmpty()) << code;
    EXPECT_EQ(kc::keyName(224).size(), 6);  // "Num De" is the whole name
}

TEST(KeyCodes, UsageTableAgreesWithTheKeyNames) {
    // Both tables describe the same keyboard, so a usage's key code must carry the key's name.
    for (int i = 0; i < 26; ++i) {
        const auto code = kc::keyCodeOfUsage(4 + i);
        ASSERT_TRUE(code.has_value()) << i;
        EXPECT_EQ(kc::keyName(*code), QString(QChar('A' + i)));
    }
    for (int i = 0; i < 10; ++i) {
        const auto code = kc::keyCodeOfUsage(30 + i);
        ASSERT_TRUE(code.has_value());
        EXPECT_EQ(kc::keyName(*code), QString::number((i + 1) % 10));
    }
    for (int i = 0; i < 12; ++i) {
        const auto code = kc::keyCodeOfUsage(58 + i);
        ASSERT_TRUE(code.has_value());
        EXPECT_EQ(kc::keyName(*code), QStringLiteral("F%1").arg(i + 1));
    }
    for (int i = 0; i < 9; ++i) {
        const auto code = kc::keyCodeOfUsage(89 + i);
        ASSERT_TRUE(code.has_value());
        EXPECT_EQ(kc::keyName(*code), QStringLiteral("Num %1").arg(i + 1));
    }
    EXPECT_EQ(kc::keyName(*kc::keyCodeOfUsage(98)), QStringLiteral("Num 0"));
    EXPECT_EQ(kc::keyName(*kc::keyCodeOfUsage(99)), QStringLiteral("Num De"));
    const struct {
        int usage;
        const char* name;
    } named[] = {{40, "Enter"},       {41, "Esc"},      {42, "Backspace"}, {43, "Tab"},
                 {44, "Space"},       {49, "\\"},       {57, "CapsLock"},  {70, "Print Screen"},
                 {72, "Pause Break"}, {73, "Insert"},   {76, "Delete"},    {79, "Right"},
                 {82, "Up"},          {83, "Num Lock"}, {88, "Num Enter"}, {101, "App"},
                 {224, "LCtr"},       {225, "LShift"},  {226, "LAlt"},     {227, "LWindows"},
                 {228, "RCtr"},       {229, "RShift"},  {230, "RAlt"},     {231, "RWindows"}};
    for (const auto& n : named) {
        const auto code = kc::keyCodeOfUsage(n.usage);
        ASSERT_TRUE(code.has_value()) << n.usage;
        EXPECT_EQ(kc::keyName(*code), QString::fromLatin1(n.name)) << n.usage;
    }
}

TEST(KeyCodes, BothLookupsOverTheWholeTable) {
    const auto& pairs = kc::keyUsagePairs();
    EXPECT_EQ(pairs.size(), 104u);
    std::set<int> codes, usages;
    for (const auto& p : pairs) {
        codes.insert(p.code);
        usages.insert(p.usage);
        EXPECT_EQ(kc::usageOfKeyCode(p.code), p.usage) << int(p.code);
        EXPECT_EQ(kc::keyCodeOfUsage(p.usage), p.code) << int(p.usage);
        EXPECT_FALSE(kc::keyName(p.code).isEmpty()) << int(p.code);
    }
    EXPECT_EQ(codes.size(), 104u);
    EXPECT_EQ(usages.size(), 104u);
    EXPECT_EQ(kc::usageOfKeyCode(54), 229);
    EXPECT_EQ(kc::usageOfKeyCode(42), 225);
    EXPECT_EQ(kc::usageOfKeyCode(229), 88);
    EXPECT_EQ(kc::usageOfKeyCode(28), 40);
    EXPECT_EQ(kc::usageOfKeyCode(37), 0x0E);  // K
    for (int code : {0, 84, 240, 241, 242, 255, -5, 1000}) EXPECT_FALSE(kc::usageOfKeyCode(code)) << code;
    for (int usage : {0, 1, 3, 50, 100, 102, 223, 232, 255, 4096})
        EXPECT_FALSE(kc::keyCodeOfUsage(usage)) << usage;
}

TEST(KeyCodes, CaptureRemapOfExtendedAndKeypadKeys) {
    const struct {
        int code;
        unsigned flags;
        int expected;
    } cases[] = {
        {28, 0, 28},    {28, 1, 229},   {28, 129, 229}, {28, 128, 28}, {28, 33, 28},  {29, 1, 238},
        {29, 129, 238}, {29, 0, 29},    {53, 1, 226},   {53, 0, 53},   {69, 1, 225},  {69, 0, 69},
        {56, 1, 239},   {56, 33, 239},  {56, 129, 239}, {56, 32, 56},  {56, 161, 56}, {56, 0, 56},
        {55, 0, 227},   {55, 128, 227}, {55, 1, 55},    {55, 32, 55},  {71, 0, 235},  {71, 1, 71},
        {72, 128, 236}, {72, 129, 72},  {73, 0, 228},   {75, 0, 233},  {77, 0, 234},  {79, 0, 230},
        {80, 0, 231},   {81, 0, 232},   {82, 0, 237},   {83, 0, 224},  {83, 129, 83}, {74, 0, 74},
        {76, 0, 76},    {78, 1, 78},    {30, 1, 30},    {0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << " flags " << c.flags);
        EXPECT_EQ(kc::remapCapturedKey(static_cast<std::uint8_t>(c.code), c.flags), c.expected);
    }
    // The keypad Enter is a different key to the mouse as well.
    EXPECT_EQ(kc::usageOfKeyCode(kc::remapCapturedKey(28, 1)), 88);
    EXPECT_EQ(kc::usageOfKeyCode(kc::remapCapturedKey(28, 0)), 40);
}
