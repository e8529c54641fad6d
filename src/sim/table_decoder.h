#pragma once

#include <QByteArray>
#include <QVector>
#include <array>
#include <cstdint>

#include "storage/macro_files.h"

namespace mousecfg::simdecode {

// What the mouse makes of its DPI, button, lighting and macro sections: the firmware's side of
// the register encodings. Out-of-range reads give 0.

// The DPI code a register pair stands for on a sensor; 0 for a sensor without encoding. Where a
// register table repeats a value, the lower code is given.
uint32_t dpiCodeOf(int sensorCode, uint8_t low, uint8_t range);

struct DpiStageCodes {
    uint8_t used = 0;
    uint32_t x = 0;
    uint32_t y = 0;
};
// Section 0x02 read for a sensor (sensors 3104/31042 keep Y in the first pair).
std::array<DpiStageCodes, 8> decodeDpiStages(const QByteArray& section, int sensorCode);

// Section 0x03.
struct ButtonTable {
    uint8_t header0 = 0;  // 0x0A
    uint8_t header1 = 0;
    std::array<std::array<uint8_t, 4>, 24> functions{};  // by device button number
    bool tailMarked = false;                             // FF FF FF FF at 98..101
    bool closed = false;
};
ButtonTable decodeButtonTable(const QByteArray& section);

// Section 0x04: ten effect entries of eight bytes.
struct LedEntry {
    uint8_t flag = 0;  // 0x80
    uint8_t r = 0, g = 0, b = 0;
    uint8_t kind = 0;
    uint8_t speed = 0;
    uint8_t direction = 0;
    uint8_t brightness = 0;
};
struct LedTable {
    std::array<LedEntry, 10> entries{};
    bool closed = false;
};
LedTable decodeLedTable(const QByteArray& section);

// Section 0x05: the events of macro slot n (0..19), up to the first all-zero event or the end of
// the 200-byte slot; each event is stored as map, low, high.
QVector<MacroEvent> decodeMacroSlot(const QByteArray& section, int slot);
bool macroSectionClosed(const QByteArray& section);

}  // namespace mousecfg::simdecode
