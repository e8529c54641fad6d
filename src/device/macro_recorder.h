#pragma once

#include <QVector>
#include <cstdint>
#include <functional>
#include <optional>

#include "storage/macro_events.h"

namespace mousecfg {

// A key as the recorder keeps it: the program's key code (keypad keys and right-hand modifiers
// on their own codes) and whether it went down or up.
struct RecordedKey {
    std::uint8_t code = 0;
    bool press = true;
    bool operator==(const RecordedKey& o) const { return code == o.code && press == o.press; }
    bool operator!=(const RecordedKey& o) const { return !(*this == o); }
};

// Reduces a captured key (set-1 make code and hook flags: extended 0x01, Alt held 0x20, released
// 0x80) to a key code. The extended flag tells the navigation block, the right-hand modifiers,
// keypad Enter and /, and Num Lock from their keypad or left-hand twins, on both edges and
// whether Alt is held; the scan code 0x38 with the extended flag is the right Alt key.
RecordedKey reduceRecordedKey(std::uint16_t scanCode, std::uint32_t flags);

// Milliseconds from a steady clock; the recorder's pauses are differences of two readings.
using MillisecondClock = std::function<qint64()>;
MillisecondClock steadyMillisecondClock();

// Turns key events into macro rows while recording: one press row per held key however often
// the system repeats it, one release row, and before every row but the first a delay row for the
// pause (delay type 1, at least one unit, at most 65535) or the default delay (type 2).
class MacroRecorder {
public:
    struct Settings {
        macro::DelayType delayType = macro::DelayType::None;
        int defaultDelayMs = 0;
        int unit = 10;  // ms per delay count
    };
    enum class Outcome {
        Recorded,
        Repeat,     // a press of a key that is already down
        RowLimit,   // 62 rows (40 without delay rows) are present
        NotHeld,    // a release of a key whose press was not recorded
        UnknownKey  // a key code without a HID usage
    };

    explicit MacroRecorder(MillisecondClock clock = steadyMillisecondClock());

    // A new recording: no key held, no pause before the first key.
    void start();
    // The rows for one key event, given the rows present now; appended to `rows`.
    Outcome record(const RecordedKey& key, int rowsPresent, const Settings& settings,
                   QVector<MacroEvent>& rows);
    const QVector<std::uint8_t>& heldKeys() const { return held_; }

private:
    MillisecondClock clock_;
    std::optional<qint64> last_;
    QVector<std::uint8_t> held_;
};

}  // namespace mousecfg
