// The visible profile bar: the slot selector switches the mouse, follows the mouse's own switches,
// its buttons run the profile operations with their message boxes, and an edit on a slot reaches
// that slot's bank of the mouse.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QSpinBox>
#include <functional>

#include "app/tabs/tab_list.h"
#include "app/window/profile_bar.h"
#include "app/window/widget_profile_dialogs.h"
#include "device/command_frame.h"
#include "device/sensor_encoding.h"
#include "pages/performance/tarn_dpi_window.h"
#include "pages/performance/tarn_point_speed.h"
#include "pages/performance/tarn_single_dpi.h"
#include "pages/performance/tarn_two_bar_slider.h"
#include "sim/memory_decoder.h"
#include "storage/profile_files.h"
#include "storage/profile_library.h"
#include "widgets/tarn_push_button.h"
#include "widgets/tarn_slider.h"
#include "window_rig.h"

using namespace mousecfg;
using test::WindowRig;

namespace {

QString selectorText(const WindowRig& rig) {
    return rig.find<TarnPushButton>("profileSelector")->text();
}
QString slotCaption(WindowSession& s, int slot) {
    return QStringLiteral("Profile %1: %2")
        .arg(slot + 1)
        .arg(s.working().profileNames[static_cast<size_t>(slot)]);
}
bool laidOut(const QWidget* w) {
    return w->isVisible() && w->width() > 0 && w->height() > 0;
}

// The skinned message boxes as they are; the files chosen by the test.
struct ChosenFiles : WidgetProfileDialogs {
    using WidgetProfileDialogs::WidgetProfileDialogs;
    QString saveFileName(const QString&, const QString&) override { return file; }
    QString openFileName(const QString&, const QString&) override { return file; }
    QString file;
};

TEST(ProfileSlots, EachSlotChosenOnTheVisibleSelectorSwitchesTheMouse) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.scheduler.runPending();
    rig.status.stop();
    WindowSession& s = w.session();
    auto* selector = rig.find<TarnPushButton>("profileSelector");
    ASSERT_TRUE(laidOut(selector));
    // Under the last tab button, in the left panel.
    EXPECT_GT(selector->y(), rig.find("tabMacro")->geometry().bottom());
    EXPECT_EQ(selectorText(rig), slotCaption(s, s.currentSlot()));
    rig.click("tabDpi");
    auto* speed = w.findChild<TarnPointSpeed*>();
    const uint8_t storedSlot = s.stored().ProfileID;
    for (int slot : {3, 1, 4, 0, 2}) {
        SCOPED_TRACE(slot);
        s.working().profiles[static_cast<size_t>(slot)].mousespeed = static_cast<uint8_t>(10 + slot);
        rig.mouse.clearFrameLog();
        test::chooseFromMenu(selector, slot);
        EXPECT_EQ(s.currentSlot(), slot);
        // Select, reload, the sections reloaded: the mouse runs the slot at once.
        const std::vector<QByteArray> frames = rig.mouse.frameLog();
        ASSERT_EQ(frames.size(), 7u);
        EXPECT_EQ(uint8_t(frames[0].at(frame_byte::kCommand - 1)), command::kSelectProfile);
        EXPECT_EQ(rig.mouse.activeProfile(), slot);
        EXPECT_EQ(rig.speed.applied.back(), 10 + slot);
        EXPECT_EQ(speed->speedSlider()->value(), 10 + slot);  // the pages show the slot
        EXPECT_EQ(selectorText(rig), slotCaption(s, slot));
        EXPECT_EQ(rig.find<QLineEdit>("nameField")->text(),
                  s.working().profileNames[static_cast<size_t>(slot)]);
        // Only the working set: the next Apply stores the slot in the mouse's settings.
        EXPECT_EQ(s.stored().ProfileID, storedSlot);
    }
}

