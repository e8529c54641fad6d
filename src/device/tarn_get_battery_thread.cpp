#include "device/tarn_get_battery_thread.h"

#include <array>
#include <chrono>

#include "device/command_frame.h"
#include "device/device_link.h"
#include "device/device_log.h"
#include "device/pacer.h"
#include "device/status_answer.h"

namespace mousecfg {

TarnGetBatteryThread::TarnGetBatteryThread(DeviceLink& link, Pacer& pacer, QObject* parent)
    : QThread(parent), link_(link), pacer_(pacer) {}

TarnGetBatteryThread::~TarnGetBatteryThread() {
    stopAndWait();
}

void TarnGetBatteryThread::requestStop() {
    isStop.store(true);
    pacer_.wake();
}

void TarnGetBatteryThread::stopAndWait() {
    requestStop();
    if (currentThread() == this) return;
    if (isRunning() || isFinished()) {
        std::unique_lock<std::mutex> lock(doneMutex_);
        doneCv_.wait(lock, [this] { return done_; });
    }
    wait();
}

bool TarnGetBatteryThread::waitForEnd(int milliseconds) {
    {
        std::unique_lock<std::mutex> lock(doneMutex_);
        if (!doneCv_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return done_; }))
            return false;
    }
    wait();
    return true;
}

void TarnGetBatteryThread::run() {
    qCDebug(lcDevice, "TarnGetBatteryThread.\n");
    loop();
    std::lock_guard<std::mutex> lock(doneMutex_);
    done_ = true;
    doneCv_.notify_all();
}

void TarnGetBatteryThread::loop() {
    const CommandFrame request = statusRequestFrame();
    std::array<uint8_t, 64> answer{};
    int cycle = 0;
    while (!isStop.load()) {
        answer.fill(0);
        if (cycle == 0) {
            int got;
            {
                DeviceLink::CommandAccess access = link_.lockCommand();
                HidHandle* handle = access.handle();
                if (!handle) return;  // no command handle: end without the closing line
                if (handle->write(request.data() + 1, kFrameLength) < 0)
                    qCDebug(lcDevice, "Unable to send a feature report.\n");
                // The answer belongs to this request: nobody else reads in between.
                pacer_.pause(kRequestPause);
                got = handle->readTimeout(answer.data() + 1, kFrameLength, kReadTimeout);
            }
            if (got < 0) {
                Q_EMIT RefreshBatteryStatus(0, answer[5], answer[6]);
            } else {
                qCDebug(lcDevice, "Threadread bat - %x %x %x %x %x %x %x %x\n", answer[1], answer[2],
                        answer[3], answer[4], answer[5], answer[6], answer[7], answer[8]);
                if (got > 0 && answer[4] == command::kBatteryReport) handleAnswer(answer.data() + 1, got);
            }
            cycle = 2;
            if (!pacer_.pauseUnlessCancelled(kAfterRequestPause, isStop)) break;
            // Straight on to the listening read, without counting it.
        } else {
            ++cycle;
        }

        int got;
        {
            DeviceLink::CommandAccess access = link_.lockCommand();
            HidHandle* handle = access.handle();
            if (!handle) return;
            got = handle->readTimeout(answer.data() + 1, kFrameLength, kReadTimeout);
        }
        if (got < 0) {
            qCDebug(lcDevice, "Unable to read a feature report 1.\n");
            if (!pacer_.pauseUnlessCancelled(kReadErrorPause, isStop)) break;
        } else {
            // A time-out leaves nothing new to handle (the buffer may still hold the last answer).
            if (got > 0) handleAnswer(answer.data() + 1, got);
            if (!pacer_.pauseUnlessCancelled(kListenPause, isStop)) break;
        }
        if (cycle == kCycleLength) cycle = 0;
    }
    qCDebug(lcDevice, "TarnGetBatteryThread Stop.\n");
}

void TarnGetBatteryThread::handleAnswer(const uint8_t* report, int length) {
    const StatusAnswer a = decodeAnswer(report, static_cast<size_t>(length));
    switch (a.kind) {
        case StatusAnswer::Kind::Status:
            Q_EMIT RefreshStatus(a.profile, a.dpiStage, a.rate, a.mode);
            break;
        case StatusAnswer::Kind::Battery:
            link_.setLinkMode(a.linkMode);
            Q_EMIT RefreshBatteryStatus(a.charge, a.lowByte, a.hiByte);
            if (!a.mouseOff()) Q_EMIT RefreshWriteStatus(a.writeStatus);
            break;
        case StatusAnswer::Kind::None:
            break;
    }
}

}  // namespace mousecfg
