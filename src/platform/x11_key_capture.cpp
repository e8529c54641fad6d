#include "platform/x11_key_capture.h"

#include <QSocketNotifier>

#include "platform/focus_key_capture.h"
#include "platform/key_capture_log.h"

#ifdef MOUSECFG_HAVE_X11
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#endif

namespace mousecfg {

#ifdef MOUSECFG_HAVE_X11

namespace {

// Opens the display and checks for XInput 2.2; the XInput opcode on success, else -1 (and the
// display is closed and set to null).
int openXInput2(Display*& display, const QByteArray& name) {
    display = XOpenDisplay(name.isEmpty() ? nullptr : name.constData());
    if (!display) return -1;
    int opcode = 0, event = 0, error = 0;
    int major = 2, minor = 2;
    if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error) ||
        XIQueryVersion(display, &major, &minor) != Success || major < 2 || (major == 2 && minor < 1)) {
        XCloseDisplay(display);
        display = nullptr;
        return -1;
    }
    return opcode;
}

bool keyDown(const char keys[32], int keycode) {
    return keycode >= 0 && keycode < 256 && (keys[keycode / 8] & (1 << (keycode % 8))) != 0;
}

}  // namespace

X11KeyCapture::X11KeyCapture(Display* display, int xiOpcode) : display_(display), xiOpcode_(xiOpcode) {
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XIEventMask mask;
    mask.deviceid = XIAllMasterDevices;
    mask.mask_len = sizeof bits;
    mask.mask = bits;
    XISelectEvents(display_, DefaultRootWindow(display_), &mask, 1);

    // An Alt key already held when the capture starts still counts.
    char keys[32] = {};
    XQueryKeymap(display_, keys);
    translator_.setAltDown(keyDown(keys, evdev::kLeftAlt + evdev::kXKeycodeOffset),
                           keyDown(keys, evdev::kRightAlt + evdev::kXKeycodeOffset));

    notifier_ = new QSocketNotifier(ConnectionNumber(display_), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &X11KeyCapture::drain);
    XFlush(display_);
    drain();
}

X11KeyCapture::~X11KeyCapture() {
    stop();
}

void X11KeyCapture::stop() {
    if (!display_) return;
    delete notifier_;
    notifier_ = nullptr;
    XCloseDisplay(display_);
    display_ = nullptr;
}

void X11KeyCapture::sync() {
    if (!display_) return;
    XSync(display_, False);
    drain();
}

void X11KeyCapture::drain() {
    // Xlib may already hold events it read during another call, so empty its queue, not just
    // the socket.
    while (display_ && XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        XGenericEventCookie* cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != xiOpcode_ ||
            !XGetEventData(display_, cookie))
            continue;
        if (cookie->evtype == XI_RawKeyPress || cookie->evtype == XI_RawKeyRelease) {
            const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
            const int evdevCode = raw->detail - evdev::kXKeycodeOffset;
            const std::optional<RawKeyEvent> key =
                translator_.translate(evdevCode, cookie->evtype == XI_RawKeyRelease);
            XFreeEventData(display_, cookie);
            if (key) {
                // A receiver may end (stop or even delete) the capture from its slot.
                const QPointer<X11KeyCapture> alive(this);
                Q_EMIT keyEvent(*key);
                if (!alive) return;
            } else {
                qCDebug(lcKeyCapture) << "x11 capture: no set-1 code for key code" << evdevCode;
            }
            continue;
        }
        XFreeEventData(display_, cookie);
    }
}

std::unique_ptr<X11KeyCaptureService> X11KeyCaptureService::create(const QByteArray& displayName) {
    Display* display = nullptr;
    if (openXInput2(display, displayName) < 0) return nullptr;
    XCloseDisplay(display);
    return std::unique_ptr<X11KeyCaptureService>(new X11KeyCaptureService(displayName));
}

std::unique_ptr<KeyCapture> X11KeyCaptureService::begin(QWidget* focusWidget) {
    if (auto* x11 = qobject_cast<X11KeyCapture*>(active_.data())) x11->stop();
    if (auto* focus = qobject_cast<FocusKeyCapture*>(active_.data())) focus->stop();
    std::unique_ptr<KeyCapture> capture;
    Display* display = nullptr;
    const int opcode = openXInput2(display, displayName_);
    if (opcode >= 0) {
        capture = std::make_unique<X11KeyCapture>(display, opcode);
    } else {
        qCWarning(lcKeyCapture) << "x11 capture: the X server cannot be reached; keys are read from the"
                                << "focused window only";
        capture = std::make_unique<FocusKeyCapture>(focusWidget);
    }
    active_ = capture.get();
    return capture;
}

#else  // no X11 headers: the service is never created

X11KeyCapture::X11KeyCapture(Display* display, int xiOpcode) : display_(display), xiOpcode_(xiOpcode) {}
X11KeyCapture::~X11KeyCapture() = default;
void X11KeyCapture::stop() {}
void X11KeyCapture::sync() {}
void X11KeyCapture::drain() {}
std::unique_ptr<X11KeyCaptureService> X11KeyCaptureService::create(const QByteArray&) {
    return nullptr;
}
std::unique_ptr<KeyCapture> X11KeyCaptureService::begin(QWidget* focusWidget) {
    return std::make_unique<FocusKeyCapture>(focusWidget);
}

#endif

}  // namespace mousecfg
