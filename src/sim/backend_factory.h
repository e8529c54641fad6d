#pragma once

#include <QString>
#include <memory>

#include "device/hid_backend.h"
#include "sim/fault_plan.h"

namespace mousecfg {

class Paths;

// The file in the data folder where the simulated mouse keeps its memory across runs.
QString simulatedMouseStateFile(const Paths& paths);

// The backend the programs use: with simulate, the simulated mouse keeping its memory in the
// data folder of `paths` (and developing `faults`, if any); else hidapi.
std::unique_ptr<HidBackend> makeBackend(bool simulate, const Paths& paths,
                                        const FaultPlan& faults = FaultPlan());

}  // namespace mousecfg
