#include "pages/performance/tarn_two_bar_slider.h"

#include <QSignalBlocker>

#include "widgets/tarn_slider.h"

namespace mousecfg {

TarnTwoBarSlider::TarnTwoBarSlider(QWidget* parent)
    : QWidget(parent),
      x_(new TarnSlider(Qt::Horizontal, this)),
      y_(new TarnSlider(Qt::Horizontal, this)),
      xy_(new TarnSlider(Qt::Horizontal, this)) {
    for (TarnSlider* s : {x_, y_, xy_}) {
        s->setSingleStep(1);
        s->setPageStep(1);
        s->setTracking(true);
    }
    x_->setObjectName(QStringLiteral("dpiX"));
    y_->setObjectName(QStringLiteral("dpiY"));
    xy_->setObjectName(QStringLiteral("dpiXY"));
    connect(x_, &QSlider::valueChanged, this, &TarnTwoBarSlider::onAxisChanged);
    connect(y_, &QSlider::valueChanged, this, &TarnTwoBarSlider::onAxisChanged);
    connect(xy_, &QSlider::valueChanged, this, &TarnTwoBarSlider::onLinkedChanged);
    setLinked(false);
}

void TarnTwoBarSlider::setRange(int minimum, int maximum) {
    // A range change clamps the values; the row re-reads them, so no signal is wanted here.
    for (TarnSlider* s : {x_, y_, xy_}) {
        const QSignalBlocker block(s);
        s->setRange(minimum, maximum);
    }
}

int TarnTwoBarSlider::minimum() const {
    return xy_->minimum();
}
int TarnTwoBarSlider::maximum() const {
    return xy_->maximum();
}

void TarnTwoBarSlider::setValues(int x, int y) {
    const QSignalBlocker bx(x_), by(y_), bxy(xy_);
    x_->setValue(x);
    y_->setValue(y);
    xy_->setValue(x);
}

void TarnTwoBarSlider::setLinked(bool linked) {
    linked_ = linked;
    if (linked) {
        const QSignalBlocker block(xy_);
        xy_->setValue(x_->value());
    }
    xy_->setVisible(linked);
    x_->setVisible(!linked);
    y_->setVisible(!linked);
    layoutSliders();
}

void TarnTwoBarSlider::applyTheme() {
    for (TarnSlider* s : {x_, y_, xy_}) s->applyTheme();
}

void TarnTwoBarSlider::onAxisChanged() {
    Q_EMIT SliderChangedSignal(x_->value(), y_->value());
}

void TarnTwoBarSlider::onLinkedChanged(int value) {
    // Keep the hidden axis sliders in step, so unlinking starts from the linked value.
    {
        const QSignalBlocker bx(x_), by(y_);
        x_->setValue(value);
        y_->setValue(value);
    }
    Q_EMIT SliderChangedSignal(value, value);
}

void TarnTwoBarSlider::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutSliders();
}

void TarnTwoBarSlider::layoutSliders() {
    const int w = width();
    const int h = height();
    xy_->setGeometry(0, 0, w, h);
    x_->setGeometry(0, 0, w, h / 2);
    y_->setGeometry(0, h / 2, w, h - h / 2);
}

}  // namespace mousecfg
