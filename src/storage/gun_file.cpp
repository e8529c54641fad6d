#include "storage/gun_file.h"

#include <algorithm>

#include "storage/macro_events.h"

namespace mousecfg {

namespace {

// The mouse plays gun-file delays in 10 ms counts, whatever the product's macro delay unit.
constexpr int kGunDelayUnit = 10;

std::uint8_t correctionByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

}  // namespace

QVector<MacroEvent> gunEvents(const GunPattern& pattern) {
    QVector<MacroEvent> events;
    const int shots = std::clamp(pattern.shots, 0, GunPattern::kMaxShots);
    for (int i = 0; i < shots; ++i) {
        const GunShot& s = pattern.shot[static_cast<size_t>(i)];
        events.push_back(macro::buttonEvent(macro::kLeftButton, false));
        events.push_back(macro::buttonEvent(macro::kLeftButton, true));
        const int v = std::clamp(s.vertical, -GunPattern::kMaxCorrection, GunPattern::kMaxCorrection);
        const int h = std::clamp(s.horizontal, -GunPattern::kMaxCorrection, GunPattern::kMaxCorrection);
        if (v != 0) events.push_back({macroevent::kMove, correctionByte(v), 0});
        if (h != 0) events.push_back({macroevent::kMove, 0, correctionByte(h)});
        const int d = std::clamp(s.delay, 0, GunPattern::kMaxDelay);
        if (d != 0) events.push_back(macro::delayEvent(d / kGunDelayUnit));
    }
    return events;
}

MacroFileData gunFileData(const GunPattern& pattern) {
    MacroFileData data;
    data.defaultDelay = 10;
    data.delayType = static_cast<int>(macro::DelayType::Recorded);
    data.loopType = 0;
    data.loopTime = 1;
    data.events = gunEvents(pattern);
    return data;
}

}  // namespace mousecfg
