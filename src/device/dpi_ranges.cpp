#include "device/dpi_ranges.h"

#include <QStringList>
#include <cstdlib>

#include "device/config_frames.h"
#include "device/dpi_scale.h"
#include "storage/app_settings.h"
#include "storage/product_descriptor.h"

namespace mousecfg {

std::optional<DpiRange> dpiRangeForSensor(int sensor, const QString& product, bool extendedRange) {
    switch (sensor) {
        case 3104:
            return DpiRange{14, 105, 500, 4200};
        case 31042:
            return DpiRange{14, 158, 500, 8400};
        case 3212:
            return DpiRange{16, 111, 600, 7200};
        case 3311:
            return DpiRange{1, 120, 100, 12000};
        case 33112:
            return DpiRange{1, 180, 100, 24000};
        case 3325:
            return extendedRange ? DpiRange{1, 90, 100, 16000} : DpiRange{1, 50, 100, 5000};
        case 33252:
            return extendedRange ? DpiRange{1, 90, 100, 16000} : DpiRange{1, 75, 100, 10000};
        case 3327: {
            // Products whose firmware stops this sensor at 12400 DPI (exact, case-sensitive names).
            static const QStringList kShortRange = {
                QStringLiteral("K308-RGB"), QStringLiteral("CASPIAN"), QStringLiteral("7458"),
                QStringLiteral("ELKHART3"), QStringLiteral("FARROW"),  QStringLiteral("K330-RGB"),
                QStringLiteral("ISOLDE2"),  QStringLiteral("JURA2"),   QStringLiteral("KILMORY")};
            if (kShortRange.contains(product)) return DpiRange{1, 92, 200, 12400};
            return DpiRange{1, 106, 200, 16400};
        }
        case 3333:
            return DpiRange{2, 120, 200, 16000};
        case 3335:
            return DpiRange{1, 160, 100, 16000};
        case 33352:
            // The register table ends at code 200; a higher code would be sent as 200.
            return DpiRange{1, 200, 100, 24000};
        case 3360:
            return DpiRange{1, 180, 100, 24000};
        case 3370:
            return DpiRange{1, 290, 50, 19000};
        case 3389:
            return DpiRange{2, 480, 100, 32000};
        case 3395:
            return DpiRange{0, 519, 50, 26000};
        case 3399:
            return DpiRange{0, 599, 50, 40000};
        case 33952:
            return DpiRange{0, 779, 50, 52000};
        default:
            return std::nullopt;
    }
}

bool sensorOffersLink(int sensor) {
    switch (sensor) {
        case 3104:
        case 31042:
        case 3360:
        case 3389:
        case 3399:
            return true;
        default:
            return false;
    }
}

std::optional<DpiStep> nearestDpiStep(const DpiRange& range, int sensor, int dpi) {
    if (dpi < range.lowestDpi || dpi > range.highestDpi) return std::nullopt;
    std::optional<DpiStep> best;
    for (int code = range.minCode; code <= range.maxCode; ++code) {
        const int value = dpiscale::dpiOfLevel(code, sensor);
        const int distance = std::abs(value - dpi);
        if (!best || distance < std::abs(best->dpi - dpi) ||
            (distance == std::abs(best->dpi - dpi) && value < best->dpi))
            best = DpiStep{code, value};
    }
    return best;
}

DpiProduct loadDpiProduct(const Paths& paths) {
    DpiProduct p;
    p.sensor = appsettings::loadSensorId(paths);
    p.range = dpiRangeForSensor(p.sensor, appsettings::loadCurrentProductName(paths),
                                loadExtendedDpiRange(paths) == 1);
    p.stageCount = effectiveDpiStageCount(dpiStageCount(paths));
    p.offersLink = sensorOffersLink(p.sensor);
    return p;
}

}  // namespace mousecfg
