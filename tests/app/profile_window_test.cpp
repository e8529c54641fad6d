#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "app/performance_pages.h"
#include "app/profile_dialogs.h"
#include "app/profile_manager.h"
#include "device/command_frame.h"
#include "device/sensor_encoding.h"
#include "pages/performance/tarn_dpi_window.h"
#include "pages/performance/tarn_point_speed.h"
#include "pages/performance/tarn_report_rate.h"
#include "pages/performance/tarn_single_dpi.h"
#include "pages/performance/tarn_two_bar_slider.h"
#include "sim/memory_decoder.h"
#include "storage/profile_files.h"
#include "storage/settings_export.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_push_button.h"
#include "widgets/tarn_slider.h"
#include "window_rig.h"

using namespace mousecfg;
using test::WindowRig;

namespace {

void click(QWidget* w, QPoint at = QPoint()) {
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at);
}

// Answers every message box that comes up with its confirming button while it is active.
struct BoxAnswerer {
    QStringList texts;
    bool active = true;
};

void answerBoxes(const std::shared_ptr<BoxAnswerer>& a) {
    QTimer::singleShot(0, [a] {
        if (!a->active) return;
        auto* box = qobject_cast<TarnMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isVisible()) {
            a->texts << box->textLabel()->text();
            QTest::mouseClick(box->confirmButton(), Qt::LeftButton);
        }
        answerBoxes(a);
    });
}

// Clicks `button`, confirms every message box that follows and returns their texts in order.
// The answering stops before returning, so no later test's box is answered by this one.
QStringList clickAndConfirm(QWidget* button) {
    auto a = std::make_shared<BoxAnswerer>();
    answerBoxes(a);
    click(button);
    for (int i = 0; i < 25; ++i) QCoreApplication::processEvents();
    a->active = false;
    return a->texts;
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

struct ScriptedDialogs : ProfileDialogs {
    void warn(const QString& text) override { warnings << text; }
    bool confirm(const QString& text) override {
        warnings << text;
        return true;
    }
    QString saveFileName(const QString&, const QString&) override { return file; }
    QString openFileName(const QString&, const QString&) override { return file; }
    QStringList warnings;
    QString file;
};

// Lets the status thread make passes (delivering what it reported) until `done` holds.
template <typename Pred>
bool statusUntil(WindowRig& rig, Pred done, int passes = 20) {
    QCoreApplication::processEvents();
    for (int i = 0; i < passes && !done(); ++i) {
        if (!rig.linkPacer.step()) return false;
        QCoreApplication::processEvents();
    }
    return done();
}

bool wrote(const WindowRig& rig, uint8_t command) {
    return !rig.mouse.framesWithCommand(command).empty();
}

TEST(ProfileWindow, PageEditsReachTheMouseOnApply) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.scheduler.runPending();
    click(w.tabButton(MousecfgWidget::TabDpi));
    ASSERT_EQ(w.currentTab(), MousecfgWidget::TabDpi);
    PerformancePages* pages = w.performancePages();
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(w.dpiPage(), pages->dpi());
    ASSERT_TRUE(pages->dpi()->isVisible());
    const int slot = currentProfileIndex(w.workingState());
    const uint8_t scroll = currentProfile(w.workingState()).scrollspeed;

    // DPI: stage 0 to the end of the FARROW range (linked in the shipped profile), stage 4 active.
    TarnSingleDPI* row0 = pages->dpi()->row(0);
    ASSERT_TRUE(row0->sliders()->isLinked());
    QTest::keyClick(row0->sliders()->linkedSlider(), Qt::Key_End);
    click(pages->dpi()->row(4), QPoint(153, 10));
    // Report rate "500 HZ" and lift-off 1 mm; scroll amount one up.
    chooseFromMenu(pages->rate()->rateButton(), 2);
    click(pages->rate()->liftRadio(0), QPoint(6, 10));
    EXPECT_EQ(w.workingState().LiftHigh, 1);
    QTest::keyClick(pages->speed()->scrollBox(), Qt::Key_Up);
    EXPECT_EQ(currentProfile(w.workingState()).scrollspeed, scroll + 1);  // at once

    rig.mouse.clearFrameLog();
    EXPECT_EQ(clickAndConfirm(w.applyButton()), QStringList());
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
    EXPECT_TRUE(w.storedState() == w.workingState());
    EXPECT_EQ(currentProfile(w.storedState()).dpiStages[0].x, 92u);
}

