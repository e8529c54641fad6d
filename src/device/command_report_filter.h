#pragma once

#include <bitset>
#include <memory>
#include <vector>

#include "device/hid_backend.h"

namespace mousecfg {

// Wraps the handle of the command collection so that its reader sees only reports with the
// command collection's input report IDs. A hidraw node delivers every report of its interface
// (mouse motion and the other collections included, up to 64 queued); a Windows collection
// handle would never see those, and the transaction and the status thread are written for that.
// Discarded reports never touch the caller's buffer, and the read still ends within its time-out.
class CommandReportFilter : public HidHandle {
public:
    static constexpr int kMaxDiscarded = 256;  // bounds one read even when reports never stop
    CommandReportFilter(std::unique_ptr<HidHandle> inner, const std::vector<uint8_t>& reportIds);
    CommandReportFilter(std::unique_ptr<HidHandle> inner, uint8_t reportId)
        : CommandReportFilter(std::move(inner), std::vector<uint8_t>{reportId}) {}

    int write(const uint8_t* data, size_t length) override { return inner_->write(data, length); }
    int readTimeout(uint8_t* data, size_t length, int milliseconds) override;
    int discarded() const { return discarded_; }

private:
    std::unique_ptr<HidHandle> inner_;
    std::bitset<256> accepted_;
    int discarded_ = 0;
};

}  // namespace mousecfg
