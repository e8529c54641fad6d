#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace mousecfg::win32 {

// Windows: HID interfaces coming and going, as the system announces them, and their release
// numbers. Qt-free; compiled on Windows only. The platform layer turns these facts into
// HotplugEvents with parseInterfacePath.

// A HID interface that arrived or left: the path of a DBT_DEVICEARRIVAL or
// DBT_DEVICEREMOVECOMPLETE broadcast, such as "\\?\HID#VID_248A&PID_FA02&MI_00&Col04#...".
struct InterfaceChange {
    enum class Type { Arrival, Removal };
    Type type = Type::Arrival;
    std::wstring path;
};

// Reads one WM_DEVICECHANGE message from its wParam and lParam. Nothing for other events, other
// kinds of broadcast, or a broadcast without a path. The path is read only within the size the
// broadcast gives itself.
std::optional<InterfaceChange> decodeDeviceChange(std::uintptr_t wParam, std::intptr_t lParam);

// The release number (bcdDevice) of the HID interface at `path`, through HidD_GetAttributes. The
// interface is opened without read or write access, which Windows allows even for the mouse
// collection it keeps for itself. Nothing when it cannot be opened or read.
std::optional<int> hidReleaseNumber(const std::wstring& path);

// Watches HID interfaces through a hidden message-only window registered with
// RegisterDeviceNotificationW for the HID interface class. The notifications arrive through the
// message loop of the thread that called start() (Qt's event dispatcher runs it) and reach the
// callback there. Destroying the object ends the watch.
class DeviceNotifier {
public:
    using Callback = std::function<void(const InterfaceChange&)>;

    explicit DeviceNotifier(Callback callback);
    ~DeviceNotifier();
    DeviceNotifier(const DeviceNotifier&) = delete;
    DeviceNotifier& operator=(const DeviceNotifier&) = delete;

    // Creates the window and registers it; false, with lastError(), when either fails.
    bool start();
    void stop();
    bool running() const { return registration_ != nullptr; }
    unsigned long lastError() const { return lastError_; }

private:
    friend struct NotifierWindow;

    Callback callback_;
    void* window_ = nullptr;        // HWND
    void* registration_ = nullptr;  // HDEVNOTIFY
    unsigned long lastError_ = 0;
};

}  // namespace mousecfg::win32
