#include <QGuiApplication>

#include "platform/focus_key_capture.h"
#include "platform/key_capture.h"
#include "platform/key_capture_log.h"
#include "platform/win_key_capture.h"
#include "platform/x11_key_capture.h"

namespace mousecfg {

std::unique_ptr<KeyCaptureService> makeKeyCaptureService() {
#ifdef Q_OS_WIN
    return std::make_unique<WinHookKeyCaptureService>();
#else
    // Raw events only see X clients: under Wayland (even with XWayland running) they would miss
    // the keys typed into native windows, so the X route is taken on an X session only.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto x11 = X11KeyCaptureService::create()) {
            qCDebug(lcKeyCapture) << "key capture: XInput2 raw events";
            return x11;
        }
    }
    qCDebug(lcKeyCapture) << "key capture: focused window only on platform"
                          << QGuiApplication::platformName();
    return std::make_unique<FocusKeyCaptureService>();
#endif
}

}  // namespace mousecfg
