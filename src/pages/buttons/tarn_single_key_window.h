#pragma once

#include "pages/buttons/button_dialog.h"

namespace mousecfg {

// "Single Key": the last key touched on the keyboard becomes the button's key.
class TarnSingleKeyWindow : public ButtonDialog {
    Q_OBJECT

public:
    explicit TarnSingleKeyWindow(KeyCaptureService* keys, QWidget* parent = nullptr);

    // Shows a key the button already has.
    void preset(uint8_t keyCode);
    uint8_t keyCode() const { return keyCode_; }
    TarnLabel* keyLabel() const { return keyLabel_; }

Q_SIGNALS:
    void SetSingleKeyValue(uchar keyCode);

protected:
    void onKey(const RawKeyEvent& event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void showKey();

    uint8_t keyCode_ = 0;
    RawKeyEvent last_{0xFFFF, 0};
    TarnLabel* prompt_;
    TarnLabel* keyLabel_;
};

}  // namespace mousecfg
