#include <QApplication>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>

#include "page_fixture.h"
#include "pages/performance/tarn_point_speed.h"
#include "pages/performance/tarn_report_rate.h"
#include "widgets/tarn_action.h"
#include "widgets/tarn_push_button.h"
#include "widgets/tarn_slider.h"

namespace mousecfg {
namespace {

class RatePages : public ::testing::Test {
protected:
    void SetUp() override { test::installTestUi(); }

    static void clickRadio(QRadioButton* r) {
        QTest::mouseClick(r, Qt::LeftButton, Qt::NoModifier, QPoint(6, r->height() / 2));
    }
    // Opens the rate menu with a real click on its button and picks entry `index` with the keys.
    static void chooseRate(TarnReportRate& page, int index) {
        QTimer::singleShot(0, [index] {
            QWidget* popup = QApplication::activePopupWidget();
            ASSERT_NE(qobject_cast<QMenu*>(popup), nullptr);
            for (int i = 0; i <= index; ++i) QTest::keyClick(popup, Qt::Key_Down);
            QTest::keyClick(popup, Qt::Key_Return);
        });
        QTest::mouseClick(page.rateButton(), Qt::LeftButton);
    }
};

TEST_F(RatePages, RateCodesShowTheirMenuText) {
    const struct {
        int code;
        const char* text;
    } cases[] = {{8, "125 HZ"}, {4, "250 HZ"}, {2, "500 HZ"}, {1, "1000 HZ"}};
    TarnReportRate page;
    for (const auto& c : cases) {
        MouseProfile p;
        p.pollrate = static_cast<uint8_t>(c.code);
        page.setProfile(p, 2);
        EXPECT_EQ(page.rateButton()->text(), QLatin1String(c.text)) << c.code;
    }
    // A code outside the table leaves the shown text as it was.
    MouseProfile odd;
    odd.pollrate = 3;
    page.setProfile(odd, 2);
    EXPECT_EQ(page.rateButton()->text(), QStringLiteral("1000 HZ"));
    EXPECT_EQ(TarnReportRate::rateText(3), QString());
}

TEST_F(RatePages, LiftOutsideOneAndTwoSelectsTwoMillimetresSilently) {
    TarnReportRate page;
    page.show();
    QSignalSpy lift(&page, &TarnReportRate::RefreshLift);
    for (int value : {0, 3, 255}) {
        page.setProfile(MouseProfile{}, 1);
        ASSERT_TRUE(page.liftRadio(0)->isChecked());
        page.setProfile(MouseProfile{}, value);
        EXPECT_TRUE(page.liftRadio(1)->isChecked()) << value;
        EXPECT_FALSE(page.liftRadio(0)->isChecked()) << value;
        EXPECT_EQ(page.lift(), 2) << value;
    }
    EXPECT_EQ(lift.count(), 0);

    clickRadio(page.liftRadio(0));
    ASSERT_EQ(lift.count(), 1);
    EXPECT_EQ(lift.at(0).at(0).value<quint8>(), 1);
    EXPECT_EQ(page.lift(), 1);
    clickRadio(page.liftRadio(1));
    ASSERT_EQ(lift.count(), 2);
    EXPECT_EQ(lift.at(1).at(0).value<quint8>(), 2);
}

TEST_F(RatePages, MenuChoiceSetsTheRateAndApplyPutsRateAndLiftIntoTheMouse) {
    test::SimulatedFarrow mouse;
    ASSERT_TRUE(mouse.opened);
    TarnReportRate page;
    QObject::connect(&page, &TarnReportRate::RefreshLift, [&mouse](quint8 v) { mouse.state.LiftHigh = v; });
    MouseProfile& current = currentProfile(mouse.state);
    current.pollrate = 1;
    page.setProfile(current, mouse.state.LiftHigh);
    page.show();

    chooseRate(page, 1);  // "250 HZ"
    EXPECT_EQ(page.profileData().pollrate, 4);
    EXPECT_EQ(page.rateButton()->text(), QStringLiteral("250 HZ"));
    EXPECT_EQ(current.pollrate, 1);  // the page edits its own copy
    clickRadio(page.liftRadio(0));

    current = page.profileData();
    ASSERT_EQ(mouse.apply(), TxOk);
    const simdecode::GlobalSettings g = simdecode::decodeGlobalSettings(mouse.sim.section(0x01));
    EXPECT_EQ(g.pollRate[static_cast<size_t>(currentProfileIndex(mouse.state))], 4);
    EXPECT_EQ(g.liftHigh, 1);

    chooseRate(page, 3);  // "1000 HZ"
    clickRadio(page.liftRadio(1));
    current = page.profileData();
    ASSERT_EQ(mouse.apply(), TxOk);
    const simdecode::GlobalSettings g2 = simdecode::decodeGlobalSettings(mouse.sim.section(0x01));
    EXPECT_EQ(g2.pollRate[static_cast<size_t>(currentProfileIndex(mouse.state))], 1);
    EXPECT_EQ(g2.liftHigh, 2);
}

TEST_F(RatePages, PointerAndScrollSpeedAreStoredAtOnceAndIndependently) {
    MouseProfile p;
    p.mousespeed = 10;
    p.scrollspeed = 3;
    TarnPointSpeed page(&p);
    page.show();
    EXPECT_EQ(page.speedSlider()->value(), 10);
    EXPECT_EQ(page.scrollBox()->value(), 3);

    QTest::keyClick(page.speedSlider(), Qt::Key_End);
    EXPECT_EQ(p.mousespeed, 20);  // before any apply
    EXPECT_EQ(p.scrollspeed, 3);
    QTest::keyClick(page.speedSlider(), Qt::Key_Right);
    EXPECT_EQ(p.mousespeed, 20);  // the slider stops at 20
    QTest::keyClick(page.speedSlider(), Qt::Key_Home);
    EXPECT_EQ(p.mousespeed, 1);

    QTest::keyClick(page.scrollBox(), Qt::Key_Up);
    EXPECT_EQ(p.scrollspeed, 4);
    EXPECT_EQ(p.mousespeed, 1);
    page.scrollBox()->selectAll();
    QTest::keyClicks(page.scrollBox(), QStringLiteral("25"));  // beyond the range: refused
    EXPECT_LE(p.scrollspeed, 20);
    EXPECT_GE(p.scrollspeed, 1);

    // Another profile: edits go there, the first one keeps what it has.
    MouseProfile other;
    other.mousespeed = 7;
    other.scrollspeed = 9;
    const MouseProfile firstBefore = p;
    page.setProfile(&other);
    EXPECT_EQ(page.speedSlider()->value(), 7);
    QTest::keyClick(page.speedSlider(), Qt::Key_Right);
    QTest::keyClick(page.scrollBox(), Qt::Key_Down);
    EXPECT_EQ(other.mousespeed, 8);
    EXPECT_EQ(other.scrollspeed, 8);
    EXPECT_EQ(p, firstBefore);

    // Showing a profile whose values are outside the controls' range does not rewrite it.
    MouseProfile blank;
    page.setProfile(&blank);
    EXPECT_EQ(blank.mousespeed, 0);
    EXPECT_EQ(blank.scrollspeed, 0);
}

TEST_F(RatePages, ScrollAmountReachesTheMouse) {
    test::SimulatedFarrow mouse;
    ASSERT_TRUE(mouse.opened);
    MouseProfile& current = currentProfile(mouse.state);
    current.scrollspeed = 3;
    TarnPointSpeed page(&current);
    page.show();
    QTest::keyClick(page.scrollBox(), Qt::Key_Up);
    QTest::keyClick(page.scrollBox(), Qt::Key_Up);
    ASSERT_EQ(mouse.apply(), TxOk);
    const simdecode::GlobalSettings g = simdecode::decodeGlobalSettings(mouse.sim.section(0x01));
    EXPECT_EQ(g.scrollSpeed[static_cast<size_t>(currentProfileIndex(mouse.state))], 5);
}

}  // namespace
}  // namespace mousecfg
