#include <gtest/gtest.h>

#include "device/config_frames.h"
#include "device/sensor_encoding.h"
#include "storage/config_state.h"

using namespace mousecfg;
using sensor::DpiBytes;

namespace {

std::vector<uint8_t> frameData(const CommandFrame& f) {
    const int n = f[frame_byte::kLength];
    return std::vector<uint8_t>(f.begin() + kFrameDataStart, f.begin() + kFrameDataStart + n);
}

void expectHeader(const CommandFrame& f, uint8_t cmd, int offset, int length, uint8_t phase) {
    EXPECT_EQ(f[frame_byte::kReportId], 0x05);
    EXPECT_EQ(f[frame_byte::kMarker], 0xFA);
    EXPECT_EQ(f[frame_byte::kCommand], cmd);
    EXPECT_EQ(f[frame_byte::kOffsetLow] | (f[frame_byte::kOffsetHigh] << 8), offset);
    EXPECT_EQ(f[frame_byte::kLength], length);
    EXPECT_EQ(f[frame_byte::kPhase], phase);
}

}  // namespace

TEST(WritesSensorEncoding, EveryRangeOfEverySensor) {
    const struct {
        int sensor;
        uint32_t v;
        uint8_t linkMode;
        DpiBytes bytes;
    } cases[] = {
        {3104, 14, 0, {14, 0}},
        {3104, 106, 0, {106, 0}},
        {3104, 107, 0, {54, 1}},
        {31042, 158, 0, {105, 1}},
        {3212, 16, 0, {16, 0}},
        {3212, 63, 0, {63, 0}},
        {3212, 64, 0, {32, 1}},
        {3212, 94, 0, {62, 1}},
        {3212, 95, 0, {32, 2}},
        {3212, 111, 0, {48, 2}},
        {3311, 1, 0, {0, 0}},
        {3311, 120, 0, {143, 0}},
        {3311, 121, 0, {72, 1}},
        {33112, 180, 0, {143, 1}},
        {3325, 1, 0, {2, 0}},
        {3325, 50, 0, {115, 0}},
        {3325, 60, 0, {80, 1}},
        {3325, 75, 0, {115, 1}},
        {3325, 80, 0, {69, 2}},
        {33252, 90, 0, {92, 2}},
        {3327, 0, 0, {0, 0}},
        {3327, 61, 0, {140, 0}},
        {3327, 62, 0, {72, 1}},
        {3327, 92, 0, {140, 1}},
        {3327, 93, 0, {95, 4}},
        {3327, 106, 0, {124, 4}},
        {3333, 2, 0, {4, 0}},
        {3333, 79, 0, {185, 0}},
        {3333, 80, 0, {93, 1}},
        {3333, 120, 0, {187, 1}},
        {3335, 1, 0, {0, 0}},
        {3335, 160, 0, {188, 0}},
        {3335, 161, 0, {144, 1}},
        {33352, 200, 0, {188, 1}},
        {3360, 1, 0, {0, 0}},
        {3360, 120, 0, {119, 0}},
        {3360, 121, 0, {60, 1}},
        {3360, 180, 0, {119, 1}},
        {3370, 1, 0, {0, 0}},
        {3370, 200, 0, {199, 0}},
        {3370, 201, 0, {100, 1}},
        {3370, 290, 0, {189, 1}},
        {3389, 2, 0, {2, 0}},
        {3389, 320, 0, {0x40, 0x01}},
        {3389, 321, 0, {0xA1, 0x80}},
        {3389, 480, 0, {0x40, 0x81}},
        {3395, 0, 0, {0, 0}},
        {3395, 450, 0, {0xC2, 0x01}},
        {3395, 450, 8, {0x8F, 0x01}},
        {3395, 399, 8, {0x8F, 0x01}},
        {3395, 300, 8, {0x2C, 0x01}},
        {3395, 519, 7, {0x07, 0x02}},
        {33952, 519, 0, {0x07, 0x02}},
        {33952, 520, 0, {0x04, 0x81}},
        {33952, 520, 8, {0x04, 0x81}},
        {33952, 779, 0, {0x07, 0x82}},
        {3399, 300, 0, {0, 0}},
        {0, 50, 0, {0, 0}},
        {12345, 50, 0, {0, 0}},
        // Codes outside a sensor's table take the nearest end entry, never a byte past it.
        {33352, 201, 0, {188, 1}},
        {33352, 240, 0, {188, 1}},
        {3335, 0, 0, {0, 0}},
        {3311, 0, 0, {0, 0}},
        {3311, 250, 0, {143, 1}},
        {3325, 255, 0, {115, 2}},
        {3327, 200, 0, {140, 4}},
        {3333, 0, 0, {4, 0}},
        {3333, 1, 0, {4, 0}},
        {3333, 4000000000u, 0, {187, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sensor << " v=" << c.v << " link=" << int(c.linkMode));
        const DpiBytes got = sensor::encodeDpiCode(c.sensor, c.v, c.linkMode);
        EXPECT_EQ(got.low, c.bytes.low);
        EXPECT_EQ(got.range, c.bytes.range);
    }
}

TEST(WritesSensorEncoding, SniperLevelPerSensor) {
    const struct {
        int sensor;
        uint8_t h;
        uint8_t code;
    } cases[] = {
        {3104, 20, 20}, {3212, 77, 77},   {3389, 200, 200}, {3325, 30, 69},   {3325, 255, 115},
        {3327, 31, 72}, {3327, 250, 140}, {3335, 1, 0},     {3335, 121, 144}, {3335, 0, 0},
        {3360, 5, 4},   {33352, 9, 4},    {3399, 9, 4},     {31042, 9, 4},    {0, 0, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sensor::encodeSniperLevel(c.sensor, c.h), c.code) << c.sensor << " h=" << int(c.h);
}

TEST(WritesFrames, ControlFrames) {
    expectHeader(configModeFrame(true), 0x46, 0, 0, 0);
    expectHeader(configModeFrame(false), 0x46, 1, 0, 0);
    expectHeader(selectProfileFrame(3), 0x44, 3, 0, 0);
    const CommandFrame reload = reloadFrame(0x08);
    expectHeader(reload, 0x40, 0xF3 | (0x08 << 8), 0, 0);
    for (uint8_t cmd : {0x01, 0x02, 0x03, 0x04}) {
        const CommandFrame c = sectionClosingFrame(cmd);
        expectHeader(c, cmd, 0x7F, 1, 0xD3);
        EXPECT_EQ(frameData(c), std::vector<uint8_t>{0x1A});
        EXPECT_EQ(c[frame_byte::kChecksum], 0);  // stamped by the transaction
    }
}

TEST(WritesFrames, GlobalSettingsBytes) {
    ConfigState s;
    for (int i = 0; i < 5; ++i) {
        s.profiles[i].scrollspeed = static_cast<uint8_t>(10 + i);
        s.profiles[i].pollrate = static_cast<uint8_t>(20 + i);
        s.profiles[i].dpi = static_cast<uint8_t>(30 + i);
        s.profiles[i].LedMode = static_cast<uint8_t>(i);
        s.profiles[i].LedMoveOFF = static_cast<uint8_t>(40 + i);
        s.profiles[i].LedSleepTime = static_cast<uint8_t>(50 + i);
    }
    s.profiles[2].LedMode = 10;
    s.LiftHigh = 3;
    s.ProfileID = 2;
    FrameList f = globalSettingsFrames(s);
    ASSERT_EQ(f.size(), 2u);
    expectHeader(f[0], 0x01, 0, 19, 0xD1);
    // Stage, effect and the lighting's sleep settings are the active profile's.
    EXPECT_EQ(frameData(f[0]), (std::vector<uint8_t>{10, 11, 12, 13, 14, 3, 2, 42, 52, 1, 1, 20, 21, 22, 23,
                                                     24, 0x1F, 32, 8}));
    expectHeader(f[1], 0x01, 0x7F, 1, 0xD3);

    // A ProfileID no profile has: profile 0 is both sent and used.
    s.ProfileID = 7;
    f = globalSettingsFrames(s);
    EXPECT_EQ(frameData(f[0])[6], 0);
    EXPECT_EQ(frameData(f[0])[7], 40);
    EXPECT_EQ(frameData(f[0])[17], 30);
    EXPECT_EQ(frameData(f[0])[18], 1);

    const uint8_t codes[] = {1, 2, 3, 4, 5, 6, 6, 6, 6, 6, 8, 7, 9, 10, 6, 6};
    const uint8_t modes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 255};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(lightingEffectCode(modes[i]), codes[i]) << int(modes[i]);
}

TEST(WritesFrames, DpiTableStageCountAndSensorLayout) {
    MouseProfile p;
    for (int i = 0; i < 8; ++i) {
        p.dpiStages[i].used = 1;
        p.dpiStages[i].x = static_cast<uint32_t>(10 + i);
        p.dpiStages[i].y = static_cast<uint32_t>(20 + i);
    }
    p.dpiStages[0].x = 20;
    p.dpiStages[0].y = 110;
    const struct {
        int descriptorCount;
        int sent;
    } counts[] = {{0, 8}, {9, 8}, {-3, 8}, {1, 1}, {3, 3}, {8, 8}};
    for (const auto& c : counts) {
        SCOPED_TRACE(c.descriptorCount);
        const FrameList f = dpiTableFrames(p, c.descriptorCount, 3104, 0);
        ASSERT_EQ(f.size(), 10u);
        expectHeader(f[0], 0x02, 0, 1, 0xD1);
        EXPECT_EQ(frameData(f[0]), std::vector<uint8_t>{static_cast<uint8_t>(c.sent)});
        for (int i = 0; i < 8; ++i) {
            expectHeader(f[1 + i], 0x02, 1 + 5 * i, 5, 0xD2);
            // Stages past the count still carry their values, with "used" 0.
            EXPECT_EQ(frameData(f[1 + i])[0], i < c.sent ? 1 : 0) << i;
        }
        expectHeader(f[9], 0x02, 0x7F, 1, 0xD3);
        // Sensor 3104 sends Y first.
        EXPECT_EQ(frameData(f[1]), (std::vector<uint8_t>{1, 57, 1, 20, 0}));
    }
    // 3325: X = 80, Y = 60; then Y = 80 as well.
    p.dpiStages[0].x = 80;
    p.dpiStages[0].y = 60;
    EXPECT_EQ(frameData(dpiTableFrames(p, 8, 3325, 0)[1]), (std::vector<uint8_t>{1, 69, 2, 80, 1}));
    p.dpiStages[0].y = 80;
    EXPECT_EQ(frameData(dpiTableFrames(p, 8, 3325, 0)[1]), (std::vector<uint8_t>{1, 69, 2, 69, 2}));
    // 3335 takes X for both axes.
    p.dpiStages[0].x = 161;
    p.dpiStages[0].y = 2;
    EXPECT_EQ(frameData(dpiTableFrames(p, 8, 3335, 0)[1]), (std::vector<uint8_t>{1, 144, 1, 144, 1}));
    // 33952 at 520 on both axes; 3395 capped by the link mode.
    p.dpiStages[0].x = p.dpiStages[0].y = 520;
    EXPECT_EQ(frameData(dpiTableFrames(p, 8, 33952, 0)[1]),
              (std::vector<uint8_t>{1, 0x04, 0x81, 0x04, 0x81}));
    p.dpiStages[0].x = p.dpiStages[0].y = 450;
    EXPECT_EQ(frameData(dpiTableFrames(p, 8, 3395, 0)[1]), (std::vector<uint8_t>{1, 0xC2, 1, 0xC2, 1}));
    EXPECT_EQ(frameData(dpiTableFrames(p, 8, 3395, 8)[1]), (std::vector<uint8_t>{1, 0x8F, 1, 0x8F, 1}));
    // A sensor without encoding: four zero bytes per stage.
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(frameData(dpiTableFrames(p, 8, 4711, 0)[1 + i]), (std::vector<uint8_t>{1, 0, 0, 0, 0}));
}

TEST(WritesFrames, LightingTableEntries) {
    MouseProfile p;
    for (int m = 0; m < 14; ++m) {
        p.ledModes[m].RGB = QColor(10 + m, 20 + m, 30 + m);
        p.ledModes[m].bright = static_cast<uint32_t>(0x100 + 100 + m);  // only the low byte goes out
        p.ledModes[m].breath = static_cast<uint32_t>(50 + m);
    }
    const uint8_t expected[10][8] = {
        {0x80, 0, 0, 0, 0, 0, 0, 0},
        {0x80, 11, 21, 31, 0x01, 0, 0x02, 101},
        {0x80, 12, 22, 32, 0x01, 52, 0x04, 0x03},
        {0x80, 0, 0, 0, 0x01, 53, 0x01, 0x03},
        {0x80, 0, 0, 0, 0x01, 54, 0x08, 104},
        {0x80, 0, 0, 0, 0x05, 59, 0x01, 109},
        {0x80, 0, 0, 0, 0x07, 0, 0, 111},
        {0x80, 0, 0, 0, 0x06, 60, 0, 110},
        {0x80, 0, 0, 0, 0x08, 62, 0, 112},
        {0x80, 0, 0, 0, 0x09, 63, 0, 113},
    };
    const auto table = buildLedTable(p);
    for (int k = 0; k < 10; ++k)
        for (int b = 0; b < 8; ++b)
            EXPECT_EQ(table[8 * k + b], expected[k][b]) << "entry " << k << " byte " << b;

    const FrameList f = ledTableFrames(p);
    ASSERT_EQ(f.size(), 5u);
    const int offsets[] = {0, 24, 48, 72};
    const int lengths[] = {24, 24, 24, 8};
    for (int i = 0; i < 4; ++i) {
        expectHeader(f[i], 0x04, offsets[i], lengths[i], i == 0 ? 0xD1 : 0xD2);
        EXPECT_EQ(frameData(f[i]),
                  std::vector<uint8_t>(table.begin() + offsets[i], table.begin() + offsets[i] + lengths[i]));
    }
    expectHeader(f[4], 0x04, 0x7F, 1, 0xD3);
}
