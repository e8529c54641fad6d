// The DPI codes each sensor offers, checked against the register encoding and the DPI scale.
#include "device/dpi_ranges.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>
#include <vector>

#include "device/dpi_scale.h"
#include "device/sensor_encoding.h"

namespace mousecfg {
namespace {

TEST(DpiRanges, EveryOfferedCodeIsOneTheMouseCanBeSetTo) {
    // Codes that the register table itself gives one value: its last two entries are both 188.
    const std::map<int, std::set<std::vector<int>>> tableRepeats = {
        {3335, {{159, 160}}},
        {33352, {{159, 160}, {199, 200}}},
    };
    std::set<int> withRange, withoutEncoding;
    for (int sensor = 0; sensor < 100000; ++sensor) {
        for (const char* product : {"FARROW", "OTHER"}) {
            for (bool extended : {false, true}) {
                const std::optional<DpiRange> range =
                    dpiRangeForSensor(sensor, QString::fromLatin1(product), extended);
                if (!range) continue;
                SCOPED_TRACE(testing::Message() << sensor << " " << product << " extended " << extended);
                withRange.insert(sensor);
                ASSERT_LE(range->minCode, range->maxCode);
                EXPECT_EQ(range->lowestDpi, dpiscale::dpiOfLevel(range->minCode, sensor));
                EXPECT_EQ(range->highestDpi, dpiscale::dpiOfLevel(range->maxCode, sensor));

                // Register bytes -> the codes that encode to them. A code past the end of a
                // table would be cut to the last entry and share it with the range's last code.
                std::map<std::pair<int, int>, std::vector<int>> codesOf;
                for (int v = range->minCode; v <= range->maxCode; ++v) {
                    const sensor::DpiBytes b = sensor::encodeDpiCode(sensor, static_cast<uint32_t>(v), 0);
                    codesOf[{b.low, b.range}].push_back(v);
                }
                if (codesOf.size() == 1 && codesOf.begin()->first == std::make_pair(0, 0)) {
                    withoutEncoding.insert(sensor);
                    continue;
                }
                const auto repeats = tableRepeats.find(sensor);
                for (const auto& [bytes, codes] : codesOf) {
                    if (codes.size() == 1) continue;
                    EXPECT_TRUE(repeats != tableRepeats.end() && repeats->second.count(codes))
                        << "codes from " << codes.front() << " to " << codes.back() << " all send "
                        << bytes.first << "/" << bytes.second;
                }
            }
        }
    }
    EXPECT_EQ(withRange, (std::set<int>{3104, 31042, 3212, 3311, 33112, 3325, 33252, 3327, 3333, 3335, 33352,
                                        3360, 3370, 3389, 3395, 3399, 33952}));
    // The one sensor the mouse is sent no DPI for at all.
    EXPECT_EQ(withoutEncoding, std::set<int>{3399});
    EXPECT_FALSE(sensorOffersLink(3395));
    EXPECT_FALSE(sensorOffersLink(33952));
    EXPECT_TRUE(sensorOffersLink(3399));
}

// A DPI typed on the command line goes to the nearest code of the range (the lower DPI on a
// tie); every DPI a code stands for comes back as itself; outside the range there is nothing.
TEST(DpiRanges, NearestStepOfADpi) {
    const struct {
        int sensor;
        int dpi;
        int code;  // -1: refused
        int result;
    } cases[] = {
        {3327, 1650, 15, 1600},   {3327, 1651, 16, 1700}, {3327, 200, 1, 200},    {3327, 199, -1, 0},
        {3327, 12400, 92, 12400}, {3327, 12401, -1, 0},   {3327, 6300, 61, 6200}, {3327, 6301, 62, 6400},
        {3104, 550, 14, 500},     {3212, 800, 21, 800},   {3395, 75, 0, 50},      {3389, 16050, 320, 16000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sensor << " " << c.dpi);
        const std::optional<DpiRange> range = dpiRangeForSensor(c.sensor, QStringLiteral("FARROW"), false);
        ASSERT_TRUE(range);
        const std::optional<DpiStep> step = nearestDpiStep(*range, c.sensor, c.dpi);
        ASSERT_EQ(step.has_value(), c.code >= 0);
        if (!step) continue;
        EXPECT_EQ(step->code, c.code);
        EXPECT_EQ(step->dpi, c.result);
    }
    for (int sensor : {3104, 31042, 3212, 3311, 33112, 3325, 33252, 3327, 3333, 3335, 33352, 3360, 3370, 3389,
                       3395, 3399, 33952}) {
        const DpiRange range = *dpiRangeForSensor(sensor, QString(), true);
        for (int code = range.minCode; code <= range.maxCode; ++code) {
            const int dpi = dpiscale::dpiOfLevel(code, sensor);
            ASSERT_EQ(nearestDpiStep(range, sensor, dpi)->dpi, dpi) << sensor << " code " << code;
        }
    }
}

}  // namespace
}  // namespace mousecfg
