#pragma once

#include <QString>
#include <optional>

namespace mousecfg {

// The DPI codes a sensor's stages may take (the DPI page's sliders; the command line uses the
// same rules) and the DPI they stand for at the two ends. The register encoding expresses every
// code in the range without cutting it to the end of its table, so a DPI the page shows is the
// one the mouse is set to.
struct DpiRange {
    int minCode = 0;
    int maxCode = 0;
    int lowestDpi = 0;
    int highestDpi = 0;
};

// Range of sensor `sensor` ("MouseSenSor/1"). `product` is the current product name (some
// products with sensor 3327 stop lower); `extendedRange` is the descriptor's "33254" switch of
// sensors 3325 and 33252. Nothing for a sensor that is not known.
std::optional<DpiRange> dpiRangeForSensor(int sensor, const QString& product, bool extendedRange);

// Whether the stage rows offer the "Link XY" box for this sensor.
bool sensorOffersLink(int sensor);

}  // namespace mousecfg
