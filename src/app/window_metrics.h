#pragma once

#include <QPoint>
#include <QString>

namespace mousecfg {

// The arithmetic of the main window that does not need a widget: the scale level chosen from the
// screen's logical DPI, the drag threshold, and the battery gauge's voltage and level.
namespace metrics {

constexpr int kDesignWidth = 999;
constexpr int kDesignHeight = 640;
constexpr int kMaxScaleLevel = 16;
constexpr int kDragThreshold = 4;  // |dx| + |dy| must exceed this before the window moves

// Number of thresholds 1.1, 1.4, 1.6 ... 4.8 that ratio = logical DPI / 96 reaches.
int scaleLevelForRatio(double ratio);
int scaleLevelForDpi(double logicalDpi);
// 1.0 + 0.25 * level (level clamped to 0..16).
double scaleFactorForLevel(int level);
// Design length times the factor, truncated toward zero.
int scaled(int designLength, double factor);

// True when a drag from `press` to `now` has gone far enough to move the window.
bool dragMoves(const QPoint& press, const QPoint& now);

// Millivolts from the battery report's two bytes: (hi * 256 + lo) * 990 / 240.
int batteryMillivolts(int lowByte, int highByte);
// Gauge level 10..100 for a voltage, 100 from the full-charge threshold on.
int batteryLevel(int millivolts, int fullThreshold);

// On-screen text of a report-rate code: "125 HZ" (8), "250 HZ" (4), "500 HZ" (2), "1000 HZ" (1),
// empty for anything else.
QString rateText(int code);

}  // namespace metrics
}  // namespace mousecfg
