#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "widget_test_support.h"
#include "widgets/tarn_action.h"
#include "widgets/tarn_label.h"
#include "widgets/tarn_menu.h"
#include "widgets/tarn_processbar.h"

namespace mousecfg {
namespace {

UiContext bigFont() {
    UiContext c;
    c.fontFamily = QStringLiteral("DejaVu Sans");
    c.fontPixelSize = 16;
    c.scale = 1.25;
    return c;
}

TEST(TarnLabelTest, PressSignalNumberTextAndFill) {
    TarnLabel label;
    label.resize(80, 20);
    QSignalSpy pressed(&label, &TarnLabel::EnterSignal);
    QTest::mouseClick(&label, Qt::LeftButton);
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed.at(0).at(0).value<TarnLabel*>(), &label);

    label.setNumber(-42);
    EXPECT_EQ(label.text(), QStringLiteral("-42"));
    label.setText(QString());
    label.setFillColour(QColor(10, 200, 30));
    EXPECT_EQ(test::pixelAt(label, QPoint(40, 10)), QColor(10, 200, 30));
    label.setFillColour(QColor());  // no fill: the background shows through
    EXPECT_NE(test::pixelAt(label, QPoint(40, 10)), QColor(10, 200, 30));
}

TEST(TarnProcessbarTest, CaptionIsDrawnOnlyWhileTheValueTextIsHidden) {
    TarnProcessbar bar;
    bar.resize(71, 34);
    bar.setRange(0, 100);
    bar.setValue(40);
    bar.setTextVisible(false);
    const QImage plain = bar.grab().toImage();
    bar.setText(QStringLiteral("MOUSE OFF"));
    EXPECT_EQ(bar.caption(), QStringLiteral("MOUSE OFF"));
    const QImage withCaption = bar.grab().toImage();
    EXPECT_NE(plain, withCaption);
    // A caption wider than the bar is shrunk, not cut: its white pixels stay inside the bar's
    // middle and leave a margin free on both sides.
    int minX = bar.width(), maxX = -1;
    for (int y = 0; y < withCaption.height(); ++y)
        for (int x = 0; x < withCaption.width(); ++x)
            if (withCaption.pixelColor(x, y) != plain.pixelColor(x, y)) {
                minX = qMin(minX, x);
                maxX = qMax(maxX, x);
            }
    EXPECT_GE(minX, 1);
    EXPECT_LE(maxX, bar.width() - 2);
    // With the value text shown, the bar draws that and the caption stays away.
    bar.setTextVisible(true);
    const QImage valueText = bar.grab().toImage();
    bar.setText(QString());
    EXPECT_EQ(valueText, bar.grab().toImage());
}

TEST(TarnMenuTest, LanguageFontAndTheFixedMenuColours) {
    test::ScopedUiContext ui(bigFont());
    TarnMenu menu;
    auto* action = new TarnAction(QStringLiteral("250 HZ"), &menu);
    menu.addAction(action);
    EXPECT_EQ(action->font().pixelSize(), 20);
    EXPECT_EQ(menu.font().pixelSize(), 20);
    EXPECT_EQ(menu.font().family(), QStringLiteral("DejaVu Sans"));
    // Item background rgb(50,50,50); an item left of its text shows it.
    menu.adjustSize();
    const QImage img = menu.grab().toImage();
    EXPECT_EQ(img.pixelColor(5, img.height() / 2), QColor(50, 50, 50));

    // A new text takes the font of the language current at that moment.
    UiContext small = bigFont();
    small.fontPixelSize = 12;
    small.scale = 1.0;
    test::ScopedUiContext ui2(small);
    action->setText(QStringLiteral("500 HZ"));
    EXPECT_EQ(action->text(), QStringLiteral("500 HZ"));
    EXPECT_EQ(action->font().pixelSize(), 12);
}

}  // namespace
}  // namespace mousecfg