TEST(ProfileSlots, ASwitchOnTheMouseMovesTheSelectorAndKeepsThePageEditsOfTheSlotLeft) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.scheduler.runPending();
    WindowSession& s = w.session();
    QSignalSpy osd(&s, &WindowSession::osdText);
    const int left = s.currentSlot();
    ASSERT_NE(left, 3);
    // An active stage chosen on the DPI page, not applied.
    rig.click("tabDpi");
    const int stage = s.currentRecord().dpi == 5 ? 6 : 5;
    QTest::mouseClick(w.findChild<TarnDPIWindow*>()->row(stage), Qt::LeftButton, Qt::NoModifier,
                      QPoint(153, 10));
    rig.mouse.changeProfileOnMouse(3);
    ASSERT_TRUE(rig.statusUntil([&] { return s.currentSlot() == 3; }));
    EXPECT_EQ(selectorText(rig), slotCaption(s, 3));
    QStringList shown;
    for (const QList<QVariant>& args : osd) shown << args.at(0).toString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Profile 4"))) << shown.join(QLatin1Char('|')).toStdString();
    // The edit stays with its slot in the working set, for the next Apply.
    EXPECT_EQ(s.working().profiles[static_cast<size_t>(left)].dpi, stage);
    EXPECT_TRUE(s.hasUnappliedEdits());
}

// An edit of the DPI on slot 3 is what the mouse holds in bank 3 after Apply; bank 0 is untouched.
TEST(ProfileSlots, ADpiEditOnSlot3ReachesBank3Only) {
    enum class Switch { Selector, MouseButton };
    for (Switch how : {Switch::Selector, Switch::MouseButton}) {
        SCOPED_TRACE(how == Switch::Selector ? "selector" : "mouse button");
        WindowRig rig;
        MousecfgWidget& w = rig.create();
        rig.scheduler.runPending();
        WindowSession& s = w.session();
        const QByteArray bank0 = rig.mouse.section(command::kDpiTable, 0);
        if (how == Switch::Selector) {
            test::chooseFromMenu(rig.find("profileSelector"), 3);
        } else {
            rig.mouse.changeProfileOnMouse(3);
            ASSERT_TRUE(rig.statusUntil([&] { return s.currentSlot() == 3; }));
        }
        // Two status cycles before Apply: the mouse stays on slot 3 and the window with it.
        ASSERT_TRUE(rig.linkPacer.step());
        ASSERT_TRUE(rig.linkPacer.step());
        QCoreApplication::processEvents();
        ASSERT_EQ(s.currentSlot(), 3);
        rig.click("tabDpi");
        TarnSingleDPI* row0 = w.findChild<TarnDPIWindow*>()->row(0);
        ASSERT_TRUE(row0->sliders()->isLinked());
        QTest::keyClick(row0->sliders()->linkedSlider(), Qt::Key_End);
        EXPECT_EQ(test::clickAndConfirm(rig.find("applyButton")), QStringList());

        const simdecode::DpiTable dpi = simdecode::decodeDpiTable(rig.mouse.section(command::kDpiTable, 3));
        const sensor::DpiBytes top = sensor::encodeDpiCode(3327, 92, rig.link.linkMode());
        EXPECT_EQ(dpi.stages[0].xLow, top.low);
        EXPECT_EQ(dpi.stages[0].xRange, top.range);
        EXPECT_EQ(rig.mouse.section(command::kDpiTable, 0), bank0);
        // Chosen in the window, the slot reaches the mouse's settings with the Apply.
        if (how == Switch::Selector) {
            EXPECT_EQ(simdecode::decodeGlobalSettings(rig.mouse.section(command::kGlobalSettings)).profileId,
                      3);
        }
        EXPECT_EQ(rig.mouse.activeProfile(), 3);
        EXPECT_TRUE(s.stored() == s.working());
    }
}

