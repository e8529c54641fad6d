#include <QCheckBox>
#include <QRadioButton>
#include <QSignalSpy>

#include "device/dpi_scale.h"
#include "device/sensor_encoding.h"
#include "page_fixture.h"
#include "pages/performance/tarn_dpi_window.h"
#include "pages/performance/tarn_single_dpi.h"
#include "pages/performance/tarn_two_bar_slider.h"
#include "widgets/tarn_label.h"
#include "widgets/tarn_slider.h"

namespace mousecfg {
namespace {

class DpiPage : public ::testing::Test {
protected:
    void SetUp() override { test::installTestUi(); }

    // A profile whose eight stages all differ, so a value landing in the wrong stage shows.
    static MouseProfile sampleProfile() {
        MouseProfile p;
        for (int i = 0; i < kDpiStageSlots; ++i) {
            DpiStage& s = p.dpiStages[static_cast<size_t>(i)];
            s.used = i % 2 == 0 ? 1 : 0;
            s.link = 0;
            s.x = static_cast<uint32_t>(10 + i);
            s.y = static_cast<uint32_t>(20 + i);
            s.xy = static_cast<uint32_t>(70 + i);
        }
        p.dpi = 1;
        return p;
    }

    // Clicks at a point of `w` (its own coordinates).
    static void clickAt(QWidget* w, QPoint pos) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, pos); }
};

TEST_F(DpiPage, EverySensorLimitsTheSlidersAndLabelsItsEnds) {
    struct Case {
        int sensor;
        const char* product;
        bool extended;
        int minCode, maxCode;
        const char* low;
        const char* high;
        bool linkBox;
    };
    const Case cases[] = {
        {3104, "X", false, 14, 105, "500", "4200", true},
        {31042, "X", false, 14, 158, "500", "8400", true},
        {3212, "X", false, 16, 111, "600", "7200", false},
        {3311, "X", false, 1, 120, "100", "12000", false},
        {33112, "X", false, 1, 180, "100", "24000", false},
        {3325, "X", false, 1, 50, "100", "5000", false},
        {3325, "X", true, 1, 90, "100", "16000", false},
        {33252, "X", false, 1, 75, "100", "10000", false},
        {33252, "X", true, 1, 90, "100", "16000", false},
        {3327, "OTHER", false, 1, 106, "200", "16400", false},
        {3327, "FARROW", false, 1, 92, "200", "12400", false},
        {3327, "KILMORY", false, 1, 92, "200", "12400", false},
        {3327, "farrow", false, 1, 106, "200", "16400", false},  // names compare case-sensitively
        {3333, "X", false, 2, 120, "200", "16000", false},
        {3335, "X", false, 1, 160, "100", "16000", false},
        {33352, "X", false, 1, 200, "100", "24000", false},
        {3360, "X", false, 1, 180, "100", "24000", true},
        {3370, "X", false, 1, 290, "50", "19000", false},
        {3389, "X", false, 2, 480, "100", "32000", true},
        {3395, "X", false, 0, 519, "50", "26000", false},
        {3399, "X", false, 0, 599, "50", "40000", true},
        {33952, "X", false, 0, 779, "50", "52000", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sensor << " " << c.product << " ext " << c.extended);
        TarnDPIWindow page;
        page.setProduct(QString::fromLatin1(c.product), c.extended, 8);
        page.setProfile(sampleProfile(), c.sensor);
        page.show();
        for (int i = 0; i < kDpiStageSlots; ++i) {
            TarnSingleDPI* row = page.row(i);
            EXPECT_EQ(row->sliders()->xSlider()->minimum(), c.minCode);
            EXPECT_EQ(row->sliders()->ySlider()->maximum(), c.maxCode);
            EXPECT_EQ(row->sliders()->linkedSlider()->maximum(), c.maxCode);
            EXPECT_EQ(row->lowLabel()->text(), QLatin1String(c.low));
            EXPECT_EQ(row->highLabel()->text(), QLatin1String(c.high));
            EXPECT_EQ(row->linkBox()->isVisible(), c.linkBox);
        }
        // The End key takes the slider to the sensor's last code, and the page stores that code.
        QTest::keyClick(page.row(0)->sliders()->xSlider(), Qt::Key_End);
        EXPECT_EQ(page.profileData().dpiStages[0].x, static_cast<uint32_t>(c.maxCode));
        EXPECT_EQ(page.row(0)->xLabel()->text(),
                  QStringLiteral("X:%1").arg(dpiscale::dpiOfLevel(c.maxCode, c.sensor)));
    }
}

