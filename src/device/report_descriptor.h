#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace mousecfg {

// One top-level collection of a HID report descriptor and the report IDs its main items use.
// Report ID 0 stands for reports without an ID byte (a descriptor that declares no Report ID).
struct HidTopCollection {
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    std::vector<uint8_t> inputIds;  // ascending, no repeats
    std::vector<uint8_t> outputIds;
    std::vector<uint8_t> featureIds;
};

enum class DescriptorStatus {
    Ok,
    Empty,      // no bytes at all
    Truncated,  // an item runs past the end, or a collection is still open there
    Malformed,  // an End Collection without a Collection, Report ID 0 or above 255, Pop without Push
};

struct ParsedDescriptor {
    DescriptorStatus status = DescriptorStatus::Empty;
    // In descriptor order. On Truncated or Malformed: the collections closed before the fault.
    std::vector<HidTopCollection> collections;
};

// Reads the top-level collections of a report descriptor (short and long items, Push/Pop of the
// global state, nested collections). The collection's usage is the last Usage before its
// Collection item, on the Usage Page in effect there (or the page of an extended 4-byte usage),
// which is the pair hidapi lists for it. Never reads outside [bytes, bytes + size).
ParsedDescriptor parseReportDescriptor(const uint8_t* bytes, size_t size);
inline ParsedDescriptor parseReportDescriptor(const QByteArray& bytes) {
    return parseReportDescriptor(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                 static_cast<size_t>(bytes.size()));
}

// The input report IDs the command handle has to pass on: those of the first top-level
// collection with the command usage pair, plus `commandId` itself unless another top-level
// collection declares it as an input (the mouse answers on the ID it is written on). Just
// {commandId} when the descriptor is empty, damaged, has no such collection, or uses no IDs.
std::vector<uint8_t> commandInputIds(const QByteArray& descriptor, uint16_t usagePage, uint16_t usage,
                                     uint8_t commandId);

}  // namespace mousecfg
