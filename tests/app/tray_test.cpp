// Closing, the tray, a later start, battery alerts and the firmware hand-over.
#include "app/window/tray.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTimer>

#include "platform/single_instance.h"
#include "spin.h"
#include "window_rig.h"

using namespace mousecfg;
using test::WindowRig;

namespace {

constexpr auto kReceiver = SimulatedMouse::Path::Receiver;
constexpr auto kCable = SimulatedMouse::Path::Cable;

// The tray icon, made once the window's first frame is out (or on the first turn of the event
// loop when it starts hidden).
QSystemTrayIcon* trayIcon(MousecfgWidget& w) {
    auto* icon = w.findChild<QSystemTrayIcon*>();
    for (int turn = 0; turn < 10 && !icon; ++turn) {
        QCoreApplication::processEvents();
        icon = w.findChild<QSystemTrayIcon*>();
    }
    return icon;
}

void click(MousecfgWidget& w, QSystemTrayIcon::ActivationReason reason) {
    Q_EMIT trayIcon(w)->activated(reason);
}

TEST(Tray, WithATrayCloseHidesAClickShowsAndQuitEndsTheProgram) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.scheduler.runPending();
    ASSERT_TRUE(w.isVisible());
    QSystemTrayIcon* icon = trayIcon(w);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->toolTip(), QStringLiteral("FARROW"));
    auto* show = w.findChild<QAction*>(QStringLiteral("trayShowAction"));
    auto* quit = w.findChild<QAction*>(QStringLiteral("trayQuitAction"));
    EXPECT_EQ(show->text(), QStringLiteral("&Load Config"));
    EXPECT_EQ(quit->text(), QStringLiteral("&Quit"));

    // Close and the window manager's close hide; clicks toggle, other activations do nothing.
    rig.click("closeButton");
    EXPECT_FALSE(w.isVisible());
    click(w, QSystemTrayIcon::Trigger);
    EXPECT_TRUE(w.isVisible());
    click(w, QSystemTrayIcon::Context);
    EXPECT_TRUE(w.isVisible()) << "only clicks toggle";
    click(w, QSystemTrayIcon::DoubleClick);
    EXPECT_FALSE(w.isVisible());
    show->trigger();
    EXPECT_TRUE(w.isVisible());
    w.close();
    EXPECT_FALSE(w.isVisible());
    show->trigger();
    EXPECT_TRUE(rig.quitCodes.empty());

    // A click while "Dongle Disconnect!" is up does nothing; "OK" without a mouse hides.
    rig.plug(kReceiver, false);
    bool sawBox = false;
    auto watch = test::onModal<TarnMessageBox>([&](TarnMessageBox* box) {
        sawBox = true;
        click(w, QSystemTrayIcon::Trigger);
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(box->isVisible());
        QTest::mouseClick(box->confirmButton(), Qt::LeftButton);
    });
    rig.scheduler.runPending();
    EXPECT_TRUE(sawBox);
    EXPECT_FALSE(w.isVisible());

    quit->trigger();
    EXPECT_EQ(rig.quitCodes, std::vector<int>{0});
}

TEST(Tray, StartUpWithoutAMouseWaitsForTheWarningOnlyWhereATrayCanBringTheWindowBack) {
    const struct {
        const char* name;
        bool mouse, tray, shownAtOnce;
    } cases[] = {
        {"a mouse", true, true, true},
        {"a mouse, no tray", true, false, true},
        {"no mouse", false, true, false},
        {"no mouse, no tray", false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WindowRig rig(SimulatedMouse::Options{c.mouse, false});
        rig.services.trayAvailable = [&c] { return c.tray; };
        MousecfgWidget& w = rig.create();
        w.showAtStart();
        EXPECT_EQ(w.isVisible(), c.shownAtOnce);
    }
}

TEST(Tray, WithoutATrayNothingHidesTheWindowAndCloseEndsTheProgram) {
    EXPECT_FALSE(QSystemTrayIcon::isSystemTrayAvailable())
        << "the offscreen platform has no notification area";
    WindowRig rig(SimulatedMouse::Options{false, false});  // no mouse at start
    rig.services.trayAvailable = nullptr;                  // Qt's own answer
    MousecfgWidget& w = rig.create();
    EXPECT_FALSE(w.canHide());
    w.showAtStart();
    EXPECT_TRUE(w.isVisible()) << "shown at once, before the warning";

    // "OK" on the warning while no mouse is back leaves the window up.
    auto watch = test::onModal<TarnMessageBox>(
        [](TarnMessageBox* box) { QTest::mouseClick(box->confirmButton(), Qt::LeftButton); });
    rig.scheduler.runPending();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.session().warningShown());
    rig.plug(kReceiver, true);
    rig.scheduler.runPending();

    click(w, QSystemTrayIcon::Trigger);
    EXPECT_TRUE(w.isVisible()) << "the toggle does not hide either";
    EXPECT_TRUE(rig.quitCodes.empty());

    // Close ends the program (the event loop returns and the program shuts down as usual).
    rig.click("closeButton");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(rig.quitCodes, std::vector<int>{0});
    w.close();
    EXPECT_EQ(rig.quitCodes, (std::vector<int>{0, 0}));
}

