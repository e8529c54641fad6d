#include "device/button_functions.h"

#include <gtest/gtest.h>

#include <set>

#include "device/key_codes.h"
#include "storage/app_settings.h"
#include "storage/macro_files.h"
#include "temp_data.h"

using namespace mousecfg;
using namespace mousecfg::buttonfn;

namespace {

KeyInfoEntry down(uint8_t usage) {
    return {usage, 5, 128};
}
KeyInfoEntry up(uint8_t usage) {
    return {usage, 5, 0};
}

}  // namespace

TEST(ButtonFunctions, CodesAreUniqueAndLabelsComeFromTheTableOrTheMacroName) {
    std::set<int> codes;
    for (const Function& f : functions()) EXPECT_TRUE(codes.insert(f.code).second) << f.code;
    ButtonAssignment a;
    a.macroname = QStringLiteral("Burst");
    const struct {
        int fun;
        const char* label;
    } rows[] = {{1, "Left"},        {16, "Button Off"}, {62, "Boss Key"}, {63, "Rate Switch"},
                {54, "Led Switch"}, {200, "Burst"},     {510, "Burst"},   {0, ""},
                {13, ""},           {60, ""},           {-1, ""},         {999, ""},
                {1 << 30, ""}};
    for (const auto& r : rows) {
        a.Fun = r.fun;
        EXPECT_EQ(labelSource(a), QLatin1String(r.label)) << r.fun;
    }
}

TEST(ButtonFunctions, OnlyTheLastLeftClickCannotBeReassignedAway) {
    const struct {
        std::vector<int> leftSlots;
        int slot;
        int newCode;
        bool allowed;
    } rows[] = {
        {{0}, 0, fun::kRight, false},       // the only Left
        {{0}, 0, fun::kLeft, true},         // Left again is always fine
        {{0, 25}, 0, fun::kRight, true},    // another Left on a side button
        {{0, 40}, 0, fun::kMacro, true},    // ... or on the wheel
        {{3}, 0, fun::kRight, true},        // the edited button is not Left
        {{}, 4, fun::kButtonOff, true},     // no Left anywhere: nothing to protect
        {{41}, 41, fun::kScrollUp, false},  // the last slot is checked too
        {{0}, 42, fun::kRight, true},       // a slot outside the profile changes nothing
    };
    for (const auto& r : rows) {
        MouseProfile p;
        for (ButtonAssignment& b : p.buttons) b.Fun = fun::kRight;
        for (int s : r.leftSlots) p.buttons[static_cast<size_t>(s)].Fun = fun::kLeft;
        EXPECT_EQ(keepsOneLeftClick(p, r.slot, r.newCode), r.allowed) << r.slot << " -> " << r.newCode;
    }
}

TEST(ButtonFunctions, ComboKeysPressInSlotOrderAndReleaseInReverse) {
    // Ctrl pressed before Shift still sends Shift first; the device reads Ctrl+Shift and A back.
    ComboKeys c;
    for (uint8_t k : {29, 42, 30}) c.press(k);
    EXPECT_EQ(c.label(), QStringLiteral("LShift + LCtr + A"));
    ASSERT_EQ(c.chosenCodes(), (std::vector<uint8_t>{42, 29, 30}));
    ButtonAssignment a;
    a.Fun = fun::kKeyCombo;
    a.KeyInfo = comboKeyInfo(c.chosenCodes());
    const KeyInfoEntry six[] = {down(225), down(224), down(4), up(4), up(224), up(225)};
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(a.KeyInfo[i], six[i]) << i;
    for (size_t i = 6; i < a.KeyInfo.size(); ++i) EXPECT_EQ(a.KeyInfo[i], KeyInfoEntry{}) << i;
    MacroNumberMap macros;
    EXPECT_EQ(encodeButtonFunction(a, 3327, macros), (SlotBytes{0x8F, 0x03, 0x04, 0x00}));
    EXPECT_EQ(comboFromKeyInfo(a.KeyInfo).label(), c.label());

    // A right-only modifier shows and sends its left key; the last main key wins.
    ComboKeys r;
    for (uint8_t k : {238, 30, 48}) r.press(k);
    EXPECT_EQ(r.label(), QStringLiteral("LCtr + B"));
    EXPECT_EQ(r.chosenCodes(), (std::vector<uint8_t>{29, 48}));
    r.clear();
    EXPECT_TRUE(r.empty());
    EXPECT_EQ(r.label(), QString());
    // Keys without a usage are left out of the events instead of sending usage 0.
    const auto info = comboKeyInfo({86, 240, 30});
    EXPECT_EQ(info[0], down(4));
    EXPECT_EQ(info[1], up(4));
    EXPECT_EQ(info[2], KeyInfoEntry{});
}

