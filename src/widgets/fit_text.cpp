#include "widgets/fit_text.h"

#include <QFontInfo>
#include <QFontMetrics>

namespace mousecfg {

QFont fitFontToWidth(const QFont& font, const QString& text, int width, int minPixelSize) {
    QFont f = font;
    const int start = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    int low = qMax(1, minPixelSize);
    int high = qBound(low, start, kMaxFitPixelSize);
    auto fits = [&f, &text, width](int size) {
        f.setPixelSize(size);
        return QFontMetrics(f).horizontalAdvance(text) <= width;
    };
    if (fits(high)) return f;
    // Invariant: `high` does not fit; the answer lies in [low, high).
    while (low < high - 1) {
        const int mid = low + (high - low) / 2;
        if (fits(mid))
            low = mid;
        else
            high = mid;
    }
    f.setPixelSize(low);
    return f;
}

}  // namespace mousecfg
