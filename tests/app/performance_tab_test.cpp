// The DPI tab in the window: page edits reach the mouse on Apply, reports reach the pages, and
// the pointer-speed page edits the record of the slot that is chosen.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>

#include "app/tabs/tab_list.h"
#include "device/command_frame.h"
#include "device/sensor_encoding.h"
#include "pages/performance/tarn_dpi_window.h"
#include "pages/performance/tarn_point_speed.h"
#include "pages/performance/tarn_report_rate.h"
#include "pages/performance/tarn_single_dpi.h"
#include "pages/performance/tarn_two_bar_slider.h"
#include "sim/memory_decoder.h"
#include "widgets/tarn_push_button.h"
#include "widgets/tarn_slider.h"
#include "window_rig.h"

using namespace mousecfg;
using test::WindowRig;

namespace {

void click(QWidget* w, QPoint at = QPoint()) {
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at);
}

// Chooses entry `index` of a page's drop-down with the keyboard, after a real click on it.
void chooseFromMenu(QWidget* button, int index) {
    QTimer::singleShot(0, [index] {
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(qobject_cast<QMenu*>(popup), nullptr);
        for (int i = 0; i <= index; ++i) QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    });
    click(button);
}

struct Pages {
    explicit Pages(const WindowRig& rig)
        : dpi(rig.window->findChild<TarnDPIWindow*>()),
          rate(rig.window->findChild<TarnReportRate*>()),
          speed(rig.window->findChild<TarnPointSpeed*>()) {}
    TarnDPIWindow* dpi;
    TarnReportRate* rate;
    TarnPointSpeed* speed;
};

TEST(PerformanceTab, PageEditsReachTheMouseOnApply) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.scheduler.runPending();
    rig.click("tabDpi");
    ASSERT_EQ(w.currentTab(), TabDpi);
    const Pages pages(rig);
    ASSERT_TRUE(pages.dpi && pages.rate && pages.speed);
    ASSERT_TRUE(pages.dpi->isVisible());
    WindowSession& s = w.session();
    const int slot = s.currentSlot();
    const uint8_t scroll = s.currentRecord().scrollspeed;

    // DPI: stage 0 to the end of the FARROW range (linked in the shipped profile), stage 4 active.
    TarnSingleDPI* row0 = pages.dpi->row(0);
    ASSERT_TRUE(row0->sliders()->isLinked());
    QTest::keyClick(row0->sliders()->linkedSlider(), Qt::Key_End);
    click(pages.dpi->row(4), QPoint(153, 10));
    // Report rate "500 HZ" and lift-off 1 mm; scroll amount one up.
    chooseFromMenu(pages.rate->rateButton(), 2);
    click(pages.rate->liftRadio(0), QPoint(6, 10));
    EXPECT_EQ(s.working().LiftHigh, 1);
    QTest::keyClick(pages.speed->scrollBox(), Qt::Key_Up);
    EXPECT_EQ(s.currentRecord().scrollspeed, scroll + 1);  // at once

    rig.mouse.clearFrameLog();
    EXPECT_EQ(test::clickAndConfirm(rig.find("applyButton")), QStringList());
    const simdecode::DpiTable dpi = simdecode::decodeDpiTable(rig.mouse.section(command::kDpiTable));
    const sensor::DpiBytes top = sensor::encodeDpiCode(3327, 92, rig.link.linkMode());
    EXPECT_EQ(dpi.stages[0].xLow, top.low);
    EXPECT_EQ(dpi.stages[0].xRange, top.range);
    const simdecode::GlobalSettings g =
        simdecode::decodeGlobalSettings(rig.mouse.section(command::kGlobalSettings));
    EXPECT_EQ(g.pollRate[static_cast<size_t>(slot)], 2);
    EXPECT_EQ(g.liftHigh, 1);
    EXPECT_EQ(g.dpiStage, 4);
    EXPECT_EQ(g.scrollSpeed[static_cast<size_t>(slot)], scroll + 1);
    EXPECT_TRUE(s.stored() == s.working());
    EXPECT_EQ(currentProfile(s.stored()).dpiStages[0].x, 92u);
}

TEST(PerformanceTab, StageAndRateReportedByTheMouseShowOnThePages) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.scheduler.runPending();
    WindowSession& s = w.session();
    const int slot = s.currentSlot();
    const int stage = s.currentRecord().dpi == 3 ? 2 : 3;
    // Reported before the tab was ever opened: its pages, built on the first opening, show it.
    rig.mouse.changeDpiStageOnMouse(static_cast<uint8_t>(stage));
    ASSERT_TRUE(rig.statusUntil([&] { return s.currentRecord().dpi == stage; }));
    EXPECT_EQ(rig.window->findChild<TarnDPIWindow*>(), nullptr);
    rig.click("tabDpi");
    const Pages pages(rig);
    ASSERT_TRUE(pages.dpi && pages.rate && pages.speed);
    EXPECT_EQ(pages.dpi->activeStage(), stage);
    EXPECT_TRUE(pages.dpi->radio(stage)->isChecked());
    // Reported while they are there.
    rig.mouse.changeRateOnMouse(4);
    ASSERT_TRUE(rig.statusUntil([&] { return pages.rate->profileData().pollrate == 4; }));
    EXPECT_EQ(pages.rate->rateButton()->text(), QStringLiteral("250 HZ"));
    // Taking the pages back on Apply keeps what the mouse reported.
    EXPECT_EQ(test::clickAndConfirm(rig.find("applyButton")), QStringList());
    EXPECT_EQ(s.working().profiles[static_cast<size_t>(slot)].dpi, stage);
    EXPECT_EQ(s.working().profiles[static_cast<size_t>(slot)].pollrate, 4);
}

TEST(PerformanceTab, HostPointerSpeedIsReadAtStartAndTheChosenSlotsSpeedApplied) {
    WindowRig rig;
    rig.speed.value = 13;
    MousecfgWidget& w = rig.create();
    rig.scheduler.runPending();
    WindowSession& s = w.session();
    rig.click("tabDpi");
    TarnPointSpeed* speed = Pages(rig).speed;
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(s.currentRecord().mousespeed, 13);
    EXPECT_EQ(speed->speedSlider()->value(), 13);

    s.working().profiles[2].mousespeed = 4;
    rig.speed.applied.clear();
    QMenu* menu = rig.find<TarnPushButton>("profileSelector")->menu();
    ASSERT_NE(menu, nullptr);
    menu->actions().at(2)->trigger();
    EXPECT_EQ(s.currentSlot(), 2);
    EXPECT_EQ(rig.speed.applied, std::vector<int>{4});
    EXPECT_EQ(rig.find<QLineEdit>("nameField")->text(), s.working().profileNames[2]);
    // The pointer page now edits slot 2's record, at once.
    EXPECT_EQ(speed->speedSlider()->value(), 4);
    QTest::keyClick(speed->speedSlider(), Qt::Key_End);
    EXPECT_EQ(s.working().profiles[2].mousespeed, 20);
    EXPECT_EQ(s.working().profiles[0].mousespeed, 13);
}

}  // namespace
