#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>

namespace mousecfg {

class Paths;
struct ProductDescriptor;

constexpr int kProfileCount = 5;
constexpr int kDpiStageSlots = 8;
constexpr int kButtonSlots = 42;
constexpr int kKeyInfoEntries = 63;
constexpr int kLedModes = 14;
// Button function codes that name a file through `macroname`.
constexpr int kFunMacro = 200;
constexpr int kFunGunFile = 510;

// One key or macro event of a button. For a macro: map = Map byte, low = DataL, high = DataH.
struct KeyInfoEntry {
    uint8_t map = 0;
    uint8_t low = 0;
    uint8_t high = 0;
};
bool operator==(const KeyInfoEntry& a, const KeyInfoEntry& b);
inline bool operator!=(const KeyInfoEntry& a, const KeyInfoEntry& b) {
    return !(a == b);
}

struct DpiStage {
    uint8_t used = 0;
    uint8_t link = 0;
    uint32_t xy = 0;
    uint32_t x = 0;
    uint32_t y = 0;
};
bool operator==(const DpiStage& a, const DpiStage& b);
inline bool operator!=(const DpiStage& a, const DpiStage& b) {
    return !(a == b);
}

struct ButtonAssignment {
    int32_t ID = 0;
    int32_t Fun = 0;
    int32_t LoopNumber = 0;
    int32_t KeyNumber = 0;
    std::array<KeyInfoEntry, kKeyInfoEntries> KeyInfo{};
    uint8_t Res1 = 0;
    uint8_t Res2 = 0;
    uint8_t Res3 = 0;
    uint8_t Res4 = 0;
    QString macroname;
};
bool operator==(const ButtonAssignment& a, const ButtonAssignment& b);
inline bool operator!=(const ButtonAssignment& a, const ButtonAssignment& b) {
    return !(a == b);
}

struct LedModeSetting {
    QColor RGB;  // invalid until set
    uint32_t h = 0;
    uint32_t s = 0;
    uint32_t v = 0;
    uint32_t bright = 0;
    uint32_t breath = 0;
};
bool operator==(const LedModeSetting& a, const LedModeSetting& b);
inline bool operator!=(const LedModeSetting& a, const LedModeSetting& b) {
    return !(a == b);
}

struct MouseProfile {
    uint8_t pollrate = 0;
    uint8_t dpi = 0;
    uint8_t LedMode = 0;
    uint8_t LedMoveOFF = 0;  // 0: "move to light off" ticked, 255: not ticked
    uint8_t LedSleepTime = 0;
    std::array<DpiStage, kDpiStageSlots> dpiStages{};
    uint8_t mousespeed = 0;
    uint8_t dbclickspeed = 0;
    uint8_t scrollispage = 0;
    uint8_t scrollspeed = 0;
    uint8_t accelenable = 0;
    uint8_t acee = 0;
    std::array<ButtonAssignment, kButtonSlots> buttons{};
    std::array<LedModeSetting, kLedModes> ledModes{};
    QString ProfileName;
    QString ProfilePath;
};
bool operator==(const MouseProfile& a, const MouseProfile& b);
inline bool operator!=(const MouseProfile& a, const MouseProfile& b) {
    return !(a == b);
}

struct ConfigState {
    uint8_t ProfileID = 0;  // current profile; use currentProfileIndex() to index `profiles`
    std::array<MouseProfile, kProfileCount> profiles{};
    uint8_t AngleValue = 0;
    uint8_t LiftHigh = 0;
    uint8_t Count = 0;
    std::array<QString, kProfileCount> profileNames{};
};
bool operator==(const ConfigState& a, const ConfigState& b);
inline bool operator!=(const ConfigState& a, const ConfigState& b) {
    return !(a == b);
}

// ProfileID as an index into `profiles`: a stored value outside 0..4 (a damaged Config.ini)
// means profile 0.
int currentProfileIndex(const ConfigState& state);
inline MouseProfile& currentProfile(ConfigState& s) {
    return s.profiles[currentProfileIndex(s)];
}
inline const MouseProfile& currentProfile(const ConfigState& s) {
    return s.profiles[currentProfileIndex(s)];
}

// Groups of settings that differ between two states, i.e. what a device write must send.
using ChangeMask = int;
namespace change {
constexpr ChangeMask kNone = 0;
constexpr ChangeMask kBasic = 1;     // report rate, scroll, lift-off, profile, active stage/effect
constexpr ChangeMask kDpi = 2;       // DPI stages
constexpr ChangeMask kButtons = 4;   // button assignments and macros
constexpr ChangeMask kLighting = 8;  // lighting effect
constexpr ChangeMask kAll = 15;
}  // namespace change

// Resets a profile to the product defaults: those of the descriptor when it is given, the
// built-in ones when it is null.
void resetProfileToDefaults(MouseProfile& profile, const ProductDescriptor* descriptor);
// Same, reading the product descriptor of `paths` (built-in defaults when it is missing).
void resetProfileToDefaults(MouseProfile& profile, const Paths& paths);
// "Reset all profiles": ProfileID 0, AngleValue 0, LiftHigh 2, profile 0 reset, default names.
// Count and profiles 1..4 stay as they are.
void resetAllToDefaults(ConfigState& state, const Paths& paths);

// Which groups differ between the edited and the stored state. A macro button that is equal on
// both sides still counts as changed when its macro file has a non-zero "Setting/WriteSign"; that
// flag is then cleared in the file (at most one file per call).
ChangeMask computeChangeMask(const ConfigState& working, const ConfigState& stored, const Paths& paths);
// The same comparison of the two states alone: no macro file is read or changed.
ChangeMask compareConfigStates(const ConfigState& working, const ConfigState& stored);

}  // namespace mousecfg
