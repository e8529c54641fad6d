#pragma once

#include <optional>

#include "platform/key_capture.h"

namespace mousecfg::evdev {

// Linux input key codes (linux/input-event-codes.h) that the capture treats specially.
constexpr int kLeftAlt = 56;
constexpr int kRightAlt = 100;
// X servers and xkb number keys as the Linux code plus 8.
constexpr int kXKeycodeOffset = 8;

// A key as a PC keyboard reports it in scan-code set 1: the make code without its 0xE0 prefix
// and whether the prefix is there (the "extended" keys).
struct SetOneKey {
    quint16 scanCode = 0;
    bool extended = false;
};

// The set-1 code of a Linux key code: every key of a 104/105-key board and the media and
// browser keys; nothing for keys a PC keyboard does not have.
std::optional<SetOneKey> setOneOf(int evdevCode);

// Turns Linux key events into what a low-level keyboard hook reports, keeping track of the Alt
// keys for the Alt-held flag: it is set while either Alt key is down after the event (so on the
// Alt press itself, not on its release).
class KeyTranslator {
public:
    // The Alt keys that were already down when the capture started.
    void setAltDown(bool left, bool right) {
        leftAlt_ = left;
        rightAlt_ = right;
    }
    bool altDown() const { return leftAlt_ || rightAlt_; }

    // Nothing for a key without a set-1 code (its Alt state is still followed).
    std::optional<RawKeyEvent> translate(int evdevCode, bool released);

private:
    bool leftAlt_ = false;
    bool rightAlt_ = false;
};

}  // namespace mousecfg::evdev
