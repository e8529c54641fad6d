#pragma once

#include <functional>

#include "storage/paths.h"

namespace mousecfg {

class DeviceLink;
class HidBackend;
class HotplugService;
class Pacer;
class PointerSpeedService;
class PollTicker;
class ProfileWriter;
class Scheduler;
class StatusReporter;

// Everything the window and its session use but do not own: the data folders, the device link
// and its status thread and writer, the platform services and the clocks. The program fills it
// with the real ones (AppRuntime); tests fill it with the simulated mouse, a recording pacer, a
// fake hot-plug service and a manual scheduler.
struct AppServices {
    Paths paths;
    bool simulated = false;
    HidBackend* backend = nullptr;
    Pacer* pacer = nullptr;
    DeviceLink* link = nullptr;
    StatusReporter* status = nullptr;
    ProfileWriter* writer = nullptr;
    HotplugService* hotplug = nullptr;            // none: plugging is only seen at start-up
    PointerSpeedService* pointerSpeed = nullptr;  // none: the host speed is left alone
    Scheduler* scheduler = nullptr;
    // The clock of the polling "Dongle Disconnect!" box; none: the box's own 100 ms timer.
    std::function<PollTicker*()> makePollTicker;
    // Logical DPI of the screen the window is on; none: asked from the screen.
    std::function<double()> logicalDpi;
};

}  // namespace mousecfg
