#include "platform/win_key_capture.h"

#ifdef Q_OS_WIN

#include <windows.h>

#include <QPointer>

#include "platform/focus_key_capture.h"
#include "platform/key_capture_log.h"

namespace mousecfg {

namespace {

class WinHookKeyCapture;

// The hook procedure has no context argument, so the one running capture is kept here. Only the
// capture itself sets it (when its hook is installed) and clears it (before its hook is removed,
// in stop() and so in its destructor), all on the GUI thread, so it never points to a capture
// that is gone.
WinHookKeyCapture* g_hookOwner = nullptr;

class WinHookKeyCapture : public KeyCapture {
public:
    WinHookKeyCapture() {
        if (g_hookOwner) g_hookOwner->stop();
        hook_ = SetWindowsHookExW(WH_KEYBOARD_LL, &WinHookKeyCapture::hookProc, GetModuleHandleW(nullptr), 0);
        if (hook_) {
            g_hookOwner = this;
        } else {
            qCWarning(lcKeyCapture) << "SetWindowsHookExW failed:" << GetLastError();
        }
    }
    ~WinHookKeyCapture() override { stop(); }

    bool running() const { return hook_ != nullptr; }

    void stop() {
        if (g_hookOwner == this) g_hookOwner = nullptr;
        if (hook_) {
            UnhookWindowsHookEx(hook_);
            hook_ = nullptr;
        }
    }

private:
    static LRESULT CALLBACK hookProc(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HC_ACTION && g_hookOwner) {
            const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
            RawKeyEvent e;
            e.scanCode = static_cast<quint16>(info->scanCode);
            // Only the bits the program knows (the injected bits are dropped).
            e.flags = info->flags & (LLKHF_EXTENDED | LLKHF_ALTDOWN | LLKHF_UP);
            // Hand the event over through the event loop: the hook returns at once (Windows
            // drops hooks that take too long), and an event for a capture that has ended by
            // then is dropped with it.
            QPointer<WinHookKeyCapture> target(g_hookOwner);
            QMetaObject::invokeMethod(
                g_hookOwner,
                [target, e] {
                    if (target && target->running()) Q_EMIT target->keyEvent(e);
                },
                Qt::QueuedConnection);
        }
        Q_UNUSED(wParam);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK hook_ = nullptr;
};

}  // namespace

std::unique_ptr<KeyCapture> WinHookKeyCaptureService::begin(QWidget* focusWidget) {
    auto capture = std::make_unique<WinHookKeyCapture>();
    if (capture->running()) return capture;
    return std::make_unique<FocusKeyCapture>(focusWidget);
}

}  // namespace mousecfg

#endif  // Q_OS_WIN
