#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "device/command_frame.h"

namespace mousecfg {

struct ConfigState;
struct MouseProfile;

using FrameList = std::vector<CommandFrame>;

// Frames of the configuration sections, built from a profile set. Checksums are left 0: the
// transaction stamps them.

// Offset 0x7F, length 1, phase 0xD3, data 0x1A: ends a write of sections 0x01..0x04.
CommandFrame sectionClosingFrame(uint8_t command);
// 0x46 with byte 5 = 0 (enter) or 1 (leave).
CommandFrame configModeFrame(bool enter);
// The section reload masks in the order the mouse expects them.
constexpr std::array<uint8_t, 5> kReloadMasks = {0x04, 0x01, 0x02, 0x08, 0x10};
constexpr uint8_t kReloadSelector = 0xF3;
CommandFrame reloadFrame(uint8_t mask);
// 0x44 with the profile index; the caller follows it with a reload of mask 0x01.
CommandFrame selectProfileFrame(uint8_t index);

// Effect code of a LedMode value (0..13; anything above gives 6).
uint8_t lightingEffectCode(uint8_t ledMode);

// Section 0x01: the settings frame and its closing frame. The active profile is
// currentProfileIndex(state), and the same index is sent as the profile, so a ProfileID outside
// 0..4 never selects a profile the mouse does not have; its stage, effect and lighting sleep
// settings go with it.
FrameList globalSettingsFrames(const ConfigState& state);

// The DPI stage count the mouse is told: the product's count, or 8 when it is outside 1..8.
int effectiveDpiStageCount(int descriptorCount);

// Section 0x02 from the stages of `profile`: the count frame, one frame per stage (all eight),
// the closing frame.
FrameList dpiTableFrames(const MouseProfile& profile, int descriptorStageCount, int sensorCode,
                         uint8_t linkMode);

// Section 0x04: ten 8-byte effect entries from the profile's lighting settings, then its frames.
constexpr int kLedTableBytes = 80;
std::array<uint8_t, kLedTableBytes> buildLedTable(const MouseProfile& profile);
FrameList ledTableFrames(const MouseProfile& profile);

}  // namespace mousecfg
