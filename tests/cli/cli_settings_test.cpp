// mousecfg-cli show, get and set: edits with the pages' rules through the files on disk, refusals
// that change no file, the JSON next to the text.
#include <gtest/gtest.h>

#include <QJsonArray>

#include "device/report_rate.h"
#include "device/sensor_encoding.h"
#include "settings_rig.h"
#include "sim/memory_decoder.h"
#include "storage/app_settings.h"
#include "storage/pending_changes.h"

namespace mousecfg {
namespace {

using test::SettingsRig;

QStringList words(const char* text) {
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// A value of a JSON tree by path ("profiles/0/stages/2/x_dpi").
QJsonValue at(const QJsonValue& root, const QString& path) {
    QJsonValue v = root;
    for (const QString& part : path.split(QLatin1Char('/'))) {
        bool index = false;
        const int i = part.toInt(&index);
        v = index ? v.toArray().at(i) : v.toObject().value(part);
    }
    return v;
}

// Every kind of value: set, then read back through the files with get and show --json; `get`
// prints the value the way set takes it, so setting it again changes no file.
TEST(CliSettings, SetThenShowRoundTripsThroughTheFiles) {
    struct Case {
        const char* options;  // before the key (--profile N)
        const char* key;
        const char* select;  // what follows the key in get and set (a stage)
        const char* value;   // what set takes after that
        const char* got;     // what get prints
        const char* path;    // in show --all --json
        QJsonValue json;
    };
    const Case cases[] = {
        {"", "dpi", "3", "1850", "1800", "profiles/0/stages/2/x_dpi", 1800},  // as near as 1900
        {"", "stage", "", "4", "4", "profiles/0/active_stage", 4},
        {"", "stages", "", "1,3,5", "1,3,5", "profiles/0/stages/1/enabled", false},
        {"", "rate", "", "500", "500", "profiles/0/rate_hz", 500},
        {"--profile 2", "rate", "", "250", "250", "profiles/1/rate_hz", 250},
        {"", "lift", "", "1", "1", "lift_off_mm", 1},
        {"", "pointer-speed", "", "17", "17", "profiles/0/pointer_speed", 17},
        {"", "scroll-speed", "", "3", "3", "profiles/0/scroll_speed", 3},
        {"", "light", "", "breathing --color ff8800 --speed 2", "breathing", "profiles/0/lighting/color",
         "#ff8800"},
        {"", "speed", "", "4", "4", "profiles/0/lighting/speed", 4},
        {"", "color", "", "#0A0b0c", "#0a0b0c", "profiles/0/lighting/effect", "BREATHING"},
        {"", "light", "", "full-lighted --brightness 2", "full-lighted", "profiles/0/lighting/brightness", 2},
        {"", "brightness", "", "1", "1", "profiles/0/lighting/speed", QJsonValue()},
        {"", "sleep", "", "5", "5", "profiles/0/sleep_minutes", 5},
        {"", "move-light-off", "", "off", "off", "profiles/0/move_light_off", false},
        {"", "button", "4", "key F5", "key F5", "profiles/0/buttons/3/label", "SINGLE KEY: F5"},
        {"", "button", "5", "combo Ctrl+Shift+A", "combo LShift+LCtr+A", "profiles/0/buttons/4/label",
         "COMBO KEY: LShift + LCtr + A"},
        {"", "button", "3", "fire num-enter --times 5", "fire Num-Enter --times 5 --delay 10",
         "profiles/0/buttons/2/target", "Num Enter"},
        {"", "button", "6", "sniper 850", "sniper 800", "profiles/0/buttons/5/level", 7},
        {"", "button", "7", "macro m1 --while-held", "macro m1 --while-held", "profiles/0/buttons/6/label",
         "m1"},
        {"", "button", "8", "macro m1 --loop 3", "macro m1 --loop 3", "profiles/0/buttons/7/loop", 3},
        {"", "button", "2", "VOLUME_UP", "volume-up", "profiles/0/buttons/1/code", 43},
        {"", "button", "wheel-down", "back", "back", "profiles/0/buttons/9/slot", 41},
        {"--profile 4", "light", "", "7-color-breathing", "7-color-breathing", "profiles/3/lighting/color",
         QJsonValue()},
        {"", "active-profile", "", "3", "3", "active_profile", 3},
    };
    SettingsRig rig;
    rig.addMacro(QStringLiteral("m1"));
    for (const Case& c : cases) {
        const QStringList head = words(c.options) + QStringList{QLatin1String(c.key)} + words(c.select);
        SCOPED_TRACE((head + words(c.value)).join(QLatin1Char(' ')).toStdString());
        ASSERT_EQ(rig.run(QStringList{QStringLiteral("set")} + head + words(c.value)), kCliOk)
            << rig.err.toStdString();
        EXPECT_FALSE(rig.out.contains(QLatin1String("unchanged")));
        const QString got = rig.get(head);
        EXPECT_EQ(got, QLatin1String(c.got));
        const QJsonObject view = rig.json({QStringLiteral("show"), QStringLiteral("--all")});
        EXPECT_EQ(at(view, QLatin1String(c.path)), c.json);

        const auto before = rig.folder();
        ASSERT_EQ(rig.run(QStringList{QStringLiteral("set")} + head + got.split(QLatin1Char(' '))), kCliOk);
        EXPECT_TRUE(rig.out.contains(QLatin1String("unchanged"))) << rig.out.toStdString();
        EXPECT_TRUE(test::unchanged(before, rig.folder()));
    }
    // Without --profile, set edits the active profile.
    ASSERT_EQ(rig.run(words("set rate 125")), kCliOk);
    EXPECT_EQ(rig.get(words("--profile 3 rate")), QStringLiteral("125"));
    EXPECT_EQ(rig.get(words("--profile 1 rate")), QStringLiteral("500"));
    EXPECT_EQ(rig.get(words("--profile 2 rate")), QStringLiteral("250"));

    // Separate X and Y where the rows have the "Link XY" box: the stage comes apart.
    SettingsRig linked;
    linked.setConfig(QStringLiteral("MouseSenSor/1"), 3389);
    ASSERT_EQ(linked.run(words("set dpi 2 1650 820")), kCliOk) << linked.err.toStdString();
    EXPECT_EQ(linked.out, QStringLiteral("profile 1 stage 2: x 1650 -> 1650, y 820 -> 800 dpi\n"));
    EXPECT_EQ(linked.get(words("dpi 2")), QStringLiteral("1650 800"));
    EXPECT_EQ(at(linked.json({QStringLiteral("show")}), QStringLiteral("profiles/0/stages/1/linked")), false);
}

// Values against the pages' rules: exit 65, one line naming the allowed range or the rule, and
// the data folder as it was. Arguments that do not fit a key: exit 64.
TEST(CliSettings, RefusalsChangeNoFile) {
    struct Case {
        const char* args;
        int code;
        const char* message;
    };
    const Case cases[] = {
        {"set dpi 3 13000", kCliRefused, "200..12400"},
        {"set dpi 3 150", kCliRefused, "200..12400"},
        {"set dpi 9 800", kCliRefused, "1..6"},
        {"set dpi 2 1600 800", kCliRefused, "one DPI for X and Y"},
        {"set stage 0", kCliRefused, "1..6"},
        {"set stages 1,7", kCliRefused, "1..6"},
        {"set stages 1,1", kCliRefused, "each stage once"},
        {"set rate 300", kCliRefused, "125, 250, 500 or 1000"},
        {"set lift 3", kCliRefused, "1..2"},
        {"set pointer-speed 21", kCliRefused, "1..20"},
        {"set scroll-speed x", kCliRefused, "1..20"},
        {"set active-profile 6", kCliRefused, "1..5"},
        {"set --profile 0 rate 500", kCliRefused, "1..5"},
        {"set light flash", kCliRefused, "not in the effect menu"},
        {"set light sparkle", kCliRefused, "unknown effect"},
        {"set light rainbow --color ff0000", kCliRefused, "has no color"},
        {"set light breathing --color 12345g", kCliRefused, "not hex"},
        {"set light breathing --color red", kCliRefused, "not hex"},
        {"set brightness 4", kCliRefused, "1..3"},
        {"set light wave --speed 0", kCliRefused, "1..5"},
        {"set sleep 10", kCliRefused, "1..9"},
        {"set move-light-off maybe", kCliRefused, "on nor off"},
        {"use Nowhere", kCliRefused, "no profile 'Nowhere'"},
        {"set button 1 right", kCliRefused, "AT LEAST ONE CLICK FUNCTION TO BE RETAINED."},
        {"set button 4 key F13", kCliRefused, "unknown key name 'F13'"},
        {"set button 4 key left-button", kCliRefused, "cannot be sent as a key"},
        {"set button 4 combo Ctrl+Sift", kCliRefused, "unknown key name 'Sift'"},
        {"set button 4 combo A+B", kCliRefused, "more than one key"},
        {"set button 6 macro nowhere", kCliRefused, "no macro 'nowhere'"},
        {"set button 9 left", kCliRefused, "1..8, wheel-up, wheel-down"},
        {"set button wheel-up dpi-up", kCliRefused, "does not offer dpi-up"},
        {"set button 2 profile-up", kCliRefused, "does not offer"},
        {"set button 2 frobnicate", kCliRefused, "unknown function"},
        {"set button 2 fire left --times 0", kCliRefused, "1..255"},
        {"set button 2 sniper 5000", kCliRefused, "200..1100"},
        {"set button 2 key", kCliUsageError, "takes a value"},
        {"set button 2 left --loop 3", kCliUsageError, "go with macro"},
        {"set frobnicate 1", kCliUsageError, "unknown key"},
        {"set dpi 3", kCliUsageError, "STAGE DPI"},
        {"set rate 500 --color ff0000", kCliUsageError, "--color"},
        {"set light", kCliUsageError, "EFFECT"},
        {"get frobnicate", kCliUsageError, "unknown key"},
        {"show --all --profile 2", kCliUsageError, "exclude"},
    };
    SettingsRig rig;
    const auto before = rig.folder();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        EXPECT_EQ(rig.run(words(c.args)), c.code);
        EXPECT_EQ(rig.err.count(QLatin1Char('\n')), 1) << rig.err.toStdString();
        EXPECT_TRUE(rig.err.contains(QLatin1String(c.message))) << rig.err.toStdString();
        EXPECT_TRUE(rig.out.isEmpty()) << rig.out.toStdString();
    }
    EXPECT_TRUE(test::unchanged(before, rig.folder()));
    EXPECT_EQ(rig.sim.writeCount(), 0);

    // A profile whose name would put its file outside the folder is not saved at all.
    SettingsRig hostile;
    hostile.setConfig(QStringLiteral("Config/Profile1"), QStringLiteral("../escaped"));
    const auto untouched = hostile.folder();
    EXPECT_EQ(hostile.run(words("set rate 500")), kCliRefused);
    EXPECT_TRUE(hostile.err.contains(QLatin1String("../escaped"))) << hostile.err.toStdString();
    EXPECT_TRUE(test::unchanged(untouched, hostile.folder()));
    EXPECT_FALSE(QFileInfo::exists(hostile.data.path(QStringLiteral("Configs/escaped.prof"))));
}

// One line of a text block: the value after "label: ".
QString textValue(const QStringList& lines, const QString& label) {
    for (const QString& l : lines)
        if (l.trimmed().startsWith(label + QLatin1String(": "))) return l.trimmed().mid(label.size() + 2);
    return QStringLiteral("<no %1>").arg(label);
}

QString scalar(const QJsonValue& v) {
    return v.isString() ? v.toString()
           : v.isBool() ? QString::number(v.toBool())
                        : QString::number(v.toInt());
}

TEST(CliSettings, JsonCarriesTheValuesOfTheText) {
    SettingsRig rig;
    ASSERT_EQ(rig.run({QStringLiteral("apply")}), kCliOk);  // nothing pending but the two sets below
    ASSERT_EQ(rig.run(words("set --profile 2 light breathing --color 336699")), kCliOk);
    ASSERT_EQ(rig.run(words("set --profile 3 dpi 2 2000")), kCliOk);
    const QJsonObject view = rig.json({QStringLiteral("show"), QStringLiteral("--all")});
    ASSERT_EQ(rig.run({QStringLiteral("show"), QStringLiteral("--all")}), kCliOk);
    // Blocks: the header, then one per profile.
    QList<QStringList> blocks{{}};
    for (const QString& l : rig.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (l.startsWith(QLatin1String("profile "))) blocks.append(QStringList());
        blocks.last() << l;
    }
    ASSERT_EQ(blocks.size(), 6) << rig.out.toStdString();
    EXPECT_EQ(textValue(blocks[0], QStringLiteral("active profile")),
              scalar(view[QStringLiteral("active_profile")]));
    EXPECT_EQ(textValue(blocks[0], QStringLiteral("lift-off")),
              scalar(view[QStringLiteral("lift_off_mm")]) + " mm");
    EXPECT_EQ(textValue(blocks[0], QStringLiteral("pending")),
              view[QStringLiteral("pending")].toVariant().toStringList().join(QLatin1Char(' ')));
    const struct {
        const char* path;
        const char* label;
        const char* suffix;
    } fields[] = {
        {"active_stage", "active stage", ""},   {"rate_hz", "rate", " Hz"},
        {"pointer_speed", "pointer speed", ""}, {"scroll_speed", "scroll speed", ""},
        {"lighting/effect", "lighting", ""},    {"lighting/color", "color", ""},
        {"lighting/speed", "speed", ""},        {"lighting/brightness", "brightness", ""},
        {"sleep_minutes", "sleep", " min"},
    };
    for (int p = 0; p < 5; ++p) {
        SCOPED_TRACE(p);
        const QJsonValue profile = view[QStringLiteral("profiles")].toArray().at(p);
        const QStringList& block = blocks[p + 1];
        EXPECT_EQ(
            block[0],
            QStringLiteral("profile %1: %2").arg(p + 1).arg(at(profile, QStringLiteral("name")).toString()) +
                (at(profile, QStringLiteral("active")).toBool() ? " (active)" : ""));
        for (const auto& f : fields) {
            const QJsonValue v = at(profile, QLatin1String(f.path));
            if (v.isNull())
                EXPECT_TRUE(textValue(block, QLatin1String(f.label)).startsWith(QLatin1String("<no")))
                    << f.label;
            else
                EXPECT_EQ(textValue(block, QLatin1String(f.label)), scalar(v) + QLatin1String(f.suffix))
                    << f.label;
        }
        const QJsonArray stages = at(profile, QStringLiteral("stages")).toArray();
        for (const QJsonValue& s : stages) {
            const QString line =
                textValue(block, QStringLiteral("stage %1").arg(at(s, QStringLiteral("stage")).toInt()));
            EXPECT_TRUE(line.startsWith(at(s, QStringLiteral("enabled")).toBool() ? "on, " : "off, "))
                << line.toStdString();
            EXPECT_TRUE(line.contains(scalar(at(s, QStringLiteral("x_dpi"))))) << line.toStdString();
        }
        // A profile's pending tables: a line only when there are some.
        const QStringList pending = at(profile, QStringLiteral("pending")).toVariant().toStringList();
        EXPECT_EQ(textValue(block, QStringLiteral("pending")),
                  pending.isEmpty() ? QStringLiteral("<no pending>") : pending.join(QLatin1Char(' ')));
        EXPECT_EQ(pending, p == 1   ? QStringList{QStringLiteral("lighting")}
                           : p == 2 ? QStringList{QStringLiteral("dpi")}
                                    : QStringList());
    }
    EXPECT_EQ(textValue(blocks[0], QStringLiteral("pending")), QStringLiteral("dpi lighting"));
    EXPECT_EQ(at(view, QStringLiteral("profiles/1/lighting/color")), QJsonValue(QStringLiteral("#336699")));
    EXPECT_EQ(at(view, QStringLiteral("profiles/2/stages/1/x_dpi")), QJsonValue(2000));

    // status: the same facts in both forms.
    rig.sim.setCharging(true);
    rig.sim.changeRateOnMouse(2);
    const QJsonObject status = rig.json({QStringLiteral("status")});
    ASSERT_EQ(rig.run({QStringLiteral("status")}), kCliOk);
    const QStringList lines = rig.out.split(QLatin1Char('\n'));
    EXPECT_EQ(textValue(lines, QStringLiteral("battery")),
              QStringLiteral("%1 % (%2 mV)")
                  .arg(status[QStringLiteral("battery_percent")].toInt())
                  .arg(status[QStringLiteral("battery_mv")].toInt()));
    EXPECT_EQ(status[QStringLiteral("charging")], QJsonValue(true));
    EXPECT_EQ(textValue(lines, QStringLiteral("charging")), QStringLiteral("yes"));
    EXPECT_EQ(textValue(lines, QStringLiteral("link")),
              QStringLiteral("%1, mode %2")
                  .arg(status[QStringLiteral("connection")].toString())
                  .arg(status[QStringLiteral("link_mode")].toInt()));
    for (const char* key : {"profile", "dpi"})
        EXPECT_EQ(textValue(lines, QLatin1String(key)), scalar(status[QLatin1String(key)])) << key;
    EXPECT_EQ(textValue(lines, QStringLiteral("dpi stage")), scalar(status[QStringLiteral("stage")]));
    EXPECT_EQ(status[QStringLiteral("rate_hz")], QJsonValue(500));
    EXPECT_EQ(textValue(lines, QStringLiteral("rate")), QStringLiteral("500 Hz"));
}

// A set is remembered until an apply sends it: the apply writes the groups it changed, a second
// apply writes nothing, and the mouse then holds for the active profile what show prints.
TEST(CliSettings, SetThenApplyWritesTheChangedGroupsOnce) {
    using change::kBasic, change::kButtons, change::kDpi, change::kLighting, change::kNone;
    const struct {
        const char* set;
        int profile;  // the profile whose table groups the set records as pending (index)
        ChangeMask pending;
        const char* written;
    } cases[] = {
        {"set rate 500", 0, kBasic, "written: settings"},
        {"set dpi 3 800", 0, kDpi, "written: dpi"},
        {"set light breathing --color ff8800", 0, kBasic | kLighting, "written: settings lighting"},
        {"set --profile 2 dpi 1 3200", 1, kDpi, "written: dpi"},
        {"set --profile 2 light rainbow", 1, kLighting, "written: lighting"},
        {"set stage 5", 0, kBasic, "written: settings"},
        {"set active-profile 2", 1, kBasic, "written: settings"},
        {"set dpi 2 2200", 1, kDpi, "written: dpi"},
        {"set --profile 1 light wave", 0, kLighting, "written: lighting"},
        {"set lift 1", 1, kBasic, "written: settings"},
        {"set button 4 key F5", 1, kButtons, "written: buttons+macros"},
        {"set pointer-speed 5", 1, kNone, "nothing to write"},  // a host setting: the mouse is sent nothing
        {"set dpi 2 2200", 1, kNone, "nothing to write"},       // unchanged
    };
    SettingsRig rig;
    ASSERT_EQ(rig.run({QStringLiteral("apply")}), kCliOk);  // the sample data asks for a full write first
    for (const auto& c : cases) {
        SCOPED_TRACE(c.set);
        ASSERT_EQ(rig.run(words(c.set)), kCliOk) << rig.err.toStdString();
        EXPECT_TRUE(pending::load(rig.data.paths()) == ProfileChanges::forProfile(c.profile, c.pending));
        ASSERT_EQ(rig.run({QStringLiteral("apply")}), kCliOk) << rig.err.toStdString();
        EXPECT_TRUE(rig.out.startsWith(QLatin1String(c.written))) << rig.out.toStdString();
        EXPECT_TRUE(pending::load(rig.data.paths()).empty());
        rig.sim.clearFrameLog();
        ASSERT_EQ(rig.run({QStringLiteral("apply")}), kCliOk);
        EXPECT_TRUE(rig.out.startsWith(QLatin1String("nothing to write"))) << rig.out.toStdString();
        for (const QByteArray& frame : rig.sim.frameLog())  // the status request only
            EXPECT_EQ(static_cast<uint8_t>(frame.at(3)), 0x48);
        EXPECT_EQ(at(rig.json({QStringLiteral("show")}), QStringLiteral("pending")).toArray().size(), 0);
    }

    // The settings section carries the active profile; each profile's bank holds its DPI table.
    const QJsonObject all = rig.json({QStringLiteral("show"), QStringLiteral("--all")});
    const int active = at(all, QStringLiteral("active_profile")).toInt() - 1;
    ASSERT_EQ(active, 1);
    const QJsonValue shown = at(all, QStringLiteral("profiles/%1").arg(active));
    const simdecode::GlobalSettings g = simdecode::decodeGlobalSettings(rig.sim.section(0x01));
    EXPECT_EQ(g.profileId, active);
    EXPECT_EQ(g.liftHigh, 1);
    EXPECT_EQ(g.dpiStage + 1, at(shown, QStringLiteral("active_stage")).toInt());
    EXPECT_EQ(reportRateHz(g.pollRate[static_cast<size_t>(active)]),
              at(shown, QStringLiteral("rate_hz")).toInt());
    const int sensor = appsettings::loadSensorId(rig.data.paths());
    for (int p = 0; p < 5; ++p) {
        SCOPED_TRACE(p);
        const simdecode::DpiTable table = simdecode::decodeDpiTable(rig.sim.section(0x02, p));
        for (const QJsonValue& s : at(all, QStringLiteral("profiles/%1/stages").arg(p)).toArray()) {
            const simdecode::DpiStageBytes& b =
                table.stages[static_cast<size_t>(at(s, QStringLiteral("stage")).toInt() - 1)];
            const sensor::DpiBytes x = sensor::encodeDpiCode(
                sensor, static_cast<uint32_t>(at(s, QStringLiteral("x_code")).toInt()), 0);
            EXPECT_EQ(b.used == 1, at(s, QStringLiteral("enabled")).toBool());
            EXPECT_EQ(b.xLow, x.low);
            EXPECT_EQ(b.xRange, x.range);
        }
    }
}

// use NAME: the active slot takes a library profile and its name, as the window's menu does.
TEST(CliSettings, UseLoadsALibraryProfileIntoTheActiveSlot) {
    SettingsRig rig;
    const Paths& paths = rig.data.paths();
    const QString library = paths.productProfileDir(QStringLiteral("FARROW"));
    ASSERT_TRUE(
        QFile::copy(library + QStringLiteral("/Profile 3.prof"), library + QStringLiteral("/Work.prof")));
    QSettings(library + QStringLiteral("/Work.prof"), QSettings::IniFormat)
        .setValue(QStringLiteral("PROFILE/pollrate"), 4);
    {
        QSettings list(paths.productConfigFile(QStringLiteral("FARROW")), QSettings::IniFormat);
        list.setValue(QStringLiteral("PROFILE_LIST/6"), QStringLiteral("Work"));
        list.setValue(QStringLiteral("PROFILE_LIST/Count"), 6);
    }
    ASSERT_EQ(rig.run(words("set active-profile 2")), kCliOk);
    ASSERT_EQ(rig.run({QStringLiteral("use"), QStringLiteral("Work")}), kCliOk) << rig.err.toStdString();
    EXPECT_EQ(rig.out, QStringLiteral("profile 2: Work\n"));
    EXPECT_EQ(rig.get({QStringLiteral("name")}), QStringLiteral("Work"));
    EXPECT_EQ(rig.get({QStringLiteral("rate")}), QStringLiteral("250"));
    const QJsonObject profiles = rig.json({QStringLiteral("profiles")});
    EXPECT_EQ(at(profiles, QStringLiteral("slots/1/name")), QJsonValue(QStringLiteral("Work")));
    EXPECT_EQ(at(profiles, QStringLiteral("library/5")),
              QJsonValue(QJsonObject{{QStringLiteral("name"), QStringLiteral("Work")},
                                     {QStringLiteral("profile"), 2}}));
    ASSERT_EQ(rig.run({QStringLiteral("profiles")}), kCliOk);
    EXPECT_TRUE(rig.out.contains(QLatin1String("profile 2: Work (active)\n"))) << rig.out.toStdString();
    EXPECT_TRUE(rig.out.contains(QLatin1String("  Work (profile 2)\n"))) << rig.out.toStdString();
    EXPECT_TRUE(rig.out.contains(QLatin1String("  Profile 2\n"))) << rig.out.toStdString();

    // A name another slot carries is refused, and so is a list entry without a file.
    const auto before = rig.folder();
    EXPECT_EQ(rig.run({QStringLiteral("use"), QStringLiteral("Profile 3")}), kCliRefused);
    EXPECT_TRUE(rig.err.contains(QLatin1String("Profile is Already Used!"))) << rig.err.toStdString();
    ASSERT_TRUE(QFile::remove(library + QStringLiteral("/Profile 2.prof")));
    const auto withoutFile = rig.folder();
    EXPECT_EQ(rig.run({QStringLiteral("use"), QStringLiteral("Profile 2")}), kCliRefused);
    EXPECT_TRUE(test::unchanged(withoutFile, rig.folder()));
    EXPECT_NE(before, withoutFile);
}

}  // namespace
}  // namespace mousecfg
