#include <gtest/gtest.h>

#include <QSettings>

#include "random_state.h"
#include "state_compare.h"
#include "storage/app_settings.h"
#include "storage/profile_files.h"
#include "storage/settings_export.h"
#include "storage/settings_file.h"
#include "temp_data.h"

namespace mousecfg {
namespace {

using test::RandomState;
using test::TempData;

constexpr uint32_t kSeeds[] = {1, 0xC0FFEE, 20261207};

int keysInGroup(const QString& file, const QString& group) {
    QSettings s(file, QSettings::IniFormat);
    s.beginGroup(group);
    return s.allKeys().size();
}

TEST(RoundTrip, StoredSettingsComeBackFieldByField) {
    for (uint32_t seed : kSeeds) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TempData data;
        RandomState rnd(seed);
        const ConfigState original = rnd.state();

        saveProfileList(data.paths(), original);
        saveConfigState(data.paths(), original);

        ConfigState loaded;
        loadConfigState(data.paths(), loaded);
        test::expectSameState(original, loaded);

        // Every profile file carries the whole key set.
        for (const QString& name : original.profileNames)
            EXPECT_EQ(keysInGroup(currentProfileFile(data.paths(), name), QStringLiteral("PROFILE")),
                      kProfileKeyCount);
    }
}

TEST(RoundTrip, InvalidColourAndHighCodesSurvive) {
    TempData data;
    RandomState rnd(7);
    MouseProfile p = rnd.profile();
    p.ledModes[3].RGB = QColor();
    p.ledModes[5].RGB = QColor(1, 2, 3, 128);
    p.dpiStages[2].x = 0xFFFFFFFFu;
    p.dpiStages[2].y = 0x80000000u;
    p.buttons[0].Fun = INT32_MIN;
    ASSERT_TRUE(saveProfileFile(data.paths(), p, QStringLiteral("x")));
    MouseProfile back = rnd.profile();
    loadProfileFile(data.paths(), back, QStringLiteral("x"));
    EXPECT_FALSE(back.ledModes[3].RGB.isValid());
    test::expectSameProfile(p, back, "profile x");
}

TEST(RoundTrip, ApplySaveRewritesOnlyTheFirstSlotName) {
    TempData data;
    RandomState rnd(3);
    ConfigState s = rnd.state();
    saveProfileList(data.paths(), s);
    const ConfigState listed = s;
    s.profileNames[0] = QStringLiteral("first renamed");
    s.profileNames[3] = QStringLiteral("fourth renamed");
    s.ProfileID = 2;
    s.LiftHigh = 9;
    saveConfigState(data.paths(), s);

    QSettings ini(data.paths().configFile(), QSettings::IniFormat);
    EXPECT_EQ(ini.value("Config/Profile1").toString(), QStringLiteral("first renamed"));
    EXPECT_EQ(ini.value("Config/Profile4").toString(), listed.profileNames[3]);
    EXPECT_EQ(ini.value("Config/ProfileID").toInt(), 2);
    EXPECT_EQ(ini.value("Config/LiftHigh").toInt(), 9);
}

TEST(RoundTrip, SettingsExportLeavesOutTwoKeysAndTheNames) {
    for (uint32_t seed : kSeeds) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TempData data;
        RandomState rnd(seed);
        const ConfigState original = rnd.state();
        const QString file = data.path(QStringLiteral("export.conf"));
        exportSettings(file, original);
        for (int i = 0; i < kProfileCount; ++i)
            EXPECT_EQ(keysInGroup(file, QStringLiteral("PROFILE_%1").arg(i)), kExportedProfileKeyCount);

        ConfigState target = rnd.state();  // what storedState held before the import
        importSettings(file, target);

        ConfigState expected = original;
        for (int i = 0; i < kProfileCount; ++i) {
            expected.profileNames[i].clear();  // the export carries no slot names
            // LedMoveOFF and LedSleepTime are neither exported nor imported.
            expected.profiles[i].LedMoveOFF = target.profiles[i].LedMoveOFF;
            expected.profiles[i].LedSleepTime = target.profiles[i].LedSleepTime;
        }
        test::expectSameState(expected, target);
    }
}

TEST(RoundTrip, SettingsImportChecksTheProductExactly) {
    TempData data;
    appsettings::saveCurrentProductName(data.paths(), QStringLiteral("FARROW"));
    RandomState rnd(11);
    const ConfigState exported = rnd.state();
    const QString file = data.path(QStringLiteral("a.conf"));
    exportSettingsFile(data.paths(), file, exported);
    EXPECT_EQ(readProductName(file), QStringLiteral("FARROW"));

    const ConfigState before = rnd.state();
    ConfigState state = before;
    stampProductName(file, QStringLiteral("farrow"));
    EXPECT_EQ(importSettingsFile(data.paths(), file, state), ImportResult::WrongProduct);
    EXPECT_TRUE(state == before);

    stampProductName(file, QStringLiteral("FARROW"));
    EXPECT_EQ(importSettingsFile(data.paths(), file, state), ImportResult::Imported);
    EXPECT_EQ(state.profiles[2].buttons[17].KeyInfo, exported.profiles[2].buttons[17].KeyInfo);
    EXPECT_EQ(state.LiftHigh, exported.LiftHigh);
}

TEST(RoundTrip, SaveDpiIndexTouchesOnlyTheDpiKey) {
    TempData data;
    RandomState rnd(5);
    const MouseProfile p = rnd.profile();
    saveProfileFile(data.paths(), p, QStringLiteral("slot"));
    EXPECT_TRUE(saveDpiIndex(data.paths(), QStringLiteral("slot"), 3));
    MouseProfile back;
    loadProfileFile(data.paths(), back, QStringLiteral("slot"));
    MouseProfile expected = p;
    expected.dpi = 3;
    test::expectSameProfile(expected, back, "after saveDpiIndex");
}

}  // namespace
}  // namespace mousecfg
