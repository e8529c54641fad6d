#pragma once

#include <QSlider>

namespace mousecfg {

class TarnLabel;

// A slider in the theme colour that can show its value in a small bubble above the handle
// while it is dragged, and reports the end of every drag with MouseChange().
class TarnSlider : public QSlider {
    Q_OBJECT

public:
    explicit TarnSlider(QWidget* parent = nullptr);
    explicit TarnSlider(Qt::Orientation orientation, QWidget* parent = nullptr);

    void setBubbleEnabled(bool enabled);
    bool isBubbleEnabled() const { return bubbleEnabled_; }
    // The value bubble (a child of the window the slider sits in); null until first needed.
    TarnLabel* bubble() const { return bubble_; }
    bool isDragging() const { return dragging_; }

    // Re-reads the theme colour for the groove.
    void applyTheme();

Q_SIGNALS:
    void MouseChange();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showBubble();
    void placeBubble();

    TarnLabel* bubble_ = nullptr;
    bool bubbleEnabled_ = false;
    bool dragging_ = false;
};

}  // namespace mousecfg
