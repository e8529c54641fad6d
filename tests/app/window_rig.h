#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <condition_variable>
#include <memory>

#include "app/app_services.h"
#include "app/mousecfg_widget.h"
#include "app_fakes.h"
#include "device/device_link.h"
#include "device/pacer.h"
#include "device/profile_writer.h"
#include "device/status_reporter.h"
#include "sim/simulated_mouse.h"
#include "temp_data.h"

namespace mousecfg::test {

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

struct WindowRig {
    explicit WindowRig(SimulatedMouse::Options options = {}, double dpi = 96.0)
        : paths(QStringLiteral(MOUSECFG_BIN_DIR), data.root()),
          mouse(options),
          backend(mouse),
          link(backend, linkPacer),
          status(link, linkPacer),
          writer(link, paths, &status) {
        setConfig(QStringLiteral("Config/Diff"), 0);
        services.paths = paths;
        services.simulated = true;
        services.backend = &backend;
        services.pacer = &monitorPacer;
        services.link = &link;
        services.status = &status;
        services.writer = &writer;
        services.hotplug = &hotplug;
        services.pointerSpeed = &speed;
        services.scheduler = &scheduler;
        services.makePollTicker = [this] {
            ticker = new ManualTicker;
            return ticker.data();
        };
        services.logicalDpi = [dpi] { return dpi; };
    }
    ~WindowRig() {
        window.reset();
        status.stop();
    }

    MousecfgWidget& create() {
        window = std::make_unique<MousecfgWidget>(services);
        return *window;
    }
    void setConfig(const QString& key, const QVariant& value) const;
    QVariant config(const QString& key) const;

    // Both collections of one path come or go, as the hot-plug service reports a hidraw node.
    void plug(SimulatedMouse::Path path, bool in);
    // Frames the device link sent, status requests left out.
    std::vector<QByteArray> writeFrames() const;

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
    ManualScheduler scheduler;
    QPointer<ManualTicker> ticker;
    AppServices services;
    std::unique_ptr<MousecfgWidget> window;
};

// Runs `fn` on the first modal dialog of type T that comes up, from inside its event loop. The
// watch ends with the returned token: keep it while the dialog is expected.
using ModalWatch = std::shared_ptr<int>;
template <typename T, typename Fn>
void watchModal(std::weak_ptr<int> alive, Fn fn) {
    QTimer::singleShot(0, [alive, fn]() mutable {
        if (alive.expired()) return;
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget()))
            fn(w);
        else
            watchModal<T>(alive, fn);
    });
}
template <typename T, typename Fn>
[[nodiscard]] ModalWatch onModal(Fn fn) {
    auto token = std::make_shared<int>(0);
    watchModal<T>(token, fn);
    return token;
}

}  // namespace mousecfg::test