TEST(ProfileWindow, StageAndRateReportedByTheMouseShowOnThePages) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    PerformancePages* pages = w.performancePages();
    const int slot = currentProfileIndex(w.workingState());
    const int stage = currentProfile(w.workingState()).dpi == 3 ? 2 : 3;
    rig.mouse.changeDpiStageOnMouse(static_cast<uint8_t>(stage));
    ASSERT_TRUE(statusUntil(rig, [&] { return pages->dpi()->activeStage() == stage; }));
    EXPECT_TRUE(pages->dpi()->radio(stage)->isChecked());
    rig.mouse.changeRateOnMouse(4);
    ASSERT_TRUE(statusUntil(rig, [&] { return pages->rate()->profileData().pollrate == 4; }));
    EXPECT_EQ(pages->rate()->rateButton()->text(), QStringLiteral("250 HZ"));
    // Taking the pages back on Apply keeps what the mouse reported.
    rig.mouse.clearFrameLog();
    EXPECT_EQ(clickAndConfirm(w.applyButton()), QStringList());
    EXPECT_EQ(w.workingState().profiles[static_cast<size_t>(slot)].dpi, stage);
    EXPECT_EQ(w.workingState().profiles[static_cast<size_t>(slot)].pollrate, 4);
}

TEST(ProfileWindow, HostPointerSpeedIsReadAtStartAndTheChosenSlotsSpeedApplied) {
    WindowRig rig;
    rig.speed.value = 13;
    MousecfgWidget& w = rig.create();
    rig.scheduler.runPending();
    TarnPointSpeed* speed = w.performancePages()->speed();
    EXPECT_EQ(currentProfile(w.workingState()).mousespeed, 13);
    EXPECT_EQ(speed->speedSlider()->value(), 13);

    w.workingState().profiles[2].mousespeed = 4;
    rig.speed.applied.clear();
    QMenu* menu = w.profileSelector()->menu();
    ASSERT_NE(menu, nullptr);
    menu->actions().at(2)->trigger();
    EXPECT_EQ(currentProfileIndex(w.workingState()), 2);
    EXPECT_EQ(rig.speed.applied, std::vector<int>{4});
    EXPECT_EQ(w.nameField()->text(), w.workingState().profileNames[2]);
    // The pointer page now edits slot 2's record, at once.
    EXPECT_EQ(speed->speedSlider()->value(), 4);
    QTest::keyClick(speed->speedSlider(), Qt::Key_End);
    EXPECT_EQ(w.workingState().profiles[2].mousespeed, 20);
    EXPECT_EQ(w.workingState().profiles[0].mousespeed, 13);
}

TEST(ProfileWindow, ResetAllAsksAndWritesEveryPart) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.scheduler.runPending();
    w.workingState().profileNames[3] = QStringLiteral("Mine");
    rig.mouse.clearFrameLog();
    QWidget* resetAll = w.frameControl(QStringLiteral("resetAllButton"));
    ASSERT_NE(resetAll, nullptr);
    EXPECT_EQ(clickAndConfirm(resetAll),
              QStringList{QStringLiteral("Are you sure you want reset all profiles?")});
    EXPECT_EQ(w.workingState().profileNames[3], QStringLiteral("Profile 4"));
    for (uint8_t c :
         {command::kGlobalSettings, command::kDpiTable, command::kButtonTable, command::kLightingTable})
        EXPECT_TRUE(wrote(rig, c)) << int(c);
    EXPECT_TRUE(w.storedState() == w.workingState());
}

