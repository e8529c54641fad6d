// The window following the mouse: the "Dongle Disconnect!" box, unplugging and plugging back,
// and the selector of several mice.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QSettings>

#include "app/tabs/tab_list.h"
#include "storage/app_settings.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_push_button.h"
#include "window_rig.h"

using namespace mousecfg;
using test::WindowRig;

namespace {

constexpr auto kReceiver = SimulatedMouse::Path::Receiver;
constexpr auto kCable = SimulatedMouse::Path::Cable;

TEST(WindowConnection, NoMouseAtStartWarnsAndTheBoxClosesWhenTheMouseIsPluggedIn) {
    WindowRig rig(SimulatedMouse::Options{false, false});
    MousecfgWidget& w = rig.create();
    WindowSession& s = w.session();
    EXPECT_EQ(s.connectedMice(), 0);
    EXPECT_EQ(s.connectionState(), WindowSession::NoConnection);
    EXPECT_FALSE(w.isVisible());
    ASSERT_EQ(rig.scheduler.delays(), std::vector<int>{200});

    // An edit that the reload after plugging in must discard.
    s.currentRecord().scrollspeed = 77;
    bool sawBox = false;
    auto watch = test::onModal<TarnMessageBox>([&](TarnMessageBox* box) {
        sawBox = true;
        EXPECT_EQ(box->textLabel()->text(), QStringLiteral("Dongle Disconnect!"));
        EXPECT_EQ(box->kind(), TarnMessageBox::DongleMissing);
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(s.warningShown());
        ASSERT_TRUE(rig.ticker);
        rig.ticker->fire();
        EXPECT_TRUE(box->isVisible()) << "no mouse yet";

        rig.plug(kReceiver, true);
        EXPECT_EQ(s.connectedMice(), 1);
        EXPECT_FALSE(w.isDeviceReady());
        rig.scheduler.runPending();  // the mouse is back after 200 ms
        EXPECT_TRUE(w.isDeviceReady());
        rig.ticker->fire();
    });
    rig.scheduler.runPending();  // the window is due after 200 ms
    s.settle();                  // the reload read on the storage queue lands

    EXPECT_TRUE(sawBox);
    EXPECT_TRUE(w.isVisible()) << "a mouse is there: the window stays";
    EXPECT_FALSE(s.warningShown());
    EXPECT_NE(s.currentRecord().scrollspeed, 77);
    EXPECT_TRUE(s.working() == s.stored());
    EXPECT_TRUE(rig.link.hasCommandHandle());
    EXPECT_EQ(appsettings::loadDiff(rig.paths), 1) << "a new interface forces the next full write";
    // Front marker 0 is selected again: drawn unchecked, every other marker checked.
    const QList<TarnPushButton*> markers = w.findChildren<TarnPushButton*>(QStringLiteral("frontMarker"));
    ASSERT_EQ(markers.size(), 20);
    EXPECT_FALSE(markers[0]->checkedState());
    EXPECT_TRUE(markers[1]->checkedState());
}

TEST(WindowConnection, LastMouseUnpluggedAndPluggedBack) {
    // The reload after plugging back opens the product's first tab, as start-up does: customising
    // when the product has its lighting switched off.
    for (const auto& [ledDisable, firstTab] : {std::pair{0, TabLighting}, std::pair{1, TabCustomize}}) {
        SCOPED_TRACE(ledDisable);
        WindowRig rig;
        QSettings(rig.paths.descriptorFile(), QSettings::IniFormat)
            .setValue("PROFILE/ledDisable", ledDisable);
        MousecfgWidget& w = rig.create();
        EXPECT_EQ(w.currentTab(), firstTab);
        // That tab's button has the first focus; a tab without size is not reached with Tab.
        EXPECT_EQ(w.focusWidget(), rig.find(firstTab == TabLighting ? "tabLighting" : "tabCustomize"));
        EXPECT_EQ(rig.find("tabLighting")->focusPolicy(), ledDisable ? Qt::NoFocus : Qt::TabFocus);
        rig.scheduler.runPending();
        ASSERT_TRUE(w.isVisible());
        rig.click("tabDpi");
        ASSERT_EQ(w.currentTab(), TabDpi);

        rig.plug(kReceiver, false);
        EXPECT_EQ(w.session().connectedMice(), 0);
        EXPECT_FALSE(rig.link.hasCommandHandle());
        EXPECT_TRUE(w.session().warningShown());
        EXPECT_TRUE(rig.find("receiverIcon")->isHidden());
        ASSERT_EQ(rig.scheduler.delays(), std::vector<int>{200});

        // The user closes the box before the mouse is back: the window hides.
        auto watch = test::onModal<TarnMessageBox>(
            [](TarnMessageBox* box) { QTest::mouseClick(box->confirmButton(), Qt::LeftButton); });
        rig.scheduler.runPending();
        EXPECT_FALSE(w.isVisible());
        EXPECT_FALSE(w.session().warningShown());

        rig.plug(kReceiver, true);
        rig.scheduler.runPending();
        w.session().settle();
        EXPECT_TRUE(w.isDeviceReady());
        EXPECT_TRUE(rig.link.hasCommandHandle());
        EXPECT_FALSE(rig.find("receiverIcon")->isHidden());
        EXPECT_EQ(w.currentTab(), firstTab);
    }
}

TEST(WindowConnection, TwoMiceAreListedAndTheSelectorSwitchesBetweenThem) {
    WindowRig rig(SimulatedMouse::Options{true, false});
    MousecfgWidget& w = rig.create();
    auto* selector = rig.find<TarnPushButton>("mouseSelector");
    EXPECT_TRUE(selector->isHidden());
    // A second product, reached through what the simulation calls its cable path.
    DeviceEntry other = rig.link.deviceList().front();
    for (DevicePath& p : other.paths) {
        p.mouse.present = p.command.present = false;
        p.mouse.path.clear();
        p.command.path.clear();
    }
    other.paths[0].productId = kCableProductId;
    other.paths[1].productId = 0xFB77;
    other.productName = "OTHER";
    rig.link.deviceList().front().paths[1].productId = 0xFB66;
    rig.link.deviceList().push_back(other);

    rig.plug(kCable, true);
    EXPECT_EQ(w.session().connectedMice(), 2);
    EXPECT_FALSE(selector->isHidden());
    EXPECT_EQ(selector->text(), QStringLiteral("FARROW"));
    ASSERT_NE(selector->menu(), nullptr);
    ASSERT_EQ(selector->menu()->actions().size(), 2);

    w.switchPage(TabMacro);
    w.session().currentRecord().scrollspeed = 99;
    rig.monitorPacer.clear();
    selector->menu()->actions().at(1)->trigger();
    w.session().settle();
    EXPECT_EQ(appsettings::loadCurrentProductName(rig.paths), QStringLiteral("OTHER"));
    EXPECT_EQ(selector->text(), QStringLiteral("OTHER"));
    EXPECT_EQ(rig.find<QLabel>("productLabel")->text(), QStringLiteral("OTHER"));
    EXPECT_EQ(rig.monitorPacer.pauses(), (std::vector<int>{50, 50, 50}));
    EXPECT_EQ(w.currentTab(), TabLighting);
    EXPECT_NE(w.session().currentRecord().scrollspeed, 99) << "profiles reloaded";
    EXPECT_TRUE(rig.status.isRunning());

    rig.plug(kCable, false);
    EXPECT_EQ(w.session().connectedMice(), 1);
    EXPECT_TRUE(selector->isHidden());
    EXPECT_EQ(appsettings::loadCurrentProductName(rig.paths), QStringLiteral("FARROW"));
}

}  // namespace
