#include "device/command_report_filter.h"

#include <QElapsedTimer>
#include <algorithm>
#include <array>
#include <cstring>

namespace mousecfg {

CommandReportFilter::CommandReportFilter(std::unique_ptr<HidHandle> inner,
                                         const std::vector<uint8_t>& reportIds)
    : inner_(std::move(inner)) {
    for (uint8_t id : reportIds) accepted_.set(id);
}

int CommandReportFilter::readTimeout(uint8_t* data, size_t length, int milliseconds) {
    std::array<uint8_t, 256> scratch{};
    const size_t want = std::min(length, scratch.size());
    QElapsedTimer clock;
    clock.start();
    int left = milliseconds;
    for (int round = 0; round <= kMaxDiscarded; ++round) {
        const int got = inner_->readTimeout(scratch.data(), want, left);
        if (got <= 0) return got;
        const size_t n = std::min(static_cast<size_t>(got), want);
        if (accepted_.test(scratch[0])) {
            std::memcpy(data, scratch.data(), n);
            return static_cast<int>(n);
        }
        ++discarded_;
        // A time-out of 0 means "what is queued now": keep draining without waiting, however long
        // the reads themselves take; -1 waits without limit.
        if (milliseconds > 0) {
            left = milliseconds - static_cast<int>(clock.elapsed());
            if (left <= 0) return 0;
        }
    }
    return 0;
}

}  // namespace mousecfg
