#pragma once

#include <QObject>
#include <functional>

namespace mousecfg {

// Deferred calls of the main window (the 200 ms warning timers). The program uses Qt's timers;
// tests queue the calls and run them when they choose, so nothing waits for real.
class Scheduler {
public:
    virtual ~Scheduler() = default;
    // Calls `fn` once after `milliseconds`, unless `context` is gone by then.
    virtual void singleShot(int milliseconds, QObject* context, std::function<void()> fn) = 0;
};

class TimerScheduler : public Scheduler {
public:
    void singleShot(int milliseconds, QObject* context, std::function<void()> fn) override;
};

}  // namespace mousecfg
