#include "widgets/tarn_push_button.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "widget_test_support.h"

namespace mousecfg {
namespace {

const QList<QColor> kStateColours = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255),
                                     QColor(255, 255, 0)};

class TarnPushButtonTest : public ::testing::Test {
protected:
    TarnPushButtonTest() : ui_(context()) {}

    UiContext context() const {
        UiContext c;
        c.skinDir = data_.path(QStringLiteral("skin"));
        c.theme = QColor(255, 0, 0);
        return c;
    }
    // A button drawn from the first `count` state images, 40 x 20.
    std::unique_ptr<TarnPushButton> make(int count) {
        const QStringList names =
            test::writeStateImages(data_.path(QStringLiteral("skin")), kStateColours.mid(0, count));
        auto b = std::make_unique<TarnPushButton>(names);
        b->resize(40, 20);
        return b;
    }
    static void enter(QWidget* w) {
        QEvent e(QEvent::Enter);
        QApplication::sendEvent(w, &e);
    }
    static void leave(QWidget* w) {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(w, &e);
    }
    // The state image the button paints now, found by its colour.
    static int paintedImage(TarnPushButton& b) {
        return kStateColours.indexOf(test::pixelAt(b, QPoint(2, 2)));
    }

    test::TempData data_;
    test::ScopedUiContext ui_;
};

// The state after each step of enter, press, release, leave, for buttons of one to four images.
TEST_F(TarnPushButtonTest, StatesFollowEnterPressReleaseLeave) {
    struct Case {
        int images;
        int afterEnter, afterPress, afterRelease, afterLeave;
    };
    const Case cases[] = {
        {1, 0, 0, 0, 0},  // one image: the look never changes
        {2, 1, 1, 1, 0},  // no pressed image: hover stays during the press
        {3, 1, 2, 1, 0},
        {4, 1, 2, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.images);
        auto b = make(c.images);
        EXPECT_EQ(b->state(), 0);
        EXPECT_EQ(paintedImage(*b), 0);
        enter(b.get());
        EXPECT_EQ(b->state(), c.afterEnter);
        EXPECT_EQ(paintedImage(*b), c.images == 1 ? 0 : c.afterEnter);
        QTest::mousePress(b.get(), Qt::LeftButton);
        EXPECT_EQ(b->state(), c.afterPress);
        EXPECT_EQ(paintedImage(*b), c.images == 1 ? 0 : c.afterPress);
        QTest::mouseRelease(b.get(), Qt::LeftButton);
        EXPECT_EQ(b->state(), c.afterRelease);
        leave(b.get());
        EXPECT_EQ(b->state(), c.afterLeave);
        EXPECT_EQ(paintedImage(*b), c.images == 1 ? 0 : c.afterLeave);
    }
}

// A press that arrives without an enter (the pointer was already there) ends lit after the
// release whenever there is a second image.
TEST_F(TarnPushButtonTest, ReleaseShowsHoverFromTheSecondImageOn) {
    const int afterRelease[] = {0, 0, 1, 1, 1};
    for (int images = 1; images <= 4; ++images) {
        SCOPED_TRACE(images);
        auto b = make(images);
        QTest::mouseClick(b.get(), Qt::LeftButton);
        EXPECT_EQ(b->state(), afterRelease[images]);
    }
}

TEST_F(TarnPushButtonTest, PressTogglesCheckedAndPressOfACheckedButtonShowsNormal) {
    auto b = make(3);
    enter(b.get());
    QTest::mousePress(b.get(), Qt::LeftButton);
    EXPECT_TRUE(b->checkedState());
    EXPECT_EQ(b->state(), TarnPushButton::Pressed);
    QTest::mouseRelease(b.get(), Qt::LeftButton);
    QTest::mousePress(b.get(), Qt::LeftButton);
    EXPECT_FALSE(b->checkedState());
    EXPECT_EQ(b->state(), TarnPushButton::Normal);
    // A right press neither toggles nor changes the look.
    QTest::mouseRelease(b.get(), Qt::LeftButton);
    QTest::mousePress(b.get(), Qt::RightButton);
    EXPECT_FALSE(b->checkedState());
    EXPECT_EQ(b->state(), TarnPushButton::Hover);
}

