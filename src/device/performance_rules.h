#pragma once

namespace mousecfg::performance {

// The pointer-speed slider and the scroll-amount box both run over 1..20.
constexpr int kSpeedMin = 1;
constexpr int kSpeedMax = 20;

// Lift-off distance in millimetres (`LiftHigh`): 1 or 2; any other stored value means 2.
constexpr int kLiftMin = 1;
constexpr int kLiftMax = 2;
constexpr int liftOffMm(int stored) {
    return (stored == kLiftMin || stored == kLiftMax) ? stored : kLiftMax;
}

}  // namespace mousecfg::performance
