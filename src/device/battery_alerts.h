#pragma once

namespace mousecfg {

// When to tell the user that the mouse needs charging: once when the battery level falls below
// the threshold, once more when it reaches the critical voltage, never while the mouse reports
// itself off or asleep (all-zero battery answers) or while it charges. Told once, an alert waits
// until the mouse has charged to the threshold or above again.
class BatteryAlerts {
public:
    enum class Alert { None, Low, Critical };

    // Below this the mouse is about to switch itself off: 200 mV under the lowest step of the
    // gauge (10 % starts below 3200 mV).
    static constexpr int kCriticalMillivolts = 3000;
    static constexpr int kDefaultThresholdPercent = 15;

    // A threshold of 0 switches the alerts off; values above 100 count as 100.
    explicit BatteryAlerts(int thresholdPercent = kDefaultThresholdPercent);

    struct Report {
        bool mouseOff = false;  // the mouse is off, asleep or out of reach
        bool charging = false;  // charging, or on its cable
        int millivolts = 0;
        int level = 0;  // the gauge's level, 10..100
    };

    // The alert a battery report gives, if any.
    Alert onReport(const Report& report);

    int threshold() const { return threshold_; }

private:
    int threshold_;
    bool lowTold_ = false;
    bool criticalTold_ = false;
    bool chargedSince_ = false;  // charging was seen since the last alert
};

}  // namespace mousecfg
