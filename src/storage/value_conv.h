#pragma once

#include <QColor>
#include <QVariant>
#include <cstdint>

// Conversions of values read from INI files into the widths of the in-memory records. Every number
// is read as a signed int (non-numeric text reads 0) and keeps its low bits, the way a C cast to
// the narrower unsigned type would, but without relying on implementation-defined conversions.
namespace mousecfg::conv {

inline uint8_t toU8(int v) {
    return static_cast<uint8_t>(static_cast<uint32_t>(v) & 0xFFu);
}
inline uint32_t toU32(int v) {
    return static_cast<uint32_t>(v);
}
inline uint8_t toU8(const QVariant& v) {
    return toU8(v.toInt());
}
inline uint32_t toU32(const QVariant& v) {
    return toU32(v.toInt());
}
inline int32_t toI32(const QVariant& v) {
    return v.toInt();
}

// A colour as QSettings stores it (its variant encoding) or as text QColor understands; anything
// else, and a damaged variant that decodes to an unknown colour spec, reads as invalid.
QColor toColour(const QVariant& v);

}  // namespace mousecfg::conv
