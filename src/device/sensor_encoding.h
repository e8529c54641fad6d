#pragma once

#include <cstdint>

namespace mousecfg::sensor {

// The two device bytes of one DPI code: the register value and its range.
struct DpiBytes {
    uint8_t low = 0;
    uint8_t range = 0;
    friend bool operator==(DpiBytes a, DpiBytes b) { return a.low == b.low && a.range == b.range; }
};

// The register tables of the sensors that use one, T1..T5.
constexpr int kT1Size = 120;
constexpr int kT2Size = 160;
constexpr int kT3Size = 79;
constexpr int kT4Size = 62;
constexpr int kT5Size = 51;
// Entry k of a table. An index outside the table (a code outside the sensor's range, possible
// in a hand-edited profile or one saved when sensor 33352 still offered codes 201..240) takes the
// nearest end entry, so a look-up never leaves its table and an oversized code means the largest
// DPI the table has.
uint8_t t1(long long k);
uint8_t t2(long long k);
uint8_t t3(long long k);
uint8_t t4(long long k);
uint8_t t5(long long k);

// Link mode (byte 11 of the last battery report) that limits sensor 3395 to code 399.
constexpr uint8_t kLinkModeCapped = 8;

// Encodes DPI code v for the sensor ("MouseSenSor/1"); {0, 0} for a sensor without encoding.
DpiBytes encodeDpiCode(int sensorCode, uint32_t v, uint8_t linkMode);

// The sensors whose X value alone gives both axes, and those that send Y before X.
bool usesXForBothAxes(int sensorCode);
bool sendsYFirst(int sensorCode);

// The register value of a sniper (temporary DPI) level h for the button table.
uint8_t encodeSniperLevel(int sensorCode, uint8_t h);

}  // namespace mousecfg::sensor