TEST_F(DpiPage, FarrowStopsAtCode92AndShows12400) {
    TarnDPIWindow page;
    page.setProduct(QStringLiteral("FARROW"), false, 8);
    page.setProfile(sampleProfile(), 3327);
    page.show();
    TarnSingleDPI* row = page.row(2);
    TarnSlider* x = row->sliders()->xSlider();
    QTest::keyClick(x, Qt::Key_End);
    QTest::keyClick(x, Qt::Key_Right);  // already at the end: stays
    EXPECT_EQ(x->value(), 92);
    EXPECT_EQ(page.profileData().dpiStages[2].x, 92u);
    EXPECT_EQ(row->xLabel()->text(), QStringLiteral("X:12400"));
    EXPECT_EQ(row->highLabel()->text(), QStringLiteral("12400"));
}

TEST_F(DpiPage, UnknownSensorKeepsTheRangeItHad) {
    TarnDPIWindow page;
    page.setProfile(sampleProfile(), 3311);
    page.setSensor(4242);
    EXPECT_EQ(page.row(0)->sliders()->xSlider()->maximum(), 120);
    EXPECT_EQ(page.row(0)->highLabel()->text(), QStringLiteral("12000"));
    EXPECT_EQ(page.row(0)->xLabel()->text(), QStringLiteral("X:0"));  // an unknown sensor has no DPI
}

TEST_F(DpiPage, LinkedSliderWritesXAndYAndAllLabelsShowTheDpi) {
    MouseProfile p = sampleProfile();
    p.dpiStages[3].link = 1;
    p.dpiStages[3].x = 39;
    p.dpiStages[3].y = 5;
    TarnDPIWindow page;
    page.setProfile(p, 3311);
    page.show();
    TarnSingleDPI* row = page.row(3);
    ASSERT_TRUE(row->sliders()->isLinked());
    EXPECT_TRUE(row->sliders()->linkedSlider()->isVisible());
    EXPECT_FALSE(row->sliders()->xSlider()->isVisible());
    QSignalSpy dpi(row, &TarnSingleDPI::DPISignal);
    QTest::keyClick(row->sliders()->linkedSlider(), Qt::Key_Right);  // 39 -> 40
    ASSERT_EQ(dpi.count(), 1);
    EXPECT_EQ(dpi.at(0).at(0).toInt(), 40);
    EXPECT_EQ(dpi.at(0).at(1).toInt(), 40);
    EXPECT_EQ(dpi.at(0).at(2).value<quint8>(), 3);
    EXPECT_EQ(row->xLabel()->text(), QStringLiteral("X:4000"));
    EXPECT_EQ(row->yLabel()->text(), QStringLiteral("Y:4000"));
    EXPECT_EQ(row->dpiLabel()->text(), QStringLiteral("DPI : 4000"));
    const DpiStage& s = page.profileData().dpiStages[3];
    EXPECT_EQ(s.x, 40u);
    EXPECT_EQ(s.y, 40u);
    EXPECT_EQ(s.xy, 73u);  // the combined value field is not the slider's
    // The other stages are untouched.
    for (int i = 0; i < kDpiStageSlots; ++i) {
        if (i != 3) {
            EXPECT_EQ(page.profileData().dpiStages[static_cast<size_t>(i)],
                      p.dpiStages[static_cast<size_t>(i)]);
        }
    }
}

