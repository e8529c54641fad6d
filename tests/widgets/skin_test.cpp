#include <gtest/gtest.h>

#include <QBitmap>
#include <QFile>
#include <QImageReader>
#include <QMovie>
#include <QPixmap>

#include "widget_test_support.h"
#include "widgets/dialog_frame.h"

namespace mousecfg {
namespace {

// Every image the program names, at the size it is drawn.
TEST(SkinTest, EveryNamedImageIsBuiltAtItsSize) {
    const struct {
        const char* file;
        int w, h;
    } images[] = {
        {"cfgMainback.png", 999, 640},
        {"bat1.png", 86, 47},
        {"bat2.png", 86, 47},
        {"lightning.png", 26, 40},
        {"dongle.png", 48, 48},
        {"dongle2.png", 45, 45},
        {"warn.png", 45, 45},
        {"dlg.png", 478, 309},
        {"dlg_gun.png", 619, 400},
        {"process.png", 128, 128},
        {"gunset_bullet.png", 9, 39},
        {"tabbutton-1.png", 154, 29},
        {"tabbutton-2.png", 154, 29},
        {"tabbutton-3.png", 154, 29},
        {"close-1.png", 19, 19},
        {"close-2.png", 19, 19},
        {"close-3.png", 19, 19},
        {"min-1.png", 19, 19},
        {"min-2.png", 19, 19},
        {"min-3.png", 19, 19},
        {"lang.png", 105, 20},
        {"profilesel.png", 150, 26},
        {"profile_import1.png", 22, 22},
        {"profile_import2.png", 22, 22},
        {"profile_export1.png", 22, 22},
        {"profile_reset1.png", 22, 22},
        {"profile_reset2.png", 22, 22},
        {"profile_add1.png", 22, 22},
        {"profile_add2.png", 22, 22},
        {"profile_del1.png", 22, 22},
        {"profile_del2.png", 22, 22},
        {"profile_copy1.png", 22, 22},
        {"profile_copy2.png", 22, 22},
        {"profile_apply1.png", 22, 22},
        {"btn_up1.png", 24, 24},
        {"btn_up2.png", 24, 24},
        {"btn_up3.png", 24, 24},
        {"btn_up4.png", 24, 24},
        {"btn_down1.png", 24, 24},
        {"btn_down2.png", 24, 24},
        {"btn_down3.png", 24, 24},
        {"btn_down4.png", 24, 24},
        {"keybo.png", 20, 20},
        {"keydown.png", 20, 20},
        {"keyup.png", 20, 20},
        {"mouse_move.png", 20, 20},
        {"delay.png", 20, 20},
        {"checkbox2-1.png", 20, 20},
        {"checkbox2-2.png", 20, 20},
        {"DPI-OFF.png", 20, 20},
        {"DPI-ON.png", 20, 20},
        {"rate.png", 60, 60},
        {"mouse/FARROW/Mouse.png", 300, 400},
        {"mouse/FARROW_Side.png", 300, 300},
    };
    for (const auto& i : images) {
        SCOPED_TRACE(i.file);
        const QPixmap pm(test::builtSkinDir() + QLatin1Char('/') + QLatin1String(i.file));
        ASSERT_FALSE(pm.isNull());
        EXPECT_EQ(pm.size(), QSize(i.w, i.h));
    }
    for (int n = 1; n <= 10; ++n) {
        const QPixmap pm(test::builtSkinDir() + QStringLiteral("/mouse/FARROW/mouse_%1.png").arg(n));
        EXPECT_EQ(pm.size(), QSize(300, 400)) << n;
    }
}

TEST(SkinTest, HighlightedButtonPicturesDifferFromTheIdlePicture) {
    const QImage idle(test::builtSkinDir() + QStringLiteral("/mouse/FARROW/Mouse.png"));
    QList<QImage> seen{idle};
    for (int n = 1; n <= 10; ++n) {
        const QImage lit(test::builtSkinDir() + QStringLiteral("/mouse/FARROW/mouse_%1.png").arg(n));
        EXPECT_FALSE(seen.contains(lit)) << n;  // each button lights a different place
        seen << lit;
    }
}

TEST(SkinTest, WindowBackgroundHasTransparentCornersForTheMask) {
    const QImage back(test::builtSkinDir() + QStringLiteral("/cfgMainback.png"));
    ASSERT_TRUE(back.hasAlphaChannel());
    for (QPoint corner : {QPoint(0, 0), QPoint(998, 0), QPoint(0, 639), QPoint(998, 639)})
        EXPECT_EQ(qAlpha(back.pixel(corner)), 0) << corner.x() << "," << corner.y();
    EXPECT_EQ(qAlpha(back.pixel(500, 320)), 255);
    const QBitmap mask = QPixmap::fromImage(back).mask();
    EXPECT_FALSE(mask.isNull());
}

TEST(SkinTest, IconAndEmbeddedResourcesLoad) {
    QImageReader ico(test::builtSkinDir() + QStringLiteral("/icon.ico"));
    EXPECT_GE(ico.imageCount(), 4);
    EXPECT_FALSE(ico.read().isNull()) << ico.errorString().toStdString();

    dialogframe::ensureResources();
    EXPECT_EQ(QPixmap(QStringLiteral(":/yes_Btn")).size(), QSize(30, 30));
    EXPECT_EQ(QPixmap(QStringLiteral(":/no_Btn")).size(), QSize(30, 30));
    QMovie loading(QStringLiteral(":/skin/loading.gif"));
    ASSERT_TRUE(loading.isValid());
    EXPECT_GT(loading.frameCount(), 1);
    EXPECT_TRUE(loading.jumpToFrame(0));
    EXPECT_EQ(loading.currentImage().size(), QSize(128, 128));
}

}  // namespace
}  // namespace mousecfg
