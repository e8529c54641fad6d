#include "platform/evdev_keys.h"

namespace mousecfg::evdev {

namespace {

struct ExtraKey {
    int evdev;
    quint16 scanCode;
    bool extended;
};

// Keys whose Linux code differs from their set-1 code. Codes 1..83 and 86..88 are the set-1
// codes themselves (the Linux numbering started from the AT keyboard).
constexpr ExtraKey kExtra[] = {
    {96, 0x1C, true},    // keypad Enter
    {97, 0x1D, true},    // right Ctrl
    {98, 0x35, true},    // keypad /
    {99, 0x37, true},    // Print Screen / SysRq
    {100, 0x38, true},   // right Alt
    {102, 0x47, true},   // Home
    {103, 0x48, true},   // Up
    {104, 0x49, true},   // Page Up
    {105, 0x4B, true},   // Left
    {106, 0x4D, true},   // Right
    {107, 0x4F, true},   // End
    {108, 0x50, true},   // Down
    {109, 0x51, true},   // Page Down
    {110, 0x52, true},   // Insert
    {111, 0x53, true},   // Delete
    {113, 0x20, true},   // Mute
    {114, 0x2E, true},   // Volume Down
    {115, 0x30, true},   // Volume Up
    {116, 0x5E, true},   // Power
    {117, 0x59, false},  // keypad =
    // Pause sends E1 1D 45; the hook reports it as 0x45 without the extended flag, and Num Lock
    // (plain 0x45 on the wire) with it. Keep that pairing: the key codes tell them apart by it.
    {119, 0x45, false},
    {121, 0x7E, false},  // keypad ,
    {125, 0x5B, true},   // left Windows
    {126, 0x5C, true},   // right Windows
    {127, 0x5D, true},   // Menu
    {128, 0x68, true},   // browser Stop
    {140, 0x21, true},   // Calculator
    {142, 0x5F, true},   // Sleep
    {143, 0x63, true},   // Wake
    {155, 0x6C, true},   // Mail
    {156, 0x66, true},   // browser Favorites
    {157, 0x6B, true},   // My Computer
    {158, 0x6A, true},   // browser Back
    {159, 0x69, true},   // browser Forward
    {163, 0x19, true},   // Next Track
    {164, 0x22, true},   // Play/Pause
    {165, 0x10, true},   // Previous Track
    {166, 0x24, true},   // Stop
    {172, 0x32, true},   // browser Home
    {173, 0x67, true},   // browser Refresh
    {217, 0x65, true},   // browser Search
    {226, 0x6D, true},   // Media Select
};

}  // namespace

std::optional<SetOneKey> setOneOf(int evdevCode) {
    if (evdevCode == 69) return SetOneKey{0x45, true};  // Num Lock, see Pause above
    if ((evdevCode >= 1 && evdevCode <= 83) || (evdevCode >= 86 && evdevCode <= 88))
        return SetOneKey{static_cast<quint16>(evdevCode), false};
    for (const ExtraKey& k : kExtra)
        if (k.evdev == evdevCode) return SetOneKey{k.scanCode, k.extended};
    return std::nullopt;
}

std::optional<RawKeyEvent> KeyTranslator::translate(int evdevCode, bool released) {
    if (evdevCode == kLeftAlt) leftAlt_ = !released;
    if (evdevCode == kRightAlt) rightAlt_ = !released;
    const std::optional<SetOneKey> key = setOneOf(evdevCode);
    if (!key) return std::nullopt;
    RawKeyEvent e;
    e.scanCode = key->scanCode;
    if (key->extended) e.flags |= RawKeyEvent::Extended;
    if (altDown()) e.flags |= RawKeyEvent::AltHeld;
    if (released) e.flags |= RawKeyEvent::Released;
    return e;
}

}  // namespace mousecfg::evdev
