#include "widgets/tarn_slider.h"

#include <QMouseEvent>
#include <QStyleOptionSlider>

#include "widgets/tarn_label.h"
#include "widgets/ui_context.h"

namespace mousecfg {

namespace {
constexpr int kBubbleSize = 20;
}

TarnSlider::TarnSlider(QWidget* parent) : TarnSlider(Qt::Horizontal, parent) {}

TarnSlider::TarnSlider(Qt::Orientation orientation, QWidget* parent) : QSlider(orientation, parent) {
    applyTheme();
}

void TarnSlider::applyTheme() {
    const QColor t = UiContext::current().theme;
    const QString accent = QStringLiteral("rgb(%1,%2,%3)").arg(t.red()).arg(t.green()).arg(t.blue());
    setStyleSheet(
        QStringLiteral("QSlider::groove:horizontal{height:4px;background:rgb(70,70,70);border-radius:2px;}"
                       "QSlider::sub-page:horizontal{background:%1;border-radius:2px;}"
                       "QSlider::handle:horizontal{width:12px;margin:-5px 0;border-radius:6px;"
                       "background:rgb(235,235,235);border:1px solid %1;}"
                       "QSlider::groove:vertical{width:4px;background:rgb(70,70,70);border-radius:2px;}"
                       "QSlider::add-page:vertical{background:%1;border-radius:2px;}"
                       "QSlider::handle:vertical{height:12px;margin:0 -5px;border-radius:6px;"
                       "background:rgb(235,235,235);border:1px solid %1;}"
                       "QSlider::groove:disabled,QSlider::sub-page:disabled,QSlider::add-page:disabled"
                       "{background:rgb(60,60,60);}"
                       "QSlider::handle:disabled{background:rgb(110,110,110);border-color:rgb(80,80,80);}")
            .arg(accent));
}

void TarnSlider::setBubbleEnabled(bool enabled) {
    bubbleEnabled_ = enabled;
    if (!enabled && bubble_) bubble_->hide();
}

void TarnSlider::showBubble() {
    if (!bubble_) {
        // The bubble floats above the slider, so it lives in the slider's parent when there is
        // one (a child of the slider would be clipped to its height).
        QWidget* host = parentWidget() ? parentWidget() : this;
        bubble_ = new TarnLabel(host);
        bubble_->setFillColour(Qt::white);
        bubble_->setTextColour(Qt::black);
        bubble_->setAlignment(Qt::AlignCenter);
    }
    bubble_->setFont(UiContext::current().font());
    bubble_->setNumber(value());
    placeBubble();
    bubble_->show();
    bubble_->raise();
}

void TarnSlider::placeBubble() {
    if (!bubble_) return;
    const UiContext& ui = UiContext::current();
    const int side = ui.scaled(kBubbleSize);
    // Three-digit values do not fit 20 pixels in every font: grow to the text, never shrink.
    const int w = qMax(side, bubble_->fontMetrics().horizontalAdvance(bubble_->text()) + 6);
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this);
    QPoint anchor = handle.center();
    QPoint topLeft = orientation() == Qt::Horizontal ? QPoint(anchor.x() - w / 2, handle.top() - side - 2)
                                                     : QPoint(handle.right() + 4, anchor.y() - side / 2);
    if (bubble_->parentWidget() != this) topLeft = mapTo(bubble_->parentWidget(), topLeft);
    bubble_->setGeometry(QRect(topLeft, QSize(w, side)));
}

void TarnSlider::mousePressEvent(QMouseEvent* event) {
    QSlider::mousePressEvent(event);
    dragging_ = true;
    if (bubbleEnabled_) showBubble();
}

void TarnSlider::mouseMoveEvent(QMouseEvent* event) {
    QSlider::mouseMoveEvent(event);
    if (bubbleEnabled_ && bubble_ && bubble_->isVisible()) {
        bubble_->setNumber(value());
        placeBubble();
    }
}

void TarnSlider::mouseReleaseEvent(QMouseEvent* event) {
    QSlider::mouseReleaseEvent(event);
    dragging_ = false;
    Q_EMIT MouseChange();
    if (bubble_) bubble_->hide();
}

}  // namespace mousecfg
