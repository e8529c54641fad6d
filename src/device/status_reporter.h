#pragma once

#include <QObject>
#include <memory>
#include <mutex>

namespace mousecfg {

class DeviceLink;
class Pacer;
class TarnGetBatteryThread;

// Owns the running status thread and relays its signals. The main window connects to these
// signals once; start() and stop() may be called from the GUI thread and from the write thread.
// stop() waits until the running pass has ended and deletes the thread object, so a profile
// write that follows never shares the command handle with it and no stopped thread leaks.
// Never call stop() while holding DeviceLink::lockCommand(): the pass being waited for needs it.
class StatusReporter : public QObject {
    Q_OBJECT
public:
    StatusReporter(DeviceLink& link, Pacer& pacer, QObject* parent = nullptr);
    ~StatusReporter() override;

    // Starts a new thread (stopping a running one first).
    void start();
    // Stops and joins the running thread; does nothing when none runs.
    void stop();
    bool isRunning() const;

Q_SIGNALS:
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void RefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void RefreshWriteStatus(quint8 iStatus);

private:
    void stopLocked();

    DeviceLink& link_;
    Pacer& pacer_;
    mutable std::mutex mutex_;
    std::unique_ptr<TarnGetBatteryThread> thread_;
};

}  // namespace mousecfg
