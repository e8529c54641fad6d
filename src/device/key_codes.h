#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace mousecfg::keycodes {

// The program's one-byte key code: 1..93 are set-1 scan codes, 224..239 our own codes for keys
// that share a scan code (keypad, right-hand modifiers), 240..242 the mouse buttons, 0 no key.
constexpr std::uint8_t kLeftButton = 240;
constexpr std::uint8_t kRightButton = 241;
constexpr std::uint8_t kMiddleButton = 242;

// Flags of a captured key: bit 0 extended key, bit 5 Alt held, bit 7 released.
constexpr unsigned kFlagExtended = 0x01;
constexpr unsigned kFlagAltDown = 0x20;
constexpr unsigned kFlagReleased = 0x80;

// The name shown for a key code; empty for a code without a name.
QString keyName(int code);

struct KeyUsagePair {
    std::uint8_t code;
    std::uint8_t usage;  // USB HID keyboard/keypad page
};
constexpr int kKeyUsagePairCount = 104;
const std::array<KeyUsagePair, kKeyUsagePairCount>& keyUsagePairs();

// HID usage of a key code; empty when the code has no usage (the last matching pair wins).
std::optional<std::uint8_t> usageOfKeyCode(int code);
// Key code of a HID usage; empty when no pair carries the usage (the last matching pair wins).
std::optional<std::uint8_t> keyCodeOfUsage(int usage);

// Remaps a captured set-1 code with its hook flags so that keypad keys and right-hand
// modifiers get their own codes; every other code comes back unchanged.
std::uint8_t remapCapturedKey(std::uint8_t scanCode, unsigned flags);

// The key code of a captured key as the key dialogs take it: the remap above, and 0 for an
// extended key that is not one of the board's own (media and browser keys arrive as extended
// set-1 codes that are letters' and digits' codes without the flag).
std::uint8_t capturedKeyCode(std::uint8_t scanCode, unsigned flags);

}  // namespace mousecfg::keycodes
