#pragma once

#include <QPointer>
#include <QThread>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "app/session/scheduler.h"
#include "app/session/storage_queue.h"
#include "device/hid_backend.h"
#include "osd/osd_record.h"
#include "platform/hotplug_service.h"
#include "platform/osd_delivery.h"
#include "platform/pointer_speed.h"

namespace mousecfg::test {

// Keeps the window's deferred calls until the test runs them.
class ManualScheduler : public Scheduler {
public:
    struct Call {
        int milliseconds;
        QPointer<QObject> context;
        std::function<void()> fn;
    };
    void singleShot(int milliseconds, QObject* context, std::function<void()> fn) override {
        calls_.push_back({milliseconds, context, std::move(fn)});
    }
    int pending() const { return static_cast<int>(calls_.size()); }
    std::vector<int> delays() const {
        std::vector<int> out;
        for (const Call& c : calls_) out.push_back(c.milliseconds);
        return out;
    }
    // Runs what is queued now (calls queued meanwhile wait for the next run).
    void runPending() {
        std::vector<Call> now = std::move(calls_);
        calls_.clear();
        for (Call& c : now)
            if (c.context) c.fn();
    }

private:
    std::vector<Call> calls_;
};

class FakeHotplug : public HotplugService {
    Q_OBJECT
public:
    bool start() override {
        started = true;
        return startResult;
    }
    QString name() const override { return QStringLiteral("fake"); }
    void send(const HotplugEvent& e) { Q_EMIT deviceEvent(e); }
    bool started = false;
    bool startResult = true;
};

class FakePointerSpeed : public PointerSpeedService {
public:
    std::optional<int> read() override { return value; }
    bool apply(int speed) override {
        applied.push_back(speed);
        return true;
    }
    QString name() const override { return QStringLiteral("fake"); }
    std::optional<int> value = 7;
    std::vector<int> applied;
};

// An on-screen display that is always there and keeps what it was sent.
class RecordingOsdEndpoint : public OsdEndpoint {
public:
    void probe() override { Q_EMIT found(); }
    bool ready() const override { return true; }
    bool send(const QByteArray& record) override {
        if (std::optional<osd::OsdMessage> m = osd::decodeRecord(record)) messages.push_back(*m);
        return true;
    }
    QStringList texts() const {
        QStringList out;
        for (const osd::OsdMessage& m : messages) out << m.text;
        return out;
    }
    std::vector<osd::OsdMessage> messages;
};

// The delivery over it, for AppServices::osd.
struct RecordingOsd {
    RecordingOsd() {
        auto e = std::make_unique<RecordingOsdEndpoint>();
        endpoint = e.get();
        delivery = std::make_unique<OsdDelivery>(
            std::move(e), [] { return false; }, [](int, QObject*, std::function<void()>) {});
    }
    RecordingOsdEndpoint* endpoint;
    std::unique_ptr<OsdDelivery> delivery;
};

// The session's storage queue in the test's hands: its jobs run on a worker thread, each noted
// with the thread it ran on; held, they wait until the test (or the session's settle()) drains.
class TestStorageQueue : public StorageQueue {
public:
    void post(std::function<void()> job) override {
        std::function<void()> noted = [this, job = std::move(job)] {
            {
                std::lock_guard<std::mutex> lock(mutex_);
                threads_.insert(std::this_thread::get_id());
            }
            job();
        };
        std::lock_guard<std::mutex> lock(mutex_);
        if (held_)
            waiting_.push_back(std::move(noted));
        else
            worker_.post(std::move(noted));
    }
    // Runs what waits, and returns once every job has run (the queue stays held if it was).
    void drain() override {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            for (std::function<void()>& job : waiting_) worker_.post(std::move(job));
            waiting_.clear();
        }
        worker_.drain();
    }
    void hold(bool held) {
        std::lock_guard<std::mutex> lock(mutex_);
        held_ = held;
    }
    int waiting() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return static_cast<int>(waiting_.size());
    }
    // The threads the jobs ran on so far.
    std::set<std::thread::id> threads() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return threads_;
    }

private:
    mutable std::mutex mutex_;
    bool held_ = false;
    std::vector<std::function<void()>> waiting_;
    std::set<std::thread::id> threads_;
    StorageWorker worker_;
};

// Passes everything to another backend and remembers which threads wrote frames.
class ThreadRecordingBackend : public HidBackend {
public:
    explicit ThreadRecordingBackend(HidBackend& inner) : inner_(inner) {}
    int init() override { return inner_.init(); }
    std::vector<HidDeviceInfo> enumerate() override { return inner_.enumerate(); }
    std::unique_ptr<HidHandle> open(const QByteArray& path) override;
    int exit() override { return inner_.exit(); }

    std::set<QThread*> writers() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return writers_;
    }
    int writesFrom(QThread* thread) const {
        std::lock_guard<std::mutex> lock(mutex_);
        int n = 0;
        for (QThread* t : log_)
            if (t == thread) ++n;
        return n;
    }
    void clear() {
        std::lock_guard<std::mutex> lock(mutex_);
        writers_.clear();
        log_.clear();
    }
    // Runs in the writing thread before every frame is passed on.
    using WriteHook = std::function<void(const uint8_t* frame)>;
    void setBeforeWrite(WriteHook hook) {
        std::lock_guard<std::mutex> lock(mutex_);
        hook_ = std::move(hook);
    }
    void record(const uint8_t* frame) {
        WriteHook hook;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            writers_.insert(QThread::currentThread());
            log_.push_back(QThread::currentThread());
            hook = hook_;
        }
        if (hook) hook(frame);
    }

private:
    HidBackend& inner_;
    mutable std::mutex mutex_;
    std::set<QThread*> writers_;
    std::vector<QThread*> log_;
    WriteHook hook_;
};

class RecordingHandle : public HidHandle {
public:
    RecordingHandle(std::unique_ptr<HidHandle> inner, ThreadRecordingBackend& owner)
        : inner_(std::move(inner)), owner_(owner) {}
    int write(const uint8_t* data, size_t length) override {
        owner_.record(data);
        return inner_->write(data, length);
    }
    int readTimeout(uint8_t* data, size_t length, int milliseconds) override {
        return inner_->readTimeout(data, length, milliseconds);
    }

private:
    std::unique_ptr<HidHandle> inner_;
    ThreadRecordingBackend& owner_;
};

inline std::unique_ptr<HidHandle> ThreadRecordingBackend::open(const QByteArray& path) {
    std::unique_ptr<HidHandle> h = inner_.open(path);
    if (!h) return nullptr;
    return std::make_unique<RecordingHandle>(std::move(h), *this);
}

}  // namespace mousecfg::test
