#pragma once

#include <QVector>
#include <memory>

#include "app/session/app_services.h"
#include "platform/hotplug_service.h"
#include "sim/fault_plan.h"

namespace mousecfg {

// The real services of the running program: hidapi (or the simulated mouse), the device link,
// its status thread and writer, udev hot-plug (or polling), the host pointer speed, the key
// capture and Qt's timers. Made after the application object (the key capture asks it for the
// window system).
class AppRuntime {
public:
    AppRuntime(const Paths& paths, bool simulate, const FaultPlan& faults = FaultPlan());
    ~AppRuntime();
    AppServices& services() { return services_; }

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
    AppServices services_;
};

// HID interfaces of the mouse in an enumeration, as the polling hot-plug service compares them.
QVector<PresentInterface> mouseInterfaces(HidBackend& backend);

}  // namespace mousecfg
