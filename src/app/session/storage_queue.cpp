#include "app/session/storage_queue.h"

#include <utility>

namespace mousecfg {

StorageWorker::~StorageWorker() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ending_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void StorageWorker::post(std::function<void()> job) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        jobs_.push_back(std::move(job));
        if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
    }
    wake_.notify_one();
}

void StorageWorker::drain() {
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return jobs_.empty() && !running_; });
}

void StorageWorker::run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        // The queue is emptied before the thread ends: saves posted before the end still land.
        wake_.wait(lock, [this] { return ending_ || !jobs_.empty(); });
        if (jobs_.empty()) return;
        std::function<void()> job = std::move(jobs_.front());
        jobs_.pop_front();
        running_ = true;
        lock.unlock();
        job();
        job = nullptr;  // what it holds goes before drain() returns
        lock.lock();
        running_ = false;
        idle_.notify_all();
    }
}

}  // namespace mousecfg
