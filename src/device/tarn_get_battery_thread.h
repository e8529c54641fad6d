#pragma once

#include <QThread>
#include <atomic>
#include <condition_variable>
#include <mutex>

namespace mousecfg {

class DeviceLink;
class Pacer;

// The background reader: sends the status request now and then on the command handle and
// listens for the battery and status reports the mouse sends, turning them into signals.
//
// Timing: a request at the start and then after every 56 listening reads; one listening read
// every 400 ms (450 ms after a read error or a request). Every pause goes through the pacer and
// ends early when a stop is requested; the handle is only touched while holding the link's lock
// and never after a stop was seen.
class TarnGetBatteryThread : public QThread {
    Q_OBJECT
public:
    static constexpr int kRequestPause = 10;
    static constexpr int kAfterRequestPause = 450;
    static constexpr int kListenPause = 400;
    static constexpr int kReadErrorPause = 450;
    static constexpr int kReadTimeout = 50;
    static constexpr int kCycleLength = 57;

    TarnGetBatteryThread(DeviceLink& link, Pacer& pacer, QObject* parent = nullptr);
    ~TarnGetBatteryThread() override;

    // Sets the stop flag and ends a pause in progress; the loop leaves at its next look at the
    // flag (after the current read).
    void requestStop();
    // requestStop, then waits until run() has returned. Safe from any thread but this one.
    void stopAndWait();
    bool stopRequested() const { return isStop.load(); }
    // Waits (without asking it to stop) until run() has returned, at most `milliseconds`;
    // false on time-out. Unlike QThread::wait, the hand-over is visible to race detectors.
    bool waitForEnd(int milliseconds);

Q_SIGNALS:
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void RefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void RefreshWriteStatus(quint8 iStatus);

protected:
    void run() override;

private:
    void loop();
    void handleAnswer(const uint8_t* report, int length);

    DeviceLink& link_;
    Pacer& pacer_;
    std::atomic<bool> isStop{false};
    // run() has returned. Kept with standard primitives so race detectors see the hand-over.
    std::mutex doneMutex_;
    std::condition_variable doneCv_;
    bool done_ = false;
    bool started_ = false;
};

}  // namespace mousecfg
