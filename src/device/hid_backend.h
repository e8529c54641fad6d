#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace mousecfg {

// One enumeration record: one top-level collection of one HID interface, as hidapi reports it.
// On Linux (hidraw) every collection of an interface is listed with the same path; on Windows each
// collection has its own path ("...&col01", "...&col04").
struct HidDeviceInfo {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    uint16_t releaseNumber = 0;
    int interfaceNumber = -1;
    QByteArray path;
    QString serialNumber;
};

// An open HID device. Return conventions are hidapi's: the number of bytes moved, 0 when a read
// timed out, -1 on error. data[0] is the report ID on both directions.
class HidHandle {
public:
    virtual ~HidHandle() = default;
    virtual int write(const uint8_t* data, size_t length) = 0;
    // Waits at most `milliseconds` (-1: without limit) for one input report.
    virtual int readTimeout(uint8_t* data, size_t length, int milliseconds) = 0;
};

// The narrow transport the device link is written against: the real hidapi or the simulated mouse.
class HidBackend {
public:
    virtual ~HidBackend() = default;
    virtual int init() = 0;  // 0 on success, -1 on failure
    virtual std::vector<HidDeviceInfo> enumerate() = 0;
    // nullptr when the path cannot be opened. Closing is destroying the handle.
    virtual std::unique_ptr<HidHandle> open(const QByteArray& path) = 0;
    virtual int exit() = 0;
    // The report descriptor of the interface behind `path`; empty when it cannot be read (the
    // callers then assume the mouse's usual layout).
    virtual QByteArray reportDescriptor(const QByteArray& /*path*/) { return QByteArray(); }
};

}  // namespace mousecfg
