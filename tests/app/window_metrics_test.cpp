#include "app/window_metrics.h"

#include <gtest/gtest.h>

using namespace mousecfg::metrics;

TEST(WindowMetrics, ScaleLevelFromLogicalDpi) {
    struct Case {
        double dpi;
        int level;
        double factor;
    };
    const Case cases[] = {
        {72, 0, 1.0},      {96, 0, 1.0},     {105, 0, 1.0},  {105.6, 1, 1.25}, {120, 1, 1.25},
        {134, 1, 1.25},    {134.4, 2, 1.5},  {144, 2, 1.5},  {192, 4, 2.0},    {201.6, 5, 2.25},
        {460.7, 15, 4.75}, {460.8, 16, 5.0}, {960, 16, 5.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        EXPECT_EQ(scaleLevelForDpi(c.dpi), c.level);
        EXPECT_DOUBLE_EQ(scaleFactorForLevel(scaleLevelForDpi(c.dpi)), c.factor);
    }
    EXPECT_DOUBLE_EQ(scaleFactorForLevel(-3), 1.0);
    EXPECT_DOUBLE_EQ(scaleFactorForLevel(40), 5.0);
    // Design lengths are truncated, not rounded.
    EXPECT_EQ(scaled(999, 1.25), 1248);
    EXPECT_EQ(scaled(999, 1.5), 1498);
    EXPECT_EQ(scaled(19, 1.75), 33);
}

TEST(WindowMetrics, DragMovesOnlyBeyondFourPixelsOfTravel) {
    struct Case {
        int dx, dy;
        bool moves;
    };
    const Case cases[] = {{0, 0, false}, {3, 1, false}, {3, 2, true},  {-3, -1, false}, {-3, 2, true},
                          {4, 0, false}, {5, 0, true},  {0, -5, true}, {-2, -2, false}};
    const QPoint press(500, 300);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
        EXPECT_EQ(dragMoves(press, press + QPoint(c.dx, c.dy)), c.moves);
    }
}

TEST(WindowMetrics, BatteryVoltageAndLevels) {
    EXPECT_EQ(batteryMillivolts(0xE8, 0x03), 4125);
    EXPECT_EQ(batteryMillivolts(1, 1), 1060);
    EXPECT_EQ(batteryMillivolts(0xFF, 0xFF), 65535 * 990 / 240);
    struct Case {
        int mv;
        int level;
    };
    // Full threshold 4200: each step at its lower edge and just below it; no step at 3600.
    const Case cases[] = {{4200, 100}, {4199, 90}, {4100, 90}, {4099, 80}, {4000, 80}, {3999, 70}, {3900, 70},
                          {3899, 60},  {3800, 60}, {3799, 50}, {3700, 50}, {3699, 40}, {3600, 40}, {3500, 40},
                          {3499, 30},  {3400, 30}, {3399, 20}, {3200, 20}, {3199, 10}, {0, 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mv);
        EXPECT_EQ(batteryLevel(c.mv, 4200), c.level);
    }
    EXPECT_EQ(batteryLevel(4125, 4126), 90);
    EXPECT_EQ(batteryLevel(4125, 4125), 100);
    EXPECT_EQ(batteryLevel(1060, 4200), 10) << "the start-up values (1, 1)";
}

TEST(WindowMetrics, RateTexts) {
    EXPECT_EQ(rateText(8), QStringLiteral("125 HZ"));
    EXPECT_EQ(rateText(4), QStringLiteral("250 HZ"));
    EXPECT_EQ(rateText(2), QStringLiteral("500 HZ"));
    EXPECT_EQ(rateText(1), QStringLiteral("1000 HZ"));
    for (int code : {0, 3, 5, 16, 255}) EXPECT_EQ(rateText(code), QString()) << code;
}
