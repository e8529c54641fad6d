#pragma once

#include <memory>

#include "device/hid_backend.h"

namespace mousecfg {

// The backend the programs use: the simulated mouse with simulate, else hidapi.
std::unique_ptr<HidBackend> makeBackend(bool simulate);

}  // namespace mousecfg
