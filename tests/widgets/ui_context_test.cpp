#include "widgets/ui_context.h"

#include <gtest/gtest.h>

#include "storage/paths.h"
#include "widget_test_support.h"

namespace mousecfg {
namespace {

TEST(UiContextTest, FontSizeIsTheLanguageSizeTimesTheScaleTruncated) {
    UiContext c;
    c.fontFamily = QStringLiteral("DejaVu Sans");
    const struct {
        int size;
        double scale;
        int pixels;
    } cases[] = {{12, 1.0, 12}, {12, 1.25, 15}, {12, 1.75, 21}, {13, 1.25, 16}, {14, 2.5, 35}, {12, 5.0, 60}};
    for (const auto& k : cases) {
        c.fontPixelSize = k.size;
        c.scale = k.scale;
        EXPECT_EQ(c.font().pixelSize(), k.pixels) << k.size << " x " << k.scale;
        EXPECT_EQ(c.font().family(), QStringLiteral("DejaVu Sans"));
    }
    EXPECT_EQ(c.scaled(478), 2390);
    c.scale = 1.25;
    EXPECT_EQ(c.scaled(309), 386);  // 386.25 truncated
    EXPECT_EQ(c.scaled(999), 1248);
    EXPECT_EQ(c.scaledRect(597, 588, 76, 30), QRect(746, 735, 95, 37));
    c.scale = 1.5;
    EXPECT_EQ(c.scaled(999), 1498);
    c.scale = 1.75;
    EXPECT_EQ(c.scaled(19), 33);
}

TEST(UiContextTest, ImagePathsResolveAgainstTheSkinFolder) {
    UiContext c;
    c.skinDir = QStringLiteral("/opt/mousecfg/skin");
    EXPECT_EQ(c.skinPath(QStringLiteral("dlg.png")), QStringLiteral("/opt/mousecfg/skin/dlg.png"));
    EXPECT_EQ(c.skinPath(QStringLiteral("mouse/FARROW/Mouse.png")),
              QStringLiteral("/opt/mousecfg/skin/mouse/FARROW/Mouse.png"));
    EXPECT_EQ(c.skinPath(QStringLiteral("/tmp/x.png")), QStringLiteral("/tmp/x.png"));
    EXPECT_EQ(c.skinPath(QStringLiteral(":/yes_Btn")), QStringLiteral(":/yes_Btn"));
    EXPECT_TRUE(c.skinPath(QString()).isEmpty());
}

TEST(UiContextTest, ReadsThemeFontAndColourModeFromTheFiles) {
    test::TempData data;
    data.writeFile(QStringLiteral("Configs/Config.ini"),
                   "[Config]\nGColorID=2\n[FONT_LIST]\nLANGNUM=2\nFONT_0=DejaVu Sans\nFONT_SIZE_0=12\n"
                   "FONT_1=Noto Sans CJK SC\nFONT_SIZE_1=15\n");
    data.writeFile(QStringLiteral("DefaultProfile.bin"), "[PROFILE]\nColorMode=1\n");
    UiContext c = UiContext::fromPaths(data.paths(), 1, 1.5);
    EXPECT_EQ(c.theme, QColor(0, 0, 255));
    EXPECT_EQ(c.colorMode, 1);
    EXPECT_EQ(c.fontFamily, QStringLiteral("Noto Sans CJK SC"));
    EXPECT_EQ(c.font().pixelSize(), 22);
    EXPECT_EQ(c.skinDir, data.paths().skinDir());
    // A language without a size falls back to 12 pixels rather than an invisible font.
    c.setLanguage(data.paths(), 5);
    EXPECT_EQ(c.fontPixelSize, 12);
    EXPECT_TRUE(c.fontFamily.isEmpty());
}

TEST(UiContextTest, InstallReplacesTheCurrentContext) {
    UiContext c;
    c.theme = QColor(1, 2, 3);
    {
        test::ScopedUiContext scoped(c);
        EXPECT_EQ(UiContext::current().theme, QColor(1, 2, 3));
    }
    EXPECT_NE(UiContext::current().theme, QColor(1, 2, 3));
}

}  // namespace
}  // namespace mousecfg
