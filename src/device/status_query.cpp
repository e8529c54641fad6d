#include "device/status_query.h"

#include <array>

#include "device/device_log.h"
#include "device/pacer.h"

namespace mousecfg {

namespace {
constexpr int kPauseAfterRequest = 10;
constexpr int kReadTimeout = 50;
}  // namespace

StatusSnapshot queryStatus(DeviceLink& link, int maxReads) {
    StatusSnapshot s;
    DeviceLink::CommandAccess access = link.lockCommand();
    HidHandle* handle = access.handle();
    if (!handle) return s;
    const CommandFrame request = statusRequestFrame();
    if (handle->write(request.data() + 1, kFrameLength) < 0) {
        qCDebug(lcDevice, "Unable to send a feature report.\n");
        s.result = TxWriteError;
        return s;
    }
    link.pacer().pause(kPauseAfterRequest);
    // Reports the mouse sent by itself before the request may still be queued: a status report
    // counts as current once it follows the battery report, else the newest one seen is kept.
    bool statusAfterBattery = false;
    for (int i = 0; i < maxReads; ++i) {
        std::array<uint8_t, 64> answer{};
        const int got = handle->readTimeout(answer.data(), kFrameLength, kReadTimeout);
        if (got < 0) break;
        if (got == 0) continue;
        const StatusAnswer a = decodeAnswer(answer.data(), static_cast<size_t>(got));
        if (a.kind == StatusAnswer::Kind::Battery && !s.haveBattery) {
            s.battery = a;
            s.haveBattery = true;
            link.setLinkMode(a.linkMode);
        } else if (a.kind == StatusAnswer::Kind::Status) {
            s.status = a;
            s.haveStatus = true;
            statusAfterBattery = s.haveBattery;
        }
        // A mouse that is off sends no status report.
        if (s.haveBattery && (statusAfterBattery || s.battery.mouseOff())) break;
    }
    s.result = s.haveBattery ? TxOk : TxNoEcho;
    return s;
}

}  // namespace mousecfg
