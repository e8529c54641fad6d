#include "device/macro_upload.h"

#include <algorithm>

#include "device/button_table.h"
#include "device/device_log.h"
#include "storage/config_state.h"

namespace mousecfg {

namespace {

constexpr uint8_t kMacroClosingByte = 0x1A;

}  // namespace

std::array<uint8_t, kMacroSlotBytes> encodeMacroSlot(const QVector<MacroEvent>& events) {
    std::array<uint8_t, kMacroSlotBytes> slot{};
    int pos = 0;
    auto put = [&](uint8_t map, uint8_t low, uint8_t high) {
        for (uint8_t b : {map, low, high}) {
            if (pos >= kMacroSlotBytes) return;
            slot[static_cast<size_t>(pos++)] = b;
        }
    };
    const bool hasDelay = std::any_of(events.begin(), events.end(),
                                      [](const MacroEvent& e) { return e.map == macroevent::kDelay; });
    for (int i = 0; i < events.size() && pos < kMacroSlotBytes; ++i) {
        const MacroEvent& e = events[i];
        put(e.map, e.dataL, e.dataH);
        if (!hasDelay && (i + 1) % 4 == 0) put(macroevent::kDelay, 1, 0);
    }
    if (!hasDelay) {
        put(macroevent::kDelay, 1, 0);
        put(0, 0, 0);
    }
    return slot;
}

void EncodeMacro(const QVector<MacroEvent>& events, int number, MacroMemory& memory) {
    if (number < 0 || number >= kMacroSlots) return;
    const auto slot = encodeMacroSlot(events);
    std::copy(slot.begin(), slot.end(), memory.begin() + number * kMacroSlotBytes);
}

MacroCollectResult collectMacros(const ConfigState& image, MacroNumberMap& macros, MacroMemory& memory,
                                 const std::function<QVector<MacroEvent>(const QString&)>& readEvents,
                                 const std::function<void()>& afterEncode) {
    memory.fill(0);
    MacroCollectResult result;
    for (const MouseProfile& profile : image.profiles) {
        for (const ButtonAssignment& a : profile.buttons) {
            if (a.Fun != kFunMacro && a.Fun != kFunGunFile) continue;
            const MacroNumberMap::Result found = macros.find(a.macroname);
            if (found.lookup == MacroNumberMap::Lookup::MapEmpty) return result;
            if (found.lookup == MacroNumberMap::Lookup::Absent) continue;
            if (found.number >= kMacroSlots) {
                qCDebug(lcDevice, "iIndex>=MAX_MACRO_NUMBER_560\n");
                macros.remove(a.macroname);
                ++result.skipped;
                continue;
            }
            EncodeMacro(readEvents(a.macroname), found.number, memory);
            ++result.encoded;
            if (afterEncode) afterEncode();
            macros.remove(a.macroname);
        }
    }
    return result;
}

FrameList macroMemoryFrames(const MacroMemory& memory) {
    FrameList frames;
    for (int n = 0; n < kMacroSlots; ++n) {
        const uint8_t* slot = memory.data() + n * kMacroSlotBytes;
        if (std::all_of(slot, slot + 5, [](uint8_t b) { return b == 0; })) continue;
        for (int j = 0; j < kMacroFramesPerSlot; ++j) {
            const int offset = n * kMacroSlotBytes + j * kMacroFrameBytes;
            const uint8_t phase = (n == 0 && j == 0) ? phase::kFirst : phase::kMiddle;
            frames.push_back(makeFrame(command::kMacroMemory, static_cast<uint8_t>(offset & 0xFF),
                                       static_cast<uint8_t>(offset >> 8), kMacroFrameBytes, phase,
                                       memory.data() + offset, kMacroFrameBytes));
        }
    }
    if (!frames.empty()) {
        const uint8_t closing = kMacroClosingByte;
        frames.push_back(makeFrame(command::kMacroMemory, kMacroClosingOffset & 0xFF,
                                   kMacroClosingOffset >> 8, 1, phase::kClosing, &closing, 1));
    }
    return frames;
}

}  // namespace mousecfg