TEST(Tray, ALaterStartBringsTheWindowBack) {
    test::RuntimeDir runtime;
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.scheduler.runPending();
    SingleInstance instance(QStringLiteral("FARROW"));
    ASSERT_TRUE(instance.tryAcquire());
    ASSERT_TRUE(instance.listenForActivation([&] { w.showFromActivation(); }));

    rig.click("closeButton");
    ASSERT_FALSE(w.isVisible());
    EXPECT_TRUE(SingleInstance::requestActivation(QStringLiteral("FARROW")));
    EXPECT_TRUE(test::spinUntil([&] { return w.isVisible(); }));
    w.showMinimized();
    EXPECT_TRUE(SingleInstance::requestActivation(QStringLiteral("FARROW")));
    EXPECT_TRUE(test::spinUntil([&] { return !w.isMinimized(); }));
    EXPECT_TRUE(w.isVisible());
}

TEST(Tray, ALaterStartWhileABoxIsUpBringsTheBoxForward) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.plug(kReceiver, true);
    rig.scheduler.runPending();
    TarnMessageBox box(TarnMessageBox::Refusal, QString(), QStringLiteral("Warning"), QStringLiteral("text"),
                       &w);
    bool boxInFront = false;
    QTimer::singleShot(0, &w, [&] {
        w.showFromActivation();
        boxInFront = test::spinUntil([&] { return QApplication::activeWindow() == &box; }) && box.isVisible();
        box.reject();
    });
    box.exec();
    EXPECT_TRUE(boxInFront);
    EXPECT_TRUE(w.isVisible());
}

TEST(Tray, BatteryAlertsGoToTheTrayElseToTheDisplay) {
    for (bool tray : {true, false}) {
        SCOPED_TRACE(tray ? "tray" : "no tray");
        WindowRig rig;
        rig.services.trayAvailable = [tray] { return tray; };
        MousecfgWidget& w = rig.create();
        ASSERT_NE(trayIcon(w), nullptr);
        QSignalSpy messages(w.findChild<Tray*>(), &Tray::messageShown);
        w.session().onBatteryReport(0, 0x06, 0x03);  // 3192 mV: 10 %
        w.session().onBatteryReport(0, 0xBC, 0x02);  // 2887 mV: critical
        if (tray) {
            ASSERT_EQ(messages.count(), 2);
            EXPECT_EQ(messages.at(0).at(0).toString(), QStringLiteral("Battery low"));
            EXPECT_EQ(messages.at(0).at(1).toString(),
                      QStringLiteral("FARROW is down to 10 %. Please charge it soon."));
            EXPECT_EQ(messages.at(1).at(0).toString(), QStringLiteral("Battery critically low"));
            EXPECT_TRUE(rig.osd.endpoint->messages.empty());
        } else {
            EXPECT_EQ(messages.count(), 0);
            EXPECT_EQ(rig.osd.endpoint->texts(), (QStringList{QStringLiteral("Battery 10 %"),
                                                              QStringLiteral("Battery critically low")}));
        }
    }
}

// Answers every message box while active: the question with "Yes" or "No", the others with "OK".
struct Answers {
    bool yes = true;
    bool active = true;
    QStringList texts;
};

void answerBoxes(const std::shared_ptr<Answers>& a) {
    QTimer::singleShot(0, [a] {
        if (!a->active) return;
        auto* box = qobject_cast<TarnMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isVisible()) {
            a->texts << box->textLabel()->text();
            const bool no = box->kind() == TarnMessageBox::Question && !a->yes;
            QTest::mouseClick(no ? box->cancelButton() : box->confirmButton(), Qt::LeftButton);
        }
        answerBoxes(a);
    });
}

TEST(Firmware, TheCableCheckTheQuestionAndTheHandOver) {
    const QString needCable =
        QStringLiteral("To update the firmware, please connect to the computer with a cable.");
    const QString ask = QStringLiteral("Do you want to upgrade the firmware?");
    const QString noUpdater = QStringLiteral(
        "No firmware updater is installed with this program. Please update the firmware with the updater "
        "from the mouse's maker.");
    const QString notStarted = QStringLiteral("The firmware updater could not be started.");
    struct Case {
        const char* name;
        bool cable;
        bool yes;       // the answer to the question
        bool updater;   // an updater is installed
        bool startsOk;  // and starts
        QStringList boxes;
        bool started;
        bool quits;
    };
    const Case cases[] = {
        {"receiver only", false, true, true, true, {needCable}, false, false},
        {"the user says no", true, false, true, true, {ask}, false, false},
        {"no updater (a Linux install)", true, true, false, true, {ask, noUpdater}, false, false},
        {"the updater does not start", true, true, true, false, {ask, notStarted}, true, false},
        {"handed over", true, true, true, true, {ask}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WindowRig rig;
        test::TempData install;
        if (c.updater) install.writeFile(QStringLiteral("skin/mouse/bin/R540-8812-20230727-en.exe"), "MZ");
        rig.services.paths = Paths(install.root(), rig.data.root());
        rig.startSucceeds = c.startsOk;
        MousecfgWidget& w = rig.create();
        if (c.cable) rig.plug(kCable, true);
        rig.scheduler.runPending();

        // Answers every box: "Yes" or "No" to the question, "OK" to the rest.
        auto answers = std::make_shared<Answers>();
        answers->yes = c.yes;
        answerBoxes(answers);
        QTest::mousePress(rig.find("firmwareButton"), Qt::LeftButton);  // the press starts it
        for (int i = 0; i < 25; ++i) QCoreApplication::processEvents();
        answers->active = false;

        EXPECT_EQ(answers->texts, c.boxes);
        EXPECT_EQ(rig.started.size(), c.started ? 1 : 0);
        EXPECT_EQ(rig.quitCodes, c.quits ? std::vector<int>{0} : std::vector<int>{});
        EXPECT_EQ(rig.status.isRunning(), !c.quits) << "the status thread stops only for the updater";
        EXPECT_TRUE(w.isVisible());
    }
}

}  // namespace
