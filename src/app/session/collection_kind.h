#pragma once

#include <cstdint>

namespace mousecfg {

struct CollectionSlot;
struct DevicePath;

// The two collections of the mouse's HID interface, numbered the way the hot-plug layer numbers
// them (a Windows interface path's "col01" and "col04"). The one place where enumeration
// records, hot-plug events and the device list's slots are matched up.
inline constexpr int kNoCollection = 0;
inline constexpr int kMouseCollection = 1;    // usage page 1, usage 2
inline constexpr int kCommandCollection = 4;  // usage page 1, usage 0

// The kind of an enumerated collection from its usage pair; kNoCollection for any other pair.
int collectionKind(uint32_t usagePage, uint32_t usage);

// The device list's slot of `path` for a collection kind; null for kNoCollection or an unknown
// number.
CollectionSlot* collectionSlot(DevicePath& path, int kind);

}  // namespace mousecfg
