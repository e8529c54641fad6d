#include "device/macro_recorder.h"

#include <QLoggingCategory>
#include <algorithm>
#include <chrono>

#include "device/key_codes.h"

Q_LOGGING_CATEGORY(lcMacroRecorder, "mousecfg.macros.recorder")

namespace mousecfg {

namespace {

struct Twin {
    std::uint8_t scan;
    std::uint8_t code;
};
// Keys that report the extended flag and whose plain scan code belongs to another key.
constexpr Twin kExtended[] = {{0x45, 0xE1}, {0x35, 0xE2}, {0x1C, 0xE5}, {0x1D, 0xEE}, {0x38, 0xEF}};
// Keypad keys: without the extended flag they are the keypad, with it the navigation block.
constexpr Twin kKeypad[] = {{0x53, 0xE0}, {0x37, 0xE3}, {0x49, 0xE4}, {0x4F, 0xE6},
                            {0x50, 0xE7}, {0x51, 0xE8}, {0x4B, 0xE9}, {0x4D, 0xEA},
                            {0x47, 0xEB}, {0x48, 0xEC}, {0x52, 0xED}};

template <std::size_t N>
std::optional<std::uint8_t> twinOf(const Twin (&table)[N], std::uint16_t scan) {
    for (const Twin& t : table)
        if (t.scan == scan) return t.code;
    return std::nullopt;
}

}  // namespace

RecordedKey reduceRecordedKey(std::uint16_t scanCode, std::uint32_t flags) {
    RecordedKey key;
    key.press = (flags & keycodes::kFlagReleased) == 0;
    if (scanCode > 0xFF) {
        key.code = 0;
        return key;
    }
    const bool extended = (flags & keycodes::kFlagExtended) != 0;
    const auto twin = extended ? twinOf(kExtended, scanCode) : twinOf(kKeypad, scanCode);
    key.code = twin ? *twin : static_cast<std::uint8_t>(scanCode);
    return key;
}

MillisecondClock steadyMillisecondClock() {
    return [] {
        using namespace std::chrono;
        return static_cast<qint64>(
            duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    };
}

MacroRecorder::MacroRecorder(MillisecondClock clock) : clock_(std::move(clock)) {}

void MacroRecorder::start() {
    last_.reset();
    held_.clear();
}

MacroRecorder::Outcome MacroRecorder::record(const RecordedKey& key, int rowsPresent,
                                             const Settings& settings, QVector<MacroEvent>& rows) {
    const int heldAt = held_.indexOf(key.code);
    qCDebug(lcMacroRecorder, "OnHookKey ret %d %s %d", key.code, key.press ? "down" : "up", heldAt);
    if (key.press && heldAt >= 0) return Outcome::Repeat;
    const bool delays = settings.delayType != macro::DelayType::None;
    const int limit = delays ? macro::kRecordRowsWithDelays : macro::kRecordRowsWithoutDelays;
    if (rowsPresent > limit) return Outcome::RowLimit;
    if (!key.press && heldAt < 0) return Outcome::NotHeld;
    const auto usage = keycodes::usageOfKeyCode(key.code);
    if (!usage) return Outcome::UnknownKey;

    const qint64 now = clock_();
    if (last_) {
        const int unit = std::max(1, settings.unit);
        if (settings.delayType == macro::DelayType::Recorded) {
            // A pause longer than a delay row can hold is kept at the longest one, never wrapped.
            const qint64 units = std::clamp<qint64>((now - *last_) / unit, 1, macro::kMaxDelayCount);
            rows.push_back(macro::delayEvent(static_cast<int>(units)));
        } else if (settings.delayType == macro::DelayType::Default) {
            rows.push_back(macro::delayEvent(macro::delayCountForMs(settings.defaultDelayMs, unit)));
        }
    }
    rows.push_back(macro::keyEvent(*usage, key.press));
    if (key.press)
        held_.push_back(key.code);
    else
        held_.remove(heldAt);
    last_ = now;
    return Outcome::Recorded;
}

}  // namespace mousecfg
