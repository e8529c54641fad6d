#include "sim/simulated_mouse.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "device/command_frame.h"
#include "device/device_link.h"
#include "sim/sim_log.h"

namespace mousecfg {

namespace {

constexpr int kReportLength = kFrameLength;
constexpr int kPaths = 2;
constexpr int kMacroCommand = command::kMacroMemory;

enum Collection : unsigned { kMouseCollection = 1, kCommandCollection = 2 };

QByteArray windowsPath(uint16_t product, const char* collection) {
    return QByteArray("\\\\?\\hid#vid_248a&pid_") + QByteArray::number(product, 16) + "&mi_01&" + collection +
           "#7&sim&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
}

uint16_t productOf(int path) {
    return path == 0 ? kReceiverProductId : kCableProductId;
}

// Wire checksum over report bytes 3..8 (1-based), as the mouse stamps its own reports.
void stampChecksum(QByteArray& r) {
    unsigned sum = 0;
    for (int b = 3; b <= 8; ++b) sum += static_cast<uint8_t>(r.at(b - 1));
    r[1] = static_cast<char>((sum & 0xFF) ^ 0x66);
}

QByteArray commandReport(uint8_t code, std::initializer_list<uint8_t> fields) {
    QByteArray r(kReportLength, '\0');
    r[0] = static_cast<char>(kReportId);
    r[2] = static_cast<char>(kFrameMarker);
    r[3] = static_cast<char>(code);
    int i = 4;
    for (uint8_t f : fields) r[i++] = static_cast<char>(f);
    stampChecksum(r);
    return r;
}

}  // namespace

// One open handle: which path, which collections it sees, its own input queue.
struct HandleState {
    int path = 0;
    unsigned collections = 0;
    int generation = 0;
    std::deque<QByteArray> queue;
};

struct SimulatedMouse::Impl {
    mutable std::mutex mutex;
    Options options;
    std::array<bool, kPaths> present{};
    std::array<bool, kPaths> presentBeforeUnplug{};
    std::array<bool, kPaths> listMouse{{true, true}};
    std::array<bool, kPaths> listCommand{{true, true}};
    std::array<uint16_t, kPaths> release{};
    bool initFails = false;
    std::array<int, kPaths> generation{};  // bumped when a path is pulled: its open handles die
    int unplugAfter = 0;
    std::vector<HidDeviceInfo> extra;
    std::vector<HandleState*> handles;

    std::array<QByteArray, 5> sections;  // commands 0x01..0x05
    bool configMode = false;
    std::vector<uint8_t> reloads;

    uint16_t batteryRaw = 960;  // 3960 mV
    bool charging = false;
    uint8_t linkMode = 0;
    uint8_t writeStatus = 1;
    uint8_t mode = 0;
    bool off = false;
    uint8_t profile = 0;
    uint8_t stage = 1;
    uint8_t rate = 1;

    EchoFault fault = EchoFault::None;
    int faultCount = 0;
    int readFaults = 0;
    int writeFaults = 0;
    bool silent = false;
    std::shared_ptr<const FrameHook> frameHook;
    int hookedFrames = 0;

    std::vector<QByteArray> log;
    int writes = 0;
    int reads = 0;

    QByteArray pathOf(int path, Collection c) const {
        const uint16_t product = productOf(path);
        if (options.style == PathStyle::Hidraw)
            return path == 0 ? QByteArray("/sim/hidraw-receiver") : QByteArray("/sim/hidraw-cable");
        if (c == kMouseCollection) return windowsPath(product, "col01");
        return windowsPath(product, path == 0 ? "col04" : "col02");
    }

    // The path the mouse currently talks through: the cable when it is plugged in.
    int activePath() const { return present[1] ? 1 : 0; }

    void deliver(int path, Collection c, const QByteArray& report) {
        for (HandleState* h : handles) {
            if (h->path != path || !(h->collections & c) ||
                h->generation != generation[static_cast<size_t>(path)])
                continue;
            if (static_cast<int>(h->queue.size()) >= kQueueLimit) continue;  // a full queue drops new reports
            h->queue.push_back(report);
        }
    }

    QByteArray batteryReport() const {
        if (off) return commandReport(command::kBatteryReport, {});
        return commandReport(command::kBatteryReport,
                             {static_cast<uint8_t>(batteryRaw & 0xFF), static_cast<uint8_t>(batteryRaw >> 8),
                              static_cast<uint8_t>(charging ? 1 : 0), writeStatus, 0, 0, linkMode});
    }
    QByteArray statusReport() const {
        return commandReport(command::kStatusReport, {profile, stage, rate, mode});
    }

    void reportStatusUnasked() {
        if (!off && (present[0] || present[1])) deliver(activePath(), kCommandCollection, statusReport());
    }

    bool takeFault(EchoFault& out) {
        if (fault == EchoFault::None || faultCount == 0) return false;
        out = fault;
        if (faultCount > 0 && --faultCount == 0) fault = EchoFault::None;
        return true;
    }

