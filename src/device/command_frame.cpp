#include "device/command_frame.h"

#include <algorithm>

namespace mousecfg {

EchoClass echoClassOf(uint8_t command) {
    if (command <= 0x0A) return EchoClass::Data;
    if (command == command::kReload || command == command::kConfigMode) return EchoClass::HeaderOnly;
    return EchoClass::None;
}

uint8_t frameChecksum(const CommandFrame& frame) {
    unsigned sum = 0;
    for (int i = frame_byte::kMarker; i <= frame_byte::kPhase; ++i) sum += frame[static_cast<size_t>(i)];
    return static_cast<uint8_t>((sum & 0xFF) ^ 0x66);
}

CommandFrame makeFrame(uint8_t command, uint8_t offsetLow, uint8_t offsetHigh, uint8_t length, uint8_t phase,
                       const uint8_t* data, size_t count) {
    CommandFrame f{};
    f[frame_byte::kReportId] = kReportId;
    f[frame_byte::kMarker] = kFrameMarker;
    f[frame_byte::kCommand] = command;
    f[frame_byte::kOffsetLow] = offsetLow;
    f[frame_byte::kOffsetHigh] = offsetHigh;
    f[frame_byte::kLength] = length;
    f[frame_byte::kPhase] = phase;
    if (data) {
        const size_t n = std::min(count, static_cast<size_t>(kFrameMaxData));
        std::copy(data, data + n, f.begin() + kFrameDataStart);
    }
    return f;
}

CommandFrame statusRequestFrame() {
    CommandFrame f = makeFrame(command::kStatusRequest, 0, 0, 0, phase::kSingle);
    f[frame_byte::kChecksum] = frameChecksum(f);
    return f;
}

}  // namespace mousecfg
