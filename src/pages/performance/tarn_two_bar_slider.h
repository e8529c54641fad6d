#pragma once

#include <QWidget>

namespace mousecfg {

class TarnSlider;

// The slider pair of one DPI stage: an X and a Y slider, and a combined one for linked stages.
// All three share one range; linked mode shows only the combined slider, unlinked mode only X
// and Y.
class TarnTwoBarSlider : public QWidget {
    Q_OBJECT

public:
    explicit TarnTwoBarSlider(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const;
    int maximum() const;
    // Sets the sliders without emitting SliderChangedSignal; the combined slider takes x.
    void setValues(int x, int y);
    void setLinked(bool linked);
    bool isLinked() const { return linked_; }
    // Re-reads the theme colour for grooves and handles.
    void applyTheme();

    TarnSlider* xSlider() const { return x_; }
    TarnSlider* ySlider() const { return y_; }
    TarnSlider* linkedSlider() const { return xy_; }

Q_SIGNALS:
    // The values of X and Y after any move; a move of the combined slider to v gives (v, v).
    void SliderChangedSignal(int x, int y);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void onAxisChanged();
    void onLinkedChanged(int value);
    void layoutSliders();

    TarnSlider* x_;
    TarnSlider* y_;
    TarnSlider* xy_;
    bool linked_ = false;
};

}  // namespace mousecfg