TEST(ButtonFunctions, FireKeyOpensWithDefaultsAndStoresItsTarget) {
    const struct {
        int res1;
        int loop, key;
        int kind;
        uint8_t keyCode;
        int times, delay;
    } rows[] = {
        {0, 0, 0, FireLeft, 0, 3, 10},        {129, 7, 40, FireLeft, 0, 7, 40},
        {130, 1, 1, FireRight, 0, 1, 1},      {132, 255, 255, FireMiddle, 0, 255, 255},
        {4, 2, 0, FireKeyboard, 30, 2, 10},   {88, 0, 5, FireKeyboard, 229, 3, 5},
        {0xE8, 0, 0, FireKeyboard, 0, 3, 10},  // a usage no key has
    };
    for (const auto& r : rows) {
        ButtonAssignment a;
        a.Fun = fun::kFireKey;
        a.Res1 = static_cast<uint8_t>(r.res1);
        a.LoopNumber = r.loop;
        a.KeyNumber = r.key;
        const FireKey k = fireKeyOf(a);
        EXPECT_EQ(k.kind, r.kind) << r.res1;
        EXPECT_EQ(k.keyCode, r.keyCode) << r.res1;
        EXPECT_EQ(k.times, r.times) << r.res1;
        EXPECT_EQ(k.delay, r.delay) << r.res1;
    }
    ButtonAssignment a;
    a.Fun = fun::kLeft;
    EXPECT_TRUE(storeFireKey(a, {FireMiddle, 0, 5, 20}));
    EXPECT_EQ(a.Fun, fun::kFireKey);
    EXPECT_EQ(a.Res1, 132);
    EXPECT_EQ(a.LoopNumber, 5);
    EXPECT_EQ(a.KeyNumber, 20);
    EXPECT_TRUE(storeFireKey(a, {FireKeyboard, 229, 1, 255}));
    EXPECT_EQ(a.Res1, 88);  // keypad Enter's usage
    const ButtonAssignment before = a;
    for (const FireKey& bad :
         {FireKey{FireKeyboard, 0, 3, 10}, FireKey{FireKeyboard, 240, 3, 10}, FireKey{FireLeft, 0, 0, 10},
          FireKey{FireLeft, 0, 3, 256}, FireKey{7, 0, 3, 10}}) {
        EXPECT_FALSE(storeFireKey(a, bad));
        EXPECT_EQ(a, before);
    }
}

TEST(ButtonFunctions, SniperStartsInsideTheSensorRange) {
    const struct {
        int sensor, stored, level, min, max;
    } rows[] = {
        {3212, 40, 16, 16, 32},
        {3212, 16, 16, 16, 32},
        {3212, 20, 20, 16, 32},
        {3104, 0, 14, 14, 26},
        {3104, 26, 26, 14, 26},
        {3389, 1, 6, 2, 20},
        {3389, 20, 20, 2, 20},
        {3327, 0, 3, 1, 10},
        {3327, 11, 3, 1, 10},
        {3360, 10, 10, 1, 10},
        {3335, 255, 3, 1, 10},
        {3325, 4, 4, 1, 10},
        // Left by the corrections below the range: kept inside it.
        {3333, 1, 2, 2, 10},
        {4242, 0, 1, 1, 10},
        {4242, 99, 10, 1, 10},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(sniperStartLevel(r.sensor, r.stored), r.level) << r.sensor << " " << r.stored;
        EXPECT_EQ(sniperRange(r.sensor).min, r.min) << r.sensor;
        EXPECT_EQ(sniperRange(r.sensor).max, r.max) << r.sensor;
    }
}

