#include "app/window_metrics.h"

#include <array>
#include <cstdlib>

#include "device/report_rate.h"

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

int scaled(int designLength, double factor) {
    return static_cast<int>(designLength * factor);
}

bool dragMoves(const QPoint& press, const QPoint& now) {
    const QPoint d = now - press;
    return std::abs(d.x()) + std::abs(d.y()) > kDragThreshold;
}

int batteryMillivolts(int lowByte, int highByte) {
    return (highByte * 256 + lowByte) * 990 / 240;
}

int batteryLevel(int millivolts, int fullThreshold) {
    if (millivolts >= fullThreshold) return 100;
    struct Step {
        int from;
        int level;
    };
    static constexpr std::array<Step, 8> kSteps{
        {{4100, 90}, {4000, 80}, {3900, 70}, {3800, 60}, {3700, 50}, {3500, 40}, {3400, 30}, {3200, 20}}};
    for (const Step& s : kSteps)
        if (millivolts >= s.from) return s.level;
    return 10;
}

QString rateText(int code) {
    return reportRateText(code);
}

}  // namespace mousecfg::metrics
