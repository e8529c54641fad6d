#include "device/config_frames.h"

#include "device/sensor_encoding.h"
#include "storage/config_state.h"

namespace mousecfg {

namespace {

constexpr uint8_t kClosingOffset = 0x7F;
constexpr uint8_t kClosingByte = 0x1A;

uint8_t low8(uint32_t v) {
    return static_cast<uint8_t>(v & 0xFF);
}

}  // namespace

CommandFrame sectionClosingFrame(uint8_t command) {
    const uint8_t data = kClosingByte;
    return makeFrame(command, kClosingOffset, 0, 1, phase::kClosing, &data, 1);
}

CommandFrame configModeFrame(bool enter) {
    return makeFrame(command::kConfigMode, enter ? 0 : 1, 0, 0, phase::kSingle);
}

CommandFrame reloadFrame(uint8_t mask) {
    return makeFrame(command::kReload, kReloadSelector, mask, 0, phase::kSingle);
}

CommandFrame selectProfileFrame(uint8_t index) {
    return makeFrame(command::kSelectProfile, index, 0, 0, phase::kSingle);
}

uint8_t lightingEffectCode(uint8_t ledMode) {
    static constexpr uint8_t kCodes[14] = {1, 2, 3, 4, 5, 6, 6, 6, 6, 6, 8, 7, 9, 10};
    return ledMode < 14 ? kCodes[ledMode] : 6;
}

FrameList globalSettingsFrames(const ConfigState& state) {
    const int active = currentProfileIndex(state);
    const MouseProfile& current = state.profiles[static_cast<size_t>(active)];
    uint8_t d[19] = {};
    for (int i = 0; i < kProfileCount; ++i) {
        d[i] = state.profiles[static_cast<size_t>(i)].scrollspeed;
        d[11 + i] = state.profiles[static_cast<size_t>(i)].pollrate;
    }
    d[5] = state.LiftHigh;
    d[6] = static_cast<uint8_t>(active);
    // The lighting's sleep settings are the active profile's, like its stage and effect.
    d[7] = current.LedMoveOFF;
    d[8] = current.LedSleepTime;
    d[9] = 0x01;
    d[10] = 0x01;
    d[16] = 0x1F;
    d[17] = current.dpi;
    d[18] = lightingEffectCode(current.LedMode);
    return {makeFrame(command::kGlobalSettings, 0, 0, sizeof d, phase::kFirst, d, sizeof d),
            sectionClosingFrame(command::kGlobalSettings)};
}

int effectiveDpiStageCount(int descriptorCount) {
    return (descriptorCount < 1 || descriptorCount > kDpiStageSlots) ? kDpiStageSlots : descriptorCount;
}

FrameList dpiTableFrames(const MouseProfile& profile, int descriptorStageCount, int sensorCode,
                         uint8_t linkMode) {
    const int n = effectiveDpiStageCount(descriptorStageCount);
    FrameList frames;
    const uint8_t count = static_cast<uint8_t>(n);
    frames.push_back(makeFrame(command::kDpiTable, 0, 0, 1, phase::kFirst, &count, 1));
    for (int i = 0; i < kDpiStageSlots; ++i) {
        const DpiStage& s = profile.dpiStages[static_cast<size_t>(i)];
        const sensor::DpiBytes x = sensor::encodeDpiCode(sensorCode, s.x, linkMode);
        const sensor::DpiBytes y =
            sensor::usesXForBothAxes(sensorCode) ? x : sensor::encodeDpiCode(sensorCode, s.y, linkMode);
        const sensor::DpiBytes& first = sensor::sendsYFirst(sensorCode) ? y : x;
        const sensor::DpiBytes& second = sensor::sendsYFirst(sensorCode) ? x : y;
        const uint8_t d[5] = {i < n ? s.used : uint8_t{0}, first.low, first.range, second.low, second.range};
        frames.push_back(makeFrame(command::kDpiTable, static_cast<uint8_t>(1 + 5 * i), 0, 5, phase::kMiddle,
                                   d, sizeof d));
    }
    frames.push_back(sectionClosingFrame(command::kDpiTable));
    return frames;
}

std::array<uint8_t, kLedTableBytes> buildLedTable(const MouseProfile& profile) {
    // Entry k serves effect code k + 1: the LedMode it is built from and its fixed bytes.
    struct Row {
        uint8_t mode;
        bool colour;
        uint8_t e4;
        bool breath;
        uint8_t e6;
        int e7;  // -1: the mode's brightness
    };
    static constexpr Row kRows[10] = {
        {0, false, 0x00, false, 0x00, 0},   {1, true, 0x01, false, 0x02, -1},
        {2, true, 0x01, true, 0x04, 3},     {3, false, 0x01, true, 0x01, 3},
        {4, false, 0x01, true, 0x08, -1},   {9, false, 0x05, true, 0x01, -1},
        {11, false, 0x07, false, 0x00, -1}, {10, false, 0x06, true, 0x00, -1},
        {12, false, 0x08, true, 0x00, -1},  {13, false, 0x09, true, 0x00, -1},
    };
    std::array<uint8_t, kLedTableBytes> t{};
    for (int k = 0; k < 10; ++k) {
        const Row& r = kRows[k];
        const LedModeSetting& m = profile.ledModes[r.mode];
        uint8_t* e = t.data() + 8 * k;
        e[0] = 0x80;
        if (k == 0) continue;  // "off": no colour, no parameters
        if (r.colour) {
            e[1] = static_cast<uint8_t>(m.RGB.red());
            e[2] = static_cast<uint8_t>(m.RGB.green());
            e[3] = static_cast<uint8_t>(m.RGB.blue());
        }
        e[4] = r.e4;
        e[5] = r.breath ? low8(m.breath) : 0;
        e[6] = r.e6;
        e[7] = r.e7 < 0 ? low8(m.bright) : static_cast<uint8_t>(r.e7);
    }
    return t;
}

FrameList ledTableFrames(const MouseProfile& profile) {
    const auto t = buildLedTable(profile);
    return {makeFrame(command::kLightingTable, 0, 0, 24, phase::kFirst, t.data(), 24),
            makeFrame(command::kLightingTable, 24, 0, 24, phase::kMiddle, t.data() + 24, 24),
            makeFrame(command::kLightingTable, 48, 0, 24, phase::kMiddle, t.data() + 48, 24),
            makeFrame(command::kLightingTable, 72, 0, 8, phase::kMiddle, t.data() + 72, 8),
            sectionClosingFrame(command::kLightingTable)};
}

}  // namespace mousecfg
