#include "sim/table_decoder.h"

#include "device/sensor_encoding.h"
#include "sim/memory_decoder.h"

namespace mousecfg::simdecode {

namespace {

constexpr int kClosingOffset = 0x7F;
constexpr uint8_t kClosingByte = 0x1A;

// Index of the first entry in [from, to) of a register table holding `value`; -1 when none does.
int indexIn(uint8_t (*table)(long long), int from, int to, uint8_t value) {
    for (int i = from; i < to; ++i)
        if (table(i) == value) return i;
    return -1;
}

uint32_t fromIndex(int index, int add) {
    return index < 0 ? 0 : static_cast<uint32_t>(index + add);
}

}  // namespace

uint32_t dpiCodeOf(int sensorCode, uint8_t low, uint8_t range) {
    using namespace sensor;
    const uint32_t word = low | (static_cast<uint32_t>(range) << 8);
    const uint32_t high15 = low | (static_cast<uint32_t>(range & 0x7F) << 8);
    switch (sensorCode) {
        case 3104:
        case 31042:
            return range == 0 ? low : low + 53u;
        case 3212:
            return low + (range == 0 ? 0u : range == 1 ? 32u : 63u);
        case 3311:
        case 33112:
            return range == 0 ? fromIndex(indexIn(t1, 0, kT1Size, low), 1)
                              : fromIndex(indexIn(t1, 60, kT1Size, low), 61);
        case 3325:
        case 33252:
            if (range == 0) return fromIndex(indexIn(t5, 0, kT5Size, low), 0);
            return fromIndex(indexIn(t5, 26, kT5Size, low), range == 1 ? 25 : 50);
        case 3327:
            if (range == 0) return fromIndex(indexIn(t4, 0, kT4Size, low), 0);
            return fromIndex(indexIn(t4, range == 1 ? 31 : 41, kT4Size, low), range == 1 ? 31 : 52);
        case 3333:
            return range == 0 ? fromIndex(indexIn(t3, 0, 78, low), 2)
                              : fromIndex(indexIn(t3, 38, kT3Size, low), 42);
        case 3335:
        case 33352:
            return range == 0 ? fromIndex(indexIn(t2, 0, kT2Size, low), 1)
                              : fromIndex(indexIn(t2, 120, kT2Size, low), 41);
        case 3360:
            return low + (range == 0 ? 1u : 61u);
        case 3370:
            return low + (range == 0 ? 1u : 101u);
        case 3389:
            return (range & 0x80) ? high15 + 160 : word;
        case 3395:
            return word;
        case 33952:
            return (range & 0x80) ? high15 + 260 : word;
        default:
            return 0;
    }
}

std::array<DpiStageCodes, 8> decodeDpiStages(const QByteArray& section, int sensorCode) {
    const DpiTable raw = decodeDpiTable(section);
    const bool yFirst = sensor::sendsYFirst(sensorCode);
    std::array<DpiStageCodes, 8> out{};
    for (size_t i = 0; i < 8; ++i) {
        const DpiStageBytes& s = raw.stages[i];
        const uint32_t first = dpiCodeOf(sensorCode, s.xLow, s.xRange);
        const uint32_t second = dpiCodeOf(sensorCode, s.yLow, s.yRange);
        out[i] = {s.used, yFirst ? second : first, yFirst ? first : second};
    }
    return out;
}

ButtonTable decodeButtonTable(const QByteArray& section) {
    ButtonTable t;
    t.header0 = sectionByte(section, 0);
    t.header1 = sectionByte(section, 1);
    for (int k = 0; k < 24; ++k)
        for (int b = 0; b < 4; ++b)
            t.functions[static_cast<size_t>(k)][static_cast<size_t>(b)] = sectionByte(section, 2 + 4 * k + b);
    t.tailMarked = true;
    for (int i = 98; i < 102; ++i) t.tailMarked = t.tailMarked && sectionByte(section, i) == 0xFF;
    t.closed = sectionByte(section, kClosingOffset) == kClosingByte;
    return t;
}

LedTable decodeLedTable(const QByteArray& section) {
    LedTable t;
    for (int k = 0; k < 10; ++k) {
        const int o = 8 * k;
        t.entries[static_cast<size_t>(k)] = {sectionByte(section, o),     sectionByte(section, o + 1),
                                             sectionByte(section, o + 2), sectionByte(section, o + 3),
                                             sectionByte(section, o + 4), sectionByte(section, o + 5),
                                             sectionByte(section, o + 6), sectionByte(section, o + 7)};
    }
    t.closed = sectionByte(section, kClosingOffset) == kClosingByte;
    return t;
}

QVector<MacroEvent> decodeMacroSlot(const QByteArray& section, int slot) {
    QVector<MacroEvent> events;
    if (slot < 0 || slot >= 20) return events;
    const int base = 200 * slot;
    for (int pos = 0; pos + 3 <= 200; pos += 3) {
        const uint8_t map = sectionByte(section, base + pos);
        const uint8_t low = sectionByte(section, base + pos + 1);
        const uint8_t high = sectionByte(section, base + pos + 2);
        if (map == 0 && low == 0 && high == 0) break;
        events.push_back({map, high, low});
    }
    return events;
}

bool macroSectionClosed(const QByteArray& section) {
    return sectionByte(section, 0x0FFF) == kClosingByte;
}

}  // namespace mousecfg::simdecode
