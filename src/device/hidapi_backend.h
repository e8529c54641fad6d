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
};

}  // namespace mousecfg
