#pragma once

#include <array>

#include "device/button_functions.h"
#include "pages/buttons/button_dialog.h"

class QLineEdit;

namespace mousecfg {

// "FireKey Setting": a button that fires a mouse button or a key several times with a delay.
// Keys are read only while "Keyboard Key" is chosen, and not while Times or Delay is edited.
// Yes is offered once the setting is complete (a key for "Keyboard Key", Times and Delay 1-255).
class TarnFireKeyWindow : public ButtonDialog {
    Q_OBJECT

public:
    explicit TarnFireKeyWindow(KeyCaptureService* keys, QWidget* parent = nullptr);

    // The button's fire key (its Res1, LoopNumber and KeyNumber), or the defaults.
    void preset(const buttonfn::FireKey& key);
    // What the dialog holds now; times and delay are 0 while their field is empty.
    buttonfn::FireKey fireKey() const;
    bool complete() const;

    QCheckBox* kindBox(int kind) const { return boxes_.at(static_cast<size_t>(kind)); }
    QLineEdit* keyField() const { return keyField_; }
    QLineEdit* timesEdit() const { return times_; }
    QLineEdit* delayEdit() const { return delay_; }

Q_SIGNALS:
    void SetFireKeyValue(uchar keyCode, uchar kind, uchar times, uchar delay);

public Q_SLOTS:
    void onStateChanged(int state);
    void OnEditDataChanged(const QString& text);
    void checkbtn_clicked();
    void onEditReturn();

protected:
    void onKey(const RawKeyEvent& event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setKind(int kind);
    void showKey();
    void report();
    void retranslate();

    int kind_ = buttonfn::FireLeft;
    uint8_t keyCode_ = 0;
    RawKeyEvent last_{0xFFFF, 0};
    bool dropNext_ = false;
    std::array<QCheckBox*, 4> boxes_{};
    TarnLabel* keyCaption_;
    QLineEdit* keyField_;
    TarnLabel* timesCaption_;
    QLineEdit* times_;
    TarnLabel* delayCaption_;
    QLineEdit* delay_;
    TarnLabel* delayUnit_;
};

}  // namespace mousecfg
