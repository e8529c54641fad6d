#include "storage/config_state.h"

#include "storage/ini_file.h"
#include "storage/macro_files.h"
#include "storage/paths.h"
#include "storage/product_descriptor.h"
#include "storage/storage_log.h"
#include "storage/value_conv.h"

namespace mousecfg {

bool operator==(const KeyInfoEntry& a, const KeyInfoEntry& b) {
    return a.map == b.map && a.low == b.low && a.high == b.high;
}

bool operator==(const DpiStage& a, const DpiStage& b) {
    return a.used == b.used && a.link == b.link && a.xy == b.xy && a.x == b.x && a.y == b.y;
}

namespace {

// Everything of an assignment but its macro name, which only counts for macros.
bool sameAssignmentBody(const ButtonAssignment& a, const ButtonAssignment& b) {
    return a.ID == b.ID && a.Fun == b.Fun && a.LoopNumber == b.LoopNumber && a.KeyNumber == b.KeyNumber &&
           a.Res1 == b.Res1 && a.Res2 == b.Res2 && a.Res3 == b.Res3 && a.Res4 == b.Res4 &&
           a.KeyInfo == b.KeyInfo;
}

bool sameColourSettings(const LedModeSetting& a, const LedModeSetting& b) {
    return a.RGB == b.RGB && a.h == b.h && a.s == b.s && a.v == b.v && a.bright == b.bright &&
           a.breath == b.breath;
}

}  // namespace

bool operator==(const ButtonAssignment& a, const ButtonAssignment& b) {
    return sameAssignmentBody(a, b) && a.macroname == b.macroname;
}

bool operator==(const LedModeSetting& a, const LedModeSetting& b) {
    return sameColourSettings(a, b);
}

bool operator==(const MouseProfile& a, const MouseProfile& b) {
    return a.pollrate == b.pollrate && a.dpi == b.dpi && a.LedMode == b.LedMode &&
           a.LedMoveOFF == b.LedMoveOFF && a.LedSleepTime == b.LedSleepTime && a.dpiStages == b.dpiStages &&
           a.mousespeed == b.mousespeed && a.dbclickspeed == b.dbclickspeed &&
           a.scrollispage == b.scrollispage && a.scrollspeed == b.scrollspeed &&
           a.accelenable == b.accelenable && a.acee == b.acee && a.buttons == b.buttons &&
           a.ledModes == b.ledModes && a.ProfileName == b.ProfileName && a.ProfilePath == b.ProfilePath;
}

bool operator==(const ConfigState& a, const ConfigState& b) {
    return a.ProfileID == b.ProfileID && a.profiles == b.profiles && a.AngleValue == b.AngleValue &&
           a.LiftHigh == b.LiftHigh && a.Count == b.Count && a.profileNames == b.profileNames;
}

int currentProfileIndex(const ConfigState& state) {
    return state.ProfileID < kProfileCount ? state.ProfileID : 0;
}

namespace {

void setStage(DpiStage& stage, uint32_t code) {
    stage.used = 1;
    stage.link = 1;
    stage.xy = stage.x = stage.y = code;
}

void applyBuiltInDefaults(MouseProfile& p) {
    p.LedMode = 9;
    p.LedMoveOFF = 0;
    p.LedSleepTime = 1;
    static const uint32_t codes[kDpiStageSlots] = {8, 12, 16, 24, 50, 75, 0, 0};
    for (int i = 0; i < kDpiStageSlots; ++i) setStage(p.dpiStages[i], codes[i]);
    static const int32_t funs[] = {1, 2, 3, 4, 5, 4, 5};
    for (int i = 0; i < 7; ++i) p.buttons[i].Fun = funs[i];
    for (LedModeSetting& led : p.ledModes) {
        led.RGB = QColor(255, 0, 0);
        led.h = 360;
        led.s = 0;
        led.v = 0;
        led.bright = 3;
        led.breath = 3;
    }
    p.ledModes[4].breath = 2;
    p.ledModes[9].breath = 4;
    p.ledModes[10].RGB = QColor(0, 255, 0);
    p.ledModes[10].breath = 5;
    p.ledModes[12].breath = 1;
}

void applyDescriptorDefaults(MouseProfile& p, const ProductDescriptor& d) {
    p.pollrate = conv::toU8(d.pollrate);
    p.dpi = d.dpi;
    p.LedMode = d.LedMode;
    p.LedMoveOFF = 0;
    p.LedSleepTime = 1;
    for (int i = 0; i < kDpiStageSlots; ++i) setStage(p.dpiStages[i], conv::toU32(d.stageCodes[i]));
    // Slots 16..39 have no descriptor defaults and stay unassigned.
    for (int i = 0; i < kDescriptorButtons; ++i) {
        const DescriptorButton& src = d.buttonDefaults[i];
        ButtonAssignment& b = p.buttons[i];
        b.Fun = src.Fun;
        b.LoopNumber = src.LoopNumber;
        b.KeyNumber = src.KeyNumber;
        b.Res1 = src.Res1;
        b.Res2 = src.Res2;
        b.Res3 = src.Res3;
        b.Res4 = src.Res4;
    }
    for (int i = 0; i < kLedModes; ++i) {
        LedModeSetting& led = p.ledModes[i];
        led.RGB = d.ledDefaults[i].RGB;
        led.h = 360;
        led.s = 0;
        led.v = 0;
        led.bright = conv::toU32(d.ledDefaults[i].bright);
        led.breath = conv::toU32(d.ledDefaults[i].breath);
    }
}

}  // namespace

void resetProfileToDefaults(MouseProfile& profile, const ProductDescriptor* descriptor) {
    profile = MouseProfile();
    profile.pollrate = 1;
    profile.dpi = 1;
    profile.LedMode = 1;
    profile.mousespeed = 10;
    profile.dbclickspeed = 5;
    profile.scrollispage = 0;
    profile.scrollspeed = 1;
    profile.accelenable = 1;
    profile.acee = 1;
    if (descriptor)
        applyDescriptorDefaults(profile, *descriptor);
    else
        applyBuiltInDefaults(profile);
    profile.buttons[40].Fun = 52;  // wheel: scroll up
    profile.buttons[41].Fun = 53;  // wheel: scroll down
}

void resetProfileToDefaults(MouseProfile& profile, const Paths& paths) {
    ProductDescriptor d;
    const bool have = loadProductDescriptor(paths, d) == DescriptorStatus::Loaded;
    resetProfileToDefaults(profile, have ? &d : nullptr);
}

void resetAllToDefaults(ConfigState& state, const Paths& paths) {
    state.ProfileID = 0;
    state.AngleValue = 0;
    state.LiftHigh = 2;
    resetProfileToDefaults(state.profiles[0], paths);
    for (int i = 0; i < kProfileCount; ++i) state.profileNames[i] = QStringLiteral("Profile %1").arg(i + 1);
}

namespace {

bool basicDiffers(const ConfigState& w, const ConfigState& s) {
    bool changed = w.LiftHigh != s.LiftHigh || w.ProfileID != s.ProfileID;
    for (int i = 0; i < kProfileCount; ++i) {
        changed = changed || w.profiles[i].pollrate != s.profiles[i].pollrate ||
                  w.profiles[i].scrollspeed != s.profiles[i].scrollspeed;
    }
    if (w.ProfileID == s.ProfileID) {
        const MouseProfile& a = currentProfile(w);
        const MouseProfile& b = currentProfile(s);
        changed = changed || a.dpi != b.dpi || a.LedMode != b.LedMode || a.LedMoveOFF != b.LedMoveOFF ||
                  a.LedSleepTime != b.LedSleepTime;
    }
    return changed;
}

bool dpiDiffersIn(const MouseProfile& a, const MouseProfile& b) {
    for (int i = 0; i < kDpiStageSlots; ++i) {
        const DpiStage& x = a.dpiStages[i];
        const DpiStage& y = b.dpiStages[i];
        if (x.used != y.used || x.x != y.x || x.y != y.y) return true;
    }
    return false;
}

// Reads "Setting/WriteSign" of a macro file and clears it when set. A name that could leave the
// macro folder is never opened.
bool takeMacroWriteSign(const Paths& paths, const QString& name) {
    if (readMacroWriteSign(paths, name) == 0) return false;
    clearMacroWriteSign(paths, name);
    return true;
}

bool assignmentDiffers(const ButtonAssignment& a, const ButtonAssignment& b) {
    return !sameAssignmentBody(a, b) || (a.Fun == kFunMacro && a.macroname != b.macroname);
}

bool buttonsDifferIn(const MouseProfile& a, const MouseProfile& b) {
    for (int i = 0; i < kButtonSlots; ++i)
        if (assignmentDiffers(a.buttons[i], b.buttons[i])) return true;
    return false;
}

// The profile where the scan for the button group stops: at the first difference or at the first
// macro file whose "Setting/WriteSign" is set (that flag is then cleared, so one scan clears at
// most one file's flag). -1 when the buttons are the same and no flag is set. With `paths` null no
// macro file is read.
int firstButtonChange(const ConfigState& w, const ConfigState& s, const Paths* paths) {
    for (int p = 0; p < kProfileCount; ++p) {
        for (int i = 0; i < kButtonSlots; ++i) {
            const ButtonAssignment& a = w.profiles[p].buttons[i];
            if (assignmentDiffers(a, s.profiles[p].buttons[i])) return p;
            if (paths && a.Fun == kFunMacro && takeMacroWriteSign(*paths, a.macroname)) return p;
        }
    }
    return -1;
}

bool lightingDiffersIn(const MouseProfile& a, const MouseProfile& b) {
    if (a.LedMode != b.LedMode) return true;
    // An effect number outside the table (a damaged file) has no entry to compare.
    return a.LedMode < kLedModes && !sameColourSettings(a.ledModes[a.LedMode], b.ledModes[a.LedMode]);
}

}  // namespace

ChangeMask ProfileChanges::combined() const {
    ChangeMask m = global;
    for (ChangeMask p : perProfile) m |= p;
    return m;
}

ProfileChanges ProfileChanges::all() {
    ProfileChanges c;
    c.global = change::kBasic;
    c.perProfile.fill(change::kTables);
    return c;
}

ProfileChanges ProfileChanges::forProfile(int profile, ChangeMask mask) {
    ProfileChanges c;
    c.global = mask & change::kBasic;
    if (profile >= 0 && profile < kProfileCount)
        c.perProfile[static_cast<size_t>(profile)] = mask & change::kTables;
    return c;
}

ProfileChanges& ProfileChanges::operator|=(const ProfileChanges& other) {
    global |= other.global;
    for (int p = 0; p < kProfileCount; ++p)
        perProfile[static_cast<size_t>(p)] |= other.perProfile[static_cast<size_t>(p)];
    return *this;
}

bool operator==(const ProfileChanges& a, const ProfileChanges& b) {
    return a.global == b.global && a.perProfile == b.perProfile;
}

namespace {

ProfileChanges profileChanges(const ConfigState& working, const ConfigState& stored, const Paths* paths) {
    ProfileChanges c;
    if (basicDiffers(working, stored)) c.global = change::kBasic;
    const int buttonStop = firstButtonChange(working, stored, paths);
    for (int p = 0; p < kProfileCount; ++p) {
        const MouseProfile& a = working.profiles[p];
        const MouseProfile& b = stored.profiles[p];
        ChangeMask& m = c.perProfile[static_cast<size_t>(p)];
        if (dpiDiffersIn(a, b)) m |= change::kDpi;
        if (p == buttonStop || buttonsDifferIn(a, b)) m |= change::kButtons;
        if (lightingDiffersIn(a, b)) m |= change::kLighting;
    }
    return c;
}

}  // namespace

ProfileChanges computeProfileChanges(const ConfigState& working, const ConfigState& stored,
                                     const Paths& paths) {
    return profileChanges(working, stored, &paths);
}

ProfileChanges compareProfileChanges(const ConfigState& working, const ConfigState& stored) {
    return profileChanges(working, stored, nullptr);
}

ChangeMask computeChangeMask(const ConfigState& working, const ConfigState& stored, const Paths& paths) {
    const ChangeMask mask = computeProfileChanges(working, stored, paths).combined();
    qCDebug(lcStorage) << "change mask" << mask;
    return mask;
}

}  // namespace mousecfg
