#pragma once

#include "pages/buttons/button_dialog.h"

namespace mousecfg {

class TarnSlider;

// "Sniper Setting": the DPI level a button switches to while it is held. The slider's range and
// the level a stored value opens at depend on the sensor.
class TarnSniperWindow : public ButtonDialog {
    Q_OBJECT

public:
    // `sensor`: the sensor code of the settings ("MouseSenSor/1").
    explicit TarnSniperWindow(int sensor, QWidget* parent = nullptr);

    void preset(int level);
    int level() const { return level_; }
    int sensor() const { return sensor_; }
    TarnSlider* slider() const { return slider_; }
    TarnLabel* dpiLabel() const { return dpiLabel_; }

Q_SIGNALS:
    void SetSniperValue(uchar level);

protected:
    void changeEvent(QEvent* event) override;

private:
    void onSliderMoved(int value);
    void retranslate();

    int sensor_;
    int level_ = 0;
    TarnLabel* prompt_;
    TarnSlider* slider_;
    TarnLabel* dpiLabel_;
};

}  // namespace mousecfg