TEST_F(DpiPage, UnlinkedSlidersMoveOneAxisAndTheLinkBoxSwitchesModes) {
    MouseProfile p = sampleProfile();
    TarnDPIWindow page;
    page.setProfile(p, 3360);  // a sensor with the "Link XY" box
    page.show();
    TarnSingleDPI* row = page.row(0);
    QTest::keyClick(row->sliders()->ySlider(), Qt::Key_Right);  // y 20 -> 21
    EXPECT_EQ(page.profileData().dpiStages[0].x, 10u);
    EXPECT_EQ(page.profileData().dpiStages[0].y, 21u);
    EXPECT_EQ(row->xLabel()->text(), QStringLiteral("X:1000"));
    EXPECT_EQ(row->yLabel()->text(), QStringLiteral("Y:2100"));
    EXPECT_EQ(row->dpiLabel()->text(), QStringLiteral("DPI : 2100"));  // the read-out follows Y

    QSignalSpy link(row, &TarnSingleDPI::LinkSignal);
    ASSERT_TRUE(row->linkBox()->isVisible());
    clickAt(row->linkBox(), QPoint(6, row->linkBox()->height() / 2));
    ASSERT_EQ(link.count(), 1);
    EXPECT_EQ(link.at(0).at(0).value<quint8>(), 1);
    EXPECT_EQ(page.profileData().dpiStages[0].link, 1);
    EXPECT_TRUE(row->sliders()->linkedSlider()->isVisible());
    EXPECT_FALSE(row->sliders()->ySlider()->isVisible());
    // Linked: one move sets both axes to the combined slider's value (it starts from X).
    QTest::keyClick(row->sliders()->linkedSlider(), Qt::Key_Right);
    EXPECT_EQ(page.profileData().dpiStages[0].x, 11u);
    EXPECT_EQ(page.profileData().dpiStages[0].y, 11u);
    clickAt(row->linkBox(), QPoint(6, row->linkBox()->height() / 2));
    EXPECT_EQ(page.profileData().dpiStages[0].link, 0);
    EXPECT_TRUE(row->sliders()->xSlider()->isVisible());
}

TEST_F(DpiPage, EnableBoxStoresUsedAndSettingAProfileEmitsNothing) {
    TarnDPIWindow page;
    QSignalSpy enable(page.row(1), &TarnSingleDPI::EnableSignal);
    QSignalSpy dpi(page.row(1), &TarnSingleDPI::DPISignal);
    page.setProfile(sampleProfile(), 3327);
    page.show();
    EXPECT_EQ(enable.count(), 0);
    EXPECT_EQ(dpi.count(), 0);
    QCheckBox* box = page.row(1)->enableBox();
    EXPECT_FALSE(box->isChecked());
    clickAt(box, QPoint(box->width() / 2, box->height() / 2));
    ASSERT_EQ(enable.count(), 1);
    EXPECT_EQ(page.profileData().dpiStages[1].used, 1);
    clickAt(box, QPoint(box->width() / 2, box->height() / 2));
    EXPECT_EQ(page.profileData().dpiStages[1].used, 0);
}

TEST_F(DpiPage, HiddenRowsKeepTheirValues) {
    const MouseProfile p = sampleProfile();
    TarnDPIWindow page;
    page.setProduct(QStringLiteral("FARROW"), false, 4);
    page.setProfile(p, 3327);
    page.show();
    for (int i = 0; i < kDpiStageSlots; ++i) {
        EXPECT_EQ(page.row(i)->isVisible(), i < 4) << i;
        EXPECT_EQ(page.radio(i)->isVisible(), i < 4) << i;
        EXPECT_EQ(page.row(i)->geometry().isEmpty(), i >= 4) << i;
    }
    for (int i = 0; i < 4; ++i) QTest::keyClick(page.row(i)->sliders()->xSlider(), Qt::Key_End);
    for (int i = 4; i < kDpiStageSlots; ++i)
        EXPECT_EQ(page.profileData().dpiStages[static_cast<size_t>(i)], p.dpiStages[static_cast<size_t>(i)])
            << i;
    EXPECT_EQ(page.profileData().dpiStages[0].x, 92u);
    // A count outside 1..8 shows every row.
    page.setProduct(QStringLiteral("FARROW"), false, 0);
    EXPECT_TRUE(page.row(7)->isVisible());
}

