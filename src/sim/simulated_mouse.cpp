// The simulated mouse as a HID backend: paths, handles, plugging, and frames into the firmware.
#include <algorithm>
#include <cstring>

#include "sim/simulated_mouse_impl.h"

namespace mousecfg {

using namespace simmouse;

class SimulatedMouse::Handle : public HidHandle {
public:
    Handle(std::shared_ptr<Impl> d, int path, unsigned collections) : d_(std::move(d)) {
        std::lock_guard<std::mutex> lock(d_->mutex);
        state_.path = path;
        state_.collections = collections;
        state_.generation = d_->generation[static_cast<size_t>(path)];
        d_->handles.push_back(&state_);
    }
    ~Handle() override {
        std::lock_guard<std::mutex> lock(d_->mutex);
        d_->handles.erase(std::remove(d_->handles.begin(), d_->handles.end(), &state_), d_->handles.end());
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    int write(const uint8_t* data, size_t length) override {
        d_->runFrameHook();
        bool unplugged = false;
        const int written = writeLocked(data, length, unplugged);
        if (unplugged) d_->enumerationChanged();
        return written;
    }

    int writeLocked(const uint8_t* data, size_t length, bool& unplugged) {
        std::lock_guard<std::mutex> lock(d_->mutex);
        ++d_->writes;
        if (!alive()) return -1;
        if (d_->writeFaults != 0) {
            if (d_->writeFaults > 0) --d_->writeFaults;
            return -1;
        }
        if (!data || length == 0) return -1;
        QByteArray frame(reinterpret_cast<const char*>(data),
                         static_cast<int>(std::min<size_t>(length, kReportLength)));
        frame.resize(kReportLength);  // a short report is padded with zeros, as the HID layer does
        if (length < static_cast<size_t>(kReportLength))
            std::fill(frame.begin() + static_cast<int>(length), frame.end(), '\0');
        d_->log.push_back(frame);
        if (d_->unplugAfter > 0 && --d_->unplugAfter == 0) {
            d_->unplugLocked();  // gone before it could answer
            unplugged = true;
            return static_cast<int>(length);
        }
        d_->receive(state_.path, state_.collections, frame);
        return static_cast<int>(length);
    }

    int readTimeout(uint8_t* data, size_t length, int) override {
        std::lock_guard<std::mutex> lock(d_->mutex);
        ++d_->reads;
        if (!alive()) return -1;
        if (d_->readFaults != 0) {
            if (d_->readFaults > 0) --d_->readFaults;
            return -1;
        }
        // Simulated time runs instantly: an empty queue is a time-out at once.
        if (state_.queue.empty() || !data) return 0;
        const QByteArray r = state_.queue.front();
        state_.queue.pop_front();
        const size_t n = std::min(length, static_cast<size_t>(r.size()));
        std::memcpy(data, r.constData(), n);
        return static_cast<int>(n);
    }

private:
    bool alive() const {
        const size_t p = static_cast<size_t>(state_.path);
        return state_.generation == d_->generation[p] && d_->present[p];
    }

    std::shared_ptr<Impl> d_;
    HandleState state_;
};

SimulatedMouse::SimulatedMouse() : SimulatedMouse(Options()) {}

SimulatedMouse::SimulatedMouse(Options options) : d_(std::make_shared<Impl>()) {
    d_->options = options;
    d_->present = {options.receiver, options.cable};
    d_->presentBeforeUnplug = d_->present;
    d_->release = {options.receiverRelease, options.cableRelease};
    d_->stateFile = options.stateFile;
    SimulatedMouseMemory kept;
    if (!d_->stateFile.isEmpty() && loadSimulatedMouseMemory(d_->stateFile, kept)) {
        d_->memory.restore(kept.firmware);
        d_->batteryRaw = kept.batteryRaw;
        d_->charging = kept.charging;
    }
}

SimulatedMouse::~SimulatedMouse() {
    // A handle may outlive this object; its writes must not reach a hook that captured it.
    setFrameHook(nullptr);
}

int SimulatedMouse::init() {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->initFails ? -1 : 0;
}

int SimulatedMouse::exit() {
    return 0;
}

std::vector<HidDeviceInfo> SimulatedMouse::enumerate() {
    std::lock_guard<std::mutex> lock(d_->mutex);
    std::vector<HidDeviceInfo> out;
    for (int p = 0; p < kPaths; ++p) {
        if (!d_->present[static_cast<size_t>(p)]) continue;
        auto add = [&](uint16_t page, uint16_t usage, const QByteArray& path) {
            HidDeviceInfo i;
            i.vendorId = kVendorId;
            i.productId = productOf(p);
            i.usagePage = page;
            i.usage = usage;
            i.releaseNumber = d_->release[static_cast<size_t>(p)];
            i.interfaceNumber = 1;
            i.path = path;
            out.push_back(i);
        };
        if (d_->listMouse[static_cast<size_t>(p)]) add(1, 2, d_->pathOf(p, kMouseCollection));
        // A consumer-control collection beside them, as the real interface carries.
        const QByteArray consumer = d_->options.style == PathStyle::Hidraw
                                        ? d_->pathOf(p, kMouseCollection)
                                        : windowsPath(productOf(p), "col03");
        add(0x0C, 1, consumer);
        if (d_->listCommand[static_cast<size_t>(p)]) add(1, 0, d_->pathOf(p, kCommandCollection));
    }
    out.insert(out.end(), d_->extra.begin(), d_->extra.end());
    return out;
}

std::unique_ptr<HidHandle> SimulatedMouse::open(const QByteArray& path) {
    int which = -1;
    unsigned collections = 0;
    {
        std::lock_guard<std::mutex> lock(d_->mutex);
        for (int p = 0; p < kPaths && which < 0; ++p) {
            if (!d_->present[static_cast<size_t>(p)]) continue;
            if (path == d_->pathOf(p, kMouseCollection)) {
                which = p;
                collections |= kMouseCollection;
            }
            if (path == d_->pathOf(p, kCommandCollection)) {
                which = p;
                collections |= kCommandCollection;
            }
        }
    }
    if (which < 0) return nullptr;
    return std::make_unique<Handle>(d_, which, collections);
}

void SimulatedMouse::setEnumerationListener(std::function<void()> listener) {
    auto shared = std::make_shared<const std::function<void()>>(std::move(listener));
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->enumerationListener = std::move(shared);
}

void SimulatedMouse::setPresent(Path path, bool present) {
    {
        std::lock_guard<std::mutex> lock(d_->mutex);
        const size_t p = static_cast<size_t>(path);
        if (!present && d_->present[p]) ++d_->generation[p];  // pulled: its handles die
        d_->present[p] = present;
    }
    d_->enumerationChanged();
}

void SimulatedMouse::setCollectionsListed(Path path, bool mouseCollection, bool commandCollection) {
    {
        std::lock_guard<std::mutex> lock(d_->mutex);
        d_->listMouse[static_cast<size_t>(path)] = mouseCollection;
        d_->listCommand[static_cast<size_t>(path)] = commandCollection;
    }
    d_->enumerationChanged();
}

void SimulatedMouse::setRelease(Path path, uint16_t release) {
    {
        std::lock_guard<std::mutex> lock(d_->mutex);
        d_->release[static_cast<size_t>(path)] = release;
    }
    d_->enumerationChanged();
}

void SimulatedMouse::unplug() {
    {
        std::lock_guard<std::mutex> lock(d_->mutex);
        d_->unplugLocked();
    }
    d_->enumerationChanged();
}

void SimulatedMouse::replug() {
    {
        std::lock_guard<std::mutex> lock(d_->mutex);
        d_->present = d_->presentBeforeUnplug;
    }
    d_->enumerationChanged();
}

void SimulatedMouse::unplugAfterWrites(int n) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->unplugAfter = std::max(n, 0);
}

void SimulatedMouse::setInitFails(bool fails) {
    {
        std::lock_guard<std::mutex> lock(d_->mutex);
        d_->initFails = fails;
    }
    d_->enumerationChanged();
}

void SimulatedMouse::setExtraDevices(std::vector<HidDeviceInfo> devices) {
    {
        std::lock_guard<std::mutex> lock(d_->mutex);
        d_->extra = std::move(devices);
    }
    d_->enumerationChanged();
}

QByteArray SimulatedMouse::mousePath(Path path) const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->pathOf(static_cast<int>(path), kMouseCollection);
}

QByteArray SimulatedMouse::commandPath(Path path) const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->pathOf(static_cast<int>(path), kCommandCollection);
}

int SimulatedMouse::openHandleCount() const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return static_cast<int>(d_->handles.size());
}

}  // namespace mousecfg
