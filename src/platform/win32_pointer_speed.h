#pragma once

#include <optional>

namespace mousecfg::win32 {

// Windows: the system pointer speed on its own 1..20 scale (10 is the default), the scale the
// profiles keep, through SystemParametersInfoW. Qt-free; compiled on Windows only.

// SPI_GETMOUSESPEED; nothing when the call fails or gives a value outside 1..20.
std::optional<int> readPointerSpeed();
// SPI_SETMOUSESPEED with the speed clamped to 1..20, saved in the user's profile and announced
// to every window; false when the call fails.
bool writePointerSpeed(int speed);

}  // namespace mousecfg::win32
