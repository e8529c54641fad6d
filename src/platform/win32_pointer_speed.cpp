#include "platform/win32_pointer_speed.h"

#ifdef _WIN32

#include <windows.h>

#include <algorithm>
#include <cstdint>

namespace mousecfg::win32 {

namespace {
constexpr int kMinSpeed = 1;
constexpr int kMaxSpeed = 20;
}  // namespace

std::optional<int> readPointerSpeed() {
    int speed = 0;
    if (!SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0)) return std::nullopt;
    if (speed < kMinSpeed || speed > kMaxSpeed) return std::nullopt;
    return speed;
}

bool writePointerSpeed(int speed) {
    speed = std::clamp(speed, kMinSpeed, kMaxSpeed);
    // The new speed is passed as the pointer argument itself, not through it.
    void* value = reinterpret_cast<void*>(static_cast<std::intptr_t>(speed));
    return SystemParametersInfoW(SPI_SETMOUSESPEED, 0, value, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE) != FALSE;
}

}  // namespace mousecfg::win32

#endif  // _WIN32
