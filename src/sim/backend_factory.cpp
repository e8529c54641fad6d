#include "sim/backend_factory.h"

#include "device/hidapi_backend.h"
#include "sim/simulated_mouse.h"

namespace mousecfg {

std::unique_ptr<HidBackend> makeBackend(bool simulate) {
    if (simulate) return std::make_unique<SimulatedMouse>();
    return std::make_unique<HidapiBackend>();
}

}  // namespace mousecfg
