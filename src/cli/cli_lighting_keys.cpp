// The lighting keys of `set` and `get`, with the lighting page's rules: the effect menu's
// effects, the rows each effect uses, their ranges, the sleep range of the product.
#include <QCommandLineParser>
#include <algorithm>

#include "cli/cli_setting_keys.h"
#include "cli/cli_values.h"

namespace mousecfg {

namespace {

MouseProfile& lit(KeyContext& c) {
    return c.state.profiles[static_cast<size_t>(c.product.lightingProfile(c.profile))];
}
const MouseProfile& lit(const KeyContext& c) {
    return c.state.profiles[static_cast<size_t>(c.product.lightingProfile(c.profile))];
}
QString label(const KeyContext& c) {
    return QStringLiteral("profile %1").arg(c.product.lightingProfile(c.profile) + 1);
}
QString effectText(int ledMode) {
    return QString::fromLatin1(lighting::effectName(ledMode));
}

QString menuEffects() {
    QStringList names;
    for (int m : lighting::kMenuOrder) names << clivalue::token(effectText(m));
    return names.join(QStringLiteral(", "));
}

KeyResult effectNamed(const QString& text, int* effect) {
    for (int m : lighting::kMenuOrder) {
        if (clivalue::sameToken(text, effectText(m))) {
            *effect = m;
            return KeyResult::done();
        }
    }
    for (int m = 0; m < kLedModes; ++m)
        if (clivalue::sameToken(text, effectText(m)))
            return KeyResult::refused(
                QStringLiteral("%1 is not in the effect menu: %2").arg(text, menuEffects()));
    return KeyResult::refused(QStringLiteral("unknown effect '%1': %2").arg(text, menuEffects()));
}

// The settings given for an effect; an empty text is a setting not given.
struct LightValues {
    QString brightness, speed, colour;
};

KeyResult number(const QString& what, const QString& text, int low, int high, uint32_t* field) {
    const std::optional<int> n = clivalue::integer(text);
    if (!n || *n < low || *n > high)
        return KeyResult::refused(
            QStringLiteral("%1 %2 is out of range: %3..%4").arg(what, text).arg(low).arg(high));
    *field = static_cast<uint32_t>(*n);
    return KeyResult::done();
}

// Chooses an effect (or keeps the current one when `effect` is negative) and stores the values
// given, as the effect menu, the sliders and the colour editor do. The rows an effect uses show
// their stored value at the nearest end of the slider, and store it that way.
KeyResult applyLighting(KeyContext& c, int effect, const LightValues& v) {
    MouseProfile& p = lit(c);
    if (effect < 0) effect = p.LedMode;
    if (!lighting::isEffect(effect))
        return KeyResult::refused(QStringLiteral("the profile's effect %1 is no effect: name one of %2")
                                      .arg(effect)
                                      .arg(menuEffects()));
    const lighting::EffectRows rows = lighting::effectRows(effect);
    const QString name = clivalue::token(effectText(effect));
    LedModeSetting led = p.ledModes[static_cast<size_t>(effect)];
    if (rows.brightness)
        led.bright = std::clamp<uint32_t>(led.bright, lighting::kBrightMin, lighting::kBrightMax);
    if (rows.speed) led.breath = std::clamp<uint32_t>(led.breath, lighting::kSpeedMin, lighting::kSpeedMax);
    KeyResult r;
    if (!v.brightness.isEmpty())
        r = rows.brightness ? number(QStringLiteral("brightness"), v.brightness, lighting::kBrightMin,
                                     lighting::kBrightMax, &led.bright)
                            : KeyResult::refused(name + QStringLiteral(" has no brightness"));
    if (r.kind == KeyResult::Done && !v.speed.isEmpty())
        r = rows.speed ? number(QStringLiteral("speed"), v.speed, lighting::kSpeedMin, lighting::kSpeedMax,
                                &led.breath)
                       : KeyResult::refused(name + QStringLiteral(" has no speed"));
    if (r.kind == KeyResult::Done && !v.colour.isEmpty()) {
        const std::optional<QColor> colour = clivalue::colour(v.colour);
        if (!rows.colour)
            r = KeyResult::refused(name + QStringLiteral(" has no color"));
        else if (!colour)
            r = KeyResult::refused(QStringLiteral("color %1 is not hex RRGGBB (or RGB)").arg(v.colour));
        else
            led.RGB = *colour;
    }
    if (r.kind != KeyResult::Done) return r;
    p.LedMode = static_cast<uint8_t>(effect);
    p.ledModes[static_cast<size_t>(effect)] = led;
    QString text = QStringLiteral("%1 lighting: %2").arg(label(c), name);
    if (rows.brightness) text += QStringLiteral(", brightness %1").arg(led.bright);
    if (rows.speed) text += QStringLiteral(", speed %1").arg(led.breath);
    if (rows.colour) text += QStringLiteral(", color %1").arg(lighting::opaqueColour(led.RGB).name());
    c.report << text;
    return KeyResult::done();
}

QString option(const KeyContext& c, const char* name) {
    return c.parser && c.parser->isSet(QLatin1String(name)) ? c.parser->value(QLatin1String(name))
                                                            : QString();
}

// The active effect's row, or why there is none.
KeyResult effectRow(const KeyContext& c, bool lighting::EffectRows::*row, const char* what) {
    const MouseProfile& p = lit(c);
    if (!lighting::isEffect(p.LedMode))
        return KeyResult::refused(QStringLiteral("the profile's effect %1 is no effect").arg(p.LedMode));
    if (!(lighting::effectRows(p.LedMode).*row))
        return KeyResult::refused(
            QStringLiteral("%1 has no %2").arg(clivalue::token(effectText(p.LedMode)), QLatin1String(what)));
    return KeyResult::done();
}

KeyResult oneValue(const QStringList& a, const char* key) {
    return a.size() == 1 ? KeyResult::done()
                         : KeyResult::usage(QStringLiteral("%1 takes one value").arg(QLatin1String(key)));
}

}  // namespace

KeyResult setLighting(KeyContext& c, const QStringList& a) {
    if (a.size() > 1) return KeyResult::usage(QStringLiteral("light takes [EFFECT] and options"));
    int effect = -1;
    if (a.size() == 1) {
        const KeyResult r = effectNamed(a[0], &effect);
        if (r.kind != KeyResult::Done) return r;
    }
    const LightValues v{option(c, "brightness"), option(c, "speed"), option(c, "color")};
    if (a.isEmpty() && v.brightness.isEmpty() && v.speed.isEmpty() && v.colour.isEmpty())
        return KeyResult::usage(QStringLiteral("light takes an EFFECT or --brightness, --speed, --color"));
    return applyLighting(c, effect, v);
}

KeyResult getLighting(const KeyContext& c, const QStringList& a) {
    if (!a.isEmpty()) return KeyResult::usage(QStringLiteral("get light takes no value"));
    const int mode = lit(c).LedMode;
    if (!lighting::isEffect(mode))
        return KeyResult::refused(QStringLiteral("the profile's effect %1 is no effect").arg(mode));
    return KeyResult::got(clivalue::token(effectText(mode)));
}

KeyResult setBrightness(KeyContext& c, const QStringList& a) {
    KeyResult r = oneValue(a, "brightness");
    return r.kind == KeyResult::Done ? applyLighting(c, -1, {a[0], QString(), QString()}) : r;
}
KeyResult getBrightness(const KeyContext& c, const QStringList& a) {
    const KeyResult r = a.isEmpty() ? effectRow(c, &lighting::EffectRows::brightness, "brightness")
                                    : KeyResult::usage(QStringLiteral("get brightness takes no value"));
    if (r.kind != KeyResult::Done) return r;
    return KeyResult::got(QString::number(lit(c).ledModes[lit(c).LedMode].bright));
}

KeyResult setEffectSpeed(KeyContext& c, const QStringList& a) {
    KeyResult r = oneValue(a, "speed");
    return r.kind == KeyResult::Done ? applyLighting(c, -1, {QString(), a[0], QString()}) : r;
}
KeyResult getEffectSpeed(const KeyContext& c, const QStringList& a) {
    const KeyResult r = a.isEmpty() ? effectRow(c, &lighting::EffectRows::speed, "speed")
                                    : KeyResult::usage(QStringLiteral("get speed takes no value"));
    if (r.kind != KeyResult::Done) return r;
    return KeyResult::got(QString::number(lit(c).ledModes[lit(c).LedMode].breath));
}

KeyResult setColour(KeyContext& c, const QStringList& a) {
    KeyResult r = oneValue(a, "color");
    return r.kind == KeyResult::Done ? applyLighting(c, -1, {QString(), QString(), a[0]}) : r;
}
KeyResult getColour(const KeyContext& c, const QStringList& a) {
    const KeyResult r = a.isEmpty() ? effectRow(c, &lighting::EffectRows::colour, "color")
                                    : KeyResult::usage(QStringLiteral("get color takes no value"));
    if (r.kind != KeyResult::Done) return r;
    return KeyResult::got(lighting::opaqueColour(lit(c).ledModes[lit(c).LedMode].RGB).name());
}

KeyResult setSleep(KeyContext& c, const QStringList& a) {
    KeyResult r = oneValue(a, "sleep");
    if (r.kind != KeyResult::Done) return r;
    const lighting::LightingProduct& product = c.product.lighting;
    if (!product.showSleep)
        return KeyResult::refused(QStringLiteral("this mouse has no lighting sleep time"));
    const std::optional<int> n = clivalue::integer(a[0]);
    if (!n || *n < product.sleep.min || *n > product.sleep.max)
        return KeyResult::refused(QStringLiteral("sleep %1 is out of range: %2..%3")
                                      .arg(a[0])
                                      .arg(product.sleep.min)
                                      .arg(product.sleep.max));
    lit(c).LedSleepTime = static_cast<uint8_t>(*n);
    c.report << QStringLiteral("%1 sleep: %2 min").arg(label(c)).arg(*n);
    return KeyResult::done();
}
KeyResult getSleep(const KeyContext& c, const QStringList& a) {
    if (!a.isEmpty()) return KeyResult::usage(QStringLiteral("get sleep takes no value"));
    if (!c.product.lighting.showSleep)
        return KeyResult::refused(QStringLiteral("this mouse has no lighting sleep time"));
    return KeyResult::got(QString::number(lit(c).LedSleepTime));
}

KeyResult setMoveLightOff(KeyContext& c, const QStringList& a) {
    KeyResult r = oneValue(a, "move-light-off");
    if (r.kind != KeyResult::Done) return r;
    if (!c.product.lighting.showSleep)
        return KeyResult::refused(QStringLiteral("this mouse has no \"MOVE TO LIGHT OFF\""));
    const std::optional<bool> on = clivalue::onOff(a[0]);
    if (!on) return KeyResult::refused(QStringLiteral("move-light-off %1 is neither on nor off").arg(a[0]));
    // The box ticked is stored as 0, unticked as 255.
    lit(c).LedMoveOFF = *on ? 0 : 255;
    c.report << QStringLiteral("%1 move to light off: %2")
                    .arg(label(c), *on ? QLatin1String("on") : QLatin1String("off"));
    return KeyResult::done();
}
KeyResult getMoveLightOff(const KeyContext& c, const QStringList& a) {
    if (!a.isEmpty()) return KeyResult::usage(QStringLiteral("get move-light-off takes no value"));
    if (!c.product.lighting.showSleep)
        return KeyResult::refused(QStringLiteral("this mouse has no \"MOVE TO LIGHT OFF\""));
    return KeyResult::got(lit(c).LedMoveOFF == 0 ? QStringLiteral("on") : QStringLiteral("off"));
}

}  // namespace mousecfg
