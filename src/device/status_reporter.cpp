#include "device/status_reporter.h"

#include "device/tarn_get_battery_thread.h"

namespace mousecfg {

StatusReporter::StatusReporter(DeviceLink& link, Pacer& pacer, QObject* parent)
    : QObject(parent), link_(link), pacer_(pacer) {}

StatusReporter::~StatusReporter() {
    stop();
}

void StatusReporter::start() {
    std::lock_guard<std::mutex> lock(mutex_);
    stopLocked();
    thread_ = std::make_unique<TarnGetBatteryThread>(link_, pacer_);
    // The thread object lives with the reporter even when a write thread starts it.
    thread_->moveToThread(thread());
    // Signal to signal: queued into the reporter's thread, then delivered to its receivers there.
    connect(thread_.get(), &TarnGetBatteryThread::RefreshBatteryStatus, this,
            &StatusReporter::RefreshBatteryStatus);
    connect(thread_.get(), &TarnGetBatteryThread::RefreshStatus, this, &StatusReporter::RefreshStatus);
    connect(thread_.get(), &TarnGetBatteryThread::RefreshWriteStatus, this,
            &StatusReporter::RefreshWriteStatus);
    thread_->start(QThread::InheritPriority);
}

void StatusReporter::stop() {
    std::lock_guard<std::mutex> lock(mutex_);
    stopLocked();
}

void StatusReporter::stopLocked() {
    if (!thread_) return;
    thread_->stopAndWait();
    thread_.reset();
}

bool StatusReporter::isRunning() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return thread_ && thread_->isRunning();
}

}  // namespace mousecfg
