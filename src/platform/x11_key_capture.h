#pragma once

#include <QByteArray>
#include <QPointer>

#include "platform/evdev_keys.h"
#include "platform/key_capture.h"

class QSocketNotifier;
typedef struct _XDisplay Display;

namespace mousecfg {

// Keys typed into any window of an X server, from XInput2 raw key events selected on the root
// window for all master devices. The capture has its own connection to the server, so its
// selection neither replaces nor is replaced by the toolkit's; raw events are copies, the keys
// still go to the focused window.
class X11KeyCapture : public KeyCapture {
    Q_OBJECT
public:
    // Takes ownership of `display`; `xiOpcode` is the XInput extension's major opcode on it.
    X11KeyCapture(Display* display, int xiOpcode);
    ~X11KeyCapture() override;

    // Closes the connection; no more events are reported.
    void stop();
    bool running() const { return display_ != nullptr; }

    // A round trip to the server, then every event that came with it is reported: when this
    // returns, every key the server handled before the call has been reported.
    void sync();

private:
    void drain();

    Display* display_;
    int xiOpcode_;
    QSocketNotifier* notifier_ = nullptr;
    evdev::KeyTranslator translator_;
};

class X11KeyCaptureService : public KeyCaptureService {
public:
    // Nothing when the display cannot be opened or lacks XInput 2.2 (raw events that reach a
    // client whatever has the focus). An empty name means $DISPLAY.
    static std::unique_ptr<X11KeyCaptureService> create(const QByteArray& displayName = QByteArray());

    bool systemWide() const override { return true; }
    QString name() const override { return QStringLiteral("x11-xinput2"); }
    // Falls back to the focused window's keys when the server cannot be reached any more.
    std::unique_ptr<KeyCapture> begin(QWidget* focusWidget) override;

private:
    explicit X11KeyCaptureService(QByteArray displayName) : displayName_(std::move(displayName)) {}

    QByteArray displayName_;
    QPointer<KeyCapture> active_;
};

}  // namespace mousecfg
