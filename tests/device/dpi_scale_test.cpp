#include "device/dpi_scale.h"

#include <gtest/gtest.h>

#include <climits>

using mousecfg::dpiscale::dpiMatch;
using mousecfg::dpiscale::dpiOfLevel;

namespace {

struct DpiCase {
    int sensor;
    long long level;
    int dpi;
};

}  // namespace

TEST(DpiScale, LevelToDpiAtEveryRangeBoundaryOfEverySensor) {
    const DpiCase cases[] = {
        {3325, 1, 100},
        {3325, 50, 5000},
        {3325, 51, 5200},
        {3325, 75, 10000},
        {3325, 76, 10400},
        {33252, 90, 16000},
        {33252, 51, 5200},
        {3327, 0, 100},
        {3327, 61, 6200},
        {3327, 62, 6400},
        {3327, 92, 12400},
        {3327, 93, 12600},
        {3327, 105, 16200},
        {3327, 106, 16400},
        {3311, 1, 100},
        {3311, 120, 12000},
        {3311, 121, 12200},
        {33112, 180, 24000},
        {3360, 120, 12000},
        {3360, 121, 12200},
        {3333, 80, 8000},
        {3333, 81, 8200},
        {3333, 120, 16000},
        {3335, 160, 16000},
        {3335, 161, 16200},
        {33352, 240, 32000},
        {3370, 200, 10000},
        {3370, 201, 10100},
        {3370, 290, 19000},
        {3389, 2, 100},
        {3389, 320, 16000},
        {3389, 321, 16100},
        {3389, 480, 32000},
        {3399, 0, 50},
        {3399, 399, 20000},
        {3399, 400, 20100},
        {3399, 599, 40000},
        {3395, 0, 50},
        {3395, 519, 26000},
        {3395, 520, 26100},
        {33952, 779, 52000},
        {3104, 13, 520},
        {3104, 14, 500},
        {3104, 15, 600},
        {3104, 106, 4240},
        {3104, 107, 4320},
        {31042, 158, 8400},
        {31042, 14, 500},
        // 3212: three formulas and the rounded values.
        {3212, 16, 600},
        {3212, 21, 800},
        {3212, 32, 1200},
        {3212, 43, 1600},
        {3212, 63, 2400},
        {3212, 64, 2430},
        {3212, 94, 4710},
        {3212, 95, 4860},
        {3212, 111, 7200},
        {3212, 110, 7140},
        // Sensors without a scale.
        {0, 50, 0},
        {1234, 100, 0},
        {33251, 10, 0},
    };
    for (const DpiCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "sensor " << c.sensor << " level " << c.level);
        EXPECT_EQ(dpiOfLevel(c.level, c.sensor), c.dpi);
    }
}

TEST(DpiScale, DamagedLevelsSaturateInsteadOfOverflowing) {
    // A u32 field of a hand-edited profile can hold anything.
    EXPECT_EQ(dpiOfLevel(4294967295LL, 3389), INT_MAX);
    EXPECT_EQ(dpiOfLevel(LLONG_MAX, 3395), INT_MAX);
    EXPECT_EQ(dpiOfLevel(LLONG_MIN, 3370), INT_MIN);
    EXPECT_EQ(dpiOfLevel(LLONG_MAX, 4242), 0);
    EXPECT_EQ(dpiOfLevel(-1, 3311), -100);
}

TEST(DpiScale, MatchAcceptsNineEitherSide) {
    EXPECT_TRUE(dpiMatch(1600, 1600));
    EXPECT_TRUE(dpiMatch(1609, 1600));
    EXPECT_TRUE(dpiMatch(1591, 1600));
    EXPECT_FALSE(dpiMatch(1610, 1600));
    EXPECT_FALSE(dpiMatch(1590, 1600));
    EXPECT_FALSE(dpiMatch(INT_MIN, INT_MAX));
    EXPECT_FALSE(dpiMatch(INT_MAX, INT_MIN));
}
