#include "sim/backend_factory.h"

#include "device/hidapi_backend.h"
#include "sim/simulated_mouse.h"
#include "storage/paths.h"

namespace mousecfg {

QString simulatedMouseStateFile(const Paths& paths) {
    return paths.configDir() + QStringLiteral("/SimulatedMouse.bin");
}

std::unique_ptr<HidBackend> makeBackend(bool simulate, const Paths& paths, const FaultPlan& faults) {
    if (!simulate) return std::make_unique<HidapiBackend>();
    SimulatedMouse::Options options;
    options.stateFile = simulatedMouseStateFile(paths);
    auto mouse = std::make_unique<SimulatedMouse>(options);
    faults.installOn(*mouse);
    return mouse;
}

}  // namespace mousecfg
