#include "platform/focus_key_capture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/key_capture_log.h"

namespace mousecfg {

FocusKeyCapture::FocusKeyCapture(QWidget* scope) : scope_(scope) {
    if (!scope_ || !qApp) return;
    // The application sees a key event before the focus widget does, whatever that widget is
    // (a line edit swallows keys before its dialog could see them).
    qApp->installEventFilter(this);
    listening_ = true;
}

FocusKeyCapture::~FocusKeyCapture() {
    stop();
}

void FocusKeyCapture::stop() {
    if (!listening_) return;
    listening_ = false;
    if (qApp) qApp->removeEventFilter(this);
}

bool FocusKeyCapture::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (!listening_ || (type != QEvent::KeyPress && type != QEvent::KeyRelease)) return false;
    // A key event travels from the focus widget up through its parents; take it once, where it
    // starts, and only inside the window that asked.
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* focus = QApplication::focusWidget();
    const bool atStart = focus ? widget == focus : (widget && widget->isWindow());
    if (!atStart || !scope_ || widget->window() != scope_->window()) return false;

    const auto* key = static_cast<QKeyEvent*>(event);
    const int evdevCode = static_cast<int>(key->nativeScanCode()) - evdev::kXKeycodeOffset;
    const std::optional<RawKeyEvent> raw = translator_.translate(evdevCode, type == QEvent::KeyRelease);
    if (!raw) {
        qCDebug(lcKeyCapture) << "focus capture: no set-1 code for native scan code" << key->nativeScanCode();
        return false;
    }
    Q_EMIT keyEvent(*raw);
    return false;  // observed, never swallowed
}

std::unique_ptr<KeyCapture> FocusKeyCaptureService::begin(QWidget* focusWidget) {
    if (active_) active_->stop();
    auto capture = std::make_unique<FocusKeyCapture>(focusWidget);
    active_ = capture.get();
    return capture;
}

}  // namespace mousecfg
