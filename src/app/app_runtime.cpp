#include "app/app_runtime.h"

#include "app/session/app_log.h"
#include "app/session/collection_kind.h"
#include "app/session/gui_post.h"
#include "app/session/scheduler.h"
#include "device/device_link.h"
#include "device/pacer.h"
#include "device/profile_writer.h"
#include "device/status_reporter.h"
#include "platform/key_capture.h"
#include "platform/osd_delivery.h"
#include "platform/pointer_speed.h"
#include "sim/backend_factory.h"
#include "sim/simulated_mouse.h"
#include "storage/config_state_load.h"

namespace mousecfg {

QVector<PresentInterface> mouseInterfaces(HidBackend& backend) {
    QVector<PresentInterface> out;
    if (backend.init() != 0) return out;
    for (const HidDeviceInfo& d : backend.enumerate()) {
        if (d.vendorId != kVendorId) continue;
        if (d.productId != kReceiverProductId && d.productId != kCableProductId) continue;
        const int kind = collectionKind(d.usagePage, d.usage);
        if (kind == kNoCollection) continue;
        out.append({d.vendorId, d.productId, kind, QString::fromUtf8(d.path), d.releaseNumber});
    }
    return out;
}

struct AppRuntime::Impl {
    std::unique_ptr<ConfigStateLoad> startLoad;
    std::unique_ptr<HidBackend> backend;
    SleepPacer pacer;
    std::unique_ptr<DeviceLink> link;
    std::unique_ptr<StatusReporter> status;
    std::unique_ptr<ProfileWriter> writer;
    std::unique_ptr<HotplugService> hotplug;
    std::unique_ptr<PointerSpeedService> pointerSpeed;
    std::unique_ptr<KeyCaptureService> keyCapture;
    TimerScheduler scheduler;
    std::unique_ptr<OsdDelivery> osd;
};

AppRuntime::AppRuntime(const Paths& paths, bool simulate, const FaultPlan& faults)
    : d_(std::make_unique<Impl>()) {
    // The stored settings load on threads of their own while the window is built.
    d_->startLoad = std::make_unique<ConfigStateLoad>(paths);
    d_->backend = makeBackend(simulate, paths, faults);
    d_->link = std::make_unique<DeviceLink>(*d_->backend, d_->pacer);
    d_->status = std::make_unique<StatusReporter>(*d_->link, d_->pacer);
    d_->writer = std::make_unique<ProfileWriter>(*d_->link, paths, d_->status.get());
    HidBackend* backend = d_->backend.get();
    InterfaceLister lister = [backend] { return mouseInterfaces(*backend); };
    if (simulate) {
        // The simulated mouse is invisible to udev: its enumeration is looked at again whenever
        // it says it changed (from any thread: the look runs on the GUI thread), never on a timer.
        auto polling = std::make_unique<PollingHotplugService>(lister, 0);
        if (auto* mouse = dynamic_cast<SimulatedMouse*>(backend)) {
            PollingHotplugService* service = polling.get();
            mouse->setEnumerationListener(
                [service] { postToThreadOf(service, [service] { service->poll(); }); });
        }
        d_->hotplug = std::move(polling);
        d_->pointerSpeed = std::make_unique<NoPointerSpeed>();
    } else {
        d_->hotplug = makeHotplugService(lister);
        d_->pointerSpeed = makePointerSpeedService();
    }
    d_->keyCapture = makeKeyCaptureService();
    qCDebug(lcApp) << "hot-plug service:" << d_->hotplug->name()
                   << "pointer speed:" << d_->pointerSpeed->name()
                   << "key capture:" << d_->keyCapture->name();

    services_.paths = paths;
    services_.simulated = simulate;
    services_.backend = backend;
    services_.pacer = &d_->pacer;
    services_.link = d_->link.get();
    services_.status = d_->status.get();
    services_.writer = d_->writer.get();
    services_.hotplug = d_->hotplug.get();
    services_.pointerSpeed = d_->pointerSpeed.get();
    services_.keyCapture = d_->keyCapture.get();
    services_.scheduler = &d_->scheduler;
    services_.startLoad = d_->startLoad.get();

    // mousecfg-osd beside the program; its waits run on the window's timers.
    Scheduler* scheduler = &d_->scheduler;
    DeferCall defer = [scheduler](int ms, QObject* context, std::function<void()> fn) {
        scheduler->singleShot(ms, context, std::move(fn));
    };
    d_->osd = std::make_unique<OsdDelivery>(makeOsdEndpoint(), detachedLauncher(osdProgramPath()), defer);
    services_.osd = d_->osd.get();
}

AppRuntime::~AppRuntime() {
    if (auto* mouse = dynamic_cast<SimulatedMouse*>(d_->backend.get())) mouse->setEnumerationListener({});
    if (d_->status) d_->status->stop();
    if (d_->link) d_->link->CloseDevice();
}

}  // namespace mousecfg
