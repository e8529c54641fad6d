#include "device/report_rate.h"

namespace mousecfg {

int reportRateHz(int code) {
    switch (code) {
        case 1:
        case 2:
        case 4:
        case 8:
            return 1000 / code;
        default:
            return 0;
    }
}

int reportRateCode(int hz) {
    for (int code : kReportRateCodes)
        if (reportRateHz(code) == hz) return code;
    return 0;
}

QString reportRateText(int code) {
    const int hz = reportRateHz(code);
    return hz ? QStringLiteral("%1 HZ").arg(hz) : QString();
}

}  // namespace mousecfg
