#include "pages/buttons/tarn_combo_key_window.h"

#include <QEvent>
#include <QToolButton>

#include "device/key_codes.h"
#include "pages/buttons/buttons_log.h"
#include "widgets/tarn_label.h"

namespace mousecfg {

TarnComboKeyWindow::TarnComboKeyWindow(KeyCaptureService* keys, QWidget* parent)
    : ButtonDialog(keys, parent), prompt_(addLabel(80)), comboLabel_(addLabel(120, 40)) {
    setObjectName(QStringLiteral("TarnComboKeyWindow"));
    prompt_->setAlignment(Qt::AlignCenter);
    comboLabel_->setObjectName(QStringLiteral("comboLabel"));
    comboLabel_->setAlignment(Qt::AlignCenter);
    comboLabel_->setFillColour(QColor(30, 30, 30));
    retranslate();
    showCombo();
    startCapture();
}

void TarnComboKeyWindow::preset(const std::array<KeyInfoEntry, kKeyInfoEntries>& keyInfo) {
    combo_ = buttonfn::comboFromKeyInfo(keyInfo);
    showCombo();
}

void TarnComboKeyWindow::onKey(const RawKeyEvent& event) {
    const uint8_t code = keycodes::capturedKeyCode(static_cast<uint8_t>(event.scanCode), event.flags);
    const RawKeyEvent pair{code, event.flags};
    if (pair == last_) return;
    last_ = pair;
    qCDebug(lcButtonPage, "TarnComboKeyWindow dwVCode = %x dwFlag = %x", code, event.flags);
    // Every press counts, with or without the extended and Alt flags (right Alt comes with both).
    if (event.released() || !buttonfn::isAssignableKey(code)) return;
    if (firstPress_) {
        combo_.clear();
        firstPress_ = false;
    }
    combo_.press(code);
    showCombo();
    Q_EMIT SetComboKeyValue(combo_);
}

void TarnComboKeyWindow::showCombo() {
    comboLabel_->setText(combo_.label());
    yesButton()->setEnabled(!combo_.chosenCodes().empty());
}

void TarnComboKeyWindow::retranslate() {
    titleLabel()->setText(tr("Combo Key"));
    prompt_->setText(tr("Press the modifier keys and the key together."));
}

void TarnComboKeyWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    ButtonDialog::changeEvent(event);
}

}  // namespace mousecfg
