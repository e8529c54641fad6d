#pragma once

#include <QWidget>
#include <array>

#include "device/lighting_rules.h"
#include "storage/config_state.h"

class QCheckBox;

namespace mousecfg {

class DefaultColorArea;
class TarnAction;
class TarnLabel;
class TarnMenu;
class TarnPushButton;
class TarnSlider;

// The lighting page: the effect of one profile with its brightness, speed and colour, the
// lighting sleep time and the "move to light off" option. It edits the profile it is given in
// place (the main window hands it the record the page stands for, see
// lighting::lightingProfileIndex) and sends nothing to the mouse; Apply does.
//
// What the page shows is what the profile holds, so that it is what the mouse gets: a stored
// brightness, speed or sleep time outside its slider's range is shown at the nearest end and
// stored that way. A value that is no effect shows no rows until an effect is chosen.
class TarnColorWindow : public QWidget {
    Q_OBJECT

public:
    explicit TarnColorWindow(QWidget* parent = nullptr);

    // The sleep range and whether the sleep controls are shown. Refreshes the page.
    void setProduct(const lighting::LightingProduct& product);
    // Shows another profile (index: its slot, for the debug output); null shows nothing and
    // edits nothing. The page keeps the pointer: the profile must outlive it or be replaced first.
    void setProfile(MouseProfile* profile, int index);
    MouseProfile* profile() const { return profile_; }
    // Shows the profile's values again (after it changed behind the page's back).
    void refresh();
    void retranslate();
    // Re-reads the theme colour and the scale of the current UiContext.
    void applyTheme();

public Q_SLOTS:
    void color_clicked();
    void checkbtn_clicked();
    // Stores the colour of the active effect (what an accepted colour editor hands back).
    void slotSendLedState(const QColor& color);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void onEffectChosen();
    void onSliderValue(int value);
    void showEffect(int ledMode);
    void showSleep(int minutes);
    void layoutRows();
    LedModeSetting* activeEffect();

    MouseProfile* profile_ = nullptr;
    int profileIndex_ = 0;
    lighting::LightingProduct product_;

    TarnLabel* effectCaption_;
    TarnLabel* brightCaption_;
    TarnLabel* speedCaption_;
    TarnLabel* colourCaption_;
    TarnSlider* brightSlider_;
    TarnSlider* speedSlider_;
    DefaultColorArea* swatch_;
    TarnPushButton* effectButton_;
    TarnLabel* sleepCaption_;
    TarnLabel* minutes_;
    TarnSlider* sleepSlider_;
    QCheckBox* moveOption_;
    TarnMenu* menu_;
    std::array<TarnAction*, kLedModes> actions_{};
};

}  // namespace mousecfg
