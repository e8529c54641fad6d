#pragma once

#include <QPointer>

#include "platform/evdev_keys.h"
#include "platform/key_capture.h"

namespace mousecfg {

// Keys typed while the asking dialog's window has the focus, read from the toolkit's own key
// events (their native scan code is the xkb key code, the Linux code plus 8). Used where the
// window system offers no global capture (Wayland) or none was found.
class FocusKeyCapture : public KeyCapture {
    Q_OBJECT
public:
    explicit FocusKeyCapture(QWidget* scope);
    ~FocusKeyCapture() override;

    // Stops listening; no more events are reported.
    void stop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> scope_;
    evdev::KeyTranslator translator_;
    bool listening_ = false;
};

class FocusKeyCaptureService : public KeyCaptureService {
public:
    bool systemWide() const override { return false; }
    QString name() const override { return QStringLiteral("focus"); }
    std::unique_ptr<KeyCapture> begin(QWidget* focusWidget) override;

private:
    QPointer<FocusKeyCapture> active_;
};

}  // namespace mousecfg
