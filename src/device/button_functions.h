#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "device/button_table.h"
#include "storage/config_state.h"

namespace mousecfg {

class Paths;

// Function codes of a button (`ButtonAssignment::Fun`) beside the ones with parameters
// (button_table.h). Names as the button menus show them.
namespace fun {
constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kMiddle = 3;
constexpr int kForward = 4;
constexpr int kBack = 5;
constexpr int kButtonOff = 16;
constexpr int kScrollUp = 52;
constexpr int kScrollDown = 53;
constexpr int kLedSwitch = 54;
}  // namespace fun

// The vocabulary of assignable button functions and the rules every editor of buttons keeps
// (the button page and the command line).
namespace buttonfn {

// The menu an entry sits in. Profile and GunFile entries exist but no menu of the page shows
// them.
enum class Menu { Main, Basic, Windows, Advance, Media, Dpi, ProfileMenu, PollingRate, Wheel, None };

struct Function {
    int code;
    const char* text;  // source text; translated in the context "mousecfg::TarnBtnWindow"
    Menu menu;
};

// Every function, in menu order within each menu.
const std::vector<Function>& functions();
// The entry of a code; nothing for a code no menu offers.
const Function* functionOf(int code);

// Button groups of the page and the profile slot each button edits.
constexpr int kFrontGroup = 0;
constexpr int kSideGroup = 1;
constexpr int kWheelGroup = 2;
constexpr int kNone = 255;  // no group / no button being edited
constexpr std::array<int, 3> kGroupSizes{20, 20, 2};
// The slot of (group, index); nothing for a pair outside the groups.
std::optional<int> slotOf(int group, int index);

// The front buttons the page lists, top to bottom: the slots whose descriptor display entry
// ("Matrix2") is not hidden, among the first decoded-count ones (at most the sixteen the
// descriptor describes).
std::vector<int> shownFrontSlots(const Paths& paths);

// The source text a button shows for its assignment: the macro or gun file's name, the
// function's text, or nothing for a code no menu offers.
QString labelSource(const ButtonAssignment& a);

// The functions of the wheel's menu, in its order.
constexpr std::array<int, 11> kWheelMenu{fun::kScrollUp,
                                         fun::kScrollDown,
                                         43,
                                         44,
                                         fun::kLeft,
                                         fun::kRight,
                                         fun::kMiddle,
                                         fun::kForward,
                                         fun::kBack,
                                         fun::kSingleKey,
                                         fun::kKeyCombo};
// Whether the menu of a button of `group` offers the function `code`: the wheel's menu for the
// wheel, else the main menu with its sub-menus, which never show the profile functions nor gun
// files, and show "Macro Manager" and "Led Switch" only where the product has them.
bool menuOffers(int group, int code, bool macros, bool ledSwitch);

// Translates a source text of the context "mousecfg::TarnBtnWindow" (with its comment); the
// identity gives the English words.
using Translate = std::function<QString(const char* source, const char* comment)>;
// What a button's label says: the macro or gun file's name, or the function's text and, for a
// function with a parameter, which key, combination, target or DPI ("SINGLE KEY: F5"). Empty for
// a code no menu offers. `sensor` turns a sniper level into DPI.
QString labelText(const ButtonAssignment& a, int sensor, const Translate& tr);

// The mouse must keep a left click: false when slot `slot` is the only one holding "Left" and
// `newCode` is anything else.
bool keepsOneLeftClick(const MouseProfile& profile, int slot, int newCode);

// A key a button can send: one with a HID usage (not a mouse button, media key or unnamed key).
bool isAssignableKey(int keyCode);

// ---- Key combinations -------------------------------------------------------------------

// The five parts of a combination in the order their keys are pressed: Shift, Ctrl, Windows,
// Alt, then the main key.
enum ComboSlot { ComboShift, ComboCtrl, ComboWindows, ComboAlt, ComboMain, kComboSlots };

struct ComboKeys {
    // Modifier parts: 0 absent, 1 left key, 2 right key, 3 or more when read from events that
    // name a key several times. Main slot: 0 or 1.
    std::array<uint8_t, kComboSlots> parts{};
    uint8_t mainKey = 0;  // key code of the main key

    // A key pressed while capturing: a modifier sets its slot to 1 (left) or 2 (right), any
    // other key becomes the main key (the last one wins).
    void press(uint8_t keyCode);
    void clear() { *this = ComboKeys(); }
    bool empty() const;
    // "LShift + LCtr + A": the occupied parts in order; a modifier shows its left key's name
    // unless its slot is above 2.
    QString label() const;
    // The key codes to send, in slot order: a modifier is always sent as its left key.
    std::vector<uint8_t> chosenCodes() const;
};

// Reads a combination back from a button's events (unknown usages are skipped).
ComboKeys comboFromKeyInfo(const std::array<KeyInfoEntry, kKeyInfoEntries>& info);
// The button's events for the key codes, in order: every key pressed in order, then released
// in reverse order (usage, 5, 128 for a press; usage, 5, 0 for a release). A code without a
// usage is left out.
std::array<KeyInfoEntry, kKeyInfoEntries> comboKeyInfo(const std::vector<uint8_t>& keyCodes);

// ---- Fire key ----------------------------------------------------------------------------

enum FireKind { FireLeft = 0, FireRight = 1, FireMiddle = 2, FireKeyboard = 3 };
constexpr int kFireDefaultTimes = 3;
constexpr int kFireDefaultDelay = 10;
constexpr int kFireMinValue = 1;
constexpr int kFireMaxValue = 255;

struct FireKey {
    int kind = FireLeft;
    uint8_t keyCode = 0;  // the key for FireKeyboard
    int times = kFireDefaultTimes;
    int delay = kFireDefaultDelay;
};
// What a fire-key dialog opens with for a button (its defaults when the button holds none).
FireKey fireKeyOf(const ButtonAssignment& a);
// Stores a fire key: false (and nothing changed) for a keyboard kind without a key that has a
// usage, or times or delay outside 1..255.
bool storeFireKey(ButtonAssignment& a, const FireKey& key);

// ---- Sniper ------------------------------------------------------------------------------

struct SniperRange {
    int min;
    int max;
};
SniperRange sniperRange(int sensor);
// The level a sniper dialog opens at for a stored level: the sensor's pre-set corrections,
// then kept inside the sensor's range.
int sniperStartLevel(int sensor, int stored);

// ---- Macros and gun files ----------------------------------------------------------------

// How a macro or gun file plays on its button, and the loop count of the first way.
enum MacroMode { MacroLoopCount = 0, MacroWhileHeld = 1, MacroUntilPressedAgain = 2 };
constexpr int kLoopCountMin = 1;
constexpr int kLoopCountMax = 255;

// True for a name the macro library lists (and that can name a file).
bool macroInLibrary(const Paths& paths, const QString& name);

enum class MacroCopy { Copied, Unreadable };
// Copies a macro file's events into a button: KeyInfo holds the first 63 events (the rest
// cleared) and KeyNumber their number. A file that cannot be read sets KeyNumber 0 and leaves
// KeyInfo as it was.
MacroCopy copyMacroEvents(const Paths& paths, const QString& name, ButtonAssignment& a);

}  // namespace buttonfn
}  // namespace mousecfg
