#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "device/device_link.h"
#include "device/pacer.h"
#include "sim/simulated_mouse.h"
#include "temp_data.h"

namespace mousecfg::test {

// A simulated mouse behind a device link with a recording pacer, listed, enumerated and opened
// the way the program does it at start-up.
struct SimLink {
    explicit SimLink(SimulatedMouse::Options options = {}) : sim(options), link(sim, pacer) {
        link.InitDeviceList(data.paths());
    }
    // Enumerates and opens the listed product. Returns whether a command handle is open.
    bool open() {
        if (link.EnumerateDevices() != 0) return false;
        link.OpenDevice(link.currentProductName());
        sim.resetCounters();
        sim.clearFrameLog();
        pacer.clear();
        return link.hasCommandHandle();
    }

    TempData data;
    SimulatedMouse sim;
    RecordingPacer pacer;
    DeviceLink link;
};

// A command frame with `n` data bytes 1, 2, 3, ... (checksum left for the transaction).
inline CommandFrame dataFrame(uint8_t command, uint8_t n, uint8_t offset = 0,
                              uint8_t phase = phase::kMiddle) {
    uint8_t data[kFrameMaxData];
    for (int i = 0; i < kFrameMaxData; ++i) data[i] = static_cast<uint8_t>(0x11 * (i + 1));
    return makeFrame(command, offset, 0, n, phase, data, n);
}

}  // namespace mousecfg::test
