// The images decoded on the preload thread are the images the window would decode itself.
#include "app/window/skin_preload.h"

#include <gtest/gtest.h>

#include <QBitmap>
#include <QImageReader>
#include <QPixmap>

using namespace mousecfg;

namespace {

TEST(SkinPreload, BegunFilesAreTakenOnceAndAnyOtherFileIsDecodedOnTheSpot) {
    const QString back = QStringLiteral(MOUSECFG_BIN_DIR "/skin/cfgMainback.png");
    const QString icon = QStringLiteral(MOUSECFG_BIN_DIR "/skin/icon.ico");
    const QString other = QStringLiteral(MOUSECFG_BIN_DIR "/skin/bat1.png");
    const QString missing = QStringLiteral(MOUSECFG_BIN_DIR "/skin/missing.png");
    const QImage direct = QImage(back).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_FALSE(direct.isNull());
    QList<QImage> iconImages;
    QImageReader reader(icon);
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i) iconImages.append(reader.read());
    ASSERT_GT(iconImages.size(), 1) << "the icon holds several sizes";

    skinpreload::begin({back, missing, icon}, back);
    EXPECT_TRUE(skinpreload::takeAlphaMask(icon).isNull()) << "only the file asked for has a mask";
    EXPECT_EQ(skinpreload::takeAlphaMask(back), skinpreload::alphaMask(direct));
    EXPECT_TRUE(skinpreload::takeAlphaMask(back).isNull()) << "taken once";
    const QImage otherImage = skinpreload::take(other);  // not a begun one: decoded here
    EXPECT_EQ(otherImage, QImage(other).convertToFormat(otherImage.format()));
    EXPECT_EQ(skinpreload::takeAll(icon), iconImages);
    EXPECT_TRUE(skinpreload::take(missing).isNull());
    EXPECT_EQ(skinpreload::take(back), direct);
    EXPECT_EQ(skinpreload::take(back), direct) << "a second take decodes the file again";
    EXPECT_EQ(skinpreload::takeAll(icon), iconImages);
    skinpreload::end();
}

TEST(SkinPreload, TheAlphaMaskIsTheOneAPixmapMakes) {
    // Fully transparent, nearly transparent, half and opaque pixels, and the real background.
    QImage edges(11, 3, QImage::Format_ARGB32);
    const int alphas[] = {0, 1, 127, 255};
    for (int y = 0; y < edges.height(); ++y)
        for (int x = 0; x < edges.width(); ++x) edges.setPixel(x, y, qRgba(200, 10, 10, alphas[(x + y) % 4]));
    const QImage back(QStringLiteral(MOUSECFG_BIN_DIR "/skin/cfgMainback.png"));
    for (const QImage& image : {edges, edges.convertToFormat(QImage::Format_ARGB32_Premultiplied), back}) {
        const QImage fromPixmap = QPixmap::fromImage(image).mask().toImage();
        EXPECT_EQ(skinpreload::alphaMask(image).convertToFormat(fromPixmap.format()), fromPixmap);
    }
    EXPECT_TRUE(skinpreload::alphaMask(QImage(4, 4, QImage::Format_RGB32)).isNull());
}

}  // namespace
