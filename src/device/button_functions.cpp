#include "device/button_functions.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

#include "device/dpi_scale.h"
#include "device/key_codes.h"
#include "storage/macro_files.h"
#include "storage/paths.h"
#include "storage/product_descriptor.h"

namespace mousecfg::buttonfn {

namespace {

// Left and right key code of each modifier slot.
constexpr std::array<std::array<uint8_t, 2>, 4> kModifierCodes{{{42, 54}, {29, 238}, {91, 92}, {56, 239}}};

constexpr uint8_t kComboLow = 5;
constexpr uint8_t kComboPress = 128;

// Fire-key targets that are mouse buttons rather than key usages.
constexpr uint8_t kFireLeftCode = 129;
constexpr uint8_t kFireRightCode = 130;
constexpr uint8_t kFireMiddleCode = 132;

std::optional<int> modifierSlotOf(uint8_t code, uint8_t* side) {
    for (size_t s = 0; s < kModifierCodes.size(); ++s) {
        for (uint8_t k = 0; k < 2; ++k) {
            if (kModifierCodes[s][k] == code) {
                if (side) *side = k;
                return static_cast<int>(s);
            }
        }
    }
    return std::nullopt;
}

}  // namespace

// The texts are translated by the button page (context "mousecfg::TarnBtnWindow").
const std::vector<Function>& functions() {
    static const std::vector<Function> all = {
        {fun::kLeft, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Left"), Menu::Main},
        {fun::kRight, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Right"), Menu::Main},
        {fun::kMiddle, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Middle"), Menu::Main},
        {fun::kForward, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Forward"), Menu::Main},
        {fun::kBack, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Back"), Menu::Main},
        {fun::kMacro, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Macro Manager"), Menu::Main},
        {fun::kLedSwitch, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Led Switch"), Menu::Main},
        {fun::kButtonOff, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Button Off"), Menu::Main},
        {17, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Cut"), Menu::Basic},
        {18, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Copy"), Menu::Basic},
        {19, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Paste"), Menu::Basic},
        {20, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "All"), Menu::Basic},
        {21, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Find"), Menu::Basic},
        {22, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "New"), Menu::Basic},
        {23, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Print"), Menu::Basic},
        {24, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Save"), Menu::Basic},
        {25, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Switch Window"), Menu::Windows},
        {26, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Close Window"), Menu::Windows},
        {27, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "My Computer"), Menu::Windows},
        {28, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Run"), Menu::Windows},
        {29, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Show Desktop"), Menu::Windows},
        {30, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Lock PC"), Menu::Windows},
        {31, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Browser Home"), Menu::Windows},
        {32, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Browser Backward"), Menu::Windows},
        {33, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Browser Forward"), Menu::Windows},
        {34, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Browser Stop"), Menu::Windows},
        {35, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Browser Refresh"), Menu::Windows},
        {36, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Browser Search"), Menu::Windows},
        {37, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Browser Favorite"), Menu::Windows},
        {38, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Mail"), Menu::Windows},
        {62, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Boss Key"), Menu::Windows},
        {fun::kSingleKey, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "SINGLE KEY"), Menu::Advance},
        {fun::kKeyCombo, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "COMBO KEY"), Menu::Advance},
        {fun::kFireKey, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "FIRE KEY"), Menu::Advance},
        {fun::kSniper, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "SNIPER"), Menu::Advance},
        {39, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Play/Pause"), Menu::Media},
        {40, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Stop"), Menu::Media},
        {41, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Previous Track"), Menu::Media},
        {42, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Next Track"), Menu::Media},
        {43, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Volume Up"), Menu::Media},
        {44, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Volume Down"), Menu::Media},
        {45, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Mute"), Menu::Media},
        {46, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Media Player"), Menu::Media},
        {47, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "DPI Switch"), Menu::Dpi},
        {48, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "DPI +"), Menu::Dpi},
        {49, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "DPI -"), Menu::Dpi},
        {57, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Profile +"), Menu::ProfileMenu},
        {58, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Profile -"), Menu::ProfileMenu},
        {59, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Profile Switch"), Menu::ProfileMenu},
        {50, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Rate +"), Menu::PollingRate},
        {51, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Rate -"), Menu::PollingRate},
        {63, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Rate Switch"), Menu::PollingRate},
        {fun::kScrollUp, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Scroll Up"), Menu::Wheel},
        {fun::kScrollDown, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Scroll Down"), Menu::Wheel},
        {fun::kGunFile, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "GunFile Manager"), Menu::None},
    };
    return all;
}

const Function* functionOf(int code) {
    const auto& all = functions();
    const auto it =
        std::find_if(all.begin(), all.end(), [code](const Function& f) { return f.code == code; });
    return it == all.end() ? nullptr : &*it;
}

std::optional<int> slotOf(int group, int index) {
    if (group < 0 || group >= static_cast<int>(kGroupSizes.size())) return std::nullopt;
    if (index < 0 || index >= kGroupSizes[static_cast<size_t>(group)]) return std::nullopt;
    return index + 20 * group;
}

std::vector<int> shownFrontSlots(const Paths& paths) {
    std::array<uint8_t, kDescriptorButtons> matrix2{};
    // Rows beyond the descriptor's sixteen display entries have nothing to say whether they
    // exist, so they are not shown.
    const int count = std::clamp(loadButtonMatrix2(paths, matrix2), 0, kDescriptorButtons);
    std::vector<int> shown;
    for (int r = 0; r < count; ++r)
        if (matrix2[static_cast<size_t>(r)] != kMatrixHidden) shown.push_back(r);
    return shown;
}

QString labelSource(const ButtonAssignment& a) {
    if (a.Fun == fun::kMacro || a.Fun == fun::kGunFile) return a.macroname;
    const Function* f = functionOf(a.Fun);
    return f ? QString::fromLatin1(f->text) : QString();
}

bool menuOffers(int group, int code, bool macros, bool ledSwitch) {
    if (group == kWheelGroup)
        return std::find(kWheelMenu.begin(), kWheelMenu.end(), code) != kWheelMenu.end();
    const Function* f = functionOf(code);
    if (!f || f->menu == Menu::ProfileMenu || f->menu == Menu::None || f->menu == Menu::Wheel) return false;
    if (code == fun::kMacro) return macros;
    if (code == fun::kLedSwitch) return ledSwitch;
    return true;
}

QString labelText(const ButtonAssignment& a, int sensor, const Translate& tr) {
    if (a.Fun == fun::kMacro || a.Fun == fun::kGunFile) return a.macroname;
    const Function* f = functionOf(a.Fun);
    if (!f) return QString();
    // Functions with a parameter say which: three buttons that all read "SINGLE KEY" would not
    // tell the user anything.
    static const char* const kFireButtons[] = {QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Left"),
                                               QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Right"),
                                               QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Middle")};
    QString detail;
    switch (a.Fun) {
        case fun::kSingleKey:
            detail = keycodes::keyName(a.Res1);
            break;
        case fun::kKeyCombo:
            detail = comboFromKeyInfo(a.KeyInfo).label();
            break;
        case fun::kFireKey: {
            const FireKey k = fireKeyOf(a);
            detail =
                k.kind == FireKeyboard ? keycodes::keyName(k.keyCode) : tr(kFireButtons[k.kind], nullptr);
            break;
        }
        case fun::kSniper:
            detail = tr(QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "%1 DPI"), nullptr)
                         .arg(dpiscale::dpiOfLevel(a.Res1, sensor));
            break;
        default:
            break;
    }
    const QString text = tr(f->text, nullptr);
    static const struct {
        const char* source;
        const char* comment;
    } kFormat = QT_TRANSLATE_NOOP3("mousecfg::TarnBtnWindow", "%1: %2", "function: its key or value");
    return detail.isEmpty() ? text : tr(kFormat.source, kFormat.comment).arg(text, detail);
}

bool keepsOneLeftClick(const MouseProfile& profile, int slot, int newCode) {
    if (slot < 0 || slot >= kButtonSlots) return true;
    if (profile.buttons[static_cast<size_t>(slot)].Fun != fun::kLeft || newCode == fun::kLeft) return true;
    for (int i = 0; i < kButtonSlots; ++i)
        if (i != slot && profile.buttons[static_cast<size_t>(i)].Fun == fun::kLeft) return true;
    return false;
}

bool isAssignableKey(int keyCode) {
    return keycodes::usageOfKeyCode(keyCode).has_value();
}

// ---- Key combinations -------------------------------------------------------------------

void ComboKeys::press(uint8_t keyCode) {
    uint8_t side = 0;
    if (const auto s = modifierSlotOf(keyCode, &side)) {
        parts[static_cast<size_t>(*s)] = static_cast<uint8_t>(side + 1);
    } else {
        parts[ComboMain] = 1;
        mainKey = keyCode;
    }
}

bool ComboKeys::empty() const {
    return std::all_of(parts.begin(), parts.end(), [](uint8_t v) { return v == 0; });
}

QString ComboKeys::label() const {
    QStringList names;
    for (size_t s = 0; s < kModifierCodes.size(); ++s) {
        if (parts[s] == 0) continue;
        names << keycodes::keyName(kModifierCodes[s][parts[s] > 2 ? 1 : 0]);
    }
    if (parts[ComboMain] != 0) names << keycodes::keyName(mainKey);
    return names.join(QStringLiteral(" + "));
}

std::vector<uint8_t> ComboKeys::chosenCodes() const {
    std::vector<uint8_t> codes;
    for (size_t s = 0; s < kModifierCodes.size(); ++s)
        if (parts[s] != 0) codes.push_back(kModifierCodes[s][0]);
    if (parts[ComboMain] != 0 && mainKey != 0) codes.push_back(mainKey);
    return codes;
}

ComboKeys comboFromKeyInfo(const std::array<KeyInfoEntry, kKeyInfoEntries>& info) {
    ComboKeys c;
    for (const KeyInfoEntry& e : info) {
        if (e.map == 0) continue;
        const auto code = keycodes::keyCodeOfUsage(e.map);
        if (!code) continue;
        uint8_t side = 0;
        if (const auto s = modifierSlotOf(*code, &side)) {
            uint8_t& v = c.parts[static_cast<size_t>(*s)];
            v = static_cast<uint8_t>(std::min(255, v + side + 1));
        } else {
            c.parts[ComboMain] = 1;
            c.mainKey = *code;
        }
    }
    return c;
}

std::array<KeyInfoEntry, kKeyInfoEntries> comboKeyInfo(const std::vector<uint8_t>& keyCodes) {
    std::vector<uint8_t> usages;
    for (uint8_t code : keyCodes)
        if (const auto u = keycodes::usageOfKeyCode(code)) usages.push_back(*u);
    // Presses in order, releases in reverse order; 63 entries hold 31 keys.
    const size_t n = std::min(usages.size(), static_cast<size_t>(kKeyInfoEntries / 2));
    std::array<KeyInfoEntry, kKeyInfoEntries> info{};
    for (size_t k = 0; k < n; ++k) {
        info[k] = {usages[k], kComboLow, kComboPress};
        info[2 * n - 1 - k] = {usages[k], kComboLow, 0};
    }
    return info;
}

// ---- Fire key ----------------------------------------------------------------------------

FireKey fireKeyOf(const ButtonAssignment& a) {
    FireKey k;
    if (a.Fun != fun::kFireKey) return k;
    switch (a.Res1) {
        case 0:
        case kFireLeftCode:
            k.kind = FireLeft;
            break;
        case kFireRightCode:
            k.kind = FireRight;
            break;
        case kFireMiddleCode:
            k.kind = FireMiddle;
            break;
        default:
            k.kind = FireKeyboard;
            k.keyCode = keycodes::keyCodeOfUsage(a.Res1).value_or(0);
            break;
    }
    k.times = a.LoopNumber == 0 ? kFireDefaultTimes : a.LoopNumber;
    k.delay = a.KeyNumber == 0 ? kFireDefaultDelay : a.KeyNumber;
    return k;
}

bool storeFireKey(ButtonAssignment& a, const FireKey& key) {
    const auto inRange = [](int v) { return v >= kFireMinValue && v <= kFireMaxValue; };
    if (!inRange(key.times) || !inRange(key.delay)) return false;
    uint8_t target = 0;
    switch (key.kind) {
        case FireLeft:
            target = kFireLeftCode;
            break;
        case FireRight:
            target = kFireRightCode;
            break;
        case FireMiddle:
            target = kFireMiddleCode;
            break;
        case FireKeyboard: {
            const auto usage = keycodes::usageOfKeyCode(key.keyCode);
            if (!usage) return false;
            target = *usage;
            break;
        }
        default:
            return false;
    }
    a.Res1 = target;
    a.LoopNumber = key.times;
    a.KeyNumber = key.delay;
    a.Fun = fun::kFireKey;
    return true;
}

// ---- Sniper ------------------------------------------------------------------------------

SniperRange sniperRange(int sensor) {
    switch (sensor) {
        case 3104:
            return {14, 26};
        case 3212:
            return {16, 32};
        case 3333:
            return {2, 10};
        case 3389:
            return {2, 20};
        default:  // 3325, 3327, 3335, 3360 and any other sensor
            return {1, 10};
    }
}

int sniperStartLevel(int sensor, int stored) {
    int c = stored;
    switch (sensor) {
        case 3325:
        case 3327:
        case 3333:
        case 3335:
        case 3360:
            if (c == 0 || c > 10) c = 3;
            break;
        case 3389:
            if (c < 2 || c > 20) c = 6;
            break;
        case 3212:
            if (c < 17 || c > 32) c = 16;
            break;
        case 3104:
            if (c < 15 || c > 26) c = 14;
            break;
        default:
            break;
    }
    const SniperRange r = sniperRange(sensor);
    return std::clamp(c, r.min, r.max);
}

// ---- Macros and gun files ----------------------------------------------------------------

bool macroInLibrary(const Paths& paths, const QString& name) {
    return !macroFilePath(paths, name).isEmpty() && macroNames(paths).contains(name);
}

MacroCopy copyMacroEvents(const Paths& paths, const QString& name, ButtonAssignment& a) {
    const QString path = macroFilePath(paths, name);
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        a.KeyNumber = 0;
        return MacroCopy::Unreadable;
    }
    const QVector<MacroEvent> events = readMacroEvents(paths, name, kKeyInfoEntries);
    a.KeyInfo = {};
    for (int j = 0; j < events.size(); ++j) {
        const MacroEvent& e = events[j];
        a.KeyInfo[static_cast<size_t>(j)] = {e.map, e.dataL, e.dataH};
    }
    a.KeyNumber = events.size();
    return MacroCopy::Copied;
}

}  // namespace mousecfg::buttonfn
