#include "device/battery_alerts.h"

#include <gtest/gtest.h>

#include <vector>

#include "device/status_answer.h"

using mousecfg::BatteryAlerts;
using Alert = BatteryAlerts::Alert;

namespace {

enum Kind { Use, Chg, Off };  // on battery, charging (or on the cable), off or asleep

struct Step {
    int millivolts;
    Kind kind;
    Alert expect;
};

constexpr Alert N = Alert::None, L = Alert::Low, C = Alert::Critical;

}  // namespace

TEST(BatteryAlerts, SequencesOfReportsAndTheAlertsTheyGive) {
    struct Case {
        const char* name;
        int threshold;
        std::vector<Step> steps;
    };
    // Gauge levels with the default full threshold: 3190 mV -> 10 %, 3300 -> 20 %, 3650 -> 40 %,
    // 3700 -> 50 %, 3800 -> 60 %, 3900 -> 70 %, 4150 -> 90 %, 4200 -> 100 %.
    const std::vector<Case> cases = {
        {"a slow fall: low once, critical once",
         15,
         {{3900, Use, N},
          {3300, Use, N},
          {3190, Use, L},
          {3150, Use, N},
          {3000, Use, N},
          {2990, Use, C},
          {2950, Use, N}}},
        {"flicker across a step is told once",
         15,
         {{3190, Use, L}, {3210, Use, N}, {3190, Use, N}, {3210, Use, N}}},
        {"off or asleep: never, and it re-arms nothing",
         15,
         {{3100, Off, N}, {2900, Off, N}, {3190, Use, L}, {0, Off, N}, {3190, Use, N}}},
        {"charging: never", 15, {{3100, Chg, N}, {2900, Chg, N}, {3900, Chg, N}}},
        {"charged above the threshold: told again",
         15,
         {{3190, Use, L}, {3800, Chg, N}, {3900, Use, N}, {3190, Use, L}}},
        {"charging that stopped below the threshold re-arms nothing",
         15,
         {{3190, Use, L}, {3190, Chg, N}, {3195, Use, N}, {3100, Use, N}}},
        {"a level that recovers without charging re-arms nothing",
         15,
         {{3190, Use, L}, {3900, Use, N}, {3190, Use, N}}},
        {"critical at the first report: critical only", 15, {{2900, Use, C}, {3100, Use, N}, {3190, Use, N}}},
        {"charging re-arms critical too",
         15,
         {{2900, Use, C}, {4000, Chg, N}, {4000, Use, N}, {3190, Use, L}, {2900, Use, C}}},
        {"threshold 0: alerts off", 0, {{3190, Use, N}, {2900, Use, N}}},
        {"threshold 50", 50, {{3800, Use, N}, {3700, Use, N}, {3650, Use, L}, {3300, Use, N}}},
        {"a threshold above 100 counts as 100", 200, {{4200, Use, N}, {4150, Use, L}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BatteryAlerts alerts(c.threshold);
        for (size_t i = 0; i < c.steps.size(); ++i) {
            const Step& s = c.steps[i];
            BatteryAlerts::Report r;
            r.mouseOff = s.kind == Off;
            r.charging = s.kind == Chg;
            r.millivolts = s.millivolts;
            r.level = mousecfg::batteryPercent(s.millivolts, 4200);
            EXPECT_EQ(alerts.onReport(r), s.expect) << "step " << i << ": " << s.millivolts << " mV";
        }
    }
}
