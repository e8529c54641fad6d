#pragma once

#include <cstddef>
#include <cstdint>

namespace mousecfg {

// One input report of the command collection, decoded. `report` starts with the report ID
// (byte 1 of the frame layout); bytes past `length` read as 0, so any length is safe.
struct StatusAnswer {
    enum class Kind { None, Battery, Status };
    Kind kind = Kind::None;
    // Battery report (byte 4 = 0x48)
    uint8_t lowByte = 0;      // byte 5
    uint8_t hiByte = 0;       // byte 6
    uint8_t charge = 0;       // byte 7
    uint8_t writeStatus = 0;  // byte 8
    uint8_t linkMode = 0;     // byte 11
    // Status report (byte 4 = 0x49)
    uint8_t profile = 0;   // byte 5
    uint8_t dpiStage = 0;  // byte 6
    uint8_t rate = 0;      // byte 7
    uint8_t mode = 0;      // byte 8

    // All of bytes 5..7 zero: the mouse behind the receiver is off or out of reach.
    bool mouseOff() const { return lowByte == 0 && hiByte == 0 && charge == 0; }
};

StatusAnswer decodeAnswer(const uint8_t* report, size_t length);

// Battery reading in millivolts: (hi * 256 + lo) * 990 / 240.
int batteryMillivolts(uint8_t lowByte, uint8_t hiByte);
// Battery level shown to the user, 10..100 in steps of 10; 100 from fullMillivolts on.
int batteryPercent(int millivolts, int fullMillivolts);

}  // namespace mousecfg
