#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "sim/firmware_memory.h"

namespace mousecfg {

// What the simulated mouse keeps across runs, like a real mouse keeps its memory: the firmware
// memory and the battery.
struct SimulatedMouseMemory {
    FirmwareState firmware = FirmwareMemory::factoryState();
    uint16_t batteryRaw = 960;  // 3960 mV
    bool charging = false;
};

// The state file: "MCSIMMEM", a 16-bit version, the memory, and a CRC-32 of everything before it,
// all integers little-endian. A file of another size, version or checksum is not taken.
QByteArray encodeSimulatedMouseMemory(const SimulatedMouseMemory& memory);
bool decodeSimulatedMouseMemory(const QByteArray& bytes, SimulatedMouseMemory& memory);

// Reads the file; a missing, truncated or damaged file leaves `memory` as it is and returns false.
bool loadSimulatedMouseMemory(const QString& file, SimulatedMouseMemory& memory);
// Writes the file atomically (a crash leaves the previous file whole).
bool saveSimulatedMouseMemory(const QString& file, const SimulatedMouseMemory& memory);

}  // namespace mousecfg
