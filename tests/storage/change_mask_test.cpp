#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <functional>

#include "random_state.h"
#include "storage/config_state.h"
#include "storage/paths.h"
#include "temp_data.h"

namespace mousecfg {
namespace {

using test::RandomState;
using test::TempData;

struct MaskCase {
    const char* what;
    std::function<void(ConfigState&)> change;
    ChangeMask expected;
};

// The stored state has ProfileID 2; every case changes one field of the working copy.
const std::vector<MaskCase>& maskCases() {
    static const std::vector<MaskCase> cases = {
        {"pollrate of profile 0", [](ConfigState& s) { s.profiles[0].pollrate ^= 1; }, change::kBasic},
        {"pollrate of profile 4", [](ConfigState& s) { s.profiles[4].pollrate ^= 1; }, change::kBasic},
        {"scrollspeed of profile 1", [](ConfigState& s) { s.profiles[1].scrollspeed ^= 1; }, change::kBasic},
        {"LiftHigh", [](ConfigState& s) { s.LiftHigh ^= 1; }, change::kBasic},
        {"ProfileID", [](ConfigState& s) { s.ProfileID = 3; }, change::kBasic},
        {"current dpi", [](ConfigState& s) { s.profiles[2].dpi ^= 1; }, change::kBasic},
        {"current LedMoveOFF", [](ConfigState& s) { s.profiles[2].LedMoveOFF ^= 1; }, change::kBasic},
        {"current LedSleepTime", [](ConfigState& s) { s.profiles[2].LedSleepTime ^= 1; }, change::kBasic},
        {"current LedMode",
         [](ConfigState& s) { s.profiles[2].LedMode = s.profiles[2].LedMode == 1 ? 2 : 1; },
         change::kBasic | change::kLighting},
        {"other profile's LedMode",
         [](ConfigState& s) { s.profiles[0].LedMode = s.profiles[0].LedMode == 1 ? 2 : 1; },
         change::kLighting},
        {"other profile's dpi", [](ConfigState& s) { s.profiles[0].dpi ^= 1; }, change::kNone},
        {"other profile's LedMoveOFF", [](ConfigState& s) { s.profiles[4].LedMoveOFF ^= 1; }, change::kNone},
        {"other profile's LedSleepTime", [](ConfigState& s) { s.profiles[4].LedSleepTime ^= 1; },
         change::kNone},
        {"stage used", [](ConfigState& s) { s.profiles[3].dpiStages[7].used ^= 1; }, change::kDpi},
        {"stage x", [](ConfigState& s) { s.profiles[0].dpiStages[0].x ^= 1; }, change::kDpi},
        {"stage y", [](ConfigState& s) { s.profiles[4].dpiStages[5].y ^= 1; }, change::kDpi},
        {"stage link", [](ConfigState& s) { s.profiles[2].dpiStages[1].link ^= 1; }, change::kNone},
        {"stage xy", [](ConfigState& s) { s.profiles[2].dpiStages[1].xy ^= 1; }, change::kNone},
        {"button ID", [](ConfigState& s) { s.profiles[1].buttons[41].ID ^= 1; }, change::kButtons},
        {"button Fun", [](ConfigState& s) { s.profiles[0].buttons[0].Fun ^= 1; }, change::kButtons},
        {"button LoopNumber", [](ConfigState& s) { s.profiles[4].buttons[20].LoopNumber ^= 1; },
         change::kButtons},
        {"button KeyNumber", [](ConfigState& s) { s.profiles[3].buttons[7].KeyNumber ^= 1; },
         change::kButtons},
        {"button Res1", [](ConfigState& s) { s.profiles[2].buttons[3].Res1 ^= 1; }, change::kButtons},
        {"button Res2", [](ConfigState& s) { s.profiles[2].buttons[3].Res2 ^= 1; }, change::kButtons},
        {"button Res3", [](ConfigState& s) { s.profiles[2].buttons[3].Res3 ^= 1; }, change::kButtons},
        {"button Res4", [](ConfigState& s) { s.profiles[2].buttons[3].Res4 ^= 1; }, change::kButtons},
        {"KeyInfo map", [](ConfigState& s) { s.profiles[1].buttons[9].KeyInfo[0].map ^= 1; },
         change::kButtons},
        {"KeyInfo low", [](ConfigState& s) { s.profiles[1].buttons[9].KeyInfo[31].low ^= 1; },
         change::kButtons},
        {"KeyInfo high, last entry", [](ConfigState& s) { s.profiles[1].buttons[9].KeyInfo[62].high ^= 1; },
         change::kButtons},
        {"macro name of a macro button",
         [](ConfigState& s) { s.profiles[0].buttons[5].macroname += QStringLiteral("x"); }, change::kButtons},
        {"macro name of a non-macro button",
         [](ConfigState& s) { s.profiles[0].buttons[6].macroname += QStringLiteral("x"); }, change::kNone},
        {"active effect colour",
         [](ConfigState& s) { s.profiles[1].ledModes[s.profiles[1].LedMode].RGB = QColor(1, 2, 3); },
         change::kLighting},
        {"active effect colour made invalid",
         [](ConfigState& s) { s.profiles[1].ledModes[s.profiles[1].LedMode].RGB = QColor(); },
         change::kLighting},
        {"active effect h", [](ConfigState& s) { s.profiles[3].ledModes[s.profiles[3].LedMode].h ^= 1; },
         change::kLighting},
        {"active effect s", [](ConfigState& s) { s.profiles[3].ledModes[s.profiles[3].LedMode].s ^= 1; },
         change::kLighting},
        {"active effect v", [](ConfigState& s) { s.profiles[3].ledModes[s.profiles[3].LedMode].v ^= 1; },
         change::kLighting},
        {"active effect bright",
         [](ConfigState& s) { s.profiles[0].ledModes[s.profiles[0].LedMode].bright ^= 1; },
         change::kLighting},
        {"active effect breath",
         [](ConfigState& s) { s.profiles[4].ledModes[s.profiles[4].LedMode].breath ^= 1; },
         change::kLighting},
        {"inactive effect colour",
         [](ConfigState& s) {
             s.profiles[1].ledModes[(s.profiles[1].LedMode + 1) % kLedModes].RGB = QColor();
         },
         change::kNone},
        {"AngleValue", [](ConfigState& s) { s.AngleValue ^= 1; }, change::kNone},
        {"Count", [](ConfigState& s) { s.Count ^= 1; }, change::kNone},
        {"slot name", [](ConfigState& s) { s.profileNames[2] += QStringLiteral("x"); }, change::kNone},
        {"host settings",
         [](ConfigState& s) {
             MouseProfile& p = s.profiles[2];
             p.mousespeed ^= 1, p.dbclickspeed ^= 1, p.scrollispage ^= 1, p.accelenable ^= 1, p.acee ^= 1;
         },
         change::kNone},
        {"profile name and path",
         [](ConfigState& s) {
             s.profiles[2].ProfileName += QStringLiteral("x");
             s.profiles[2].ProfilePath += QStringLiteral("x");
         },
         change::kNone},
        {"every group at once",
         [](ConfigState& s) {
             s.LiftHigh ^= 1;
             s.profiles[4].dpiStages[0].y ^= 1;
             s.profiles[4].buttons[0].Fun ^= 1;
             s.profiles[0].LedMode = s.profiles[0].LedMode == 1 ? 2 : 1;
         },
         change::kAll},
    };
    return cases;
}

ConfigState maskBase() {
    ConfigState s = RandomState(42).state();
    s.ProfileID = 2;
    s.profiles[0].buttons[5].Fun = kFunMacro;
    s.profiles[0].buttons[6].Fun = 6;  // single key: its name is not compared
    return s;
}

// The one profile whose record differs, or -1.
int editedProfile(const ConfigState& a, const ConfigState& b) {
    int edited = -1;
    for (int p = 0; p < kProfileCount; ++p) {
        if (a.profiles[p] == b.profiles[p]) continue;
        if (edited >= 0) return -1;
        edited = p;
    }
    return edited;
}

TEST(ChangeMask, EachFieldSetsExactlyItsGroup) {
    TempData data;
    const ConfigState stored = maskBase();
    EXPECT_EQ(computeChangeMask(stored, stored, data.paths()), change::kNone);
    for (const MaskCase& c : maskCases()) {
        ConfigState working = stored;
        c.change(working);
        ASSERT_FALSE(working == stored) << c.what << " changed nothing";
        EXPECT_EQ(computeChangeMask(working, stored, data.paths()), c.expected) << c.what;
        // The comparison is symmetric in what it finds.
        EXPECT_EQ(computeChangeMask(stored, working, data.paths()), c.expected) << c.what << " (reversed)";
        // By profile: the settings group is shared, a table group belongs to the edited slot.
        const int slot = editedProfile(working, stored);
        if (slot < 0 && (c.expected & change::kTables)) continue;  // several slots: below
        EXPECT_EQ(computeProfileChanges(working, stored, data.paths()),
                  ProfileChanges::forProfile(slot, c.expected))
            << c.what;
    }
}

TEST(ChangeMask, EditsInSeveralSlotsAreTheirOwnGroups) {
    TempData data;
    const ConfigState stored = maskBase();
    ConfigState working = stored;
    working.LiftHigh ^= 1;
    working.profiles[1].dpiStages[3].x ^= 1;
    working.profiles[3].LedMode = working.profiles[3].LedMode == 1 ? 2 : 1;
    working.profiles[4].buttons[0].Fun ^= 1;
    working.profiles[4].dpiStages[0].used ^= 1;
    ProfileChanges want;
    want.global = change::kBasic;
    want.perProfile = {change::kNone, change::kDpi, change::kNone, change::kLighting,
                       change::kButtons | change::kDpi};
    EXPECT_EQ(computeProfileChanges(working, stored, data.paths()), want);
    EXPECT_EQ(want.combined(), change::kAll);
    EXPECT_EQ(ProfileChanges::all().combined(), change::kAll);
    EXPECT_TRUE(ProfileChanges().empty());
    EXPECT_EQ(ProfileChanges::forProfile(7, change::kAll), ProfileChanges::forProfile(-1, change::kBasic));
}

TEST(ChangeMask, ProfileIdOutsideTheFiveProfilesIsSafe) {
    TempData data;
    ConfigState stored = maskBase();
    stored.ProfileID = 200;  // damaged Config.ini: treated as profile 0
    EXPECT_EQ(currentProfileIndex(stored), 0);
    ConfigState working = stored;
    working.profiles[0].dpi ^= 1;
    EXPECT_EQ(computeChangeMask(working, stored, data.paths()), change::kBasic);
    working = stored;
    working.profiles[3].LedMode = 250;  // effect number outside the table
    stored.profiles[3].LedMode = 250;
    working.profiles[3].ledModes[0].RGB = QColor();
    EXPECT_EQ(computeChangeMask(working, stored, data.paths()), change::kNone);
}

void writeMacro(const QString& file, int writeSign) {
    QSettings s(file, QSettings::IniFormat);
    s.setValue(QStringLiteral("Setting/Count"), 0);
    s.setValue(QStringLiteral("Setting/WriteSign"), writeSign);
}

int writeSignOf(const QString& file) {
    return QSettings(file, QSettings::IniFormat).value(QStringLiteral("Setting/WriteSign")).toInt();
}

TEST(ChangeMask, WriteSignResetsAtMostOneMacroFilePerComparison) {
    TempData data;
    const QString dir = data.paths().macroDir() + QLatin1Char('/');
    ConfigState s = RandomState(9).state();
    for (MouseProfile& p : s.profiles)
        for (ButtonAssignment& b : p.buttons)
            if (b.Fun == kFunMacro) b.Fun = 1;
    s.profiles[0].buttons[3].Fun = kFunMacro;
    s.profiles[0].buttons[3].macroname = QStringLiteral("first");
    s.profiles[2].buttons[30].Fun = kFunMacro;
    s.profiles[2].buttons[30].macroname = QStringLiteral("second");
    s.profiles[4].buttons[1].Fun = kFunMacro;
    s.profiles[4].buttons[1].macroname = QStringLiteral("clean");
    writeMacro(dir + "first.MSMACRO", 1);
    writeMacro(dir + "second.MSMACRO", 5);
    writeMacro(dir + "clean.MSMACRO", 0);

    EXPECT_EQ(computeChangeMask(s, s, data.paths()), change::kButtons);
    EXPECT_EQ(writeSignOf(dir + "first.MSMACRO"), 0);
    EXPECT_EQ(writeSignOf(dir + "second.MSMACRO"), 5);

    // A real difference found first ends the scan before any macro file is read.
    ConfigState changed = s;
    changed.profiles[0].buttons[0].Res2 ^= 1;
    EXPECT_EQ(computeProfileChanges(changed, s, data.paths()),
              ProfileChanges::forProfile(0, change::kButtons));
    EXPECT_EQ(writeSignOf(dir + "second.MSMACRO"), 5);

    // The flag counts for the slot whose button uses the macro.
    EXPECT_EQ(computeProfileChanges(s, s, data.paths()), ProfileChanges::forProfile(2, change::kButtons));
    EXPECT_EQ(writeSignOf(dir + "second.MSMACRO"), 0);
    EXPECT_EQ(computeChangeMask(s, s, data.paths()), change::kNone);
    EXPECT_EQ(writeSignOf(dir + "clean.MSMACRO"), 0);
}

TEST(ChangeMask, MacroNameThatLeavesTheMacroFolderIsNeverOpened) {
    QTemporaryDir outer;
    const Paths paths = Paths::singleFolder(outer.path() + QStringLiteral("/data"));
    QDir().mkpath(paths.macroDir());
    // ../../../planted resolves to outer/planted.MSMACRO.
    const QString planted = outer.path() + QStringLiteral("/planted.MSMACRO");
    writeMacro(planted, 1);
    ConfigState s;
    s.profiles[1].buttons[2].Fun = kFunMacro;
    for (const char* name : {"../../../planted", "..", "", "a/b"}) {
        s.profiles[1].buttons[2].macroname = QString::fromUtf8(name);
        EXPECT_EQ(computeChangeMask(s, s, paths), change::kNone) << name;
    }
    EXPECT_EQ(writeSignOf(planted), 1);
    // A missing macro file is no change and is not created.
    s.profiles[1].buttons[2].macroname = QStringLiteral("absent");
    EXPECT_EQ(computeChangeMask(s, s, paths), change::kNone);
    EXPECT_FALSE(QFileInfo::exists(paths.macroDir() + QStringLiteral("/absent.MSMACRO")));
}

}  // namespace
}  // namespace mousecfg
