#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

namespace mousecfg::simdecode {

// Decoders of the simulated mouse's memory sections back into the settings they hold. They read
// raw section bytes (SimulatedMouse::section), so new sections can be decoded beside these; a
// profile's own DPI, button and lighting tables are SimulatedMouse::section(command, profile).
// Out-of-range reads give 0.

// Section 0x01.
struct GlobalSettings {
    std::array<uint8_t, 5> scrollSpeed{};
    uint8_t liftHigh = 0;
    uint8_t profileId = 0;
    uint8_t ledMoveOff = 0;
    uint8_t ledSleepTime = 0;
    std::array<uint8_t, 5> pollRate{};
    uint8_t dpiStage = 0;
    uint8_t ledEffect = 0;
    bool closed = false;  // closing byte 0x1A at offset 0x7F
};
GlobalSettings decodeGlobalSettings(const QByteArray& section);

// Section 0x02, register values as stored (no sensor conversion).
struct DpiStageBytes {
    uint8_t used = 0;
    uint8_t xLow = 0;
    uint8_t xRange = 0;
    uint8_t yLow = 0;
    uint8_t yRange = 0;
};
struct DpiTable {
    uint8_t stageCount = 0;
    std::array<DpiStageBytes, 8> stages{};
    bool closed = false;
};
DpiTable decodeDpiTable(const QByteArray& section);

// Byte of a section, 0 outside it.
uint8_t sectionByte(const QByteArray& section, int offset);

}  // namespace mousecfg::simdecode