TEST_F(TarnPushButtonTest, DisableShowsDisabledImageUnlessSelectedAndChecked) {
    auto plain = make(4);
    plain->setButtonEnabled(false);
    EXPECT_EQ(plain->state(), TarnPushButton::Disabled);
    EXPECT_EQ(paintedImage(*plain), 3);
    EXPECT_FALSE(plain->isEnabled());
    plain->setButtonEnabled(true);
    EXPECT_EQ(plain->state(), TarnPushButton::Normal);
    EXPECT_TRUE(plain->isEnabled());

    auto selected = make(4);
    selected->setSelectable(true);
    selected->setCheckedState(true);
    selected->setButtonEnabled(false);
    EXPECT_EQ(selected->state(), TarnPushButton::Hover);
    EXPECT_EQ(paintedImage(*selected), 1);
    // Leaving a selectable checked button keeps it lit as well.
    selected->setButtonEnabled(true);
    enter(selected.get());
    leave(selected.get());
    EXPECT_EQ(selected->state(), TarnPushButton::Hover);
    // Disabling through the toolkit (e.g. a parent) keeps the own flag in step.
    QWidget parent;
    TarnPushButton* child = make(4).release();
    child->setParent(&parent);
    parent.setEnabled(false);
    EXPECT_FALSE(child->isButtonEnabled());
    EXPECT_EQ(child->state(), TarnPushButton::Disabled);
}

TEST_F(TarnPushButtonTest, SignalsOnEnterLeavePressAndClick) {
    auto b = make(3);
    QSignalSpy over(b.get(), &TarnPushButton::OverSignal);
    QSignalSpy pressed(b.get(), &TarnPushButton::EnterSignal);
    QSignalSpy clicked(b.get(), &QPushButton::clicked);

    enter(b.get());
    ASSERT_EQ(over.count(), 1);
    EXPECT_EQ(over.at(0).at(0).value<TarnPushButton*>(), b.get());
    EXPECT_TRUE(over.at(0).at(1).toBool());
    leave(b.get());
    ASSERT_EQ(over.count(), 2);
    EXPECT_FALSE(over.at(1).at(1).toBool());

    // After a press the next leave is silent (the hover signal is disarmed), the one after is not.
    enter(b.get());
    QTest::mouseClick(b.get(), Qt::LeftButton);
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed.at(0).at(0).value<TarnPushButton*>(), b.get());
    EXPECT_EQ(clicked.count(), 1);
    leave(b.get());
    EXPECT_EQ(over.count(), 3);
    enter(b.get());
    leave(b.get());
    EXPECT_EQ(over.count(), 5);
    EXPECT_FALSE(over.at(4).at(1).toBool());

    QTest::mouseClick(b.get(), Qt::RightButton);
    EXPECT_EQ(pressed.count(), 1);

    // Nothing while disabled.
    b->setButtonEnabled(false);
    enter(b.get());
    QTest::mouseClick(b.get(), Qt::LeftButton);
    leave(b.get());
    EXPECT_EQ(over.count(), 5);
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(b->state(), TarnPushButton::Disabled);
}

