// The window's background kept as runs paints exactly the pixels drawing the image paints, for any
// part of it, over any background.
#include "app/window/run_image.h"

#include <gtest/gtest.h>

#include <QPainter>

using namespace mousecfg;

namespace {

// What painting `clip` of the image (as runs, or the image itself) over a grey ground gives.
template <typename Draw>
QImage painted(QSize size, const QRect& clip, Draw draw) {
    QImage out(size, QImage::Format_RGB32);
    out.fill(qRgb(90, 120, 150));
    QPainter p(&out);
    p.setClipRect(clip);
    draw(p);
    return out;
}

// Flat panels, a gradient, transparent corners and half-transparent edge pixels, like the skin.
QImage skinLike() {
    QImage image(61, 23, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QRgb c = x < 20 ? qRgb(20, 20, 20) : (x < 40 ? qRgb(x * 5, 100, y * 9) : qRgb(200, 30, 30));
            if (x + y < 3) c = qRgba(0, 0, 0, 0);
            if (x + y == 3 || x == 60) c = qRgba(250, 10, 90, 100 + y);
            image.setPixel(x, y, c);
        }
    return image;
}

TEST(RunImage, PaintsWhatTheImagePaintsInEveryClip) {
    const QImage image = skinLike();
    const RunImage runs(image);
    ASSERT_EQ(runs.size(), image.size());
    const QRect clips[] = {
        image.rect(),           // all of it
        QRect(25, 4, 20, 9),    // inside, cutting runs on both sides
        QRect(0, 0, 5, 5),      // the transparent and half-transparent corner
        QRect(59, 10, 30, 30),  // over the right and bottom edges
        QRect(39, 22, 2, 1),    // two pixels across a run boundary
        QRect(-5, -5, 3, 3),    // outside: nothing
    };
    for (const QRect& clip : clips) {
        SCOPED_TRACE(testing::Message()
                     << clip.x() << "," << clip.y() << " " << clip.width() << "x" << clip.height());
        const QSize canvas(70, 30);
        const QImage expected = painted(canvas, clip, [&](QPainter& p) { p.drawImage(0, 0, image); });
        const QImage got = painted(canvas, clip, [&](QPainter& p) { runs.paint(p, clip); });
        EXPECT_TRUE(got == expected);
    }
}

TEST(RunImage, TheShippedBackgroundPaintsTheSameInAFractionOfTheMemory) {
    const QImage image(QStringLiteral(MOUSECFG_BIN_DIR "/skin/cfgMainback.png"));
    ASSERT_FALSE(image.isNull());
    const RunImage runs(image);
    EXPECT_LT(runs.bytes() * 4, static_cast<size_t>(image.sizeInBytes()));
    const QImage expected =
        painted(image.size(), image.rect(), [&](QPainter& p) { p.drawImage(0, 0, image); });
    EXPECT_TRUE(painted(image.size(), image.rect(), [&](QPainter& p) { runs.paint(p, image.rect()); }) ==
                expected);
    EXPECT_TRUE(RunImage(QImage()).isNull());
}

}  // namespace
