#pragma once

#include <QWidget>

#include "device/performance_rules.h"
#include "storage/config_state.h"

class QSpinBox;

namespace mousecfg {

class TarnLabel;
class TarnSlider;

// Host pointer speed and wheel scroll amount of the current profile. Unlike the other
// performance pages it edits the main window's profile in place, through the pointer it is given.
class TarnPointSpeed : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMinimum = performance::kSpeedMin;
    static constexpr int kMaximum = performance::kSpeedMax;

    explicit TarnPointSpeed(MouseProfile* profile, QWidget* parent = nullptr);

    // Shows another profile (null: the controls stay as they are and edit nothing).
    void setProfile(MouseProfile* profile);
    MouseProfile* profile() const { return profile_; }
    void retranslate();

    TarnSlider* speedSlider() const { return slider_; }
    QSpinBox* scrollBox() const { return spin_; }

public Q_SLOTS:
    void sValueChangedSlot(int s);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void onSliderValue(int v);
    void applyFonts();

    MouseProfile* profile_;
    TarnLabel* speedTitle_;
    TarnSlider* slider_;
    TarnLabel* speedValue_;
    TarnLabel* scrollTitle_;
    QSpinBox* spin_;
};

}  // namespace mousecfg
