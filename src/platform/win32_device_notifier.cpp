#include "platform/win32_device_notifier.h"

#ifdef _WIN32

// clang-format off
#include <windows.h>
#include <dbt.h>
// mingw-w64's hidsdi.h declares the hid.dll functions without C linkage.
extern "C" {
#include <hidsdi.h>
}
// clang-format on

#include <cstddef>

namespace mousecfg::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"mousecfg device notifications";
// GUID_DEVINTERFACE_HID
constexpr GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

}  // namespace

std::optional<InterfaceChange> decodeDeviceChange(std::uintptr_t wParam, std::intptr_t lParam) {
    InterfaceChange change;
    if (wParam == DBT_DEVICEARRIVAL)
        change.type = InterfaceChange::Type::Arrival;
    else if (wParam == DBT_DEVICEREMOVECOMPLETE)
        change.type = InterfaceChange::Type::Removal;
    else
        return std::nullopt;
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
    if (!header || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE) return std::nullopt;
    // The name runs past the declared structure, NUL-terminated within dbch_size.
    constexpr std::size_t kNameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    if (header->dbch_size <= kNameOffset) return std::nullopt;
    const std::size_t maxChars = (header->dbch_size - kNameOffset) / sizeof(wchar_t);
    const wchar_t* name = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header)->dbcc_name;
    std::size_t length = 0;
    while (length < maxChars && name[length] != L'\0') ++length;
    if (length == 0) return std::nullopt;
    change.path.assign(name, length);
    return change;
}

std::optional<int> hidReleaseNumber(const std::wstring& path) {
    HANDLE h =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return std::nullopt;
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof(attributes);
    const bool ok = HidD_GetAttributes(h, &attributes) != FALSE;
    CloseHandle(h);
    if (!ok) return std::nullopt;
    return static_cast<int>(attributes.VersionNumber);
}

// The window procedure; a friend of DeviceNotifier, which it finds in the window's user data.
struct NotifierWindow {
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        } else if (message == WM_DEVICECHANGE) {
            const auto* self =
                reinterpret_cast<const DeviceNotifier*>(GetWindowLongPtrW(window, GWLP_USERDATA));
            if (self && self->callback_) {
                if (const std::optional<InterfaceChange> change = decodeDeviceChange(wParam, lParam)) {
                    // A copy: the callback may end the watch and with it the notifier.
                    const DeviceNotifier::Callback callback = self->callback_;
                    callback(*change);
                }
            }
            return TRUE;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
};

DeviceNotifier::DeviceNotifier(Callback callback) : callback_(std::move(callback)) {}

DeviceNotifier::~DeviceNotifier() {
    stop();
}

bool DeviceNotifier::start() {
    if (running()) return true;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &NotifierWindow::procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    if (!RegisterClassExW(&windowClass)) {
        const DWORD error = GetLastError();
        // Registered by an earlier notifier of this program: the same procedure.
        if (error != ERROR_CLASS_ALREADY_EXISTS) {
            lastError_ = error;
            return false;
        }
    }
    HWND window = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
    if (!window) {
        lastError_ = GetLastError();
        return false;
    }
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kHidInterfaceClass;
    HDEVNOTIFY registration = RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    if (!registration) {
        lastError_ = GetLastError();
        DestroyWindow(window);
        return false;
    }
    window_ = window;
    registration_ = registration;
    lastError_ = 0;
    return true;
}

void DeviceNotifier::stop() {
    if (registration_) {
        UnregisterDeviceNotification(static_cast<HDEVNOTIFY>(registration_));
        registration_ = nullptr;
    }
    if (window_) {
        DestroyWindow(static_cast<HWND>(window_));
        window_ = nullptr;
    }
}

}  // namespace mousecfg::win32

#endif  // _WIN32
