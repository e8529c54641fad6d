#include <gtest/gtest.h>

#include <QSettings>

#include "random_state.h"
#include "state_compare.h"
#include "storage/config_state.h"
#include "storage/product_descriptor.h"
#include "storage/profile_files.h"
#include "temp_data.h"

namespace mousecfg {
namespace {

using test::TempData;

void expectHostDefaults(const MouseProfile& p) {
    EXPECT_EQ(p.mousespeed, 10);
    EXPECT_EQ(p.dbclickspeed, 5);
    EXPECT_EQ(p.scrollispage, 0);
    EXPECT_EQ(p.scrollspeed, 1);
    EXPECT_EQ(p.accelenable, 1);
    EXPECT_EQ(p.acee, 1);
    EXPECT_TRUE(p.ProfileName.isEmpty());
    EXPECT_TRUE(p.ProfilePath.isEmpty());
}

TEST(Defaults, BuiltInWithoutDescriptor) {
    TempData data;  // no DefaultProfile.bin
    MouseProfile p = test::RandomState(1).profile();
    resetProfileToDefaults(p, data.paths());

    expectHostDefaults(p);
    EXPECT_EQ(p.pollrate, 1);
    EXPECT_EQ(p.dpi, 1);
    EXPECT_EQ(p.LedMode, 9);
    EXPECT_EQ(p.LedMoveOFF, 0);
    EXPECT_EQ(p.LedSleepTime, 1);
    const uint32_t codes[8] = {8, 12, 16, 24, 50, 75, 0, 0};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(p.dpiStages[i].used, 1) << i;
        EXPECT_EQ(p.dpiStages[i].link, 1) << i;
        EXPECT_EQ(p.dpiStages[i].xy, codes[i]) << i;
        EXPECT_EQ(p.dpiStages[i].x, codes[i]) << i;
        EXPECT_EQ(p.dpiStages[i].y, codes[i]) << i;
    }
    const int funs[7] = {1, 2, 3, 4, 5, 4, 5};
    for (int i = 0; i < kButtonSlots; ++i) {
        const int expected = i < 7 ? funs[i] : i == 40 ? 52 : i == 41 ? 53 : 0;
        EXPECT_EQ(p.buttons[i].Fun, expected) << "button " << i;
        EXPECT_EQ(p.buttons[i].ID, 0);
        EXPECT_EQ(p.buttons[i].KeyNumber, 0);
        EXPECT_TRUE(p.buttons[i].macroname.isEmpty());
        EXPECT_EQ(p.buttons[i].KeyInfo, ButtonAssignment().KeyInfo);
    }
    for (int i = 0; i < kLedModes; ++i) {
        const LedModeSetting& l = p.ledModes[i];
        EXPECT_EQ(l.RGB, i == 10 ? QColor(0, 255, 0) : QColor(255, 0, 0)) << i;
        EXPECT_EQ(l.h, 360u);
        EXPECT_EQ(l.s, 0u);
        EXPECT_EQ(l.v, 0u);
        EXPECT_EQ(l.bright, 3u);
        const uint32_t breath = i == 4 ? 2 : i == 9 ? 4 : i == 10 ? 5 : i == 12 ? 1 : 3;
        EXPECT_EQ(l.breath, breath) << "effect " << i;
    }
}

// A descriptor whose values all differ from the built-in ones.
void writeDescriptor(const TempData& data) {
    QSettings s(data.paths().descriptorFile(), QSettings::IniFormat);
    s.beginGroup(QStringLiteral("PROFILE"));
    s.setValue("ProductName", "TESTMOUSE");
    s.setValue("MouseDpi", 3389);
    s.setValue("ButtonCount", 3389 ^ 8);
    s.setValue("DPICount", 8 ^ 6);
    s.setValue("dpi", 3);
    s.setValue("pollrate", 2);
    s.setValue("LedMode", 4);
    for (int i = 0; i < 8; ++i) s.setValue(QStringLiteral("DPI_INFO_%1_xy").arg(i), 100 + i * 7);
    for (int i = 0; i < 16; ++i) {
        const QString b = QStringLiteral("BUTTON_INFO_%1_").arg(i);
        s.setValue(b + "ID", 900 + i);
        s.setValue(b + "Fun", 20 + i);
        s.setValue(b + "LoopNumber", 30 + i);
        s.setValue(b + "KeyNumber", 40 + i);
        s.setValue(b + "Res1", 50 + i);
        s.setValue(b + "Res2", 60 + i);
        s.setValue(b + "Res3", 70 + i);
        s.setValue(b + "Res4", 300 + i);  // wider than a byte: truncated
        s.setValue(b + "Matrix", i + 1);
        s.setValue(b + "Matrix2", i == 2 || i == 5 || i == 12 ? 255 : i);
    }
    for (int i = 0; i < 14; ++i) {
        const QString l = QStringLiteral("LedMode/LED_MODE_%1_").arg(i);
        s.setValue(l + "RGB", QColor(i * 10, 255 - i, 7));
        s.setValue(l + "bright", i % 3 + 1);
        s.setValue(l + "breath", i % 5 + 1);
    }
}

TEST(Defaults, FromTheDescriptor) {
    TempData data;
    writeDescriptor(data);
    MouseProfile p = test::RandomState(2).profile();
    resetProfileToDefaults(p, data.paths());

    expectHostDefaults(p);
    EXPECT_EQ(p.pollrate, 2);
    EXPECT_EQ(p.dpi, 3);
    EXPECT_EQ(p.LedMode, 4);
    EXPECT_EQ(p.LedMoveOFF, 0);
    EXPECT_EQ(p.LedSleepTime, 1);
    for (int i = 0; i < 8; ++i) {
        const uint32_t code = 100 + i * 7;
        EXPECT_EQ(p.dpiStages[i], (DpiStage{1, 1, code, code, code})) << "stage " << i;
    }
    for (int i = 0; i < kButtonSlots; ++i) {
        SCOPED_TRACE("button " + std::to_string(i));
        const ButtonAssignment& b = p.buttons[i];
        EXPECT_EQ(b.ID, 0);  // the descriptor's ID is not copied
        if (i < 16) {
            EXPECT_EQ(b.Fun, 20 + i);
            EXPECT_EQ(b.LoopNumber, 30 + i);
            EXPECT_EQ(b.KeyNumber, 40 + i);
            EXPECT_EQ(b.Res1, 50 + i);
            EXPECT_EQ(b.Res2, 60 + i);
            EXPECT_EQ(b.Res3, 70 + i);
            EXPECT_EQ(b.Res4, (300 + i) & 0xFF);
        } else {
            EXPECT_EQ(b.Fun, i == 40 ? 52 : i == 41 ? 53 : 0);
            EXPECT_EQ(b.LoopNumber, 0);
            EXPECT_EQ(b.Res1, 0);
        }
    }
    for (int i = 0; i < kLedModes; ++i) {
        const LedModeSetting& l = p.ledModes[i];
        EXPECT_EQ(l.RGB, QColor(i * 10, 255 - i, 7)) << i;
        EXPECT_EQ(l.bright, uint32_t(i % 3 + 1));
        EXPECT_EQ(l.breath, uint32_t(i % 5 + 1));
        EXPECT_EQ(l.h, 360u);
        EXPECT_EQ(l.s, 0u);
        EXPECT_EQ(l.v, 0u);
    }
}

TEST(Defaults, ResetAllResetsEveryProfileAndKeepsCount) {
    TempData data;
    writeDescriptor(data);
    const ConfigState before = test::RandomState(3).state();
    ConfigState s = before;
    resetAllToDefaults(s, data.paths());
    MouseProfile fresh;
    resetProfileToDefaults(fresh, data.paths());
    EXPECT_EQ(s.ProfileID, 0);
    EXPECT_EQ(s.AngleValue, 0);
    EXPECT_EQ(s.LiftHigh, 2);
    EXPECT_EQ(s.Count, before.Count);
    for (int i = 0; i < kProfileCount; ++i)
        test::expectSameProfile(s.profiles[i], fresh, "profile " + std::to_string(i));
    for (int i = 0; i < kProfileCount; ++i)
        EXPECT_EQ(s.profileNames[i], QStringLiteral("Profile %1").arg(i + 1));
}

TEST(Defaults, DefaultProfileFileFollowsTheDescriptor) {
    TempData data;
    writeDefaultProfileFile(data.paths());
    MouseProfile builtIn, fromFile;
    resetProfileToDefaults(builtIn, static_cast<const ProductDescriptor*>(nullptr));
    loadProfileFromPath(fromFile, defaultProfileFile(data.paths()));
    test::expectSameProfile(builtIn, fromFile, "built-in template");

    writeDescriptor(data);
    writeDefaultProfileFile(data.paths());
    ProductDescriptor d;
    ASSERT_EQ(loadProductDescriptor(data.paths(), d), DescriptorStatus::Loaded);
    MouseProfile expected;
    resetProfileToDefaults(expected, &d);
    loadProfileFromPath(fromFile, defaultProfileFile(data.paths()));
    test::expectSameProfile(expected, fromFile, "descriptor template");
    EXPECT_FALSE(expected == builtIn);
}

TEST(Descriptor, MissingFileGivesTheDocumentedDefaults) {
    TempData data;
    ProductDescriptor d;
    d.dpi = 7;
    EXPECT_EQ(loadProductDescriptor(data.paths(), d), DescriptorStatus::Missing);
    EXPECT_EQ(d.dpi, 7);  // left as it was
    EXPECT_EQ(buttonCount(data.paths()), 0);
    EXPECT_EQ(dpiStageCount(data.paths()), 0);
    EXPECT_EQ(loadShowSleep(data.paths()), 1);
    EXPECT_EQ(loadSleepMin(data.paths()), 1);
    EXPECT_EQ(loadSleepMax(data.paths()), 9);
    EXPECT_EQ(loadMinDelay(data.paths()), 10);
    EXPECT_EQ(loadDisableMacro(data.paths()), 0);
    EXPECT_EQ(loadLedDisable(data.paths()), 0);
    EXPECT_EQ(loadScrollRev(data.paths()), 0);
    EXPECT_EQ(loadExtendedDpiRange(data.paths()), 0);
    EXPECT_EQ(loadColorMode(data.paths()), 0);
    EXPECT_TRUE(loadProductName(data.paths()).isEmpty());
    EXPECT_TRUE(loadVersion(data.paths()).isEmpty());
    ButtonMatrix m;
    m.deviceButton[0] = 9;
    EXPECT_EQ(loadButtonMatrix(data.paths(), m), DescriptorStatus::Missing);
    EXPECT_EQ(m.deviceButton[0], 9);
    std::array<uint8_t, kDescriptorButtons> m2{};
    EXPECT_EQ(loadButtonMatrix2(data.paths(), m2), kMatrix2Missing);
}

TEST(Descriptor, CodedCountsSingleKeysAndMatrices) {
    TempData data;
    writeDescriptor(data);
    {
        QSettings s(data.paths().descriptorFile(), QSettings::IniFormat);
        s.setValue("PROFILE/Version", "V 1.2");
        s.setValue("PROFILE/ShowSleep", 0);
        s.setValue("PROFILE/SleepMin", 2);
        s.setValue("PROFILE/SleepMax", 30);
        s.setValue("PROFILE/MinDelay", 3);
        s.setValue("PROFILE/DisableMacro", 1);
        s.setValue("PROFILE/ledDisable", 1);
        s.setValue("PROFILE/ScrollRev", 1);
        s.setValue("PROFILE/33254", 1);
        s.setValue("PROFILE/ColorMode", 2);
    }
    const Paths& p = data.paths();
    EXPECT_EQ(buttonCount(p), 8);
    EXPECT_EQ(dpiStageCount(p), 6);
    EXPECT_EQ(loadButtonCountCode(p), 3389 ^ 8);
    EXPECT_EQ(loadMouseDpi(p), 3389);
    EXPECT_EQ(loadDpiCountCode(p), 8 ^ 6);
    EXPECT_EQ(loadProductName(p), QStringLiteral("TESTMOUSE"));
    EXPECT_EQ(loadVersion(p), QStringLiteral("V 1.2"));
    EXPECT_EQ(loadShowSleep(p), 0);
    EXPECT_EQ(loadSleepMin(p), 2);
    EXPECT_EQ(loadSleepMax(p), 30);
    EXPECT_EQ(loadMinDelay(p), 3);
    EXPECT_EQ(loadDisableMacro(p), 1);
    EXPECT_EQ(loadLedDisable(p), 1);
    EXPECT_EQ(loadScrollRev(p), 1);
    EXPECT_EQ(loadExtendedDpiRange(p), 1);
    EXPECT_EQ(loadColorMode(p), 2);

    ButtonMatrix m;
    ASSERT_EQ(loadButtonMatrix(p, m), DescriptorStatus::Loaded);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(m.deviceButton[i], i + 1);
    std::array<uint8_t, kDescriptorButtons> m2{};
    EXPECT_EQ(loadButtonMatrix2(p, m2), 8);
    EXPECT_EQ(m2[2], kMatrixHidden);
    EXPECT_EQ(m2[3], 3);
    // Slots 2 and 5 are hidden among the first eight; slot 12 lies beyond the count.
    EXPECT_EQ(shownButtonCount(m2, 8), 6);
    EXPECT_EQ(shownButtonCount(m2, 16), 13);
    // A count beyond the 16 entries reads no entry past the table.
    EXPECT_EQ(shownButtonCount(m2, 40), 37);
    EXPECT_EQ(shownButtonCount(m2, -3), 0);

    ProductDescriptor d;
    ASSERT_EQ(loadProductDescriptor(p, d), DescriptorStatus::Loaded);
    EXPECT_EQ(d.ProductName, QStringLiteral("TESTMOUSE"));
    EXPECT_EQ(d.ButtonCount, (3389 ^ 8) & 0xFF);  // raw and truncated, not decoded
    EXPECT_EQ(d.buttonDefaults[15].ID, 915);
}

TEST(Descriptor, CountDecodingIsPlainXor) {
    struct {
        int code, mask, dpiCode, buttons, stages;
    } const cases[] = {
        {3389 ^ 8, 3389, 8 ^ 6, 8, 6},
        {0, 0, 0, 0, 0},
        {5, 0, 0, 5, 5},
        {-1, 0, 1, -1, -2},  // signed 32-bit XOR
        {0x7FFFFFFF, 0x7FFFFFF0, 0, 15, 15},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decodeButtonCount(c.code, c.mask), c.buttons) << c.code;
        EXPECT_EQ(decodeDpiStageCount(c.code, c.mask, c.dpiCode), c.stages) << c.code;
    }
}

}  // namespace
}  // namespace mousecfg
