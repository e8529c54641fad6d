#include "sim/backend_factory.h"

#include "device/hidapi_backend.h"
#include "sim/simulated_mouse.h"

namespace mousecfg {

std::unique_ptr<HidBackend> makeBackend(bool simulate, const FaultPlan& faults) {
    if (!simulate) return std::make_unique<HidapiBackend>();
    auto mouse = std::make_unique<SimulatedMouse>();
    faults.installOn(*mouse);
    return mouse;
}

}  // namespace mousecfg
