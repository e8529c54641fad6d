#pragma once

#include <QString>

namespace mousecfg {

// The mouse's report-rate codes: 1 = 1000 Hz, 2 = 500 Hz, 4 = 250 Hz, 8 = 125 Hz (the code is the
// report interval in milliseconds). Any other code gives 0 Hz and an empty text.
int reportRateHz(int code);
// "125 HZ", "250 HZ", "500 HZ", "1000 HZ", or empty for any other code.
QString reportRateText(int code);

}  // namespace mousecfg
