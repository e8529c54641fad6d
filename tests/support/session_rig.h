#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <condition_variable>
#include <memory>

#include "app/session/app_services.h"
#include "app/session/profile_dialogs.h"
#include "app/session/window_session.h"
#include "app_fakes.h"
#include "device/device_link.h"
#include "device/pacer.h"
#include "device/profile_writer.h"
#include "device/status_reporter.h"
#include "fake_key_capture.h"
#include "sim/simulated_mouse.h"
#include "temp_data.h"

namespace mousecfg::test {

// Answers in place of the user and remembers what was shown.
struct ScriptedDialogs : ProfileDialogs {
    void warn(const QString& text) override { warnings << text; }
    bool confirm(const QString& text) override {
        questions << text;
        return answer;
    }
    QString saveFileName(const QString& title, const QString& filter) override {
        titles << title + QLatin1Char('|') + filter;
        return file;
    }
    QString openFileName(const QString& title, const QString& filter) override {
        titles << title + QLatin1Char('|') + filter;
        return file;
    }
    QStringList warnings, questions, titles;
    bool answer = true;
    QString file;
};

// The status thread's clock: short pauses (transaction waits) pass at once; its long pauses wait
// until the test lets one pass, so reports arrive when the test asks for them. A stop request
// (the flag, then wake()) ends a waiting pause.
class GatedPacer : public Pacer {
public:
    static constexpr int kGateFrom = 100;
    void pause(int) override {}
    bool pauseUnlessCancelled(int milliseconds, const std::atomic<bool>& cancel) override {
        if (cancel.load()) return false;
        if (milliseconds < kGateFrom) return true;
        std::unique_lock<std::mutex> lock(mutex_);
        ++parked_;
        cv_.notify_all();
        cv_.wait(lock, [&] { return tokens_ > 0 || cancel.load(); });
        if (tokens_ > 0 && !cancel.load()) --tokens_;
        return !cancel.load();
    }
    void wake() override {
        { std::lock_guard<std::mutex> lock(mutex_); }
        cv_.notify_all();
    }
    int parked() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return parked_;
    }
    // Lets one waiting pause end and waits until the thread has made its pass and waits again.
    // False when it did not come back (the thread ended).
    bool step() {
        std::unique_lock<std::mutex> lock(mutex_);
        const int before = parked_;
        ++tokens_;
        cv_.notify_all();
        return cv_.wait_for(lock, std::chrono::seconds(10), [&] { return parked_ > before; });
    }

private:
    mutable std::mutex mutex_;
    std::condition_variable cv_;
    int tokens_ = 0;
    int parked_ = 0;
};

// The session's services over the simulated mouse in a fresh copy of the installation data: the
// status thread paced by the test, the other pauses recorded, hot-plug, pointer speed, the keys,
// the 200 ms timers and the storage queue in the test's hands.
struct SessionRig {
    explicit SessionRig(SimulatedMouse::Options options = {}, double dpi = 96.0);
    ~SessionRig();

    // A started session (what the window does at start-up, without a window).
    WindowSession& startSession();
    // Edits Config.ini directly (without the folder's lock), after the saves queued so far.
    void setConfig(const QString& key, const QVariant& value);
    QVariant config(const QString& key) const;

    // Both collections of one path come or go, as the hot-plug service reports a hidraw node.
    void plug(SimulatedMouse::Path path, bool in);
    // Frames the device link sent, status requests left out.
    std::vector<QByteArray> writeFrames() const;
    // Status requests the mouse received: one per start of the status thread that got going.
    int statusRequests() const;
    // Lets the status thread make passes (delivering what it reported) until `done` holds.
    template <typename Pred>
    bool statusUntil(Pred done, int passes = 20) {
        QCoreApplication::processEvents();
        for (int i = 0; i < passes && !done(); ++i) {
            if (!linkPacer.step()) return false;
            QCoreApplication::processEvents();
        }
        return done();
    }

    TempData data{true};
    Paths paths;
    SimulatedMouse mouse;
    ThreadRecordingBackend backend;
    GatedPacer linkPacer;
    RecordingPacer monitorPacer;
    DeviceLink link;
    StatusReporter status;
    ProfileWriter writer;
    FakeHotplug hotplug;
    FakePointerSpeed speed;
    FakeKeyCaptureService keys;
    ManualScheduler scheduler;
    RecordingOsd osd;
    TestStorageQueue storage;
    AppServices services;
    std::unique_ptr<WindowSession> session;
};

}  // namespace mousecfg::test
