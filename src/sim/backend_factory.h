#pragma once

#include <memory>

#include "device/hid_backend.h"
#include "sim/fault_plan.h"

namespace mousecfg {

// The backend the programs use: the simulated mouse with simulate (developing `faults`, if any),
// else hidapi.
std::unique_ptr<HidBackend> makeBackend(bool simulate, const FaultPlan& faults = FaultPlan());

}  // namespace mousecfg
