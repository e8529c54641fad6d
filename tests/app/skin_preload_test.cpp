// The images decoded on the preload thread are the images the window would decode itself.
#include "app/window/skin_preload.h"

#include <gtest/gtest.h>

#include <QImageReader>

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

    skinpreload::begin({back, missing, icon});
    const QImage otherImage = skinpreload::take(other);  // not a begun one: decoded here
    EXPECT_EQ(otherImage, QImage(other).convertToFormat(otherImage.format()));
    EXPECT_EQ(skinpreload::takeAll(icon), iconImages);
    EXPECT_TRUE(skinpreload::take(missing).isNull());
    EXPECT_EQ(skinpreload::take(back), direct);
    EXPECT_EQ(skinpreload::take(back), direct) << "a second take decodes the file again";
    EXPECT_EQ(skinpreload::takeAll(icon), iconImages);
    skinpreload::end();
}

}  // namespace
