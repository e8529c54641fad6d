#pragma once

#include <QFont>
#include <QString>

namespace mousecfg {

// The smallest pixel size text is shrunk to, and the largest size ever measured.
constexpr int kMinFitPixelSize = 6;
constexpr int kMaxFitPixelSize = 1024;

// `font` shrunk until `text` fits `width` pixels: the largest pixel size from the font's own
// (capped at kMaxFitPixelSize) down to `minPixelSize` at which the text fits, or `minPixelSize`
// when none does. A binary search over the sizes: a dozen measurements at most, whatever size the
// settings asked for, where shrinking one pixel at a time took minutes for a size of 100000.
QFont fitFontToWidth(const QFont& font, const QString& text, int width, int minPixelSize = kMinFitPixelSize);

}  // namespace mousecfg
