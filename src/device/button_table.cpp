#include "device/button_table.h"

#include <algorithm>

#include "device/key_codes.h"
#include "device/sensor_encoding.h"
#include "storage/config_state.h"

namespace mousecfg {

MacroNumberMap::Result MacroNumberMap::find(const QString& name) const {
    if (byNumber_.empty()) return {Lookup::MapEmpty, -1};
    for (const auto& [number, n] : byNumber_)
        if (n == name) return {Lookup::Found, number};
    return {Lookup::Absent, -1};
}

int MacroNumberMap::numberFor(const QString& name) {
    const Result r = find(name);
    if (r.lookup == Lookup::Found) return r.number;
    const int number = size();
    byNumber_[number] = name;
    return number;
}

void MacroNumberMap::remove(const QString& name) {
    for (auto it = byNumber_.begin(); it != byNumber_.end(); ++it) {
        if (it->second == name) {
            byNumber_.erase(it);
            return;
        }
    }
}

namespace {

// Functions whose four bytes are fixed.
struct FixedCode {
    int fun;
    SlotBytes bytes;
};
constexpr FixedCode kFixedCodes[] = {
    {1, {0x81, 0, 0, 0}},           {2, {0x82, 0, 0, 0}},           {3, {0x83, 0, 0, 0}},
    {4, {0x85, 0, 0, 0}},           {5, {0x84, 0, 0, 0}},           {13, {0x30, 0, 0, 0}},
    {49, {0x89, 0, 0, 0}},          {48, {0x8A, 0, 0, 0}},          {52, {0x8B, 0, 0, 0}},
    {53, {0x8C, 0, 0, 0}},          {17, {0x8F, 0x01, 0x1B, 0}},    {18, {0x8F, 0x01, 0x06, 0}},
    {19, {0x8F, 0x01, 0x19, 0}},    {20, {0x8F, 0x01, 0x04, 0}},    {21, {0x8F, 0x01, 0x09, 0}},
    {22, {0x8F, 0x01, 0x11, 0}},    {23, {0x8F, 0x01, 0x13, 0}},    {24, {0x8F, 0x01, 0x16, 0}},
    {25, {0x8F, 0x04, 0x2B, 0}},    {26, {0x8F, 0x04, 0x3D, 0}},    {27, {0x8F, 0x08, 0x08, 0}},
    {28, {0x8F, 0x08, 0x15, 0}},    {29, {0x8F, 0x08, 0x07, 0}},    {62, {0x8F, 0x08, 0x10, 0}},
    {30, {0x8F, 0x08, 0x0F, 0}},    {31, {0x8E, 0x01, 0x23, 0x02}}, {32, {0x8E, 0x01, 0x24, 0x02}},
    {33, {0x8E, 0x01, 0x25, 0x02}}, {34, {0x8E, 0x01, 0x26, 0x02}}, {35, {0x8E, 0x01, 0x27, 0x02}},
    {36, {0x8E, 0x01, 0x21, 0x02}}, {37, {0x8E, 0x01, 0x2A, 0x02}}, {38, {0x8E, 0x01, 0x8A, 0x01}},
    {40, {0x8E, 0x01, 0xB7, 0}},    {39, {0x8E, 0x01, 0xCD, 0}},    {41, {0x8E, 0x01, 0xB6, 0}},
    {42, {0x8E, 0x01, 0xB5, 0}},    {43, {0x8E, 0x01, 0xE9, 0}},    {44, {0x8E, 0x01, 0xEA, 0}},
    {45, {0x8E, 0x01, 0xE2, 0}},    {46, {0x8E, 0x01, 0x83, 0x01}}, {16, {0, 0, 0, 0}},
    {47, {0x88, 0, 0, 0}},          {63, {0x97, 0x01, 0, 0}},       {50, {0x97, 0, 0, 0}},
    {51, {0x98, 0, 0, 0}},          {59, {0x8D, 0, 0, 0}},          {57, {0x94, 0, 0, 0}},
    {58, {0x95, 0, 0, 0}},          {54, {0x9B, 0x08, 0, 0}},       {60, {0x9F, 0, 0, 0}},
    {61, {0xA0, 0, 0, 0}},
};

uint8_t byteOf(int32_t v) {
    return static_cast<uint8_t>(v & 0xFF);
}

// Modifier bit of a key code, 0 for an ordinary key.
int modifierBit(int keyCode) {
    switch (keyCode) {
        case 29:
        case 238:
            return 0x01;
        case 42:
        case 54:
            return 0x02;
        case 56:
        case 239:
            return 0x04;
        case 91:
        case 92:
            return 0x08;
        default:
            return 0;
    }
}

SlotBytes keyCombo(const ButtonAssignment& a) {
    int sum = 0;
    uint8_t key = 0;
    for (int i = 0; i < 10; ++i) {
        const uint8_t usage = a.KeyInfo[static_cast<size_t>(i)].map;
        if (usage == 0) continue;
        const auto code = keycodes::keyCodeOfUsage(usage);
        const int bit = code ? modifierBit(*code) : 0;
        if (bit)
            sum += bit;
        else
            key = usage;
    }
    // Every modifier is listed twice, once pressed and once released.
    return {0x8F, static_cast<uint8_t>(sum >> 1), key, 0};
}

SlotBytes macroCode(ButtonAssignment& a, uint8_t b0, MacroNumberMap& macros) {
    const int number = macros.numberFor(a.macroname);
    a.Res4 = static_cast<uint8_t>(number);
    const uint8_t n = static_cast<uint8_t>(number);
    switch (a.Res1) {
        case 0:
            return {b0, n, byteOf(a.LoopNumber), byteOf(a.LoopNumber >> 8)};
        case 1:
            return {b0, static_cast<uint8_t>(n | 0x80), 0xFF, 0xFF};
        case 2:
            return {b0, static_cast<uint8_t>(n | 0x40), 0xFF, 0xFF};
        default:  // an unknown loop mode carries no number
            return {b0, 0, byteOf(a.LoopNumber), byteOf(a.LoopNumber >> 8)};
    }
}

}  // namespace

SlotBytes encodeButtonFunction(ButtonAssignment& a, int sensorCode, MacroNumberMap& macros) {
    switch (a.Fun) {
        case fun::kSingleKey:
            return {0x90, 0, keycodes::usageOfKeyCode(a.Res1).value_or(0), 0};
        case fun::kKeyCombo:
            return keyCombo(a);
        case fun::kFireKey:
            if (a.Res1 == 0) return {0x99, 0x81, 0x03, 0x00};
            return {0x99, a.Res1, byteOf(a.LoopNumber), byteOf(a.KeyNumber / 10)};
        case fun::kSniper: {
            const uint8_t h = sensor::encodeSniperLevel(sensorCode, a.Res1);
            return {0x9A, 0x01, h, h};
        }
        case fun::kMacro:
            return macroCode(a, 0x91, macros);
        case fun::kGunFile:
            return macroCode(a, 0x9D, macros);
        default:
            for (const FixedCode& c : kFixedCodes)
                if (c.fun == a.Fun) return c.bytes;
            return {0, 0, 0, 0};
    }
}

std::optional<int> buttonSlotOffset(int position, const ButtonLayout& layout) {
    if (position == 22) return layout.scrollRev ? 94 : 90;
    if (position == 23) return layout.scrollRev ? 90 : 94;
    if (position < 0 || position >= kDescriptorButtons) return std::nullopt;
    const int m = layout.matrix.deviceButton[static_cast<size_t>(position)];
    if (m >= 24) return std::nullopt;
    return 4 * m + 2;
}

namespace {

// One profile's table; new macro names get the next numbers of `macros`.
ButtonBuffer encodeButtonBuffer(MouseProfile& profile, const ButtonLayout& layout, MacroNumberMap& macros) {
    ButtonBuffer buf{};
    buf[0] = 0x0A;
    buf[1] = 0x00;
    auto encode = [&](int slot, int position) {
        const SlotBytes bytes =
            encodeButtonFunction(profile.buttons[static_cast<size_t>(slot)], layout.sensorCode, macros);
        if (const auto o = buttonSlotOffset(position, layout))
            std::copy(bytes.begin(), bytes.end(), buf.begin() + *o);
    };
    const int count = std::clamp(layout.buttonCount, 0, kButtonSlots);
    for (int b = 0; b < count; ++b) encode(b, b);
    encode(40, 22);
    encode(41, 23);
    return buf;
}

}  // namespace

ButtonBuffer buildButtonBuffer(MouseProfile& profile, const ButtonLayout& layout, MacroNumberMap& macros) {
    macros.clear();
    return encodeButtonBuffer(profile, layout, macros);
}

ButtonBuffers buildButtonBuffers(ConfigState& state, const ButtonLayout& layout, MacroNumberMap& macros) {
    macros.clear();
    ButtonBuffers buffers{};
    for (size_t p = 0; p < buffers.size(); ++p)
        buffers[p] = encodeButtonBuffer(state.profiles[p], layout, macros);
    return buffers;
}

FrameList buttonTableFrames(const ButtonBuffer& buf) {
    FrameList frames;
    frames.push_back(makeFrame(command::kButtonTable, 0, 0, 2, phase::kFirst, buf.data(), 2));
    for (int off : {2, 26, 50, 74})
        frames.push_back(makeFrame(command::kButtonTable, static_cast<uint8_t>(off), 0, 24, phase::kMiddle,
                                   buf.data() + off, 24));
    const uint8_t tail[4] = {0xFF, 0xFF, 0xFF, 0xFF};
    frames.push_back(makeFrame(command::kButtonTable, 98, 0, 4, phase::kMiddle, tail, 4));
    frames.push_back(sectionClosingFrame(command::kButtonTable));
    return frames;
}

}  // namespace mousecfg