TEST(ProfileWindow, ConfigurationFilesThroughTheBarButtons) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.scheduler.runPending();
    ScriptedDialogs dialogs;
    w.setProfileDialogs(&dialogs);
    const QString conf = rig.data.path(QStringLiteral("mine.conf"));
    dialogs.file = conf;
    click(w.frameControl(QStringLiteral("saveButton")));
    ASSERT_TRUE(QFile::exists(conf));

    // Another product's configuration: nothing written, nothing shown.
    stampProductName(conf, QStringLiteral("CASPIAN"));
    rig.mouse.clearFrameLog();
    EXPECT_EQ(clickAndConfirm(w.frameControl(QStringLiteral("loadButton"))), QStringList());
    EXPECT_TRUE(rig.writeFrames().empty());
    EXPECT_TRUE(dialogs.warnings.isEmpty());

    // Its own: loaded and written whole, although it equals what the window held.
    stampProductName(conf, QStringLiteral("FARROW"));
    {
        QSettings s(conf, QSettings::IniFormat);
        s.setValue(QStringLiteral("Config/LiftHigh"), 1);
    }
    w.switchPage(MousecfgWidget::TabDpi);
    EXPECT_EQ(clickAndConfirm(w.frameControl(QStringLiteral("loadButton"))), QStringList());
    EXPECT_EQ(w.currentTab(), MousecfgWidget::TabLighting);
    EXPECT_EQ(w.workingState().LiftHigh, 1);
    EXPECT_TRUE(w.performancePages()->rate()->liftRadio(0)->isChecked());
    for (uint8_t c :
         {command::kGlobalSettings, command::kDpiTable, command::kButtonTable, command::kLightingTable})
        EXPECT_TRUE(wrote(rig, c)) << int(c);
    EXPECT_EQ(simdecode::decodeGlobalSettings(rig.mouse.section(command::kGlobalSettings)).liftHigh, 1);
}

TEST(ProfileWindow, ImportAndRenameThroughTheBar) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.scheduler.runPending();
    ScriptedDialogs dialogs;
    w.setProfileDialogs(&dialogs);

    // Import: the profile lands in the library and the slot, and is written at once.
    const QString file = rig.data.path(QStringLiteral("Shared.prof"));
    MouseProfile p = currentProfile(w.workingState());
    p.scrollspeed = p.scrollspeed == 7 ? 8 : 7;
    saveProfileToPath(p, file);
    stampProductName(file, QStringLiteral("FARROW"));
    dialogs.file = file;
    rig.mouse.clearFrameLog();
    auto* import = qobject_cast<QAbstractButton*>(w.frameControl(QStringLiteral("importProfileButton")));
    ASSERT_NE(import, nullptr);
    import->click();  // laid out with no size: not reachable by the pointer
    for (int i = 0; i < 25; ++i) QCoreApplication::processEvents();
    const int slot = currentProfileIndex(w.workingState());
    EXPECT_EQ(w.workingState().profileNames[static_cast<size_t>(slot)], QStringLiteral("Shared"));
    EXPECT_EQ(w.nameField()->text(), QStringLiteral("Shared"));
    EXPECT_TRUE(w.profiles().library().contains(QStringLiteral("Shared")));
    EXPECT_EQ(simdecode::decodeGlobalSettings(rig.mouse.section(command::kGlobalSettings))
                  .scrollSpeed[static_cast<size_t>(slot)],
              p.scrollspeed);
    // The stored-profile menu lists the library.
    QMenu* stored =
        qobject_cast<QAbstractButton*>(w.frameControl(QStringLiteral("storedProfileButton")))
            ? static_cast<QPushButton*>(w.frameControl(QStringLiteral("storedProfileButton")))->menu()
            : nullptr;
    ASSERT_NE(stored, nullptr);
    QStringList entries;
    for (QAction* a : stored->actions()) entries << a->text();
    EXPECT_EQ(entries, w.profiles().libraryMenu());

    // Rename with Enter in the name field; a path in the name is refused and nothing moves.
    QLineEdit* name = w.nameField();
    name->setText(QStringLiteral("../Evil"));
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(dialogs.warnings.size(), 1);
    EXPECT_EQ(name->text(), QStringLiteral("Shared"));
    name->setText(QStringLiteral("Team"));
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(w.workingState().profileNames[static_cast<size_t>(slot)], QStringLiteral("Team"));
    EXPECT_TRUE(QFile::exists(w.profiles().libraryFile(QStringLiteral("Team"))));
    EXPECT_FALSE(QFile::exists(w.profiles().libraryFile(QStringLiteral("Shared"))));
}

}  // namespace
