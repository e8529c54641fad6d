// libFuzzer target: arbitrary bytes as one answer report, and as a sequence of reads fed to the
// checked transaction. Neither may read out of bounds, and the transaction must end with 0 or 2.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "device/device_link.h"
#include "device/pacer.h"
#include "device/status_answer.h"

namespace {

using namespace mousecfg;

// Plays the fuzz input back as read results: a control byte picks error, time-out or a report
// of up to 63 bytes taken from what follows.
class InputHandle : public HidHandle {
public:
    InputHandle(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    int write(const uint8_t*, size_t length) override { return static_cast<int>(length); }
    int readTimeout(uint8_t* out, size_t length, int) override {
        if (pos_ >= size_) return 0;
        const uint8_t control = data_[pos_++];
        if (control % 5 == 0) return -1;
        if (control % 5 == 1) return 0;
        const size_t n = std::min({static_cast<size_t>(control % 64), length, size_ - pos_});
        std::memcpy(out, data_ + pos_, n);
        pos_ += n;
        return static_cast<int>(n);
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

class InputBackend : public HidBackend {
public:
    InputBackend(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    int init() override { return 0; }
    std::vector<HidDeviceInfo> enumerate() override { return {}; }
    std::unique_ptr<HidHandle> open(const QByteArray&) override {
        return std::make_unique<InputHandle>(data_, size_);
    }
    int exit() override { return 0; }

private:
    const uint8_t* data_;
    size_t size_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // One answer of exactly `size` bytes: a heap copy so any over-read is caught.
    std::vector<uint8_t> exact(data, data + size);
    const StatusAnswer a = decodeAnswer(exact.data(), exact.size());
    if (a.kind == StatusAnswer::Kind::None && size >= 4 && (data[3] == 0x48 || data[3] == 0x49)) std::abort();

    if (size < 2) return 0;
    InputBackend backend(data + 2, size - 2);
    InstantPacer pacer;
    DeviceLink link(backend, pacer);
    DeviceEntry entry;
    DevicePath& cable = entry.paths[DeviceEntry::kCable];
    cable.mouse.path = cable.command.path = "/dev/hidraw-fuzz";
    cable.mouse.present = cable.command.present = true;
    link.deviceList().push_back(entry);
    link.OpenDevice(QByteArray());
    uint8_t payload[kFrameMaxData];
    for (int i = 0; i < kFrameMaxData; ++i) payload[i] = static_cast<uint8_t>(data[1] + i);
    const CommandFrame frame = makeFrame(static_cast<uint8_t>(data[0] % 0x50), 0, 0, data[1], phase::kMiddle,
                                         payload, kFrameMaxData);
    const TxResult r = link.WriteAndVerify(frame);
    if (r != TxOk && r != TxNoEcho) std::abort();
    return 0;
}
