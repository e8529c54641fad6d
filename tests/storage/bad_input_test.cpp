#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QSettings>
#include <random>

#include "folder_snapshot.h"
#include "random_state.h"
#include "state_compare.h"
#include "storage/app_settings.h"
#include "storage/ini_guard.h"
#include "storage/ini_records.h"
#include "storage/paths.h"
#include "storage/profile_files.h"
#include "storage/profile_library.h"
#include "storage/settings_file.h"
#include "temp_data.h"

namespace mousecfg {
namespace {

using test::TempData;

QByteArray garbage(uint32_t seed, int size) {
    // High bytes and NULs only: no section header, no '=', no line break, so no key can appear.
    std::mt19937 rng(seed);
    QByteArray b(size, '\0');
    for (char& c : b) {
        const int v = static_cast<int>(rng() % 129);
        c = static_cast<char>(v == 128 ? 0 : 0x80 + v);
    }
    return b;
}

MouseProfile productDefaults(const Paths& paths, const QString& name) {
    MouseProfile p;
    resetProfileToDefaults(p, paths);
    p.ProfileName = name;
    return p;
}

// A profile file that cannot be read, or holds no profile keys, gives the product defaults: an
// all-zero profile would unassign every button at the next Apply.
TEST(BadInput, BinaryConfigAndProfileFilesGiveEmptySettingsAndDefaultProfiles) {
    TempData data;
    data.writeFile(QStringLiteral("Configs/Config.ini"), garbage(1, 4096));
    ConfigState s = test::RandomState(1).state();
    loadConfigState(data.paths(), s);
    ConfigState expected;
    // Slots without a name get their default names, so their edits have a file to go to.
    for (int i = 0; i < kProfileCount; ++i) {
        expected.profileNames[i] = QStringLiteral("Profile %1").arg(i + 1);
        expected.profiles[i] = productDefaults(data.paths(), expected.profileNames[i]);
    }
    test::expectSameState(s, expected);

    data.writeFile(QStringLiteral("Configs/Config.ini"), "[Config]\nProfile1=bin\nProfile2=keyless\n");
    data.writeFile(QStringLiteral("Configs/Profile/bin.prof"), garbage(2, 50000));
    data.writeFile(QStringLiteral("Configs/Profile/keyless.prof"),
                   "[MouseName]\nName=FARROW\n[PROFILE]\nx=1\n");
    loadConfigState(data.paths(), s);
    EXPECT_EQ(s.profileNames[0], QStringLiteral("bin"));
    test::expectSameProfile(s.profiles[0], productDefaults(data.paths(), "bin"), "binary profile");
    test::expectSameProfile(s.profiles[1], productDefaults(data.paths(), "keyless"), "no profile keys");
}

// Cuts a written file at a line break: every key before the cut keeps its value, every key after
// it reads as its default, and nothing else can come out.
TEST(BadInput, TruncatedProfileFileGivesWrittenValuesOrDefaults) {
    TempData data;
    const MouseProfile written = test::RandomState(4).profile();
    saveProfileFile(data.paths(), written, QStringLiteral("cut"));
    const QString rel = QStringLiteral("Configs/Profile/cut.prof");
    const QByteArray full = data.readFile(rel);
    const int cut = full.indexOf('\n', full.size() / 2);
    ASSERT_GT(cut, 0);
    data.writeFile(rel, full.left(cut + 1));

    MouseProfile back;
    loadProfileFile(data.paths(), back, QStringLiteral("cut"));
    EXPECT_FALSE(back == written);
    EXPECT_FALSE(back == MouseProfile());
    int kept = 0, lost = 0;
    for (int i = 0; i < kButtonSlots; ++i) {
        for (int e = 0; e < kKeyInfoEntries; ++e) {
            const uint8_t h = back.buttons[i].KeyInfo[e].high;
            EXPECT_TRUE(h == written.buttons[i].KeyInfo[e].high || h == 0) << i << "/" << e;
            h == written.buttons[i].KeyInfo[e].high ? ++kept : ++lost;
        }
        const QString& n = back.buttons[i].macroname;
        EXPECT_TRUE(n == written.buttons[i].macroname || n.isEmpty());
    }
    EXPECT_GT(kept, 0);
    EXPECT_GT(lost, 0);

    // A cut inside a line or inside a colour's variant text does not crash either.
    for (int at : {full.size() / 3, full.indexOf("@Variant") + 12, 9}) {
        data.writeFile(rel, full.left(at));
        loadProfileFile(data.paths(), back, QStringLiteral("cut"));
    }
    data.writeFile(QStringLiteral("Configs/Config.ini"),
                   "[Config]\nProfileID=3\nProfile1=Alpha\nProfile2=Be");
    ConfigState s;
    loadConfigState(data.paths(), s);
    EXPECT_EQ(s.ProfileID, 3);
    EXPECT_EQ(s.profileNames[0], QStringLiteral("Alpha"));
    EXPECT_EQ(s.profileNames[1], QStringLiteral("Be"));
}

TEST(BadInput, NumbersAreTruncatedToTheFieldWidth) {
    TempData data;
    data.writeFile(QStringLiteral("Configs/Profile/n.prof"),
                   "[PROFILE]\n"
                   "pollrate=abc\n"
                   "dpi=300\n"
                   "LedMode=-1\n"
                   "LedSleepTime=99999999999\n"
                   "mousespeed=1e3\n"
                   "acee= 7 \n"
                   "DPI_INFO_0_x=4294967295\n"
                   "DPI_INFO_0_y=-1\n"
                   "DPI_INFO_0_xy=99999999999\n"
                   "DPI_INFO_1_x=-2147483648\n"
                   "DPI_INFO_1_y=999999999999999999999999\n"
                   "DPI_INFO_1_used=257\n"
                   "BUTTON_INFO_0_Fun=2147483648\n"
                   "BUTTON_INFO_0_ID=-2147483648\n"
                   "BUTTON_INFO_0_Res1=256\n"
                   "BUTTON_INFO_0_Res2=-255\n"
                   "BUTTON_INFO_0_KeyInfo_62_H=511\n"
                   "BUTTON_INFO_41_KeyInfo_0_=0x10\n"
                   "LedMode\\LED_MODE_13_breath=-5\n");
    MouseProfile p;
    loadProfileFile(data.paths(), p, QStringLiteral("n"));
    EXPECT_EQ(p.pollrate, 0);  // not a number
    EXPECT_EQ(p.dpi, 300 - 256);
    EXPECT_EQ(p.LedMode, 255);
    // Decimal text within 64 bits keeps its low bits; beyond that it is no number.
    EXPECT_EQ(p.LedSleepTime, 99999999999ULL & 0xFF);
    EXPECT_EQ(p.mousespeed, 0);
    EXPECT_EQ(p.acee, 7);
    EXPECT_EQ(p.dpiStages[0].x, 4294967295u);
    EXPECT_EQ(p.dpiStages[0].y, 4294967295u);
    EXPECT_EQ(p.dpiStages[0].xy, uint32_t(99999999999ULL % 4294967296ULL));
    EXPECT_EQ(p.dpiStages[1].x, 2147483648u);
    EXPECT_EQ(p.dpiStages[1].y, 0u);
    EXPECT_EQ(p.dpiStages[1].used, 1);
    EXPECT_EQ(p.buttons[0].Fun, INT32_MIN);
    EXPECT_EQ(p.buttons[0].ID, INT32_MIN);
    EXPECT_EQ(p.buttons[0].Res1, 0);
    EXPECT_EQ(p.buttons[0].Res2, 1);
    EXPECT_EQ(p.buttons[0].KeyInfo[62].high, 255);
    EXPECT_EQ(p.buttons[41].KeyInfo[0].low, 0);  // toInt() takes decimal only
    EXPECT_EQ(p.ledModes[13].breath, uint32_t(-5));

    data.writeFile(QStringLiteral("Configs/Config.ini"),
                   "[Config]\nProfileID=260\nLiftHigh=x\nCount=-1\nAngleValue=65537\n");
    ConfigState s;
    loadConfigState(data.paths(), s);
    EXPECT_EQ(s.ProfileID, 4);
    EXPECT_EQ(currentProfileIndex(s), 4);
    EXPECT_EQ(s.LiftHigh, 0);
    EXPECT_EQ(s.Count, 255);
    EXPECT_EQ(s.AngleValue, 1);
    data.writeFile(QStringLiteral("Configs/Config.ini"), "[Config]\nProfileID=9\n");
    loadConfigState(data.paths(), s);
    EXPECT_EQ(s.ProfileID, 9);             // kept as stored ...
    EXPECT_EQ(currentProfileIndex(s), 0);  // ... but never indexes past the five profiles
    EXPECT_EQ(&currentProfile(s), &s.profiles[0]);
}

TEST(BadInput, InvalidColoursStayInvalid) {
    TempData data;
    data.writeFile(QStringLiteral("Configs/Profile/c.prof"),
                   "[PROFILE]\n"
                   "LedMode\\LED_MODE_0_RGB=notacolour\n"
                   "LedMode\\LED_MODE_1_RGB=#12345\n"
                   "LedMode\\LED_MODE_2_RGB=@Variant(\\0\\0\\0\\x43)\n"
                   "LedMode\\LED_MODE_3_RGB=@Variant(garbage\n"
                   "LedMode\\LED_MODE_4_RGB=12\n"
                   "LedMode\\LED_MODE_5_RGB=#ff8000\n");
    MouseProfile p;
    loadProfileFile(data.paths(), p, QStringLiteral("c"));
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(p.ledModes[i].RGB.isValid()) << "effect " << i;
    EXPECT_EQ(p.ledModes[5].RGB, QColor(255, 128, 0));  // QColor's own text form is understood
    EXPECT_FALSE(p.ledModes[6].RGB.isValid());          // missing
}

TEST(BadInput, HostileProfileNamesNeverReachOutsideTheDataFolder) {
    QTemporaryDir outer;
    const QString root = outer.path() + QStringLiteral("/data");
    const Paths paths = Paths::singleFolder(root);
    QDir().mkpath(paths.profileDir());
    // Bait: profile files a hostile name would reach (outer/outside.prof, root/outside.prof).
    const QByteArray bait = "[PROFILE]\npollrate=77\n";
    for (const QString& f :
         {outer.path() + "/outside.prof", root + "/outside.prof", root + "/Configs/.prof"}) {
        QFile file(f);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bait);
    }
    const QStringList data{QStringLiteral("data")};
    const auto before = test::snapshot(outer.path(), data);
    const QStringList hostile = {"../../outside", "../../../outside", "a/b", "", ".", "..",
                                 "/tmp/x",        "..\\..\\x"};
    {
        QSettings ini(paths.configFile(), QSettings::IniFormat);
        for (int i = 0; i < 5; ++i) ini.setValue(QStringLiteral("Config/Profile%1").arg(i + 1), hostile[i]);
    }
    const auto profileDirBefore = test::snapshot(paths.profileDir());

