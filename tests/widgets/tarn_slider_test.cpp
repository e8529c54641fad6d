#include "widgets/tarn_slider.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>

#include "widget_test_support.h"
#include "widgets/tarn_label.h"

namespace mousecfg {
namespace {

class TarnSliderTest : public ::testing::Test {
protected:
    TarnSliderTest() : slider(Qt::Horizontal, &window) {
        window.resize(300, 80);
        slider.setGeometry(20, 40, 200, 20);
        slider.setRange(0, 100);
        slider.setValue(0);
        window.show();
    }
    // Mouse events with the left button held, as during a drag.
    void send(QEvent::Type type, int x) {
        const QPoint at(x, slider.height() / 2);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, at, slider.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(&slider, &e);
    }

    QWidget window;
    TarnSlider slider;
};

TEST_F(TarnSliderTest, BubbleShowsTheValueWhileDraggingAndMouseChangeEndsTheDrag) {
    slider.setBubbleEnabled(true);
    QSignalSpy changed(&slider, &TarnSlider::MouseChange);

    send(QEvent::MouseButtonPress, 6);  // on the handle (value 0)
    ASSERT_NE(slider.bubble(), nullptr);
    EXPECT_TRUE(slider.bubble()->isVisible());
    EXPECT_TRUE(slider.isDragging());
    EXPECT_EQ(slider.bubble()->text(), QString::number(slider.value()));
    // The bubble floats above the slider, outside its own rectangle.
    EXPECT_EQ(slider.bubble()->parentWidget(), &window);
    EXPECT_LT(slider.bubble()->geometry().bottom(), slider.geometry().top() + slider.height() / 2);

    send(QEvent::MouseMove, 150);
    EXPECT_GT(slider.value(), 50);
    EXPECT_EQ(slider.bubble()->text(), QString::number(slider.value()));
    EXPECT_EQ(changed.count(), 0);

    send(QEvent::MouseButtonRelease, 150);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_FALSE(slider.bubble()->isVisible());
    EXPECT_FALSE(slider.isDragging());
}

TEST_F(TarnSliderTest, WithoutTheBubbleOnlyMouseChangeIsReported) {
    QSignalSpy changed(&slider, &TarnSlider::MouseChange);
    send(QEvent::MouseButtonPress, 6);
    EXPECT_TRUE(slider.bubble() == nullptr || !slider.bubble()->isVisible());
    send(QEvent::MouseButtonRelease, 6);
    EXPECT_EQ(changed.count(), 1);
    // A click anywhere on the groove is a change too.
    send(QEvent::MouseButtonPress, 190);
    send(QEvent::MouseButtonRelease, 190);
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(TarnSliderTest, TurningTheBubbleOffHidesIt) {
    slider.setBubbleEnabled(true);
    send(QEvent::MouseButtonPress, 6);
    ASSERT_TRUE(slider.bubble()->isVisible());
    slider.setBubbleEnabled(false);
    EXPECT_FALSE(slider.bubble()->isVisible());
    send(QEvent::MouseButtonRelease, 6);
}

}  // namespace
}  // namespace mousecfg
