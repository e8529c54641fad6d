#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QMovie>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "app/performance_pages.h"
#include "app/tarn_process_dialog.h"
#include "device/command_frame.h"
#include "pages/performance/tarn_dpi_window.h"
#include "pages/performance/tarn_point_speed.h"
#include "sim/memory_decoder.h"
#include "storage/app_settings.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"
#include "widgets/tarn_menu.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_processbar.h"
#include "widgets/tarn_push_button.h"
#include "widgets/tarn_slider.h"
#include "window_rig.h"

using namespace mousecfg;
using test::WindowRig;

namespace {

constexpr auto kReceiver = SimulatedMouse::Path::Receiver;
constexpr auto kCable = SimulatedMouse::Path::Cable;

// Lets the status thread make passes (and delivers what it reported) until `done` holds.
template <typename Pred>
bool statusUntil(WindowRig& rig, Pred done, int passes = 20) {
    QCoreApplication::processEvents();
    for (int i = 0; i < passes && !done(); ++i) {
        if (!rig.linkPacer.step()) return false;
        QCoreApplication::processEvents();
    }
    return done();
}

void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton);
}

// Clicks Apply and answers the message box that may follow; returns its text (empty: none came).
QString applyAndAnswer(WindowRig& rig) {
    QString text;
    auto watch = test::onModal<TarnMessageBox>([&text](TarnMessageBox* box) {
        text = box->textLabel()->text();
        QTest::mouseClick(box->confirmButton(), Qt::LeftButton);
    });
    click(rig.window->applyButton());
    return text;
}

}  // namespace

TEST(MainWindow, StartUpLoadsProfilesRewritesTheFactoryFileAndShowsStartValues) {
    WindowRig rig;
    rig.data.writeFile(QStringLiteral("Configs/Profile/DefaultProfile.prof"), "damaged");
    rig.setConfig(QStringLiteral("Config/Battery"), 55);
    ConfigState expected;
    loadConfigState(rig.paths, expected);

    MousecfgWidget& w = rig.create();

    // Stored set from the files; working set the same but for the host's pointer speed.
    EXPECT_TRUE(w.storedState() == expected);
    ConfigState working = w.workingState();
    EXPECT_EQ(currentProfile(working).mousespeed, 7);
    currentProfile(working).mousespeed = currentProfile(expected).mousespeed;
    EXPECT_TRUE(working == expected);
    EXPECT_EQ(w.nameField()->text(),
              expected.profileNames[static_cast<size_t>(currentProfileIndex(expected))]);

    const QByteArray factory = rig.data.readFile(QStringLiteral("Configs/Profile/DefaultProfile.prof"));
    EXPECT_TRUE(factory.startsWith("[PROFILE]")) << factory.left(40).constData();

    // Battery gauge at (0, 1, 1): level 10 on the receiver, written to the settings file.
    EXPECT_EQ(w.batteryGauge()->value(), 10);
    EXPECT_TRUE(w.batteryGauge()->isTextVisible());
    EXPECT_EQ(w.batteryGauge()->format(), QStringLiteral("%p%"));
    EXPECT_EQ(rig.config(QStringLiteral("Config/Battery")).toInt(), 10);
    EXPECT_FALSE(w.mouseOff());
    EXPECT_EQ(w.connectionState(), MousecfgWidget::ReceiverOnly);
    EXPECT_FALSE(w.receiverIcon()->isHidden());
    EXPECT_TRUE(w.chargingIcon()->isHidden());
    EXPECT_TRUE(rig.hotplug.started);
    EXPECT_TRUE(rig.status.isRunning());

    // The window appears through the 200 ms timer; with a mouse there, no warning.
    EXPECT_EQ(rig.scheduler.delays(), std::vector<int>{200});
    EXPECT_FALSE(w.isVisible());
    rig.scheduler.runPending();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.warningShown());
    EXPECT_EQ(w.currentTab(), MousecfgWidget::TabLighting);
}

