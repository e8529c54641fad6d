#include "app/window/window_metrics.h"

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
