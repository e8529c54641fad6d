#pragma once

#include <QPointer>

#include "platform/key_capture.h"

namespace mousecfg::test {

// A key-capture service for tests: keys are "typed" by the test and go to the capture that runs
// now, as the real services deliver them (set-1 code and hook flags), on the calling thread.
class FakeKeyCaptureService : public KeyCaptureService {
public:
    explicit FakeKeyCaptureService(bool systemWide = true) : systemWide_(systemWide) {}

    bool systemWide() const override { return systemWide_; }
    QString name() const override { return QStringLiteral("fake"); }
    std::unique_ptr<KeyCapture> begin(QWidget* focusWidget) override {
        auto capture = std::make_unique<KeyCapture>();
        active_ = capture.get();
        lastFocusWidget_ = focusWidget;
        ++begun_;
        return capture;
    }

    // True while a capture is running (begun and not yet destroyed or replaced).
    bool capturing() const { return !active_.isNull(); }
    int begun() const { return begun_; }
    QWidget* lastFocusWidget() const { return lastFocusWidget_; }

    void send(quint16 scanCode, quint32 flags) {
        if (active_) Q_EMIT active_->keyEvent(RawKeyEvent{scanCode, flags});
    }
    // A key pressed and released.
    void tap(quint16 scanCode, bool extended = false) {
        const quint32 ext = extended ? quint32{RawKeyEvent::Extended} : 0u;
        send(scanCode, ext);
        send(scanCode, ext | RawKeyEvent::Released);
    }

private:
    bool systemWide_;
    QPointer<KeyCapture> active_;
    QWidget* lastFocusWidget_ = nullptr;
    int begun_ = 0;
};

}  // namespace mousecfg::test