TEST(MainWindow, CableShowsAFullGaugeBehindTheCableFrame) {
    WindowRig rig(SimulatedMouse::Options{true, true});
    MousecfgWidget& w = rig.create();
    EXPECT_EQ(w.connectionState(), MousecfgWidget::CableAndReceiver);
    EXPECT_EQ(w.batteryGauge()->value(), 100);
    EXPECT_EQ(w.batteryGauge()->format(), QString());
    EXPECT_TRUE(w.batteryGauge()->isHidden());
    EXPECT_EQ(rig.config(QStringLiteral("Config/Battery")).toInt(), 10) << "the level itself is still 10";

    // The cable goes: receiver only, gauge back.
    rig.plug(kCable, false);
    EXPECT_EQ(w.connectionState(), MousecfgWidget::ReceiverOnly);
    EXPECT_FALSE(w.batteryGauge()->isHidden());
    EXPECT_EQ(rig.monitorPacer.pauses(), std::vector<int>{500}) << "the same mouse is reopened";
}

TEST(MainWindow, NoMouseAtStartWarnsAndTheBoxClosesWhenTheMouseIsPluggedIn) {
    WindowRig rig(SimulatedMouse::Options{false, false});
    MousecfgWidget& w = rig.create();
    EXPECT_EQ(w.connectedMice(), 0);
    EXPECT_EQ(w.connectionState(), MousecfgWidget::NoConnection);
    EXPECT_FALSE(w.isVisible());
    ASSERT_EQ(rig.scheduler.delays(), std::vector<int>{200});

    // An edit that the reload after plugging in must discard.
    currentProfile(w.workingState()).scrollspeed = 77;
    bool sawBox = false;
    auto watch = test::onModal<TarnMessageBox>([&](TarnMessageBox* box) {
        sawBox = true;
        EXPECT_EQ(box->textLabel()->text(), QStringLiteral("Dongle Disconnect!"));
        EXPECT_EQ(box->kind(), TarnMessageBox::DongleMissing);
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(w.warningShown());
        ASSERT_TRUE(rig.ticker);
        rig.ticker->fire();
        EXPECT_TRUE(box->isVisible()) << "no mouse yet";

        rig.plug(kReceiver, true);
        EXPECT_EQ(w.connectedMice(), 1);
        EXPECT_FALSE(w.isDeviceReady());
        rig.scheduler.runPending();  // slotWarnClose after 200 ms
        EXPECT_TRUE(w.isDeviceReady());
        rig.ticker->fire();
    });
    rig.scheduler.runPending();  // slotWarning after 200 ms

    EXPECT_TRUE(sawBox);
    EXPECT_TRUE(w.isVisible()) << "a mouse is there: the window stays";
    EXPECT_FALSE(w.warningShown());
    EXPECT_NE(currentProfile(w.workingState()).scrollspeed, 77);
    EXPECT_TRUE(w.workingState() == w.storedState());
    EXPECT_TRUE(rig.link.hasCommandHandle());
    EXPECT_EQ(appsettings::loadDiff(rig.paths), 1) << "a new interface forces the next full write";
}

TEST(MainWindow, LastMouseUnpluggedAndPluggedBack) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.scheduler.runPending();
    ASSERT_TRUE(w.isVisible());

    rig.plug(kReceiver, false);
    EXPECT_EQ(w.connectedMice(), 0);
    EXPECT_FALSE(rig.link.hasCommandHandle());
    EXPECT_FALSE(rig.status.isRunning() && rig.link.hasCommandHandle());
    EXPECT_TRUE(w.warningShown());
    EXPECT_TRUE(w.receiverIcon()->isHidden());
    ASSERT_EQ(rig.scheduler.delays(), std::vector<int>{200});

    // The user closes the box before the mouse is back: the window hides.
    auto watch = test::onModal<TarnMessageBox>(
        [](TarnMessageBox* box) { QTest::mouseClick(box->confirmButton(), Qt::LeftButton); });
    rig.scheduler.runPending();
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.warningShown());

    rig.plug(kReceiver, true);
    rig.scheduler.runPending();
    EXPECT_TRUE(w.isDeviceReady());
    EXPECT_TRUE(rig.link.hasCommandHandle());
    EXPECT_FALSE(w.receiverIcon()->isHidden());
}

