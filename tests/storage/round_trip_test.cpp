#include <gtest/gtest.h>

#include <QSettings>
#include <algorithm>

#include "random_state.h"
#include "state_compare.h"
#include "storage/app_settings.h"
#include "storage/file_checks.h"
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

// Only a complete settings set is imported: anything less would wipe profiles on disk and on the
// mouse. A refused file changes nothing.
TEST(RoundTrip, SettingsImportTakesOnlyACompleteSet) {
    TempData data;
    const Paths& paths = data.paths();
    appsettings::saveCurrentProductName(paths, QStringLiteral("FARROW"));
    const QString whole = data.path(QStringLiteral("whole.conf"));
    ASSERT_TRUE(exportSettingsFile(paths, whole, RandomState(12).state()).ok());
    const QByteArray bytes = data.readFile(QStringLiteral("whole.conf"));
    const QByteArray stamp = "[MouseName]\nName=FARROW\n";
    QByteArray noLiftHigh = bytes;
    noLiftHigh.replace("LiftHigh=", "LiftHeight=");
    const struct {
        const char* what;
        QByteArray content;
        ImportResult result;
    } cases[] = {
        {"stamp only", stamp, ImportResult::Incomplete},
        {"an exported profile", stamp + "[PROFILE]\npollrate=2\ndpi=1\n", ImportResult::Incomplete},
        {"cut in the middle", bytes.left(bytes.indexOf('\n', bytes.size() / 2) + 1),
         ImportResult::Incomplete},
        {"a global key missing", noLiftHigh, ImportResult::Incomplete},
        {"too large", bytes + QByteArray(kMaxSettingsFileSize, '\n'), ImportResult::Unreadable},
        {"whole", bytes, ImportResult::Imported},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        data.writeFile(QStringLiteral("in.conf"), c.content);
        const ConfigState before = RandomState(13).state();
        ConfigState state = before;
        QString detail;
        EXPECT_EQ(importSettingsFile(paths, data.path(QStringLiteral("in.conf")), state, &detail), c.result);
        EXPECT_EQ(state == before, c.result != ImportResult::Imported);
        EXPECT_EQ(detail.isEmpty(), c.result == ImportResult::Imported);
    }
}

// Names typed into Config.ini by hand, in UTF-8 or Latin-1, read as typed; the program writes them
// back as ASCII escapes, which read the same and keep characters outside the BMP.
TEST(RoundTrip, HandEditedNamesReadAsTypedAndSurviveASave) {
    const struct {
        QByteArray line;
        QString name;
    } cases[] = {
        {"Profile1=Профиль 😀", QStringLiteral("Профиль 😀")},
        {"Profile1=caf\xe9", QStringLiteral("café")},
        {"Profile1=\\x41f\\x440\\xd83d\\xde00", QStringLiteral("Пр😀")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        TempData data;
        data.writeFile(QStringLiteral("Configs/Config.ini"), "[Config]\n" + c.line + "\nBattery=40\n");
        ConfigState s;
        loadConfigState(data.paths(), s);
        EXPECT_EQ(s.profileNames[0], c.name);
        s.ProfileID = 2;
        ASSERT_TRUE(saveProfileList(data.paths(), s).ok());
        const QByteArray written = data.readFile(QStringLiteral("Configs/Config.ini"));
        EXPECT_TRUE(std::all_of(written.begin(), written.end(), [](char ch) { return ch > 0; }));
        ConfigState back;
        loadConfigState(data.paths(), back);
        EXPECT_EQ(back.profileNames[0], c.name);
        EXPECT_EQ(appsettings::loadBattery(data.paths()), 40);  // a key the save did not write
    }
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
