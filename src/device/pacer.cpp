#include "device/pacer.h"

#include <QThread>
#include <chrono>

namespace mousecfg {

bool Pacer::pauseUnlessCancelled(int milliseconds, const std::atomic<bool>& cancel) {
    if (cancel.load()) return false;
    pause(milliseconds);
    return !cancel.load();
}

void SleepPacer::pause(int milliseconds) {
    if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

bool SleepPacer::pauseUnlessCancelled(int milliseconds, const std::atomic<bool>& cancel) {
    std::unique_lock<std::mutex> lock(mutex_);
    // Spurious wake-ups wait again until the same deadline.
    return !wakeUp_.wait_for(lock, std::chrono::milliseconds(milliseconds > 0 ? milliseconds : 0),
                             [&cancel] { return cancel.load(); });
}

void SleepPacer::wake() {
    // Taking the lock orders the flag before a waiter's look at it: no wake-up is lost between
    // its look and its wait.
    { std::lock_guard<std::mutex> lock(mutex_); }
    wakeUp_.notify_all();
}

void RecordingPacer::pause(int milliseconds) {
    Hook hook;
    int index = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        index = static_cast<int>(pauses_.size());
        pauses_.push_back(milliseconds);
        hook = hook_;
    }
    if (hook) hook(index, milliseconds);
}

std::vector<int> RecordingPacer::pauses() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return pauses_;
}

int RecordingPacer::count() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<int>(pauses_.size());
}

int RecordingPacer::total() const {
    std::lock_guard<std::mutex> lock(mutex_);
    int sum = 0;
    for (int p : pauses_) sum += p;
    return sum;
}

void RecordingPacer::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    pauses_.clear();
}

void RecordingPacer::setHook(Hook hook) {
    std::lock_guard<std::mutex> lock(mutex_);
    hook_ = std::move(hook);
}

}  // namespace mousecfg
