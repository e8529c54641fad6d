#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

namespace mousecfg {

// Every pause of the device link goes through a pacer, so tests can record the pauses and skip
// them, and the status thread can be stopped in the middle of one.
class Pacer {
public:
    virtual ~Pacer() = default;
    virtual void pause(int milliseconds) = 0;
    // Like pause, but returns early once `cancel` is set and wake() called. Returns false when it
    // was cancelled (before or during the pause).
    virtual bool pauseUnlessCancelled(int milliseconds, const std::atomic<bool>& cancel);
    // Makes every pauseUnlessCancelled waiting now look at its flag at once: call it after setting
    // a flag.
    virtual void wake() {}
};

// The real pacer: sleeps the calling thread. A cancellable pause waits on a condition variable,
// so a waiting thread costs no wake-ups and a stop ends its pause at once.
class SleepPacer : public Pacer {
public:
    void pause(int milliseconds) override;
    bool pauseUnlessCancelled(int milliseconds, const std::atomic<bool>& cancel) override;
    void wake() override;

private:
    std::mutex mutex_;
    std::condition_variable wakeUp_;
};

// Returns at once and does nothing (benchmarks, dry runs).
class InstantPacer : public Pacer {
public:
    void pause(int) override {}
};

// Returns at once and remembers every pause. Thread-safe. An optional hook runs on every pause
// (in the pausing thread) with the pause's index, so a test can act at a chosen point.
class RecordingPacer : public Pacer {
public:
    using Hook = std::function<void(int index, int milliseconds)>;
    void pause(int milliseconds) override;
    std::vector<int> pauses() const;
    int count() const;
    int total() const;  // sum of all recorded pauses, ms
    void clear();
    void setHook(Hook hook);

private:
    mutable std::mutex mutex_;
    std::vector<int> pauses_;
    Hook hook_;
};

}  // namespace mousecfg
