#pragma once

#include <QString>
#include <array>

namespace mousecfg {

// The mouse's report-rate codes: 1 = 1000 Hz, 2 = 500 Hz, 4 = 250 Hz, 8 = 125 Hz (the code is the
// report interval in milliseconds). Any other code gives 0 Hz and an empty text.
int reportRateHz(int code);
// The codes the report-rate menu offers, in its order: 125, 250, 500 and 1000 Hz.
constexpr std::array<int, 4> kReportRateCodes{8, 4, 2, 1};
// The code of a rate in Hz; 0 for a rate the mouse does not offer.
int reportRateCode(int hz);
// "125 HZ", "250 HZ", "500 HZ", "1000 HZ", or empty for any other code.
QString reportRateText(int code);

}  // namespace mousecfg