TEST(ButtonFunctions, MacroEventsAreCopiedUpToWhatTheButtonHolds) {
    test::TempData data;
    MacroFileData big;
    for (int i = 0; i < 70; ++i) big.events.push_back({0x84, 0, static_cast<uint8_t>(i + 1)});
    ASSERT_TRUE(writeMacroFile(data.paths(), QStringLiteral("Long"), big));
    appsettings::saveMacroListEntry(data.paths(), 3, QStringLiteral("Long"));
    EXPECT_TRUE(macroInLibrary(data.paths(), QStringLiteral("Long")));
    EXPECT_FALSE(macroInLibrary(data.paths(), QStringLiteral("Gone")));
    EXPECT_FALSE(macroInLibrary(data.paths(), QStringLiteral("../Long")));

    ButtonAssignment a;
    a.KeyInfo.fill({9, 9, 9});
    ASSERT_EQ(copyMacroEvents(data.paths(), QStringLiteral("Long"), a), MacroCopy::Copied);
    EXPECT_EQ(a.KeyNumber, kKeyInfoEntries);
    EXPECT_EQ(a.KeyInfo.front(), (KeyInfoEntry{0x84, 1, 0}));
    EXPECT_EQ(a.KeyInfo.back(), (KeyInfoEntry{0x84, 63, 0}));

    MacroFileData shortOne;
    shortOne.events = {{0x81, 0, 1}, {0x01, 0, 1}};
    ASSERT_TRUE(writeMacroFile(data.paths(), QStringLiteral("Click"), shortOne));
    ASSERT_EQ(copyMacroEvents(data.paths(), QStringLiteral("Click"), a), MacroCopy::Copied);
    EXPECT_EQ(a.KeyNumber, 2);
    EXPECT_EQ(a.KeyInfo[2], KeyInfoEntry{});  // nothing left over from the longer macro

    const auto kept = a.KeyInfo;
    for (const char* bad : {"Gone", "../Click", ""}) {
        a.KeyNumber = 5;
        EXPECT_EQ(copyMacroEvents(data.paths(), QString::fromLatin1(bad), a), MacroCopy::Unreadable) << bad;
        EXPECT_EQ(a.KeyNumber, 0);
        EXPECT_EQ(a.KeyInfo, kept);
    }
}

TEST(ButtonFunctions, WhatEachMenuOffersAndWhatALabelSays) {
    const struct {
        int group;
        int code;
        bool macros, led, offered;
    } menus[] = {
        {kFrontGroup, fun::kLeft, true, true, true},
        {kFrontGroup, 48, true, true, true},
        {kFrontGroup, 63, true, true, true},
        {kFrontGroup, fun::kScrollUp, true, true, false},
        {kFrontGroup, 57, true, true, false},
        {kFrontGroup, fun::kGunFile, true, true, false},
        {kFrontGroup, fun::kMacro, false, true, false},
        {kFrontGroup, fun::kLedSwitch, true, false, false},
        {kFrontGroup, fun::kMacro, true, true, true},
        {kFrontGroup, 999, true, true, false},
        {kWheelGroup, fun::kScrollDown, true, true, true},
        {kWheelGroup, fun::kKeyCombo, true, true, true},
        {kWheelGroup, 48, true, true, false},
        {kWheelGroup, fun::kMacro, true, true, false},
    };
    for (const auto& m : menus)
        EXPECT_EQ(menuOffers(m.group, m.code, m.macros, m.led), m.offered) << m.group << " " << m.code;

    const Translate english = [](const char* s, const char*) { return QString::fromLatin1(s); };
    ButtonAssignment key, combo, fire, sniper, plain;
    key.Fun = fun::kSingleKey;
    key.Res1 = 63;  // F5
    combo.Fun = fun::kKeyCombo;
    combo.KeyInfo = comboKeyInfo({29, 30});
    fire.Fun = fun::kFireKey;
    fire.Res1 = 130;
    sniper.Fun = fun::kSniper;
    sniper.Res1 = 7;
    plain.Fun = 48;
    EXPECT_EQ(labelText(key, 3327, english), QStringLiteral("SINGLE KEY: F5"));
    EXPECT_EQ(labelText(combo, 3327, english), QStringLiteral("COMBO KEY: LCtr + A"));
    EXPECT_EQ(labelText(fire, 3327, english), QStringLiteral("FIRE KEY: Right"));
    EXPECT_EQ(labelText(sniper, 3327, english), QStringLiteral("SNIPER: 800 DPI"));
    EXPECT_EQ(labelText(plain, 3327, english), QStringLiteral("DPI +"));
}