TEST_F(DpiPage, ClickingARowOrItsRadioSetsTheActiveStage) {
    MouseProfile p = sampleProfile();
    p.dpiStages[5].used = 0;
    TarnDPIWindow page;
    page.setProfile(p, 3327);
    page.show();
    // The active row is drawn in the theme colour (partly transparent).
    QColor theme = UiContext::current().theme;
    theme.setAlpha(TarnDPIWindow::kHighlightAlpha);
    EXPECT_EQ(page.row(1)->palette().color(QPalette::Window), theme);
    EXPECT_TRUE(page.radio(1)->isChecked());

    // A press on the row itself, between its labels, even though the stage is off.
    TarnSingleDPI* row5 = page.row(5);
    QSignalSpy in(row5, &TarnSingleDPI::MouseinSignal);
    clickAt(row5, QPoint(153, 10));
    EXPECT_EQ(in.count(), 1);
    EXPECT_EQ(page.activeStage(), 5);
    EXPECT_EQ(page.profileData().dpiStages[5].used, 0);
    EXPECT_TRUE(page.radio(5)->isChecked());
    for (int i = 0; i < kDpiStageSlots; ++i)
        EXPECT_EQ(page.row(i)->palette().color(QPalette::Window) == theme, i == 5) << i;

    // A press on a label of row 2: one signal, stage 2.
    QSignalSpy in2(page.row(2), &TarnSingleDPI::MouseinSignal);
    clickAt(page.row(2)->xLabel(), QPoint(5, 5));
    EXPECT_EQ(in2.count(), 1);
    EXPECT_EQ(page.activeStage(), 2);

    // The radio of stage 3.
    QRadioButton* r3 = page.radio(3);
    clickAt(r3, QPoint(r3->width() / 2, r3->height() / 2));
    EXPECT_EQ(page.activeStage(), 3);
    EXPECT_EQ(page.row(3)->palette().color(QPalette::Window), theme);
    EXPECT_NE(page.row(2)->palette().color(QPalette::Window), theme);
}

TEST_F(DpiPage, ApplyPutsTheEditedCodesIntoTheMouse) {
    test::SimulatedFarrow mouse;
    ASSERT_TRUE(mouse.opened);
    MouseProfile& current = currentProfile(mouse.state);
    TarnDPIWindow page;
    page.setProduct(QStringLiteral("FARROW"), false, 8);
    page.setProfile(current, 3327);
    page.show();
    ASSERT_EQ(mouse.apply(), TxOk);
    const simdecode::DpiTable before = simdecode::decodeDpiTable(mouse.sim.section(0x02));

    // Stage 0 to the sensor's end, stage 1 one code down, stage 2 on, stage 4 active.
    QTest::keyClick(page.row(0)->sliders()->xSlider(), Qt::Key_End);
    QTest::keyClick(page.row(0)->sliders()->ySlider(), Qt::Key_End);
    QTest::keyClick(page.row(1)->sliders()->xSlider(), Qt::Key_Home);
    QTest::keyClick(page.row(1)->sliders()->ySlider(), Qt::Key_Home);
    if (!page.row(2)->enableBox()->isChecked()) clickAt(page.row(2)->enableBox(), QPoint(9, 9));
    clickAt(page.row(4), QPoint(153, 10));

    // What Apply does: the page's copy goes back into the current record, then the write.
    current = page.profileData();
    ASSERT_EQ(mouse.apply(), TxOk);
    const simdecode::DpiTable after = simdecode::decodeDpiTable(mouse.sim.section(0x02));
    const uint8_t linkMode = mouse.link.linkMode();
    const sensor::DpiBytes top = sensor::encodeDpiCode(3327, 92, linkMode);
    const sensor::DpiBytes bottom = sensor::encodeDpiCode(3327, 1, linkMode);
    EXPECT_EQ(after.stages[0].xLow, top.low);
    EXPECT_EQ(after.stages[0].xRange, top.range);
    EXPECT_EQ(after.stages[0].yLow, top.low);
    EXPECT_EQ(after.stages[1].xLow, bottom.low);
    EXPECT_EQ(after.stages[1].yLow, bottom.low);
    EXPECT_EQ(after.stages[2].used, 1);
    EXPECT_NE(before.stages[0].xLow, after.stages[0].xLow);  // the write changed something
    EXPECT_EQ(simdecode::decodeGlobalSettings(mouse.sim.section(0x01)).dpiStage, 4);
}

}  // namespace
}  // namespace mousecfg