TEST(MainWindow, ScaleLevelsFollowTheScreenDpi) {
    struct Case {
        double dpi;
        int level;
        QSize size;
    };
    const Case cases[] = {{96, 0, {999, 640}}, {120, 1, {1248, 800}}, {144, 2, {1498, 960}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        WindowRig rig(SimulatedMouse::Options{}, c.dpi);
        MousecfgWidget& w = rig.create();
        EXPECT_EQ(w.scaleLevel(), c.level);
        EXPECT_EQ(w.size(), c.size);
        const double f = 1.0 + 0.25 * c.level;
        EXPECT_EQ(w.applyButton()->geometry(), QRect(int(597 * f), int(588 * f), int(76 * f), int(30 * f)));
        EXPECT_EQ(w.dpiPage()->geometry(), QRect(int(285 * f), int(90 * f), int(456 * f), int(460 * f)));
        EXPECT_EQ(w.frameControl(QStringLiteral("addButton"))->size(), QSize(0, 0));
    }
}

TEST(MainWindow, DraggingMovesTheWindowOnlyPastTheThreshold) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    w.move(100, 100);
    w.show();
    const QPoint start = w.frameGeometry().topLeft();
    const QPoint local(400, 20);
    const QPoint global = w.mapToGlobal(local);
    auto send = [&](QEvent::Type type, QPoint offset) {
        QMouseEvent e(type, local + offset, global + offset, Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &e);
    };
    send(QEvent::MouseButtonPress, {});
    send(QEvent::MouseMove, {3, 1});
    EXPECT_EQ(w.frameGeometry().topLeft(), start);
    send(QEvent::MouseMove, {3, 2});
    EXPECT_EQ(w.frameGeometry().topLeft(), start + QPoint(3, 2));
    send(QEvent::MouseMove, {-40, 25});
    EXPECT_EQ(w.frameGeometry().topLeft(), start + QPoint(-40, 25));
    send(QEvent::MouseButtonRelease, {-40, 25});
    send(QEvent::MouseMove, {100, 100});
    EXPECT_EQ(w.frameGeometry().topLeft(), start + QPoint(-40, 25)) << "released: no more dragging";
}

TEST(MainWindow, BatteryReportsMouseOffAndLevels) {
    WindowRig rig;
    rig.setConfig(QStringLiteral("Config/BatteryFull"), 4126);
    MousecfgWidget& w = rig.create();

    w.slotRefreshBatteryStatus(0, 0, 0);
    EXPECT_TRUE(w.mouseOff());
    EXPECT_EQ(w.batteryGauge()->caption(), QStringLiteral("MOUSE OFF"));
    EXPECT_FALSE(w.batteryGauge()->isTextVisible());
    EXPECT_TRUE(w.chargingIcon()->isHidden());
    EXPECT_EQ(rig.config(QStringLiteral("Config/Battery")).toInt(), 10) << "nothing else changes";

    w.slotRefreshBatteryStatus(1, 0xE8, 0x03);  // 4125 mV
    EXPECT_FALSE(w.mouseOff());
    EXPECT_TRUE(w.batteryGauge()->isTextVisible());
    EXPECT_EQ(w.batteryGauge()->value(), 90);
    EXPECT_FALSE(w.chargingIcon()->isHidden());
    EXPECT_EQ(w.lastBatteryLevel(), 90);
    EXPECT_EQ(rig.config(QStringLiteral("Config/Battery")).toInt(), 90);

    w.slotRefreshBatteryStatus(0, 0xE9, 0x03);  // 4129 mV: full
    EXPECT_EQ(w.batteryGauge()->value(), 100);
    EXPECT_TRUE(w.chargingIcon()->isHidden());
    EXPECT_EQ(rig.config(QStringLiteral("Config/Battery")).toInt(), 100);

    // The simulated mouse switched off answers the next status request with zeros.
    rig.mouse.setMouseOff(true);
    rig.status.start();
    EXPECT_TRUE(statusUntil(rig, [&] { return w.mouseOff(); }));
    rig.mouse.setMouseOff(false);
    rig.status.start();
    EXPECT_TRUE(statusUntil(rig, [&] { return !w.mouseOff(); }));
    EXPECT_EQ(w.batteryGauge()->caption(), QString());
}