    ConfigState s;
    loadConfigState(paths, s);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(s.profileNames[i],
                  hostile[i].isEmpty() ? QStringLiteral("Profile %1").arg(i + 1) : hostile[i]);
        EXPECT_NE(s.profiles[i].pollrate, 77) << "read through name " << hostile[i].toStdString();
    }

    const ConfigState written = test::RandomState(8).state();
    for (int rot = 0; rot < 2; ++rot) {
        ConfigState w = written;
        for (int i = 0; i < 5; ++i) w.profileNames[i] = hostile[(i + rot * 5) % hostile.size()];
        saveConfigState(paths, w);
        saveProfileList(paths, w);
    }
    for (const QString& name : hostile) {
        EXPECT_FALSE(saveProfileFile(paths, written.profiles[0], name)) << name.toStdString();
        EXPECT_FALSE(saveDpiIndex(paths, name, 4)) << name.toStdString();
        MouseProfile p = written.profiles[1];
        EXPECT_EQ(loadProfileFile(paths, p, name), ProfileLoad::Defaults);
        EXPECT_TRUE(p == productDefaults(paths, name)) << name.toStdString();
        EXPECT_TRUE(libraryProfileFile(paths, QStringLiteral("FARROW"), name).isEmpty());
        EXPECT_EQ(exportLibraryProfile(paths, QStringLiteral("FARROW"), name, root + "/x.prof"),
                  LibraryResult::UnsafeName);
    }
    EXPECT_TRUE(test::unchanged(before, test::snapshot(outer.path(), data)));
    EXPECT_TRUE(test::unchanged(profileDirBefore, test::snapshot(paths.profileDir())));
    QFile baitFile(outer.path() + "/outside.prof");
    ASSERT_TRUE(baitFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(baitFile.readAll(), bait);
}

TEST(BadInput, ImportedProfileWithAnUnusableNameIsRefused) {
    TempData data;
    appsettings::saveCurrentProductName(data.paths(), QStringLiteral("FARROW"));
    const QString src = data.path(QStringLiteral("elsewhere/.prof"));
    data.writeFile(QStringLiteral("elsewhere/.prof"), "[MouseName]\nName=FARROW\n[PROFILE]\npollrate=4\n");
    MouseProfile p;
    EXPECT_EQ(importLibraryProfile(data.paths(), QStringLiteral("FARROW"), src, p),
              LibraryResult::UnsafeName);
    EXPECT_FALSE(QFileInfo::exists(data.paths().productProfileDir(QStringLiteral("FARROW")) + "/.prof"));
}

TEST(BadInput, AlertAndDisplaySwitchesReadSafely) {
    struct Case {
        const char* ini;  // the [Config] lines, or nothing
        int alert;
        bool osd;
    };
    const std::vector<Case> cases = {
        {"", 15, true},
        {"BatteryAlert=30\nOSD=0\n", 30, false},
        {"BatteryAlert=0\nOSD=1\n", 0, true},
        {"BatteryAlert=-5\nOSD=2\n", 0, true},
        {"BatteryAlert=250\n", 100, true},
        {"BatteryAlert=low\nOSD=off\n", 15, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ini);
        test::TempData data;
        data.writeFile(QStringLiteral("Configs/Config.ini"), QByteArray("[Config]\n") + c.ini);
        EXPECT_EQ(appsettings::loadBatteryAlert(data.paths()), c.alert);
        EXPECT_EQ(appsettings::loadOsdEnabled(data.paths()), c.osd);
    }
}

// A hand-made file may hold a stored object of another type than a colour; here a polygon whose
// count asks for about 9 GB, which QSettings would try to allocate. Wherever such a value hides
// (escaped "@", quotes, a list, a continued line), its line reads as absent and a save leaves it
// out; every other line reads and is kept as before.
TEST(BadInput, StoredObjectsOtherThanColoursAreNeverDecoded) {
    const QByteArray polygon = R"(@Variant(\0\0\0GI\x43())";
    const QByteArray colour = R"(@Variant(\0\0\0\x43\x1\xff\xff\x12\x12\xab\xab\x34\x34\0\0))";
    struct Case {
        QByteArray line;
        bool dropped;
        bool comment = false;
    };
    const std::vector<Case> cases = {
        {"k=" + polygon, true},
        {"k = " + polygon + "  ", true},
        {R"(k=\x40Variant(\0\0\0GI\x43())", true},
        {R"(k=\100Variant(\0\0\0GI\x43())", true},
        {"k=\"" + polygon + "\"", true},
        {"k=a, " + polygon, true},
        {"k=@Variant(\\0\\0\\0G\\\nI\\x43()", true},
        {"k=\xEF\xBB\xBF" + polygon, true},
        {"k=" + colour, false},
        {"k=x" + polygon, false},
        {"k=@" + polygon, false},
        {";k=" + polygon, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const QByteArray file = "[S]\nbefore=1\n" + c.line + "\nafter=2\n";
        QByteArray cleaned = file;
        EXPECT_EQ(dropUnsafeVariants(cleaned), c.dropped ? QStringList{QStringLiteral("k")} : QStringList());
        if (!c.dropped) {
            EXPECT_EQ(cleaned, file);
        }

        test::TempData data;
        data.writeFile(QStringLiteral("Configs/Config.ini"), file);
        const QString path = data.paths().configFile();
        const auto check = [&](const IniRecords& r) {
            EXPECT_EQ(r.value(QStringLiteral("S/before")).toInt(), 1);
            EXPECT_EQ(r.value(QStringLiteral("S/after")).toInt(), 2);
            EXPECT_EQ(r.contains(QStringLiteral("S/k")), !c.dropped && !c.comment);
            if (c.line == "k=" + colour) {
                EXPECT_EQ(r.value(QStringLiteral("S/k")).value<QColor>(), QColor(0x12, 0xab, 0x34));
            }
        };
        check(IniRecords::read(path, file));
        ASSERT_TRUE(appsettings::saveDiff(data.paths(), 1).ok());
        const QByteArray saved = data.readFile(QStringLiteral("Configs/Config.ini"));
        const IniRecords after = IniRecords::read(path, saved);
        check(after);
        EXPECT_EQ(after.value(QStringLiteral("Config/Diff")).toInt(), 1);
        QByteArray again = saved;
        EXPECT_TRUE(dropUnsafeVariants(again).isEmpty());
    }
}

}  // namespace
}  // namespace mousecfg
