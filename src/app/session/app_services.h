#pragma once

#include <functional>

#include "storage/paths.h"

namespace mousecfg {

class ConfigStateLoad;
class DeviceLink;
class HidBackend;
class HotplugService;
class KeyCaptureService;
class OsdDelivery;
class Pacer;
class PointerSpeedService;
class PollTicker;
class ProfileWriter;
class Scheduler;
class StatusReporter;
class StorageQueue;

// Everything the window and its session use but do not own: the data folders, the device link
// and its status thread and writer, the platform services and the clocks. The program fills it
// with the real ones (AppRuntime); tests fill it with the simulated mouse, a recording pacer, a
// fake hot-plug service, a fake key capture and a manual scheduler.
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
    // The one key capture of the program (key dialogs, macro recording); none: the window makes
    // one that sees the keys typed into it only.
    KeyCaptureService* keyCapture = nullptr;
    Scheduler* scheduler = nullptr;
    // Where the session's saves and reloads run after start-up; none: a thread of its own.
    StorageQueue* storage = nullptr;
    // The stored settings' load the program began before the window; none: the session loads
    // them when it starts.
    ConfigStateLoad* startLoad = nullptr;
    // The clock of the polling "Dongle Disconnect!" box; none: the box's own 100 ms timer.
    std::function<PollTicker*()> makePollTicker;
    // Logical DPI of the screen the window is on; none: asked from the screen.
    std::function<double()> logicalDpi;
    // The on-screen display; none: its texts go nowhere.
    OsdDelivery* osd = nullptr;
    // Whether a notification area shows the tray icon; none: asked from Qt. Without one nothing
    // hides the window, and closing it ends the program.
    std::function<bool()> trayAvailable;
    // Ends the event loop with a code (the tray's "&Quit", closing without a tray, the firmware
    // hand-over); the program then shuts down as usual. None: QCoreApplication::exit.
    std::function<void(int exitCode)> quit;
    // Starts a program detached, without arguments (the firmware updater); none:
    // QProcess::startDetached.
    std::function<bool(const QString& program)> startDetached;
};

}  // namespace mousecfg
