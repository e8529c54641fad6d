#include "pages/buttons/tarn_single_key_window.h"

#include <QEvent>
#include <QToolButton>

#include "device/button_functions.h"
#include "device/key_codes.h"
#include "pages/buttons/buttons_log.h"
#include "widgets/tarn_label.h"

namespace mousecfg {

TarnSingleKeyWindow::TarnSingleKeyWindow(KeyCaptureService* keys, QWidget* parent)
    : ButtonDialog(keys, parent), prompt_(addLabel(80)), keyLabel_(addLabel(120, 40)) {
    setObjectName(QStringLiteral("TarnSingleKeyWindow"));
    prompt_->setAlignment(Qt::AlignCenter);
    keyLabel_->setObjectName(QStringLiteral("keyLabel"));
    keyLabel_->setAlignment(Qt::AlignCenter);
    keyLabel_->setFillColour(QColor(30, 30, 30));
    retranslate();
    yesButton()->setEnabled(false);
    startCapture();
}

void TarnSingleKeyWindow::preset(uint8_t keyCode) {
    keyCode_ = buttonfn::isAssignableKey(keyCode) ? keyCode : 0;
    showKey();
}

void TarnSingleKeyWindow::onKey(const RawKeyEvent& event) {
    const uint8_t code = keycodes::capturedKeyCode(static_cast<uint8_t>(event.scanCode), event.flags);
    const RawKeyEvent pair{code, event.flags};
    if (pair == last_) return;
    last_ = pair;
    // Keys the mouse cannot send (media keys, keys without a name) are not taken.
    if (!buttonfn::isAssignableKey(code)) return;
    keyCode_ = code;
    qCDebug(lcButtonPage, "%d", keyCode_);
    showKey();
    Q_EMIT SetSingleKeyValue(keyCode_);
}

void TarnSingleKeyWindow::showKey() {
    keyLabel_->setText(keycodes::keyName(keyCode_));
    yesButton()->setEnabled(keyCode_ != 0);
}

void TarnSingleKeyWindow::retranslate() {
    titleLabel()->setText(tr("Single Key"));
    prompt_->setText(tr("Press the key the button should send."));
}

void TarnSingleKeyWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    ButtonDialog::changeEvent(event);
}

}  // namespace mousecfg
