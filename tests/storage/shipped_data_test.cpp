#include <gtest/gtest.h>

#include <QFileInfo>
#include <QSettings>
#include <set>

#include "state_compare.h"
#include "storage/app_settings.h"
#include "storage/product_descriptor.h"
#include "storage/profile_files.h"
#include "storage/profile_library.h"
#include "storage/settings_file.h"
#include "temp_data.h"

namespace mousecfg {
namespace {

using test::TempData;

// DPI of a sensor 3327 level, as the product sheet gives it; only for judging the shipped codes.
int dpi3327(int a) {
    if (a <= 61) return 100 * (a + 1);
    if (a <= 92) return 6200 + 200 * (a - 61);
    return a == 106 ? 16400 : 12300 + 300 * (a - 92);
}

TEST(ShippedData, FirstStartShowsFiveWorkingProfiles) {
    TempData data(true);
    const Paths& paths = data.paths();
    EXPECT_EQ(loadProductName(paths), QStringLiteral("FARROW"));
    EXPECT_FALSE(loadVersion(paths).isEmpty());
    EXPECT_EQ(appsettings::loadCurrentProductName(paths), QStringLiteral("FARROW"));
    EXPECT_EQ(appsettings::loadMouseListName(paths), QStringLiteral("FARROW"));
    EXPECT_EQ(appsettings::loadSensorId(paths), 3327);
    const int buttons = buttonCount(paths);
    const int stages = dpiStageCount(paths);
    EXPECT_EQ(buttons, 8);
    EXPECT_EQ(stages, 6);
    EXPECT_EQ(loadMinDelay(paths), 10);
    std::array<uint8_t, kDescriptorButtons> m2{};
    EXPECT_EQ(loadButtonMatrix2(paths, m2), 8);
    EXPECT_EQ(shownButtonCount(m2, buttons), 8);

    ConfigState stored, working;
    ButtonMatrix matrix;
    reloadStoredSettings(paths, stored, working, &matrix);
    EXPECT_TRUE(stored == working);
    EXPECT_EQ(currentProfileIndex(stored), 0);
    EXPECT_EQ(stored.LiftHigh, 2);
    std::set<int> deviceButtons(matrix.deviceButton.begin(), matrix.deviceButton.begin() + buttons);
    EXPECT_EQ(deviceButtons.size(), 8u) << "two UI slots drive the same device button";

    for (int i = 0; i < kProfileCount; ++i) {
        SCOPED_TRACE("profile " + std::to_string(i));
        const MouseProfile& p = stored.profiles[i];
        EXPECT_EQ(stored.profileNames[i], QStringLiteral("Profile %1").arg(i + 1));
        EXPECT_EQ(p.ProfileName, stored.profileNames[i]);
        EXPECT_TRUE(p.pollrate == 1 || p.pollrate == 2 || p.pollrate == 4 || p.pollrate == 8);
        EXPECT_LT(p.dpi, stages);
        EXPECT_LT(p.LedMode, kLedModes);
        EXPECT_TRUE(p.ledModes[p.LedMode].RGB.isValid());
        EXPECT_GE(p.LedSleepTime, loadSleepMin(paths));
        EXPECT_LE(p.LedSleepTime, loadSleepMax(paths));
        int last = 0;
        for (int s = 0; s < stages; ++s) {
            const DpiStage& st = p.dpiStages[s];
            EXPECT_EQ(st.used, 1);
            EXPECT_EQ(st.x, st.y);
            const int dpi = dpi3327(static_cast<int>(st.x));
            EXPECT_GT(dpi, last) << "stage " << s << " does not rise";
            EXPECT_GE(dpi, 400);
            EXPECT_LE(dpi, 16000);
            last = dpi;
        }
        std::set<int> funs;
        for (int b = 0; b < buttons; ++b) funs.insert(p.buttons[b].Fun);
        EXPECT_EQ(funs.size(), static_cast<size_t>(buttons)) << "duplicate button function";
        EXPECT_TRUE(funs.count(1) && funs.count(2)) << "left and right click";
        EXPECT_EQ(p.buttons[40].Fun, 52);
        EXPECT_EQ(p.buttons[41].Fun, 53);
        for (int j = 0; j < i; ++j) EXPECT_FALSE(p == stored.profiles[j]) << "same as profile " << j;
    }

    // The library holds the same five profiles plus the factory template.
    const QString product = appsettings::loadCurrentProductName(paths);
    const QStringList list = loadLibraryList(paths, product);
    ASSERT_EQ(list.size(), kProfileCount);
    for (int i = 0; i < kProfileCount; ++i) {
        EXPECT_EQ(list[i], stored.profileNames[i]);
        MouseProfile lib;
        loadProfileFromPath(lib, libraryProfileFile(paths, product, list[i]));
        EXPECT_TRUE(lib == stored.profiles[i]) << list[i].toStdString();
        EXPECT_FALSE(isBuiltInLibraryName(paths, product, list[i]));
    }
    EXPECT_TRUE(isBuiltInLibraryName(paths, product, QStringLiteral("DefaultProfile")));
    MouseProfile factory, expected;
    loadProfileFromPath(factory, libraryProfileFile(paths, product, QStringLiteral("DefaultProfile")));
    resetProfileToDefaults(expected, paths);
    test::expectSameProfile(factory, expected, "library template");

    QSettings ini(paths.configFile(), QSettings::IniFormat);
    EXPECT_EQ(ini.value("FONT_LIST/LANGNUM").toInt(), 3);
    EXPECT_EQ(ini.value("FONT_LIST/LangFile_1").toString(), QStringLiteral("mousecfg_zh_CN"));
    EXPECT_EQ(ini.value("FONT_LIST/LangName_1").toString(), QStringLiteral("简体中文"));
    EXPECT_EQ(appsettings::loadThemeColourId(paths), 6);
}

}  // namespace
}  // namespace mousecfg