TEST_F(TarnPushButtonTest, CaptionBecomesToolTipAndIsElidedWhenTooLong) {
    auto b = make(1);
    b->resize(60, 20);
    b->setText(QStringLiteral("OK"));
    EXPECT_EQ(b->toolTip(), QStringLiteral("OK"));
    EXPECT_EQ(b->displayText(), QStringLiteral("OK"));

    const QString longText = QStringLiteral("A caption far too long for sixty pixels");
    b->setText(longText);
    EXPECT_EQ(b->toolTip(), longText);
    const QString shown = b->displayText();
    EXPECT_NE(shown, longText);
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_LE(QFontMetrics(UiContext::current().font()).horizontalAdvance(shown), 60 - 2 * 5);
    // A wider button shows more of it.
    b->resize(200, 20);
    EXPECT_GT(b->displayText().size(), shown.size());

    // A reserve on the right (a drop-down arrow in the image) takes its room from the caption,
    // in design pixels scaled like the rest; one wider than the button leaves no room at all.
    const QFontMetrics fm(UiContext::current().font());
    const int scaled = UiContext::current().scaled(100);
    b->setTextReserveRight(100);
    EXPECT_LE(fm.horizontalAdvance(b->displayText()), 200 - scaled - 2 * 5) << b->displayText().toStdString();
    EXPECT_LT(b->displayText().size(), longText.size());
    b->setTextReserveRight(100000);
    EXPECT_LE(fm.horizontalAdvance(b->displayText()), 0) << b->displayText().toStdString();
}

TEST_F(TarnPushButtonTest, TextColourSchemeFollowsTheDescriptorColourMode) {
    const QColor grey(100, 100, 100);
    struct Case {
        int mode;
        QColor byState[4];
    };
    const Case cases[] = {
        {0, {QColor(200, 200, 200), QColor(225, 225, 225), QColor(Qt::white), grey}},
        {1, {QColor(Qt::white), QColor(Qt::black), QColor(Qt::black), grey}},
    };
    for (const Case& c : cases) {
        UiContext ctx = context();
        ctx.colorMode = c.mode;
        test::ScopedUiContext scoped(ctx);
        auto b = make(4);
        b->setText(QStringLiteral("X"));
        EXPECT_EQ(b->textColour(), c.byState[0]);
        enter(b.get());
        EXPECT_EQ(b->textColour(), c.byState[1]);
        QTest::mousePress(b.get(), Qt::LeftButton);
        EXPECT_EQ(b->textColour(), c.byState[2]);
        QTest::mouseRelease(b.get(), Qt::LeftButton);
        b->setButtonEnabled(false);
        EXPECT_EQ(b->textColour(), c.byState[3]);
    }
}

TEST_F(TarnPushButtonTest, SizeHintIsTheIconOrTheFirstImage) {
    const QStringList names =
        test::writeStateImages(data_.path(QStringLiteral("skin")), kStateColours, QSize(31, 17));
    TarnPushButton plain(names);
    EXPECT_EQ(plain.sizeHint(), QSize(31, 17));
    QImage icon(12, 9, QImage::Format_ARGB32);
    icon.fill(Qt::white);
    icon.save(data_.path(QStringLiteral("skin/icon.png")));
    TarnPushButton withIcon(names, nullptr, QStringLiteral("icon.png"));
    EXPECT_EQ(withIcon.sizeHint(), QSize(12, 9));
}

TEST_F(TarnPushButtonTest, SwatchMixesTheThemeColourOnHoverAndPress) {
    auto b = make(3);  // the images are not drawn in the swatch variant
    b->resize(20, 20);
    b->setSwatch(true, QColor(0, 0, 0), false);
    EXPECT_EQ(test::pixelAt(*b, QPoint(10, 10)), QColor(0, 0, 0));
    enter(b.get());  // half the theme colour
    EXPECT_NEAR(test::pixelAt(*b, QPoint(10, 10)).red(), 128, 1);
    QTest::mousePress(b.get(), Qt::LeftButton);  // a third
    EXPECT_NEAR(test::pixelAt(*b, QPoint(10, 10)).red(), 85, 1);
    EXPECT_EQ(test::pixelAt(*b, QPoint(10, 10)).green(), 0);
    // A round swatch leaves the corners to the background.
    QTest::mouseRelease(b.get(), Qt::LeftButton);
    leave(b.get());
    b->setSwatch(true, QColor(0, 0, 255), true);
    EXPECT_EQ(test::pixelAt(*b, QPoint(10, 10)), QColor(0, 0, 255));
    EXPECT_NE(test::pixelAt(*b, QPoint(0, 0)), QColor(0, 0, 255));
}

}  // namespace
}  // namespace mousecfg
