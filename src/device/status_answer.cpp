#include "device/status_answer.h"

#include "device/command_frame.h"

namespace mousecfg {

StatusAnswer decodeAnswer(const uint8_t* report, size_t length) {
    // Frame byte b (1-based, report ID = byte 1) is report[b - 1].
    auto at = [&](size_t b) -> uint8_t { return (report && b >= 1 && b <= length) ? report[b - 1] : 0; };
    StatusAnswer a;
    switch (at(4)) {
        case command::kBatteryReport:
            a.kind = StatusAnswer::Kind::Battery;
            a.lowByte = at(5);
            a.hiByte = at(6);
            a.charge = at(7);
            a.writeStatus = at(8);
            a.linkMode = at(11);
            break;
        case command::kStatusReport:
            a.kind = StatusAnswer::Kind::Status;
            a.profile = at(5);
            a.dpiStage = at(6);
            a.rate = at(7);
            a.mode = at(8);
            break;
        default:
            break;
    }
    return a;
}

int batteryMillivolts(uint8_t lowByte, uint8_t hiByte) {
    return (hiByte * 256 + lowByte) * 990 / 240;
}

int batteryPercent(int millivolts, int fullMillivolts) {
    if (millivolts >= fullMillivolts) return 100;
    static const struct {
        int from;
        int level;
    } steps[] = {{4100, 90}, {4000, 80}, {3900, 70}, {3800, 60},
                 {3700, 50}, {3500, 40}, {3400, 30}, {3200, 20}};
    for (const auto& s : steps)
        if (millivolts >= s.from) return s.level;
    return 10;
}

}  // namespace mousecfg