TEST(MainWindow, StatusReportsFromTheMouseReachTheWindow) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.mouse.changeProfileOnMouse(2);
    ASSERT_TRUE(statusUntil(rig, [&] { return currentProfileIndex(w.workingState()) == 2; }));
    EXPECT_EQ(currentProfileIndex(w.workingState()), 2);
    EXPECT_EQ(rig.config(QStringLiteral("Config/ProfileID")).toInt(), 2);
    EXPECT_EQ(w.nameField()->text(), w.workingState().profileNames[2]);
    EXPECT_TRUE(w.osdTexts().contains(QStringLiteral("Profile 3"))) << w.osdTexts().join(',').toStdString();
    ASSERT_FALSE(rig.speed.applied.empty());
    EXPECT_EQ(rig.speed.applied.back(), w.workingState().profiles[2].mousespeed);

    rig.mouse.changeDpiStageOnMouse(3);
    ASSERT_TRUE(statusUntil(rig, [&] { return w.workingState().profiles[2].dpi == 3; }));
    EXPECT_EQ(w.workingState().profiles[2].dpi, 3);
    QSettings file(currentProfileFile(rig.paths, w.workingState().profileNames[2]), QSettings::IniFormat);
    EXPECT_EQ(file.value(QStringLiteral("PROFILE/dpi")).toInt(), 3);
    EXPECT_TRUE(w.osdTexts().last().startsWith(QStringLiteral("DPI 4:")))
        << w.osdTexts().last().toStdString();

    rig.mouse.changeRateOnMouse(2);
    ASSERT_TRUE(statusUntil(rig, [&] { return w.workingState().profiles[2].pollrate == 2; }));
    EXPECT_EQ(w.workingState().profiles[2].pollrate, 2);
    EXPECT_EQ(w.osdTexts().last(), QStringLiteral("500 HZ"));

    // Reported values are what the mouse holds already: nothing to write for them.
    EXPECT_EQ(computeChangeMask(w.workingState(), w.storedState(), rig.paths), change::kNone);
}

