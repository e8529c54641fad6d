#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <map>
#include <optional>

#include "device/config_frames.h"
#include "storage/config_state.h"
#include "storage/product_descriptor.h"

namespace mousecfg {

// Macro numbers handed out by the button table, in number order; the macro upload walks it and
// removes each name once its macro is encoded.
class MacroNumberMap {
public:
    enum class Lookup { Found, Absent, MapEmpty };
    struct Result {
        Lookup lookup = Lookup::MapEmpty;
        int number = -1;
    };
    Result find(const QString& name) const;
    // The number of a name, inserting it as the next number (the map's size) when it is new.
    int numberFor(const QString& name);
    void remove(const QString& name);
    void clear() { byNumber_.clear(); }
    bool empty() const { return byNumber_.empty(); }
    int size() const { return static_cast<int>(byNumber_.size()); }
    const std::map<int, QString>& entries() const { return byNumber_; }

private:
    std::map<int, QString> byNumber_;
};

// What the button table needs to know about the product.
struct ButtonLayout {
    int buttonCount = 0;  // decoded "ButtonCount"
    ButtonMatrix matrix;  // device button number of each UI slot
    bool scrollRev = false;
    int sensorCode = 0;
};

namespace fun {
constexpr int kSingleKey = 6;
constexpr int kKeyCombo = 7;
constexpr int kFireKey = 12;
constexpr int kSniper = 55;
constexpr int kMacro = 200;
constexpr int kGunFile = 510;
}  // namespace fun

using SlotBytes = std::array<uint8_t, 4>;

// The four device bytes of an assignment. A macro or gun file takes its number from `macros`
// (inserted when new) and the number is written to `assignment.Res4`.
SlotBytes encodeButtonFunction(ButtonAssignment& assignment, int sensorCode, MacroNumberMap& macros);

// The byte offset of slot position p in the table, or nothing for a position without a place:
// positions 22 and 23 are the wheel places (swapped with scrollRev); 0..15 go through the matrix
// (4 * M[p] + 2), and a matrix value that would land past the 24 slots has no place either.
std::optional<int> buttonSlotOffset(int position, const ButtonLayout& layout);

constexpr int kButtonBufferBytes = 128;
using ButtonBuffer = std::array<uint8_t, kButtonBufferBytes>;

// Encodes a profile's buttons 0..buttonCount-1 (at most the 42 slots) and the wheel entries 40
// and 41 into the table; empties and refills `macros`.
ButtonBuffer buildButtonBuffer(MouseProfile& profile, const ButtonLayout& layout, MacroNumberMap& macros);
// The tables of all five profiles under one macro numbering: `macros` is emptied once and filled
// in profile order, then button order, so a macro has the same number in every profile's table
// and the numbers index the one macro memory that all profiles share.
using ButtonBuffers = std::array<ButtonBuffer, kProfileCount>;
ButtonBuffers buildButtonBuffers(ConfigState& state, const ButtonLayout& layout, MacroNumberMap& macros);
FrameList buttonTableFrames(const ButtonBuffer& buffer);

}  // namespace mousecfg