    void storeSectionWrite(const QByteArray& f) {
        const uint8_t cmd = static_cast<uint8_t>(f.at(3));
        if (cmd < 1 || cmd > 5) return;
        QByteArray& s = sections[cmd - 1];
        int offset = static_cast<uint8_t>(f.at(4));
        if (cmd == kMacroCommand) offset |= static_cast<uint8_t>(f.at(5)) << 8;
        const int n = std::min<int>(static_cast<uint8_t>(f.at(6)), kFrameMaxData);
        for (int i = 0; i < n; ++i) {
            if (offset + i < s.size()) s[offset + i] = f.at(kFrameDataStart - 1 + i);
        }
    }

    void applyReload(uint8_t mask) {
        reloads.push_back(mask);
        if (mask != 0x01) return;
        const QByteArray& g = sections[0];
        const uint8_t p = static_cast<uint8_t>(g.at(6));
        if (p < 5) {
            profile = p;
            rate = static_cast<uint8_t>(g.at(11 + p));
        }
        stage = static_cast<uint8_t>(g.at(17));
    }

    void runFrameHook() {
        std::shared_ptr<const FrameHook> hook;
        int frame = 0;
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (!frameHook) return;
            hook = frameHook;
            frame = ++hookedFrames;
        }
        (*hook)(frame);
    }

    // Runs one frame the host wrote on `path` through the firmware.
    void receive(int path, unsigned collections, const QByteArray& f) {
        if (!(collections & kCommandCollection) || silent) return;
        if (static_cast<uint8_t>(f.at(0)) != kReportId || static_cast<uint8_t>(f.at(2)) != kFrameMarker)
            return;
        CommandFrame frame{};
        std::memcpy(frame.data() + 1, f.constData(), kReportLength);
        if (frameChecksum(frame) != static_cast<uint8_t>(f.at(1))) {
            qCDebug(lcSim) << "frame with a wrong checksum ignored";
            return;
        }
        const uint8_t cmd = static_cast<uint8_t>(f.at(3));
        const EchoClass echoClass = echoClassOf(cmd);
        if (cmd == command::kStatusRequest) {
            deliver(path, kCommandCollection, batteryReport());
            if (!off) deliver(path, kCommandCollection, statusReport());
            return;
        }
        if (off) return;  // the receiver cannot reach the mouse: nothing happens, nothing answers
        switch (cmd) {
            case command::kSelectProfile:
                if (static_cast<uint8_t>(f.at(4)) < 5) profile = static_cast<uint8_t>(f.at(4));
                break;
            case command::kConfigMode:
                if (f.at(4) == 0) configMode = true;
                if (f.at(4) == 1) configMode = false;
                break;
            case command::kReload:
                applyReload(static_cast<uint8_t>(f.at(5)));
                break;
            default:
                if (echoClass == EchoClass::Data && configMode) storeSectionWrite(f);
                break;
        }
        if (echoClass == EchoClass::None) return;
        QByteArray echo = f;
        if (echoClass == EchoClass::HeaderOnly) std::fill(echo.begin() + 8, echo.end(), '\0');
        EchoFault fault;
        if (takeFault(fault)) {
            switch (fault) {
                case EchoFault::Drop:
                    return;
                case EchoFault::WrongHeader:
                    echo[4] = static_cast<char>(echo.at(4) ^ 0x01);
                    break;
                case EchoFault::WrongData:
                    echo[8] = static_cast<char>(echo.at(8) ^ 0x01);
                    break;
                case EchoFault::AllZero:
                    echo.fill('\0');
                    break;
                case EchoFault::ChecksumOnly:
                    echo[1] = static_cast<char>(echo.at(1) ^ 0x55);
                    break;
                case EchoFault::PhaseOnly:
                    echo[7] = static_cast<char>(echo.at(7) ^ 0x01);
                    break;
                case EchoFault::ControlData:
                    std::fill(echo.begin() + 8, echo.end(), '\xAA');
                    break;
                case EchoFault::None:
                    break;
            }
        }
        deliver(path, kCommandCollection, echo);
    }

    void unplugLocked() {
        if (present[0] || present[1]) presentBeforeUnplug = present;
        present = {false, false};
        for (int& g : generation) ++g;  // every handle open now is dead for good
        configMode = false;
    }
};

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
    for (int i = 0; i < 5; ++i)
        d_->sections[static_cast<size_t>(i)] =
            QByteArray(i == kMacroCommand - 1 ? kMacroSectionSize : kSectionSize, '\0');
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

void SimulatedMouse::setPresent(Path path, bool present) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    const size_t p = static_cast<size_t>(path);
    if (!present && d_->present[p]) ++d_->generation[p];  // pulled: its handles die
    d_->present[p] = present;
}

void SimulatedMouse::setCollectionsListed(Path path, bool mouseCollection, bool commandCollection) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->listMouse[static_cast<size_t>(path)] = mouseCollection;
    d_->listCommand[static_cast<size_t>(path)] = commandCollection;
}

