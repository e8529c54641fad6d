#pragma once

#include <QVector>
#include <cstdint>
#include <optional>

#include "storage/macro_files.h"

namespace mousecfg::macro {

// What a row of the macro editor holds, by the kind bits (0-6) of its Map byte.
enum class RowKind { Key, MouseButton, Move, Delay, Other };
RowKind rowKind(const MacroEvent& event);
// Bit 7 of Map: a key or mouse-button press.
inline bool isPress(const MacroEvent& event) {
    return (event.map & macroevent::kPress) != 0;
}

// A button's profile entry holds this many events, so no macro grows past it.
constexpr int kMaxRows = 63;
// The recorder appends while at most this many rows are present: a key costs a delay row and a
// key row with delays, one row without, and the mouse adds one-unit delays of its own to macros
// without delay rows.
constexpr int kRecordRowsWithDelays = 61;
constexpr int kRecordRowsWithoutDelays = 39;
// Single-axis movements the editor makes: 1..120 counts.
constexpr int kMaxMoveDistance = 120;
constexpr int kMaxDelayCount = 0xFFFF;

// Mouse-button bits of DataL, in the order of the editor's command tree: left, middle, right,
// forward, backward.
constexpr std::uint8_t kLeftButton = 1;
constexpr std::uint8_t kRightButton = 2;
constexpr std::uint8_t kMiddleButton = 4;
constexpr std::uint8_t kForwardButton = 8;
constexpr std::uint8_t kBackwardButton = 16;
bool isButtonBit(int bit);

enum class Direction { Right, Left, Down, Up };
struct Movement {
    Direction direction = Direction::Right;
    int distance = 0;  // 0 for a row that moves on both axes
};

// The delay types of a macro file: none, the real pauses recorded, the default delay inserted.
enum class DelayType { None = 0, Recorded = 1, Default = 2 };

MacroEvent keyEvent(std::uint8_t usage, bool press);
MacroEvent buttonEvent(std::uint8_t bit, bool press);
// A single-axis move; the distance is clamped to 0..120.
MacroEvent moveEvent(Direction direction, int distance);
// A delay of `count` units, clamped to 0..65535.
MacroEvent delayEvent(int count);

// How a stored movement reads back: X = DataL, Y = DataH, 0..120 forward, 121..255 backward
// (256 - value); a move on both axes reads as a move of 0 to the right.
Movement movementOf(const MacroEvent& event);
int delayCount(const MacroEvent& event);
// Milliseconds to units of `unit` ms (integer division), clamped to 0..65535.
int delayCountForMs(int milliseconds, int unit);

// The delay unit of a product: "PROFILE/MinDelay", 10 when it is missing or not positive.
int delayUnit(int descriptorValue);

// The row the editor shows for a stored event; empty for an event it cannot show (a button row
// whose DataL is not a single button bit, an unknown kind). Key rows keep only their press bit,
// movement rows on both axes become a move of 0, and button rows keep their Map byte
// as stored, so a saved macro loads back byte for byte.
std::optional<MacroEvent> editorRow(const MacroEvent& stored);
QVector<MacroEvent> editorRows(const QVector<MacroEvent>& stored);

// True when every key and mouse-button press of `rows` is followed, later in the list, by a
// release of the same key or button. Only key and button rows take part.
bool releaseCheckPasses(const QVector<MacroEvent>& rows);

}  // namespace mousecfg::macro
