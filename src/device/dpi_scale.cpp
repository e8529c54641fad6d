#include "device/dpi_scale.h"

#include <climits>

namespace mousecfg::dpiscale {

namespace {

// Levels far beyond any sensor's range only come from damaged files; clamping them first keeps
// every product below within 64 bits.
constexpr long long kLevelLimit = 1LL << 40;

long long sensor3212(long long a) {
    if (a > 94) {
        const long long v = ((a - 63) * 152 / 10) * 10;
        return v == 7290 ? 7200 : v;
    }
    if (a >= 64) return ((a - 32) * 76 / 10) * 10;
    const long long v = (a * 38 / 10) * 10;
    switch (v) {
        case 790:
            return 800;
        case 1210:
            return 1200;
        case 1630:
            return 1600;
        case 2390:
            return 2400;
        default:
            return v;
    }
}

long long dpiWide(long long a, int sensor) {
    switch (sensor) {
        case 3325:
        case 33252:
            if (a <= 50) return 100 * a;
            if (a <= 75) return 5000 + 200 * (a - 50);
            return 10000 + 400 * (a - 75);
        case 3327:
            if (a <= 61) return 100 * (a + 1);
            if (a <= 92) return 6200 + 200 * (a - 61);
            if (a == 106) return 16400;
            return 12300 + 300 * (a - 92);
        case 3311:
        case 33112:
        case 3360:
            return a <= 120 ? 100 * a : 12000 + 200 * (a - 120);
        case 3333:
            return a <= 80 ? 100 * a : 8000 + 200 * (a - 80);
        case 3335:
        case 33352:
            return a <= 160 ? 100 * a : 16000 + 200 * (a - 160);
        case 3370:
            return a <= 200 ? 50 * a : 10000 + 100 * (a - 200);
        case 3389:
            return a <= 320 ? 50 * a : 16000 + 100 * (a - 320);
        case 3399:
            return a <= 399 ? 50 * (a + 1) : 20000 + 100 * (a - 399);
        case 3395:
        case 33952:
            return a <= 519 ? 50 * (a + 1) : 26000 + 100 * (a - 519);
        case 3104:
        case 31042:
            if (a <= 106) return 40 * a == 560 ? 500 : 40 * a;
            return 80 * a - 4240;
        case 3212:
            return sensor3212(a);
        default:
            return 0;
    }
}

}  // namespace

int dpiOfLevel(long long level, int sensor) {
    if (level > kLevelLimit) level = kLevelLimit;
    if (level < -kLevelLimit) level = -kLevelLimit;
    const long long v = dpiWide(level, sensor);
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

bool dpiMatch(int a, int b) {
    const long long d = static_cast<long long>(a) - b;
    return d >= -9 && d <= 9;
}

}  // namespace mousecfg::dpiscale
