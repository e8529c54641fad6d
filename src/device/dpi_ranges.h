#pragma once

#include <QString>
#include <optional>

namespace mousecfg {

class Paths;

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

// A DPI number taken to a code of the range: the code whose DPI is nearest (the lower DPI when two
// are as near), and the DPI that code stands for.
struct DpiStep {
    int code = 0;
    int dpi = 0;
};
// Nothing when `dpi` lies outside lowestDpi..highestDpi.
std::optional<DpiStep> nearestDpiStep(const DpiRange& range, int sensor, int dpi);

// The DPI facts of the configured product, read from the settings and the descriptor as the DPI
// page reads them.
struct DpiProduct {
    int sensor = 0;                 // "MouseSenSor/1"
    std::optional<DpiRange> range;  // nothing for a sensor that is not known
    int stageCount = 8;             // stage rows shown: the descriptor's count, 8 when outside 1..8
    bool offersLink = false;        // the rows have a "Link XY" box
};
DpiProduct loadDpiProduct(const Paths& paths);

}  // namespace mousecfg