TEST(ProfileSlots, TheVisibleButtonsRunTheOperationsWithTheirBoxes) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.scheduler.runPending();
    WindowSession& s = w.session();
    ProfileBar* bar = w.findChild<ProfileBar*>();
    ChosenFiles dialogs(&w);
    bar->setDialogs(&dialogs);
    auto name = [&] { return s.currentSlotName(); };
    auto onDisk = [&](const QString& n) { return QFile::exists(bar->profiles().libraryFile(n)); };

    // Copy, then rename the copy through the visible field (the default names are built in).
    QWidget* copy = rig.find("copyButton");
    ASSERT_TRUE(laidOut(copy));
    const QString original = name();
    EXPECT_EQ(test::clickAndConfirm(copy), QStringList());
    EXPECT_EQ(name(), original + QStringLiteral(" copy"));
    EXPECT_TRUE(onDisk(name()));
    QLineEdit* field = rig.find<QLineEdit>("nameField");
    ASSERT_TRUE(laidOut(field));
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("Team"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(name(), QStringLiteral("Team"));
    EXPECT_TRUE(onDisk(QStringLiteral("Team")));
    EXPECT_FALSE(onDisk(original + QStringLiteral(" copy")));
    EXPECT_EQ(selectorText(rig), slotCaption(s, s.currentSlot()));

    const QString exported = rig.data.path(QStringLiteral("team.prof"));
    struct Step {
        const char* button;
        QStringList boxes;
        std::function<void(const QString& before)> check;
    };
    const Step steps[] = {
        {"exportProfileButton",
         {},
         [&](const QString&) { EXPECT_EQ(readProductName(exported), QStringLiteral("FARROW")); }},
        {"deleteButton",
         {QStringLiteral("Are you sure you want delete this profile?")},
         [&](const QString& before) {
             EXPECT_FALSE(onDisk(before));
             EXPECT_NE(name(), before);
         }},
        {"addButton",
         {},
         [&](const QString&) {
             EXPECT_TRUE(name().startsWith(QStringLiteral("Profile ")));
             EXPECT_TRUE(onDisk(name()));
         }},
        {"resetButton",
         {QStringLiteral("Are you sure you want reset this profile?")},
         [&](const QString&) {
             MouseProfile defaults;
             resetProfileToDefaults(defaults, rig.paths);
             EXPECT_EQ(s.currentRecord().scrollspeed, defaults.scrollspeed);
         }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.button);
        QWidget* button = rig.find(step.button);
        ASSERT_TRUE(laidOut(button));
        EXPECT_FALSE(button->toolTip().isEmpty());
        const QString before = name();
        dialogs.file = exported;
        s.currentRecord().scrollspeed = 17;  // an edit not applied
        rig.mouse.clearFrameLog();
        EXPECT_EQ(test::clickAndConfirm(button), step.boxes);
        step.check(before);
    }

    // Import: the exported file under a name of its own lands in the library and the slot.
    const QString shared = rig.data.path(QStringLiteral("Shared.prof"));
    ASSERT_TRUE(QFile::copy(exported, shared));
    dialogs.file = shared;
    QWidget* import = rig.find("importProfileButton");
    ASSERT_TRUE(laidOut(import));
    EXPECT_EQ(test::clickAndConfirm(import), QStringList());
    EXPECT_EQ(name(), QStringLiteral("Shared"));
    EXPECT_TRUE(bar->profiles().library().contains(QStringLiteral("Shared")));
    EXPECT_EQ(selectorText(rig), slotCaption(s, s.currentSlot()));
}

// Tab from the scroll-amount box walks the controls one can see; with the original look the
// bar's hidden controls are never reached and typed keys rename nothing.
TEST(ProfileSlots, OnlyControlsWithASizeTakeTheFocus) {
    for (int shown : {1, 0}) {
        SCOPED_TRACE(shown);
        WindowRig rig;
        rig.setConfig(QStringLiteral("Config/ShowProfileBar"), shown);
        MousecfgWidget& w = rig.create();
        rig.scheduler.runPending();
        w.show();
        QApplication::setActiveWindow(&w);
        rig.click("tabDpi");
        QWidget* start = w.findChild<TarnPointSpeed*>()->scrollBox();
        start->setFocus(Qt::TabFocusReason);
        QWidget* field = rig.find("nameField");
        EXPECT_EQ(laidOut(field), shown == 1);
        EXPECT_EQ(laidOut(rig.find("profileSelector")), shown == 1);
        bool reachedField = false;
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* f = QApplication::focusWidget();
            ASSERT_NE(f, nullptr);
            EXPECT_TRUE(laidOut(f)) << f->objectName().toStdString();
            reachedField = reachedField || f == field;
        }
        EXPECT_EQ(reachedField, shown == 1);
        const QString name = w.session().currentSlotName();
        if (!shown) {
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Evil"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            EXPECT_EQ(w.session().currentSlotName(), name);
        }
    }
}

}  // namespace
