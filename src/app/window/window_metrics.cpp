#include "app/window/window_metrics.h"

#include <array>
#include <cstdlib>

namespace mousecfg::metrics {

int scaleLevelForRatio(double ratio) {
    static constexpr std::array<double, kMaxScaleLevel> kThresholds{1.1, 1.4, 1.6, 1.8, 2.1, 2.3, 2.6, 2.8,
                                                                    3.1, 3.3, 3.6, 3.8, 4.1, 4.3, 4.6, 4.8};
    // A ratio that is a threshold exactly (105.6 DPI is 1.1) must not fall short by rounding.
    constexpr double kSlack = 1e-9;
    int level = 0;
    for (double t : kThresholds)
        if (ratio + kSlack >= t) ++level;
    return level;
}

int scaleLevelForDpi(double logicalDpi) {
    return scaleLevelForRatio(logicalDpi / 96.0);
}

double scaleFactorForLevel(int level) {
    if (level < 0) level = 0;
    if (level > kMaxScaleLevel) level = kMaxScaleLevel;
    return 1.0 + 0.25 * level;
}

bool dragMoves(const QPoint& press, const QPoint& now) {
    const QPoint d = now - press;
    return std::abs(d.x()) + std::abs(d.y()) > kDragThreshold;
}

}  // namespace mousecfg::metrics
