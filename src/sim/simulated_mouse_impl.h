#pragma once

// The simulated mouse's shared state, for its own source files only.

#include <QByteArray>
#include <algorithm>
#include <array>
#include <cstring>
#include <deque>
#include <mutex>
#include <vector>

#include "device/command_frame.h"
#include "device/device_link.h"
#include "sim/sim_log.h"
#include "sim/sim_state_file.h"
#include "sim/simulated_mouse.h"

namespace mousecfg {

namespace simmouse {

inline constexpr int kReportLength = kFrameLength;
inline constexpr int kPaths = 2;

enum Collection : unsigned { kMouseCollection = 1, kCommandCollection = 2 };

inline QByteArray windowsPath(uint16_t product, const char* collection) {
    return QByteArray("\\\\?\\hid#vid_248a&pid_") + QByteArray::number(product, 16) + "&mi_01&" + collection +
           "#7&sim&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
}

inline uint16_t productOf(int path) {
    return path == 0 ? kReceiverProductId : kCableProductId;
}

// Wire checksum over report bytes 3..8 (1-based), as the mouse stamps its own reports.
inline void stampChecksum(QByteArray& r) {
    unsigned sum = 0;
    for (int b = 3; b <= 8; ++b) sum += static_cast<uint8_t>(r.at(b - 1));
    r[1] = static_cast<char>((sum & 0xFF) ^ 0x66);
}

inline QByteArray commandReport(uint8_t code, std::initializer_list<uint8_t> fields) {
    QByteArray r(kReportLength, '\0');
    r[0] = static_cast<char>(kReportId);
    r[2] = static_cast<char>(kFrameMarker);
    r[3] = static_cast<char>(code);
    int i = 4;
    for (uint8_t f : fields) r[i++] = static_cast<char>(f);
    stampChecksum(r);
    return r;
}

}  // namespace simmouse

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
    std::array<bool, simmouse::kPaths> present{};
    std::array<bool, simmouse::kPaths> presentBeforeUnplug{};
    std::array<bool, simmouse::kPaths> listMouse{{true, true}};
    std::array<bool, simmouse::kPaths> listCommand{{true, true}};
    std::array<uint16_t, simmouse::kPaths> release{};
    bool initFails = false;
    std::array<int, simmouse::kPaths> generation{};  // bumped when a path is pulled: its open handles die
    int unplugAfter = 0;
    std::vector<HidDeviceInfo> extra;
    std::vector<HandleState*> handles;

    FirmwareMemory memory;
    QString stateFile;  // empty: the memory is not kept across runs

    uint16_t batteryRaw = 960;  // 3960 mV
    bool charging = false;
    uint8_t linkMode = 0;
    uint8_t writeStatus = 1;
    uint8_t mode = 0;
    bool off = false;

    EchoFault fault = EchoFault::None;
    int faultCount = 0;
    int readFaults = 0;
    int writeFaults = 0;
    bool silent = false;
    std::shared_ptr<const FrameHook> frameHook;
    int hookedFrames = 0;
    std::shared_ptr<const std::function<void()>> enumerationListener;

    std::vector<QByteArray> log;
    int writes = 0;
    int reads = 0;

    QByteArray pathOf(int path, simmouse::Collection c) const {
        const uint16_t product = simmouse::productOf(path);
        if (options.style == PathStyle::Hidraw)
            return path == 0 ? QByteArray("/sim/hidraw-receiver") : QByteArray("/sim/hidraw-cable");
        if (c == simmouse::kMouseCollection) return simmouse::windowsPath(product, "col01");
        return simmouse::windowsPath(product, path == 0 ? "col04" : "col02");
    }

    // The path the mouse currently talks through: the cable when it is plugged in.
    int activePath() const { return present[1] ? 1 : 0; }

    void deliver(int path, simmouse::Collection c, const QByteArray& report) {
        for (HandleState* h : handles) {
            if (h->path != path || !(h->collections & c) ||
                h->generation != generation[static_cast<size_t>(path)])
                continue;
            if (static_cast<int>(h->queue.size()) >= kQueueLimit) continue;  // a full queue drops new reports
            h->queue.push_back(report);
        }
    }

    QByteArray batteryReport() const {
        if (off) return simmouse::commandReport(command::kBatteryReport, {});
        return simmouse::commandReport(
            command::kBatteryReport,
            {static_cast<uint8_t>(batteryRaw & 0xFF), static_cast<uint8_t>(batteryRaw >> 8),
             static_cast<uint8_t>(charging ? 1 : 0), writeStatus, 0, 0, linkMode});
    }
    QByteArray statusReport() const {
        return simmouse::commandReport(command::kStatusReport,
                                       {memory.activeProfile(), memory.dpiStage(), memory.rate(), mode});
    }

    // Writes the state file, when there is one.
    void keep() const {
        if (stateFile.isEmpty()) return;
        SimulatedMouseMemory m;
        m.firmware = memory.state();
        m.batteryRaw = batteryRaw;
        m.charging = charging;
        saveSimulatedMouseMemory(stateFile, m);
    }

    void reportStatusUnasked() {
        if (!off && (present[0] || present[1]))
            deliver(activePath(), simmouse::kCommandCollection, statusReport());
    }

    bool takeFault(EchoFault& out) {
        if (fault == EchoFault::None || faultCount == 0) return false;
        out = fault;
        if (faultCount > 0 && --faultCount == 0) fault = EchoFault::None;
        return true;
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
        if (!(collections & simmouse::kCommandCollection) || silent) return;
        if (static_cast<uint8_t>(f.at(0)) != kReportId || static_cast<uint8_t>(f.at(2)) != kFrameMarker)
            return;
        CommandFrame frame{};
        std::memcpy(frame.data() + 1, f.constData(), simmouse::kReportLength);
        if (frameChecksum(frame) != static_cast<uint8_t>(f.at(1))) {
            qCDebug(lcSim) << "frame with a wrong checksum ignored";
            return;
        }
        const uint8_t cmd = static_cast<uint8_t>(f.at(3));
        const EchoClass echoClass = echoClassOf(cmd);
        if (cmd == command::kStatusRequest) {
            deliver(path, simmouse::kCommandCollection, batteryReport());
            if (!off) deliver(path, simmouse::kCommandCollection, statusReport());
            return;
        }
        if (off) return;  // the receiver cannot reach the mouse: nothing happens, nothing answers
        const FirmwareMemory::Effect effect = memory.receive(f);
        // A finished write sequence and a profile switch from the host are kept at once.
        if (effect == FirmwareMemory::Effect::SequenceEnded ||
            effect == FirmwareMemory::Effect::ChangedOutside)
            keep();
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
        deliver(path, simmouse::kCommandCollection, echo);
    }

    // Tells the listener, if any; called without the lock.
    void enumerationChanged() {
        std::shared_ptr<const std::function<void()>> listener;
        {
            std::lock_guard<std::mutex> lock(mutex);
            listener = enumerationListener;
        }
        if (listener && *listener) (*listener)();
    }

    void unplugLocked() {
        if (present[0] || present[1]) presentBeforeUnplug = present;
        present = {false, false};
        for (int& g : generation) ++g;  // every handle open now is dead for good
        memory.leaveConfigMode();
    }
};

}  // namespace mousecfg
