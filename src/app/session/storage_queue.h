#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace mousecfg {

// Where the window's file work runs once the program has started: the saves the mouse's reports
// cause and the reloads of the profile sets, away from the GUI thread. Jobs run one after another
// in the order they were posted, so a later save of a file always lands after an earlier one.
class StorageQueue {
public:
    virtual ~StorageQueue() = default;
    // Runs `job` after every job posted before it. Called from the GUI thread.
    virtual void post(std::function<void()> job) = 0;
    // Returns once every job posted so far has run.
    virtual void drain() = 0;
};

// One thread, started with the first job, that waits without waking while there is nothing to do.
// Its destructor runs what is still queued before the thread ends, so nothing posted is lost.
class StorageWorker : public StorageQueue {
public:
    StorageWorker() = default;
    ~StorageWorker() override;
    StorageWorker(const StorageWorker&) = delete;
    StorageWorker& operator=(const StorageWorker&) = delete;

    void post(std::function<void()> job) override;
    void drain() override;

private:
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;  // a job was posted, or the worker is to end
    std::condition_variable idle_;  // a job ended
    std::deque<std::function<void()>> jobs_;
    bool running_ = false;  // a job is being run
    bool ending_ = false;
    std::thread thread_;
};

}  // namespace mousecfg
