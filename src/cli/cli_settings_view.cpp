#include "cli/cli_settings_view.h"

#include <QJsonArray>

#include "device/dpi_scale.h"
#include "device/report_rate.h"
#include "storage/app_settings.h"
#include "storage/pending_changes.h"

namespace mousecfg {

ProductView ProductView::load(const Paths& paths) {
    ProductView p;
    p.name = appsettings::loadCurrentProductName(paths);
    p.dpi = loadDpiProduct(paths);
    p.lighting = lighting::loadLightingProduct(paths);
    p.buttons = ButtonProduct::load(paths);
    return p;
}

int ProductView::lightingProfile(int profile) const {
    return lighting::lightingProfileFor(profile, name);
}

QStringList changeGroupNames(ChangeMask mask) {
    QStringList names;
    if (mask & change::kBasic) names << QStringLiteral("settings");
    if (mask & change::kDpi) names << QStringLiteral("dpi");
    if (mask & change::kButtons) names << QStringLiteral("buttons");
    if (mask & change::kLighting) names << QStringLiteral("lighting");
    return names;
}

namespace {

// What the next apply writes without further edits: everything while "Config/Diff" says the mouse
// may differ, else the groups recorded as pending.
ProfileChanges pendingGroups(const Paths& paths) {
    return appsettings::loadDiff(paths) == 1 ? ProfileChanges::all() : pending::load(paths);
}

QJsonValue orNull(bool shown, const QJsonValue& value) {
    return shown ? value : QJsonValue(QJsonValue::Null);
}

QJsonObject stageView(const DpiStage& s, int stage, int sensor) {
    return QJsonObject{
        {QStringLiteral("stage"), stage + 1},
        {QStringLiteral("enabled"), s.used == 1},
        {QStringLiteral("linked"), s.link == 1},
        {QStringLiteral("x_dpi"), dpiscale::dpiOfLevel(s.x, sensor)},
        {QStringLiteral("y_dpi"), dpiscale::dpiOfLevel(s.y, sensor)},
        {QStringLiteral("x_code"), static_cast<qint64>(s.x)},
        {QStringLiteral("y_code"), static_cast<qint64>(s.y)},
    };
}

QJsonObject lightingView(const MouseProfile& p) {
    const lighting::EffectRows rows = lighting::effectRows(p.LedMode);
    const char* name = lighting::effectName(p.LedMode);
    const bool known = name != nullptr;
    const LedModeSetting& led = p.ledModes[known ? p.LedMode : 0];
    return QJsonObject{
        {QStringLiteral("effect"), orNull(known, QString::fromLatin1(name))},
        {QStringLiteral("effect_code"), p.LedMode},
        {QStringLiteral("brightness"), orNull(rows.brightness, static_cast<qint64>(led.bright))},
        {QStringLiteral("speed"), orNull(rows.speed, static_cast<qint64>(led.breath))},
        {QStringLiteral("color"), orNull(rows.colour, lighting::opaqueColour(led.RGB).name())},
    };
}

}  // namespace

QJsonObject profileView(const ProductView& product, const ConfigState& state, int profile,
                        ChangeMask pendingTables) {
    const MouseProfile& p = state.profiles[static_cast<size_t>(profile)];
    QJsonArray stages;
    for (int i = 0; i < product.dpi.stageCount; ++i)
        stages.append(stageView(p.dpiStages[static_cast<size_t>(i)], i, product.dpi.sensor));
    const int hz = reportRateHz(p.pollrate);
    QJsonArray buttons;
    for (const auto& [name, slot] : product.buttons.listed())
        buttons.append(buttonView(product.buttons, name, slot, p.buttons[static_cast<size_t>(slot)]));
    const MouseProfile& lit = state.profiles[static_cast<size_t>(product.lightingProfile(profile))];
    return QJsonObject{
        {QStringLiteral("profile"), profile + 1},
        {QStringLiteral("name"), state.profileNames[static_cast<size_t>(profile)]},
        {QStringLiteral("active"), profile == currentProfileIndex(state)},
        {QStringLiteral("active_stage"), p.dpi + 1},
        {QStringLiteral("stages"), stages},
        {QStringLiteral("rate_hz"), orNull(hz != 0, hz)},
        {QStringLiteral("pointer_speed"), p.mousespeed},
        {QStringLiteral("scroll_speed"), p.scrollspeed},
        {QStringLiteral("buttons"), buttons},
        {QStringLiteral("lighting"), lightingView(lit)},
        {QStringLiteral("sleep_minutes"), orNull(product.lighting.showSleep, lit.LedSleepTime)},
        {QStringLiteral("move_light_off"), orNull(product.lighting.showSleep, lit.LedMoveOFF == 0)},
        {QStringLiteral("pending"),
         QJsonArray::fromStringList(changeGroupNames(pendingTables & change::kTables))},
    };
}

QJsonObject settingsView(const Paths& paths, const ProductView& product, const ConfigState& state,
                         const std::vector<int>& profiles) {
    const ProfileChanges pending = pendingGroups(paths);
    QJsonArray list;
    for (int p : profiles)
        list.append(profileView(product, state, p, pending.perProfile[static_cast<size_t>(p)]));
    return QJsonObject{
        {QStringLiteral("product"), product.name},
        {QStringLiteral("sensor"), product.dpi.sensor},
        {QStringLiteral("active_profile"), currentProfileIndex(state) + 1},
        {QStringLiteral("lift_off_mm"), state.LiftHigh},
        {QStringLiteral("pending"), QJsonArray::fromStringList(changeGroupNames(pending.combined()))},
        {QStringLiteral("profiles"), list},
    };
}

namespace {

QString number(const QJsonValue& v) {
    return QString::number(v.toInt());
}

QString stageText(const QJsonObject& s) {
    const QString x = number(s[QStringLiteral("x_dpi")]);
    const QString y = number(s[QStringLiteral("y_dpi")]);
    QString text = s[QStringLiteral("enabled")].toBool() ? QStringLiteral("on, ") : QStringLiteral("off, ");
    text += x == y ? x + QStringLiteral(" dpi") : QStringLiteral("x %1, y %2 dpi").arg(x, y);
    if (s[QStringLiteral("linked")].toBool()) text += QStringLiteral(", linked");
    return text;
}

}  // namespace

void printSettingsText(QTextStream& out, const QJsonObject& view) {
    const QStringList pending = view[QStringLiteral("pending")].toVariant().toStringList();
    out << "product: " << view[QStringLiteral("product")].toString() << '\n'
        << "sensor: " << number(view[QStringLiteral("sensor")]) << '\n'
        << "active profile: " << number(view[QStringLiteral("active_profile")]) << '\n'
        << "lift-off: " << number(view[QStringLiteral("lift_off_mm")]) << " mm\n"
        << "pending: " << (pending.isEmpty() ? QStringLiteral("none") : pending.join(QLatin1Char(' ')))
        << '\n';
    for (const QJsonValue& pv : view[QStringLiteral("profiles")].toArray()) {
        const QJsonObject p = pv.toObject();
        out << "profile " << number(p[QStringLiteral("profile")]) << ": "
            << p[QStringLiteral("name")].toString()
            << (p[QStringLiteral("active")].toBool() ? " (active)" : "") << '\n';
        out << "  active stage: " << number(p[QStringLiteral("active_stage")]) << '\n';
        for (const QJsonValue& sv : p[QStringLiteral("stages")].toArray()) {
            const QJsonObject s = sv.toObject();
            out << "  stage " << number(s[QStringLiteral("stage")]) << ": " << stageText(s) << '\n';
        }
        const QJsonValue rate = p[QStringLiteral("rate_hz")];
        out << "  rate: "
            << (rate.isNull() ? QStringLiteral("unknown") : number(rate) + QStringLiteral(" Hz")) << '\n';
        out << "  pointer speed: " << number(p[QStringLiteral("pointer_speed")]) << '\n';
        out << "  scroll speed: " << number(p[QStringLiteral("scroll_speed")]) << '\n';
        for (const QJsonValue& bv : p[QStringLiteral("buttons")].toArray()) {
            const QJsonObject b = bv.toObject();
            out << "  button " << b[QStringLiteral("button")].toString() << ": " << buttonText(b) << '\n';
        }
        const QJsonObject light = p[QStringLiteral("lighting")].toObject();
        const QJsonValue effect = light[QStringLiteral("effect")];
        out << "  lighting: "
            << (effect.isNull()
                    ? QStringLiteral("unknown (%1)").arg(number(light[QStringLiteral("effect_code")]))
                    : effect.toString())
            << '\n';
        for (const char* key : {"brightness", "speed"}) {
            const QJsonValue v = light[QLatin1String(key)];
            if (!v.isNull()) out << "  " << key << ": " << number(v) << '\n';
        }
        const QJsonValue colour = light[QStringLiteral("color")];
        if (!colour.isNull()) out << "  color: " << colour.toString() << '\n';
        const QJsonValue sleep = p[QStringLiteral("sleep_minutes")];
        if (!sleep.isNull()) out << "  sleep: " << number(sleep) << " min\n";
        const QJsonValue move = p[QStringLiteral("move_light_off")];
        if (!move.isNull()) out << "  move to light off: " << (move.toBool() ? "on" : "off") << '\n';
        const QStringList tables = p[QStringLiteral("pending")].toVariant().toStringList();
        if (!tables.isEmpty()) out << "  pending: " << tables.join(QLatin1Char(' ')) << '\n';
    }
}

}  // namespace mousecfg
