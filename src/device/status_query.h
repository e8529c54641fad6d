#pragma once

#include <cstdint>

#include "device/device_link.h"
#include "device/status_answer.h"

namespace mousecfg {

// One status request and its two answers, read at once rather than by the status thread
// (the command-line status). The command handle is held for the whole exchange.
struct StatusSnapshot {
    TxResult result = TxNoDevice;  // TxOk when a battery report arrived
    bool haveBattery = false;
    bool haveStatus = false;
    StatusAnswer battery;
    StatusAnswer status;
};

inline constexpr int kStatusQueryReads = 16;  // reads of 50 ms after the request, at most

StatusSnapshot queryStatus(DeviceLink& link, int maxReads = kStatusQueryReads);

}  // namespace mousecfg
