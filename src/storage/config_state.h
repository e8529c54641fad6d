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

// The profile record. Its field names are the keys it is stored under in the settings and
// profile files, which is why some read oddly; the comments below are the glossary. DPI values
// are sensor codes, not DPI numbers (device/dpi_scale turns a code into DPI for a sensor).

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

// One DPI stage ("DPI_INFO_<n>_..." keys).
struct DpiStage {
    uint8_t used = 0;  // 1: the stage is enabled
    uint8_t link = 0;  // 1: X and Y are linked and set together
    uint32_t xy = 0;   // the linked X/Y code (not compared, not sent: x and y are)
    uint32_t x = 0;    // X resolution code
    uint32_t y = 0;    // Y resolution code
};
bool operator==(const DpiStage& a, const DpiStage& b);
inline bool operator!=(const DpiStage& a, const DpiStage& b) {
    return !(a == b);
}

// The function of one button slot ("BUTTON_INFO_<n>_..." keys).
struct ButtonAssignment {
    int32_t ID = 0;          // identifier carried with the assignment; no page changes it
    int32_t Fun = 0;         // function code; kFunMacro and kFunGunFile name a file in `macroname`
    int32_t LoopNumber = 0;  // loop count of a macro or gun file; times of a fire key
    int32_t KeyNumber = 0;   // events of a macro or gun file in use in KeyInfo; delay of a fire key
    std::array<KeyInfoEntry, kKeyInfoEntries> KeyInfo{};  // key, combo or macro events
    // Res1: key code of a single key, target of a fire key, sniper level, or the loop mode of a
    // macro or gun file. Res2..Res4: parameter bytes carried along; the button page keeps them.
    uint8_t Res1 = 0;
    uint8_t Res2 = 0;
    uint8_t Res3 = 0;
    uint8_t Res4 = 0;
    QString macroname;  // macro file (Configs/MacroDB) or gun file name, for Fun 200 or 510
};
bool operator==(const ButtonAssignment& a, const ButtonAssignment& b);
inline bool operator!=(const ButtonAssignment& a, const ButtonAssignment& b) {
    return !(a == b);
}

// The settings of one lighting effect ("LED_MODE_<n>_..." keys).
struct LedModeSetting {
    QColor RGB;           // the effect's colour; invalid until set
    uint32_t h = 0;       // hue, saturation and value stored beside the colour (360, 0, 0 after
    uint32_t s = 0;       // a reset); no page changes them, they are saved and compared all the
    uint32_t v = 0;       // same
    uint32_t bright = 0;  // brightness level ("_bright")
    uint32_t breath = 0;  // speed level of the effect
};
bool operator==(const LedModeSetting& a, const LedModeSetting& b);
inline bool operator!=(const LedModeSetting& a, const LedModeSetting& b) {
    return !(a == b);
}

// One of the five on-board profiles (group "PROFILE" of a profile file).
struct MouseProfile {
    uint8_t pollrate = 0;      // report-rate code: 1 = 1000 Hz, 2 = 500, 4 = 250, 8 = 125
    uint8_t dpi = 0;           // index of the active DPI stage
    uint8_t LedMode = 0;       // active lighting effect, 0..13
    uint8_t LedMoveOFF = 0;    // 0: "move to light off" ticked, 255: not ticked
    uint8_t LedSleepTime = 0;  // lighting sleep time in minutes
    std::array<DpiStage, kDpiStageSlots> dpiStages{};
    uint8_t mousespeed = 0;    // host pointer speed, 1..20
    uint8_t dbclickspeed = 0;  // host double-click speed level
    uint8_t scrollispage = 0;  // 1: the wheel scrolls by pages
    uint8_t scrollspeed = 0;   // wheel scroll amount
    uint8_t accelenable = 0;   // 1: pointer acceleration on
    uint8_t acee = 0;          // acceleration setting kept beside accelenable
    // Button slots 0..41, and the settings of each lighting effect.
    std::array<ButtonAssignment, kButtonSlots> buttons{};
    std::array<LedModeSetting, kLedModes> ledModes{};
    QString ProfileName;  // the profile's name, set when it is loaded or renamed
    QString ProfilePath;  // path text carried along; nothing sets it
};
bool operator==(const MouseProfile& a, const MouseProfile& b);
inline bool operator!=(const MouseProfile& a, const MouseProfile& b) {
    return !(a == b);
}

// The whole profile set ("Config/..." keys of Configs/Config.ini and the five profile files).
// The program keeps two: the stored set (what the mouse holds) and the working set (edited).
struct ConfigState {
    uint8_t ProfileID = 0;  // current profile; use currentProfileIndex() to index `profiles`
    std::array<MouseProfile, kProfileCount> profiles{};
    uint8_t AngleValue = 0;  // angle setting carried along; nothing edits it, the mouse never gets it
    uint8_t LiftHigh = 0;    // lift-off distance of the mouse (all profiles): 1 = 1 mm, 2 = 2 mm
    uint8_t Count = 0;       // profile count carried along; nothing changes it
    // The slots' names; each is also the base name of the slot's file in Configs/Profile.
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
constexpr ChangeMask kTables = kDpi | kButtons | kLighting;  // the groups each profile has its own of
}  // namespace change

// The change mask broken down the way the mouse holds it: the settings section is shared by all
// profiles, while every profile has its own DPI, button and lighting tables.
struct ProfileChanges {
    ChangeMask global = change::kNone;                   // kBasic or nothing
    std::array<ChangeMask, kProfileCount> perProfile{};  // kDpi, kButtons, kLighting
    ChangeMask combined() const;                         // the OR of everything
    bool empty() const { return combined() == change::kNone; }
    // Every group of every profile: a full write.
    static ProfileChanges all();
    // The groups of `mask` for one profile (kBasic goes to `global`).
    static ProfileChanges forProfile(int profile, ChangeMask mask);
    ProfileChanges& operator|=(const ProfileChanges& other);
};
bool operator==(const ProfileChanges& a, const ProfileChanges& b);
inline bool operator!=(const ProfileChanges& a, const ProfileChanges& b) {
    return !(a == b);
}

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
// The same comparison, by profile: a profile's table group is set when that profile's DPI stages,
// buttons or lighting differ (a set "Setting/WriteSign" counts for the profile whose button uses
// the macro). combined() is what computeChangeMask returns, with the same one-flag side effect.
ProfileChanges computeProfileChanges(const ConfigState& working, const ConfigState& stored,
                                     const Paths& paths);
// The same comparison of the two states alone: no macro file is read or changed.
ProfileChanges compareProfileChanges(const ConfigState& working, const ConfigState& stored);

}  // namespace mousecfg
