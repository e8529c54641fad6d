#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace mousecfg {

// A command frame is a 64-byte buffer of which bytes 1 to 33 go on the wire as one output report;
// byte 0 is never sent, so byte positions match the device's documentation of the report.
//   1 report ID 0x05, 2 checksum, 3 marker 0xFA, 4 command, 5 offset (low), 6 offset high or
//   sub-code, 7 data length, 8 phase, 9.. data.
using CommandFrame = std::array<uint8_t, 64>;

inline constexpr int kFrameLength = 33;  // bytes on the wire, report ID included
inline constexpr uint8_t kReportId = 0x05;
inline constexpr uint8_t kFrameMarker = 0xFA;
inline constexpr int kFrameDataStart = 9;
inline constexpr int kFrameMaxData = kFrameLength - kFrameDataStart + 1;  // 25 bytes: 9..33

namespace frame_byte {
inline constexpr int kReportId = 1;
inline constexpr int kChecksum = 2;
inline constexpr int kMarker = 3;
inline constexpr int kCommand = 4;
inline constexpr int kOffsetLow = 5;
inline constexpr int kOffsetHigh = 6;
inline constexpr int kLength = 7;
inline constexpr int kPhase = 8;
}  // namespace frame_byte

namespace phase {
inline constexpr uint8_t kFirst = 0xD1;
inline constexpr uint8_t kMiddle = 0xD2;
inline constexpr uint8_t kClosing = 0xD3;
inline constexpr uint8_t kSingle = 0x00;
}  // namespace phase

namespace command {
inline constexpr uint8_t kGlobalSettings = 0x01;
inline constexpr uint8_t kDpiTable = 0x02;
inline constexpr uint8_t kButtonTable = 0x03;
inline constexpr uint8_t kLightingTable = 0x04;
inline constexpr uint8_t kMacroMemory = 0x05;
inline constexpr uint8_t kReload = 0x40;
inline constexpr uint8_t kSelectProfile = 0x44;
inline constexpr uint8_t kConfigMode = 0x46;
inline constexpr uint8_t kStatusRequest = 0x48;
// Input reports of the command collection.
inline constexpr uint8_t kBatteryReport = 0x48;
inline constexpr uint8_t kStatusReport = 0x49;
}  // namespace command

// How the mouse answers a command, decided by the command byte alone.
enum class EchoClass { Data, HeaderOnly, None };
EchoClass echoClassOf(uint8_t command);

// 8-bit sum of bytes 3..8, xor 0x66.
uint8_t frameChecksum(const CommandFrame& frame);

// A zero-filled frame with report ID, marker and header set. `data` may be null when count is 0;
// at most kFrameMaxData bytes are copied.
CommandFrame makeFrame(uint8_t command, uint8_t offsetLow, uint8_t offsetHigh, uint8_t length, uint8_t phase,
                       const uint8_t* data = nullptr, size_t count = 0);

// The status request (command 0x48, checksum filled in).
CommandFrame statusRequestFrame();

}  // namespace mousecfg
