// A save of values the files hold already leaves every file as it is (not rewritten, no new
// change stamp); a changed value is still written, and only where it belongs.
#include <gtest/gtest.h>

#include <functional>

#include "folder_snapshot.h"
#include "storage/app_settings.h"
#include "storage/languages.h"
#include "storage/product_descriptor.h"
#include "storage/profile_files.h"
#include "storage/save_batch.h"
#include "storage/settings_file.h"
#include "temp_data.h"

namespace mousecfg {
namespace {

using test::changedEntries;
using test::snapshot;
using test::TempData;

// What the program reads and writes in the data folder at every start, in its order: descriptor,
// languages, the product it last used, the stored settings (with the factory profile file), the
// battery gauge's first level and a reported DPI stage.
void startUp(const Paths& paths) {
    loadProductName(paths);
    languages::loadLanguageTable(paths);
    languages::loadLanguageId(paths);
    appsettings::saveCurrentProductName(paths, appsettings::loadCurrentProductName(paths));
    appsettings::loadBatteryFull(paths);
    ConfigState stored;
    ConfigState working;
    ButtonMatrix matrix;
    reloadStoredSettings(paths, stored, working, &matrix);
    appsettings::saveBattery(paths, 10);
    saveDpiIndex(paths, stored.profileNames[0], stored.profiles[0].dpi);
}

TEST(UnchangedSaves, AStartWithNothingChangedLeavesEveryFileAsItWas) {
    TempData data(true);
    startUp(data.paths());  // the first start writes the battery level and the factory profile
    const auto before = snapshot(data.root());
    startUp(data.paths());
    EXPECT_TRUE(test::unchanged(before, snapshot(data.root())));
}

TEST(UnchangedSaves, OnlyChangedValuesAreWrittenWhereTheyBelong) {
    const QString config = QStringLiteral("Configs/Config.ini");
    const QString stamp = QStringLiteral("Configs/.mousecfg-stamp");
    const QString profile4 = QStringLiteral("Configs/Profile/Profile 4.prof");
    struct Row {
        const char* what;
        std::function<void(const Paths&, ConfigState&)> save;  // called with the stored value, then changed
        std::function<void(ConfigState&)> change;
        QStringList files;
    };
    int diff = 0;
    int battery = 10;
    QString product = QStringLiteral("FARROW");
    const Row rows[] = {
        {"battery",
         [&](const Paths& p, ConfigState&) { appsettings::saveBattery(p, battery); },
         [&](ConfigState&) { battery = 70; },
         {config}},
        {"difference flag",
         [&](const Paths& p, ConfigState&) { appsettings::saveDiff(p, diff); },
         [&](ConfigState&) { diff = 1 - diff; },
         {config}},
        {"product",
         [&](const Paths& p, ConfigState&) { appsettings::saveCurrentProductName(p, product); },
         [&](ConfigState&) { product = QStringLiteral("FARROW 2"); },
         {config}},
        {"reported DPI stage of profile 4",
         [](const Paths& p, ConfigState& s) { saveDpiIndex(p, s.profileNames[3], s.profiles[3].dpi); },
         [](ConfigState& s) { s.profiles[3].dpi ^= 1; },
         {profile4}},
        {"profile list",
         [](const Paths& p, ConfigState& s) { saveProfileList(p, s); },
         [](ConfigState& s) { s.Count = 4; },
         {config}},
        {"apply of one changed profile",
         [](const Paths& p, ConfigState& s) { saveConfigState(p, s); },
         [](ConfigState& s) { s.profiles[3].buttons[5].KeyInfo[60].high ^= 1; },
         {profile4}},
        {"apply of a changed lift-off",
         [](const Paths& p, ConfigState& s) { saveConfigState(p, s); },
         [](ConfigState& s) { s.LiftHigh ^= 1; },
         {config}},
    };
    TempData data(true);
    const Paths& paths = data.paths();
    startUp(paths);
    diff = appsettings::loadDiff(paths);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ConfigState state;
        loadConfigState(paths, state);
        const auto before = snapshot(data.root());
        row.save(paths, state);
        EXPECT_TRUE(test::unchanged(before, snapshot(data.root())));
        row.change(state);
        row.save(paths, state);
        QStringList expected = row.files;
        expected << stamp;
        expected.sort();
        EXPECT_EQ(changedEntries(before, snapshot(data.root())), expected);
    }
    // A factory profile file that lost a key or was edited is written afresh.
    const QString factory = QStringLiteral("Configs/Profile/DefaultProfile.prof");
    data.writeFile(factory, data.readFile(factory).replace("\nLedMode=", "\nLedMode=1"));
    const auto edited = snapshot(data.root());
    ASSERT_TRUE(writeDefaultProfileFile(paths).ok());
    EXPECT_EQ(changedEntries(edited, snapshot(data.root())), (QStringList{stamp, factory}));
}

}  // namespace
}  // namespace mousecfg