TEST(MainWindow, ApplyWritesTheEditOffTheGuiThreadWhileTheDialogAnimates) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.scheduler.runPending();

    // Nothing changed and no forced write: nothing is sent, no message.
    rig.mouse.clearFrameLog();
    EXPECT_EQ(applyAndAnswer(rig), QString());
    EXPECT_TRUE(rig.writeFrames().empty());

    const int slot = currentProfileIndex(w.workingState());
    const uint8_t speed = currentProfile(w.workingState()).scrollspeed == 9 ? 4 : 9;
    currentProfile(w.workingState()).scrollspeed = speed;

    // The write thread is held at its first frame until the GUI has looked around.
    QSemaphore reached, release;
    QThread* gui = QThread::currentThread();
    rig.backend.setBeforeWrite([&](const uint8_t* frame) {
        if (QThread::currentThread() == gui || frame[3] == command::kStatusRequest) return;
        reached.release();
        release.acquire();
    });
    bool looked = false;
    auto watch = test::onModal<TarnProcessDialog>([&](TarnProcessDialog* dialog) {
        // However this ends, the write thread is let go, so a failure cannot hang the test.
        const auto letGo = qScopeGuard([&] {
            rig.backend.setBeforeWrite(nullptr);
            release.release(1000);
        });
        ASSERT_TRUE(reached.tryAcquire(1, 60000));  // the worker is in the middle of the write
        looked = true;
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->movie()->state(), QMovie::Running);
        EXPECT_TRUE(dialog->movie()->isValid());
        QTest::keyClick(dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog->isVisible()) << "the write cannot be walked away from";
        // A report and a plug-in arriving now wait until the write thread has let go of the sets.
        const MouseProfile& record = currentProfile(w.workingState());
        w.slotRefreshStatus(3, record.dpi, record.pollrate, 0);
        rig.plug(kCable, true);
        EXPECT_EQ(currentProfileIndex(w.workingState()), slot);
        EXPECT_FALSE(rig.link.deviceList().front().paths[DeviceEntry::kCable].connected());
    });
    rig.backend.clear();
    EXPECT_EQ(applyAndAnswer(rig), QString());
    EXPECT_TRUE(looked);

    EXPECT_EQ(rig.backend.writesFrom(gui), 0) << "no frame from the GUI thread";
    EXPECT_GT(rig.backend.writers().size(), 0u);
    const auto g = simdecode::decodeGlobalSettings(rig.mouse.section(command::kGlobalSettings));
    EXPECT_EQ(g.scrollSpeed[static_cast<size_t>(slot)], speed);
    EXPECT_TRUE(w.storedState() == w.workingState());
    EXPECT_TRUE(rig.mouse.framesWithCommand(command::kButtonTable).empty()) << "only the changed part";
    EXPECT_EQ(appsettings::loadDiff(rig.paths), 1) << "set again by the cable that came during the write";
    EXPECT_EQ(currentProfileIndex(w.workingState()), 3) << "the report held back during the write";
    EXPECT_TRUE(rig.link.deviceList().front().paths[DeviceEntry::kCable].connected());
    EXPECT_EQ(w.connectionState(), MousecfgWidget::CableAndReceiver);
}

TEST(MainWindow, ApplyWhileTheMouseIsOffSavesButSendsNothing) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.mouse.setMouseOff(true);
    rig.status.start();
    ASSERT_TRUE(statusUntil(rig, [&] { return w.mouseOff(); }));
    rig.status.stop();
    QCoreApplication::processEvents();
    ASSERT_TRUE(w.mouseOff());
    const int slot = currentProfileIndex(w.workingState());
    currentProfile(w.workingState()).scrollspeed = 13;
    rig.mouse.clearFrameLog();

    EXPECT_EQ(applyAndAnswer(rig), QStringLiteral("Mouse is sleeping or not connected."));
    EXPECT_TRUE(rig.mouse.frameLog().empty());
    MouseProfile saved;
    loadProfileFile(rig.paths, saved, w.workingState().profileNames[static_cast<size_t>(slot)]);
    EXPECT_EQ(saved.scrollspeed, 13) << "the settings file is saved all the same";
}

TEST(MainWindow, FailedWriteIsReportedAndTheNextApplyWritesEverything) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    currentProfile(w.workingState()).scrollspeed = 11;
    rig.mouse.injectEchoFault(SimulatedMouse::EchoFault::Drop, -1);

    EXPECT_EQ(applyAndAnswer(rig), QStringLiteral("Send data failed, please try again."));
    EXPECT_EQ(appsettings::loadDiff(rig.paths), 1);
    EXPECT_TRUE(w.storedState() == w.workingState());

    rig.mouse.injectEchoFault(SimulatedMouse::EchoFault::None, 0);
    rig.mouse.clearFrameLog();
    EXPECT_EQ(applyAndAnswer(rig), QString());
    for (uint8_t section :
         {command::kGlobalSettings, command::kDpiTable, command::kButtonTable, command::kLightingTable})
        EXPECT_FALSE(rig.mouse.framesWithCommand(section).empty()) << int(section);
    EXPECT_EQ(appsettings::loadDiff(rig.paths), 0);
}

