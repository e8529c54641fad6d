#pragma once

#include "device/hid_backend.h"

namespace mousecfg {

// The real transport: hidapi (hidraw backend on Linux).
class HidapiBackend : public HidBackend {
public:
    int init() override;
    std::vector<HidDeviceInfo> enumerate() override;
    std::unique_ptr<HidHandle> open(const QByteArray& path) override;
    int exit() override;
    // hidapi 0.13 has no call for it: on Linux it is read from sysfs
    // (/sys/class/hidraw/hidrawN/device/report_descriptor, readable by everyone), for paths of
    // the form /dev/hidrawN only.
    QByteArray reportDescriptor(const QByteArray& path) override;
};

}  // namespace mousecfg
