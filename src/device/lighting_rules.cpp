#include "device/lighting_rules.h"

#include <QtGlobal>
#include <algorithm>
#include <utility>

#include "storage/product_descriptor.h"

namespace mousecfg::lighting {

namespace {

struct Effect {
    const char* name;
    EffectRows rows;
};

constexpr Effect kEffects[kLedModes] = {
    {QT_TRANSLATE_NOOP("mousecfg::TarnColorWindow", "OFF"), {false, false, false}},
    {QT_TRANSLATE_NOOP("mousecfg::TarnColorWindow", "FULL LIGHTED"), {true, false, true}},
    {QT_TRANSLATE_NOOP("mousecfg::TarnColorWindow", "BREATHING"), {false, true, true}},
    {QT_TRANSLATE_NOOP("mousecfg::TarnColorWindow", "7 COLOR BREATHING"), {false, true, false}},
    {QT_TRANSLATE_NOOP("mousecfg::TarnColorWindow", "RAINBOW"), {true, true, false}},
    {QT_TRANSLATE_NOOP("mousecfg::TarnColorWindow", "FLASH"), {true, true, false}},
    {QT_TRANSLATE_NOOP("mousecfg::TarnColorWindow", "Horizontal WAVE"), {true, true, false}},
    {QT_TRANSLATE_NOOP("mousecfg::TarnColorWindow", "Horizontal GO WITHOUT TRACE"), {true, true, false}},
    {QT_TRANSLATE_NOOP("mousecfg::TarnColorWindow", "Raindrop"), {true, true, false}},
    {QT_TRANSLATE_NOOP("mousecfg::TarnColorWindow", "WAVE"), {true, true, false}},
    {QT_TRANSLATE_NOOP("mousecfg::TarnColorWindow", "GO WITHOUT TRACE"), {true, true, false}},
    {QT_TRANSLATE_NOOP("mousecfg::TarnColorWindow", "REACTIVE"), {true, false, false}},
    {QT_TRANSLATE_NOOP("mousecfg::TarnColorWindow", "yo-yo"), {true, true, false}},
    {QT_TRANSLATE_NOOP("mousecfg::TarnColorWindow", "Marbles"), {true, true, false}},
};

constexpr int kByteMax = 255;

}  // namespace

bool isEffect(int ledMode) {
    return ledMode >= 0 && ledMode < kLedModes;
}

const char* effectName(int ledMode) {
    return isEffect(ledMode) ? kEffects[ledMode].name : nullptr;
}

EffectRows effectRows(int ledMode) {
    return isEffect(ledMode) ? kEffects[ledMode].rows : EffectRows{};
}

int SleepRange::clamp(int minutes) const {
    return std::clamp(minutes, min, max);
}

SleepRange makeSleepRange(int min, int max) {
    min = std::clamp(min, 0, kByteMax);
    max = std::clamp(max, 0, kByteMax);
    if (min > max) std::swap(min, max);
    return {min, max};
}

LightingProduct loadLightingProduct(const Paths& paths) {
    LightingProduct p;
    p.sleep = makeSleepRange(loadSleepMin(paths), loadSleepMax(paths));
    p.showSleep = loadShowSleep(paths) != 0;
    return p;
}

int lightingProfileIndex(const ConfigState& state, const QString& productName) {
    return lightingProfileFor(currentProfileIndex(state), productName);
}

int lightingProfileFor(int profile, const QString& productName) {
    return productName == QLatin1String("7450") ? 0 : profile;
}

QColor opaqueColour(const QColor& stored) {
    if (!stored.isValid()) return QColor(0, 0, 0);
    return QColor(stored.red(), stored.green(), stored.blue());
}

}  // namespace mousecfg::lighting