TEST(MainWindow, TwoMiceAreListedAndTheSelectorSwitchesBetweenThem) {
    WindowRig rig(SimulatedMouse::Options{true, false});
    MousecfgWidget& w = rig.create();
    EXPECT_TRUE(w.mouseSelector()->isHidden());
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
    EXPECT_EQ(w.connectedMice(), 2);
    EXPECT_FALSE(w.mouseSelector()->isHidden());
    EXPECT_EQ(w.mouseSelector()->text(), QStringLiteral("FARROW"));
    ASSERT_EQ(w.mouseMenu()->actions().size(), 2);

    w.switchPage(MousecfgWidget::TabMacro);
    currentProfile(w.workingState()).scrollspeed = 99;
    rig.monitorPacer.clear();
    w.mouseMenu()->actions().at(1)->trigger();
    EXPECT_EQ(appsettings::loadCurrentProductName(rig.paths), QStringLiteral("OTHER"));
    EXPECT_EQ(w.mouseSelector()->text(), QStringLiteral("OTHER"));
    EXPECT_EQ(rig.monitorPacer.pauses(), (std::vector<int>{50, 50, 50}));
    EXPECT_EQ(w.currentTab(), MousecfgWidget::TabLighting);
    EXPECT_NE(currentProfile(w.workingState()).scrollspeed, 99) << "profiles reloaded";
    EXPECT_TRUE(rig.status.isRunning());

    rig.plug(kCable, false);
    EXPECT_EQ(w.connectedMice(), 1);
    EXPECT_TRUE(w.mouseSelector()->isHidden());
    EXPECT_EQ(appsettings::loadCurrentProductName(rig.data.paths()), QStringLiteral("FARROW"));
}

TEST(MainWindow, TabsSwitchPagesAndRecordingLocksTheControls) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    w.show();
    struct Case {
        int tab;
        QWidget* visible[3];
    };
    const Case cases[] = {
        {MousecfgWidget::TabDpi, {w.dpiPage(), w.pointerSpeedPage(), w.reportRatePage()}},
        {MousecfgWidget::TabMacro, {w.macroPage(), nullptr, nullptr}},
        {MousecfgWidget::TabCustomize,
         {w.frameControl(QStringLiteral("buttonScrollArea")), nullptr, nullptr}},
        {MousecfgWidget::TabLighting, {w.lightingPage(), nullptr, nullptr}},
    };
    const QList<QWidget*> pages{w.dpiPage(),        w.pointerSpeedPage(),
                                w.reportRatePage(), w.macroPage(),
                                w.lightingPage(),   w.frameControl(QStringLiteral("buttonScrollArea"))};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tab);
        QTest::mousePress(w.tabButton(c.tab), Qt::LeftButton);
        EXPECT_EQ(w.currentTab(), c.tab) << "the press itself switches";
        QTest::mouseRelease(w.tabButton(c.tab), Qt::LeftButton);
        for (QWidget* p : pages) {
            const bool shown =
                std::find(std::begin(c.visible), std::end(c.visible), p) != std::end(c.visible);
            EXPECT_EQ(p->isVisible(), shown) << p->objectName().toStdString();
        }
        for (int t = 0; t < 4; ++t) EXPECT_EQ(w.tabButton(t)->checkedState(), t == c.tab);
    }

    w.slotEnableButtons(false);
    EXPECT_FALSE(w.applyButton()->isButtonEnabled());
    EXPECT_FALSE(w.nameField()->isEnabled());
    EXPECT_FALSE(w.mouseSelector()->isButtonEnabled());
    click(w.tabButton(MousecfgWidget::TabMacro));
    EXPECT_EQ(w.currentTab(), MousecfgWidget::TabLighting) << "locked while the macro editor records";
    w.slotEnableButtons(true);
    click(w.tabButton(MousecfgWidget::TabMacro));
    EXPECT_EQ(w.currentTab(), MousecfgWidget::TabMacro);

    // Close hides; the program goes on in the tray.
    click(w.closeButton());
    EXPECT_FALSE(w.isVisible());
    w.iconActivated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(w.isVisible());
    w.iconActivated(QSystemTrayIcon::Context);
    EXPECT_TRUE(w.isVisible()) << "only clicks toggle";
    w.iconActivated(QSystemTrayIcon::DoubleClick);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(MousecfgWidget::titleFor(QStringLiteral("FARROW"), true),
              QStringLiteral("FARROW (simulated mouse)"));
}
