#include "device/battery_alerts.h"

#include <algorithm>

namespace mousecfg {

BatteryAlerts::BatteryAlerts(int thresholdPercent) : threshold_(std::clamp(thresholdPercent, 0, 100)) {}

BatteryAlerts::Alert BatteryAlerts::onReport(const Report& report) {
    if (threshold_ == 0 || report.mouseOff) return Alert::None;
    if (report.charging) {
        chargedSince_ = true;
        return Alert::None;
    }
    // The level is judged once charging has stopped: the voltage reads high while it charges.
    // Charged to the threshold, the next fall is told again; a level that rises without charging
    // (the voltage recovers when the load stops) re-arms nothing, nor does charging that stopped
    // below the threshold.
    if (chargedSince_ && report.level >= threshold_) lowTold_ = criticalTold_ = false;
    chargedSince_ = false;
    if (report.millivolts < kCriticalMillivolts) {
        if (criticalTold_) return Alert::None;
        // A mouse that is already critical is told so once; "low" would only repeat it.
        criticalTold_ = lowTold_ = true;
        return Alert::Critical;
    }
    if (report.level < threshold_ && !lowTold_) {
        lowTold_ = true;
        return Alert::Low;
    }
    return Alert::None;
}

}  // namespace mousecfg