void SimulatedMouse::setRelease(Path path, uint16_t release) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->release[static_cast<size_t>(path)] = release;
}

void SimulatedMouse::unplug() {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->unplugLocked();
}

void SimulatedMouse::replug() {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->present = d_->presentBeforeUnplug;
}

void SimulatedMouse::unplugAfterWrites(int n) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->unplugAfter = std::max(n, 0);
}

void SimulatedMouse::setInitFails(bool fails) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->initFails = fails;
}

void SimulatedMouse::setExtraDevices(std::vector<HidDeviceInfo> devices) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->extra = std::move(devices);
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

QByteArray SimulatedMouse::section(uint8_t command) const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    if (command < 1 || command > 5) return QByteArray();
    return d_->sections[command - 1];
}

void SimulatedMouse::setSection(uint8_t command, const QByteArray& bytes) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    if (command < 1 || command > 5) return;
    QByteArray& s = d_->sections[command - 1];
    const int size = s.size();
    s = bytes.left(size);
    if (s.size() < size) s.append(QByteArray(size - s.size(), '\0'));
}

bool SimulatedMouse::inConfigMode() const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->configMode;
}

std::vector<uint8_t> SimulatedMouse::reloadMasks() const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->reloads;
}

void SimulatedMouse::setBatteryMillivolts(int millivolts) {
    // The reading is millivolts * 240 / 990, rounded up so that it reads back at least as high.
    const int raw = std::clamp((std::max(millivolts, 0) * 240 + 989) / 990, 0, 0xFFFF);
    setBatteryRaw(static_cast<uint16_t>(raw));
}

void SimulatedMouse::setBatteryRaw(uint16_t raw) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->batteryRaw = raw;
}

uint16_t SimulatedMouse::batteryRaw() const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->batteryRaw;
}

void SimulatedMouse::setCharging(bool charging) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->charging = charging;
}

void SimulatedMouse::setLinkMode(uint8_t mode) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->linkMode = mode;
}

void SimulatedMouse::setWriteStatus(uint8_t status) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->writeStatus = status;
}

void SimulatedMouse::setMouseOff(bool off) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->off = off;
}

void SimulatedMouse::setMode(uint8_t mode) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->mode = mode;
}

uint8_t SimulatedMouse::activeProfile() const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->profile;
}

uint8_t SimulatedMouse::dpiStage() const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->stage;
}

uint8_t SimulatedMouse::rate() const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->rate;
}

void SimulatedMouse::changeProfileOnMouse(uint8_t profile) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->profile = profile;
    d_->reportStatusUnasked();
}

void SimulatedMouse::changeDpiStageOnMouse(uint8_t stage) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->stage = stage;
    d_->reportStatusUnasked();
}

void SimulatedMouse::changeRateOnMouse(uint8_t rate) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->rate = rate;
    d_->reportStatusUnasked();
}

void SimulatedMouse::moveMouse(int reports) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    if (!d_->present[0] && !d_->present[1]) return;
    for (int i = 0; i < reports; ++i) {
        QByteArray r(8, '\0');
        r[0] = static_cast<char>(kMotionReportId);
        r[2] = static_cast<char>(1 + i % 5);  // dx
        r[4] = static_cast<char>(-(i % 3));   // dy
        d_->deliver(d_->activePath(), kMouseCollection, r);
    }
}

void SimulatedMouse::queueCommandReport(const QByteArray& report) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    if (d_->present[0] || d_->present[1]) d_->deliver(d_->activePath(), kCommandCollection, report);
}

void SimulatedMouse::injectEchoFault(EchoFault fault, int count) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->fault = count == 0 ? EchoFault::None : fault;
    d_->faultCount = count;
}

void SimulatedMouse::failReads(int count) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->readFaults = count;
}

void SimulatedMouse::failWrites(int count) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->writeFaults = count;
}

void SimulatedMouse::setSilent(bool silent) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->silent = silent;
}

void SimulatedMouse::setFrameHook(FrameHook hook) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->frameHook = hook ? std::make_shared<const FrameHook>(std::move(hook)) : nullptr;
    d_->hookedFrames = 0;
}

std::vector<QByteArray> SimulatedMouse::frameLog() const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->log;
}

std::vector<QByteArray> SimulatedMouse::framesWithCommand(uint8_t command) const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    std::vector<QByteArray> out;
    for (const QByteArray& f : d_->log)
        if (static_cast<uint8_t>(f.at(3)) == command) out.push_back(f);
    return out;
}

void SimulatedMouse::clearFrameLog() {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->log.clear();
}

int SimulatedMouse::writeCount() const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->writes;
}

int SimulatedMouse::readCount() const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->reads;
}

void SimulatedMouse::resetCounters() {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->writes = 0;
    d_->reads = 0;
}

}  // namespace mousecfg
