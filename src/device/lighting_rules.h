#pragma once

#include <QColor>
#include <QString>
#include <array>

#include "storage/config_state.h"

namespace mousecfg {

class Paths;

// The lighting effects a profile can hold (`LedMode` 0..13) and the value ranges of their
// settings: what the lighting page offers and what the command-line tool accepts.
namespace lighting {

constexpr int kBrightMin = 1;
constexpr int kBrightMax = 3;
constexpr int kSpeedMin = 1;
constexpr int kSpeedMax = 5;
// The menu's effects, in its order. Effects 5 to 8 are never offered, but a profile that holds
// one is shown with its name and rows.
constexpr std::array<int, 10> kMenuOrder{1, 2, 3, 4, 9, 11, 10, 12, 13, 0};

// Which setting rows an effect uses. With only the speed row among the two slider rows (effects
// 2 and 3) the speed row takes the brightness row's place.
struct EffectRows {
    bool brightness = false;
    bool speed = false;
    bool colour = false;
    bool speedOnTop() const { return speed && !brightness; }
};

bool isEffect(int ledMode);
// The English name (the translation source, context "mousecfg::TarnColorWindow"); null for a
// value that is no effect.
const char* effectName(int ledMode);
// No rows at all for a value that is no effect.
EffectRows effectRows(int ledMode);

// The sleep-time range in minutes from the product descriptor ("PROFILE/SleepMin" and
// "PROFILE/SleepMax", 1..9 when absent). The stored field is one byte, so both ends are kept
// inside 0..255, and a reversed pair is swapped.
struct SleepRange {
    int min = 1;
    int max = 9;
    // The nearest value inside the range.
    int clamp(int minutes) const;
};
SleepRange makeSleepRange(int min, int max);

// The product facts the lighting page depends on.
struct LightingProduct {
    SleepRange sleep;
    bool showSleep = true;  // "PROFILE/ShowSleep" not 0
};
LightingProduct loadLightingProduct(const Paths& paths);

// Which profile the lighting page shows and edits: profile 0 for product "7450", whose lighting is
// the same in every profile, otherwise the current profile.
int lightingProfileIndex(const ConfigState& state, const QString& productName);
// The same for a chosen profile (0..4) instead of the current one.
int lightingProfileFor(int profile, const QString& productName);

// The colour the mouse is sent for a stored colour: its red, green and blue, opaque; a damaged
// or missing colour is black.
QColor opaqueColour(const QColor& stored);

}  // namespace lighting
}  // namespace mousecfg
