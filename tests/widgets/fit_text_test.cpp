#include "widgets/fit_text.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

namespace mousecfg {
namespace {

int widthAt(QFont f, int pixelSize, const QString& text) {
    f.setPixelSize(pixelSize);
    return QFontMetrics(f).horizontalAdvance(text);
}

// The largest size that fits, found without walking down one pixel at a time from sizes that
// only a damaged settings file asks for.
TEST(FitText, TheLargestSizeThatFitsWithinTheBounds) {
    const QString text = QStringLiteral("MOUSE OFF");
    const struct {
        int start;
        int width;
    } cases[] = {{12, 1000}, {40, 60}, {40, 0}, {100000, 80}, {2147483647, 80}, {2147483647, 100000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.start) + " px into " + std::to_string(c.width));
        QFont font;
        font.setPixelSize(c.start);
        const int size = fitFontToWidth(font, text, c.width).pixelSize();
        const int top = qMin(c.start, kMaxFitPixelSize);
        EXPECT_GE(size, kMinFitPixelSize);
        EXPECT_LE(size, top);
        if (size > kMinFitPixelSize) {
            EXPECT_LE(widthAt(font, size, text), c.width);
        }
        if (size < top) {
            EXPECT_GT(widthAt(font, size + 1, text), c.width);
        }
    }
}

}  // namespace
}  // namespace mousecfg
