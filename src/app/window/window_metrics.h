#pragma once

#include <QPoint>

namespace mousecfg {

// The arithmetic of the main window that does not need a widget: the scale level chosen from the
// screen's logical DPI and the drag threshold. (Design lengths are scaled by UiContext::scaled.)
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

// True when a drag from `press` to `now` has gone far enough to move the window.
bool dragMoves(const QPoint& press, const QPoint& now);

}  // namespace metrics
}  // namespace mousecfg
