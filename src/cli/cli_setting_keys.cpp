#include "cli/cli_setting_keys.h"

#include <QCommandLineParser>
#include <algorithm>

#include "cli/cli_values.h"
#include "device/dpi_scale.h"
#include "device/performance_rules.h"
#include "device/report_rate.h"

namespace mousecfg {

namespace {

using clivalue::integer;

MouseProfile& profileOf(KeyContext& c) {
    return c.state.profiles[static_cast<size_t>(c.profile)];
}
const MouseProfile& profileOf(const KeyContext& c) {
    return c.state.profiles[static_cast<size_t>(c.profile)];
}
QString profileLabel(int profile) {
    return QStringLiteral("profile %1").arg(profile + 1);
}

// A number in low..high, or a refusal naming the range.
KeyResult numberIn(const QString& what, const QString& text, int low, int high, int* value) {
    const std::optional<int> n = integer(text);
    if (!n || *n < low || *n > high)
        return KeyResult::refused(
            QStringLiteral("%1 %2 is out of range: %3..%4").arg(what, text).arg(low).arg(high));
    *value = *n;
    return KeyResult::done();
}

KeyResult stageNumber(const KeyContext& c, const QString& text, int* stage) {
    int n = 0;
    KeyResult r = numberIn(QStringLiteral("stage"), text, 1, c.product.dpi.stageCount, &n);
    *stage = n - 1;
    return r;
}

// ---- DPI ---------------------------------------------------------------------------------

KeyResult dpiStep(const KeyContext& c, const QString& text, DpiStep* step) {
    const DpiProduct& d = c.product.dpi;
    if (!d.range) return KeyResult::refused(QStringLiteral("sensor %1 has no known DPI range").arg(d.sensor));
    const std::optional<int> dpi = integer(text);
    const std::optional<DpiStep> s = dpi ? nearestDpiStep(*d.range, d.sensor, *dpi) : std::nullopt;
    if (!s)
        return KeyResult::refused(QStringLiteral("dpi %1 is out of range: %2..%3 for sensor %4")
                                      .arg(text)
                                      .arg(d.range->lowestDpi)
                                      .arg(d.range->highestDpi)
                                      .arg(d.sensor));
    *step = *s;
    return KeyResult::done();
}

KeyResult setDpi(KeyContext& c, const QStringList& a) {
    if (a.size() != 2 && a.size() != 3)
        return KeyResult::usage(QStringLiteral("dpi takes STAGE DPI [Y_DPI]"));
    int stage = 0;
    DpiStep x, y;
    KeyResult r = stageNumber(c, a[0], &stage);
    if (r.kind == KeyResult::Done) r = dpiStep(c, a[1], &x);
    y = x;
    if (r.kind == KeyResult::Done && a.size() == 3) r = dpiStep(c, a[2], &y);
    if (r.kind != KeyResult::Done) return r;
    DpiStage& s = profileOf(c).dpiStages[static_cast<size_t>(stage)];
    const QString where = QStringLiteral("%1 stage %2: ").arg(profileLabel(c.profile)).arg(stage + 1);
    if (a.size() == 3) {
        // Separate values are what the two sliders of an unlinked row give; a linked row only
        // comes apart where the row has the "Link XY" box.
        if (s.link == 1 && !c.product.dpi.offersLink)
            return KeyResult::refused(QStringLiteral("sensor %1 has one DPI for X and Y: give one value")
                                          .arg(c.product.dpi.sensor));
        s.link = 0;
        c.report
            << where + QStringLiteral("x %1 -> %2, y %3 -> %4 dpi").arg(a[1]).arg(x.dpi).arg(a[2]).arg(y.dpi);
    } else {
        c.report << where + QStringLiteral("%1 -> %2 dpi").arg(a[1]).arg(x.dpi);
    }
    s.x = static_cast<uint32_t>(x.code);
    s.y = static_cast<uint32_t>(y.code);
    return KeyResult::done();
}

KeyResult getDpi(const KeyContext& c, const QStringList& a) {
    if (a.size() > 1) return KeyResult::usage(QStringLiteral("get dpi takes [STAGE]"));
    int stage = profileOf(c).dpi;
    if (a.size() == 1) {
        const KeyResult r = stageNumber(c, a[0], &stage);
        if (r.kind != KeyResult::Done) return r;
    }
    if (stage >= kDpiStageSlots) return KeyResult::refused(QStringLiteral("the active stage is not known"));
    const DpiStage& s = profileOf(c).dpiStages[static_cast<size_t>(stage)];
    const int x = dpiscale::dpiOfLevel(s.x, c.product.dpi.sensor);
    const int y = dpiscale::dpiOfLevel(s.y, c.product.dpi.sensor);
    return KeyResult::got(x == y ? QString::number(x) : QStringLiteral("%1 %2").arg(x).arg(y));
}

KeyResult setStage(KeyContext& c, const QStringList& a) {
    if (a.size() != 1) return KeyResult::usage(QStringLiteral("stage takes STAGE"));
    int stage = 0;
    const KeyResult r = stageNumber(c, a[0], &stage);
    if (r.kind != KeyResult::Done) return r;
    profileOf(c).dpi = static_cast<uint8_t>(stage);
    c.report << QStringLiteral("%1 active stage: %2").arg(profileLabel(c.profile)).arg(stage + 1);
    return KeyResult::done();
}

KeyResult getStage(const KeyContext& c, const QStringList& a) {
    if (!a.isEmpty()) return KeyResult::usage(QStringLiteral("get stage takes no value"));
    return KeyResult::got(QString::number(profileOf(c).dpi + 1));
}

KeyResult setStages(KeyContext& c, const QStringList& a) {
    if (a.size() != 1) return KeyResult::usage(QStringLiteral("stages takes a list such as 1,2,3"));
    const int count = c.product.dpi.stageCount;
    const std::optional<std::vector<int>> list = clivalue::numberList(a[0]);
    const bool inRange =
        list && std::all_of(list->begin(), list->end(), [count](int n) { return n >= 1 && n <= count; });
    if (!inRange)
        return KeyResult::refused(
            QStringLiteral("stages %1: each stage once, from 1..%2").arg(a[0]).arg(count));
    for (int i = 0; i < count; ++i)
        profileOf(c).dpiStages[static_cast<size_t>(i)].used =
            std::find(list->begin(), list->end(), i + 1) != list->end() ? 1 : 0;
    c.report << QStringLiteral("%1 enabled stages: %2").arg(profileLabel(c.profile), a[0]);
    return KeyResult::done();
}

KeyResult getStages(const KeyContext& c, const QStringList& a) {
    if (!a.isEmpty()) return KeyResult::usage(QStringLiteral("get stages takes no value"));
    QStringList on;
    for (int i = 0; i < c.product.dpi.stageCount; ++i)
        if (profileOf(c).dpiStages[static_cast<size_t>(i)].used == 1) on << QString::number(i + 1);
    return KeyResult::got(on.join(QLatin1Char(',')));
}

// ---- Rate, lift-off, speeds, active profile ----------------------------------------------

KeyResult setRate(KeyContext& c, const QStringList& a) {
    if (a.size() != 1) return KeyResult::usage(QStringLiteral("rate takes HZ"));
    const std::optional<int> hz = integer(a[0]);
    const int code = hz ? reportRateCode(*hz) : 0;
    if (code == 0)
        return KeyResult::refused(QStringLiteral("rate %1 is not offered: 125, 250, 500 or 1000").arg(a[0]));
    profileOf(c).pollrate = static_cast<uint8_t>(code);
    c.report << QStringLiteral("%1 rate: %2 Hz").arg(profileLabel(c.profile)).arg(*hz);
    return KeyResult::done();
}

KeyResult getRate(const KeyContext& c, const QStringList& a) {
    if (!a.isEmpty()) return KeyResult::usage(QStringLiteral("get rate takes no value"));
    const int hz = reportRateHz(profileOf(c).pollrate);
    if (hz == 0)
        return KeyResult::refused(QStringLiteral("the rate code %1 is no rate").arg(profileOf(c).pollrate));
    return KeyResult::got(QString::number(hz));
}

KeyResult setLift(KeyContext& c, const QStringList& a) {
    if (a.size() != 1) return KeyResult::usage(QStringLiteral("lift takes MM"));
    int mm = 0;
    const KeyResult r =
        numberIn(QStringLiteral("lift"), a[0], performance::kLiftMin, performance::kLiftMax, &mm);
    if (r.kind != KeyResult::Done) return r;
    c.state.LiftHigh = static_cast<uint8_t>(mm);
    c.report << QStringLiteral("lift-off: %1 mm").arg(mm);
    return KeyResult::done();
}

KeyResult getLift(const KeyContext& c, const QStringList& a) {
    if (!a.isEmpty()) return KeyResult::usage(QStringLiteral("get lift takes no value"));
    return KeyResult::got(QString::number(c.state.LiftHigh));
}

template <uint8_t MouseProfile::*Field>
KeyResult setSpeed(KeyContext& c, const QStringList& a) {
    const QString what =
        Field == &MouseProfile::mousespeed ? QStringLiteral("pointer-speed") : QStringLiteral("scroll-speed");
    if (a.size() != 1) return KeyResult::usage(what + QStringLiteral(" takes a number"));
    int v = 0;
    const KeyResult r = numberIn(what, a[0], performance::kSpeedMin, performance::kSpeedMax, &v);
    if (r.kind != KeyResult::Done) return r;
    profileOf(c).*Field = static_cast<uint8_t>(v);
    c.report << QStringLiteral("%1 %2: %3").arg(profileLabel(c.profile), what).arg(v);
    return KeyResult::done();
}

template <uint8_t MouseProfile::*Field>
KeyResult getSpeed(const KeyContext& c, const QStringList& a) {
    if (!a.isEmpty()) return KeyResult::usage(QStringLiteral("get takes no value for this key"));
    return KeyResult::got(QString::number(profileOf(c).*Field));
}

KeyResult setActiveProfile(KeyContext& c, const QStringList& a) {
    if (a.size() != 1) return KeyResult::usage(QStringLiteral("active-profile takes PROFILE"));
    int n = 0;
    const KeyResult r = numberIn(QStringLiteral("profile"), a[0], 1, kProfileCount, &n);
    if (r.kind != KeyResult::Done) return r;
    c.state.ProfileID = static_cast<uint8_t>(n - 1);
    c.report << QStringLiteral("active profile: %1").arg(n);
    return KeyResult::done();
}

KeyResult getActiveProfile(const KeyContext& c, const QStringList& a) {
    if (!a.isEmpty()) return KeyResult::usage(QStringLiteral("get active-profile takes no value"));
    return KeyResult::got(QString::number(currentProfileIndex(c.state) + 1));
}

KeyResult getName(const KeyContext& c, const QStringList& a) {
    if (!a.isEmpty()) return KeyResult::usage(QStringLiteral("get name takes no value"));
    return KeyResult::got(c.state.profileNames[static_cast<size_t>(c.profile)]);
}

}  // namespace

KeyResult setButton(KeyContext& c, const QStringList& a);
KeyResult getButton(const KeyContext& c, const QStringList& a);
KeyResult setLighting(KeyContext& c, const QStringList& a);
KeyResult getLighting(const KeyContext& c, const QStringList& a);
KeyResult setBrightness(KeyContext& c, const QStringList& a);
KeyResult getBrightness(const KeyContext& c, const QStringList& a);
KeyResult setEffectSpeed(KeyContext& c, const QStringList& a);
KeyResult getEffectSpeed(const KeyContext& c, const QStringList& a);
KeyResult setColour(KeyContext& c, const QStringList& a);
KeyResult getColour(const KeyContext& c, const QStringList& a);
KeyResult setSleep(KeyContext& c, const QStringList& a);
KeyResult getSleep(const KeyContext& c, const QStringList& a);
KeyResult setMoveLightOff(KeyContext& c, const QStringList& a);
KeyResult getMoveLightOff(const KeyContext& c, const QStringList& a);

const std::vector<SettingKey>& settingKeys() {
    const QStringList lightOptions = {QStringLiteral("brightness"), QStringLiteral("speed"),
                                      QStringLiteral("color")};
    const QStringList buttonOptions = {QStringLiteral("times"), QStringLiteral("delay"),
                                       QStringLiteral("loop"), QStringLiteral("while-held"),
                                       QStringLiteral("toggle")};
    static const std::vector<SettingKey> keys = {
        {"dpi",
         "STAGE DPI [Y_DPI]",
         "[STAGE]",
         "a stage's DPI (X and Y, or both); rounded to the sensor's step",
         {},
         &setDpi,
         &getDpi},
        {"stage", "STAGE", "", "the active DPI stage", {}, &setStage, &getStage},
        {"stages", "LIST", "", "the enabled DPI stages, e.g. 1,2,3", {}, &setStages, &getStages},
        {"rate", "HZ", "", "report rate: 125, 250, 500 or 1000", {}, &setRate, &getRate},
        {"lift", "MM", "", "lift-off distance: 1 or 2 (all profiles)", {}, &setLift, &getLift},
        {"pointer-speed",
         "N",
         "",
         "pointer speed 1..20",
         {},
         &setSpeed<&MouseProfile::mousespeed>,
         &getSpeed<&MouseProfile::mousespeed>},
        {"scroll-speed",
         "N",
         "",
         "scroll amount 1..20",
         {},
         &setSpeed<&MouseProfile::scrollspeed>,
         &getSpeed<&MouseProfile::scrollspeed>},
        {"button", "BUTTON FUNCTION [VALUE]", "BUTTON",
         "a button (1.., wheel-up, wheel-down) and its function: left, dpi-up, button-off ..., key F5,\n"
         "                                  combo Ctrl+Shift+A, fire left|right|middle|KEY [--times T] "
         "[--delay D],\n"
         "                                  sniper DPI, macro NAME [--loop N | --while-held | --toggle]",
         buttonOptions, &setButton, &getButton},
        {"light", "[EFFECT] [--brightness B] [--speed S] [--color RRGGBB]", "",
         "lighting effect and the settings it uses", lightOptions, &setLighting, &getLighting},
        {"brightness", "B", "", "brightness 1..3 of the effect", {}, &setBrightness, &getBrightness},
        {"speed", "S", "", "speed 1..5 of the effect", {}, &setEffectSpeed, &getEffectSpeed},
        {"color", "RRGGBB", "", "colour of the effect", {}, &setColour, &getColour},
        {"sleep", "MINUTES", "", "lighting sleep time", {}, &setSleep, &getSleep},
        {"move-light-off", "on|off", "", "\"MOVE TO LIGHT OFF\"", {}, &setMoveLightOff, &getMoveLightOff},
        {"active-profile",
         "PROFILE",
         "",
         "the profile the mouse uses (1..5)",
         {},
         &setActiveProfile,
         &getActiveProfile},
        {"name", nullptr, "", "the profile's name", {}, nullptr, &getName},
    };
    return keys;
}

const SettingKey* findSettingKey(const QString& name) {
    for (const SettingKey& k : settingKeys())
        if (name == QLatin1String(k.name)) return &k;
    return nullptr;
}

QString settingKeysHelp(bool forSet) {
    constexpr int kColumn = 30;
    QString s = QStringLiteral("\nKeys:\n");
    for (const SettingKey& k : settingKeys()) {
        if (forSet && !k.setArgs) continue;
        const QString usage = QStringLiteral("%1 %2")
                                  .arg(QLatin1String(k.name), QLatin1String(forSet ? k.setArgs : k.getArgs))
                                  .trimmed();
        // A long usage gets a line of its own.
        s += usage.size() < kColumn
                 ? QStringLiteral("  %1  ").arg(usage, -kColumn)
                 : QStringLiteral("  %1\n%2").arg(usage, QString(kColumn + 4, QLatin1Char(' ')));
        s += QLatin1String(k.summary) + QLatin1Char('\n');
    }
    return s;
}

}  // namespace mousecfg
