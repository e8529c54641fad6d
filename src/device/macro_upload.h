#pragma once

#include <QString>
#include <QVector>
#include <array>
#include <cstdint>
#include <functional>

#include "device/config_frames.h"
#include "storage/macro_files.h"

namespace mousecfg {

class MacroNumberMap;
struct ConfigState;

constexpr int kMacroSlots = 20;
constexpr int kMacroSlotBytes = 200;
constexpr int kMacroMemoryBytes = kMacroSlots * kMacroSlotBytes;
// More events than this can never reach a slot (the 67th event's first two bytes are the last
// that fit), so nothing more is read from a macro file.
constexpr int kMacroEventsPerSlot = (kMacroSlotBytes + 2) / 3;
constexpr int kMacroFramesPerSlot = 10;
constexpr int kMacroFrameBytes = kMacroSlotBytes / kMacroFramesPerSlot;
constexpr uint16_t kMacroClosingOffset = 0x0FFF;
constexpr int kMacroEncodePause = 50;  // ms after each encoded macro

using MacroMemory = std::array<uint8_t, kMacroMemoryBytes>;

// The device form of a macro: the events as they are when any of them is a delay; otherwise a
// one-unit delay after every fourth event and after the last, then an all-zero event. Each event
// goes out as map, low, high. The result is cut at the slot's 200 bytes, never past them.
std::array<uint8_t, kMacroSlotBytes> encodeMacroSlot(const QVector<MacroEvent>& events);
// Writes the encoded macro into slot `number` of `memory`; a number outside 0..19 writes nothing.
void EncodeMacro(const QVector<MacroEvent>& events, int number, MacroMemory& memory);

// Fills `memory` (zeroed first) with every macro that the buttons of `image` use and that has a
// number in `macros`; each name is removed from `macros` once encoded. `readEvents` gives a
// macro's events, `afterEncode` runs after each encoded macro (the device pause).
//
// An empty map before the first macro means no macro is used. The map running empty later means
// every macro is encoded: the scan ends and the encoded slots are kept. A number of 20 or more
// has no slot in the mouse: that macro is skipped, the others still go out.
struct MacroCollectResult {
    int encoded = 0;
    int skipped = 0;
};
MacroCollectResult collectMacros(const ConfigState& image, MacroNumberMap& macros, MacroMemory& memory,
                                 const std::function<QVector<MacroEvent>(const QString&)>& readEvents,
                                 const std::function<void()>& afterEncode);

// The frames that carry `memory`: ten 20-byte frames per slot whose first five bytes are not all
// zero, then the section's closing frame; no frame at all when no slot is in use.
FrameList macroMemoryFrames(const MacroMemory& memory);

}  // namespace mousecfg
