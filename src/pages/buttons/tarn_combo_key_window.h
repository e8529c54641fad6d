#pragma once

#include "device/button_functions.h"
#include "pages/buttons/button_dialog.h"

namespace mousecfg {

// "Combo Key": modifiers and one main key pressed together. The first key pressed after the
// dialog opens starts a new combination; later presses add to it (the last main key wins).
class TarnComboKeyWindow : public ButtonDialog {
    Q_OBJECT

public:
    explicit TarnComboKeyWindow(KeyCaptureService* keys, QWidget* parent = nullptr);

    // Shows the combination a button already sends.
    void preset(const std::array<KeyInfoEntry, kKeyInfoEntries>& keyInfo);
    const buttonfn::ComboKeys& combo() const { return combo_; }
    TarnLabel* comboLabel() const { return comboLabel_; }

Q_SIGNALS:
    void SetComboKeyValue(const mousecfg::buttonfn::ComboKeys& combo);

protected:
    void onKey(const RawKeyEvent& event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void showCombo();

    buttonfn::ComboKeys combo_;
    bool firstPress_ = true;
    RawKeyEvent last_{0xFFFF, 0};
    TarnLabel* prompt_;
    TarnLabel* comboLabel_;
};

}  // namespace mousecfg
