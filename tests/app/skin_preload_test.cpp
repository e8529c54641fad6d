// The background decoded on its own thread is the image the window would decode itself.
#include "app/window/skin_preload.h"

#include <gtest/gtest.h>

using namespace mousecfg;

namespace {

TEST(SkinPreload, TheBegunDecodingIsTakenOnceAndAnyOtherFileIsDecodedOnTheSpot) {
    const QString back = QStringLiteral(MOUSECFG_BIN_DIR "/skin/cfgMainback.png");
    const QString other = QStringLiteral(MOUSECFG_BIN_DIR "/skin/bat1.png");
    const QImage direct = QImage(back).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_FALSE(direct.isNull());

    skinpreload::begin(back);
    const QImage otherImage = skinpreload::take(other);  // not the begun one: decoded here
    EXPECT_EQ(otherImage, QImage(other).convertToFormat(otherImage.format()));
    EXPECT_EQ(skinpreload::take(back), direct);
    EXPECT_EQ(skinpreload::take(back), direct) << "a second take decodes the file again";
    EXPECT_TRUE(skinpreload::take(QStringLiteral(MOUSECFG_BIN_DIR "/skin/missing.png")).isNull());
}

}  // namespace
