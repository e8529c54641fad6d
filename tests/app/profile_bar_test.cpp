// The profile bar in the window: its buttons, menus and name field over the profile operations.
#include "app/window/profile_bar.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QToolButton>

#include "app/tabs/tab_list.h"
#include "app/window/widget_profile_dialogs.h"
#include "device/command_frame.h"
#include "pages/performance/tarn_dpi_window.h"
#include "pages/performance/tarn_report_rate.h"
#include "pages/performance/tarn_single_dpi.h"
#include "sim/memory_decoder.h"
#include "storage/profile_files.h"
#include "storage/settings_export.h"
#include "storage/settings_file.h"
#include "window_rig.h"

using namespace mousecfg;
using test::WindowRig;

namespace {

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

bool wrote(const WindowRig& rig, uint8_t command) {
    return !rig.mouse.framesWithCommand(command).empty();
}

TEST(ProfileBar, ResetAllAsksAndWritesEveryPart) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.scheduler.runPending();
    w.session().working().profileNames[3] = QStringLiteral("Mine");
    rig.mouse.clearFrameLog();
    QWidget* resetAll = rig.find("resetAllButton");
    ASSERT_NE(resetAll, nullptr);
    EXPECT_EQ(test::clickAndConfirm(resetAll),
              QStringList{QStringLiteral("Are you sure you want reset all profiles?")});
    EXPECT_EQ(w.session().working().profileNames[3], QStringLiteral("Profile 4"));
    for (uint8_t c :
         {command::kGlobalSettings, command::kDpiTable, command::kButtonTable, command::kLightingTable})
        EXPECT_TRUE(wrote(rig, c)) << int(c);
    EXPECT_TRUE(w.session().stored() == w.session().working());
}

TEST(ProfileBar, ConfigurationFilesThroughTheBarButtons) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.scheduler.runPending();
    ScriptedDialogs dialogs;
    ProfileBar* bar = w.findChild<ProfileBar*>();
    bar->setDialogs(&dialogs);
    const QString conf = rig.data.path(QStringLiteral("mine.conf"));
    dialogs.file = conf;
    rig.click("saveButton");
    ASSERT_TRUE(QFile::exists(conf));

    // Another product's configuration: nothing written, nothing shown.
    stampProductName(conf, QStringLiteral("CASPIAN"));
    rig.mouse.clearFrameLog();
    EXPECT_EQ(test::clickAndConfirm(rig.find("loadButton")), QStringList());
    EXPECT_TRUE(rig.writeFrames().empty());
    EXPECT_TRUE(dialogs.warnings.isEmpty());

    // Its own: loaded and written whole, although it equals what the window held.
    stampProductName(conf, QStringLiteral("FARROW"));
    {
        QSettings s(conf, QSettings::IniFormat);
        s.setValue(QStringLiteral("Config/LiftHigh"), 1);
    }
    w.switchPage(TabDpi);
    EXPECT_EQ(test::clickAndConfirm(rig.find("loadButton")), QStringList());
    EXPECT_EQ(w.currentTab(), TabLighting);
    EXPECT_EQ(w.session().working().LiftHigh, 1);
    EXPECT_TRUE(w.findChild<TarnReportRate*>()->liftRadio(0)->isChecked());
    for (uint8_t c :
         {command::kGlobalSettings, command::kDpiTable, command::kButtonTable, command::kLightingTable})
        EXPECT_TRUE(wrote(rig, c)) << int(c);
    EXPECT_EQ(simdecode::decodeGlobalSettings(rig.mouse.section(command::kGlobalSettings)).liftHigh, 1);
}

TEST(ProfileBar, ImportAndRenameThroughTheBar) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.scheduler.runPending();
    ScriptedDialogs dialogs;
    ProfileBar* bar = w.findChild<ProfileBar*>();
    bar->setDialogs(&dialogs);

    // Import: the profile lands in the library and the slot, and is written at once.
    const QString file = rig.data.path(QStringLiteral("Shared.prof"));
    MouseProfile p = currentProfile(w.session().working());
    p.scrollspeed = p.scrollspeed == 7 ? 8 : 7;
    saveProfileToPath(p, file);
    stampProductName(file, QStringLiteral("FARROW"));
    dialogs.file = file;
    rig.mouse.clearFrameLog();
    auto* import = rig.find<QAbstractButton>("importProfileButton");
    ASSERT_NE(import, nullptr);
    import->click();  // laid out with no size: not reachable by the pointer
    for (int i = 0; i < 25; ++i) QCoreApplication::processEvents();
    const int slot = currentProfileIndex(w.session().working());
    EXPECT_EQ(w.session().working().profileNames[static_cast<size_t>(slot)], QStringLiteral("Shared"));
    EXPECT_EQ(rig.find<QLineEdit>("nameField")->text(), QStringLiteral("Shared"));
    EXPECT_TRUE(bar->profiles().library().contains(QStringLiteral("Shared")));
    EXPECT_EQ(simdecode::decodeGlobalSettings(rig.mouse.section(command::kGlobalSettings))
                  .scrollSpeed[static_cast<size_t>(slot)],
              p.scrollspeed);
    // The stored-profile menu lists the library.
    QMenu* stored = rig.find<QPushButton>("storedProfileButton")->menu();
    ASSERT_NE(stored, nullptr);
    QStringList entries;
    for (QAction* a : stored->actions()) entries << a->text();
    EXPECT_EQ(entries, bar->profiles().libraryMenu());

    // Rename with Enter in the name field; a path in the name is refused and nothing moves.
    QLineEdit* name = rig.find<QLineEdit>("nameField");
    name->setText(QStringLiteral("../Evil"));
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(dialogs.warnings.size(), 1);
    EXPECT_EQ(name->text(), QStringLiteral("Shared"));
    name->setText(QStringLiteral("Team"));
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(w.session().working().profileNames[static_cast<size_t>(slot)], QStringLiteral("Team"));
    EXPECT_TRUE(QFile::exists(bar->profiles().libraryFile(QStringLiteral("Team"))));
    EXPECT_FALSE(QFile::exists(bar->profiles().libraryFile(QStringLiteral("Shared"))));
}

TEST(ProfileBar, SaveTakesThePagesCopiesIntoTheFile) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.scheduler.runPending();
    ScriptedDialogs dialogs;
    w.findChild<ProfileBar*>()->setDialogs(&dialogs);
    dialogs.file = rig.data.path(QStringLiteral("pages.conf"));
    // A stage chosen on the DPI page lives in the page's copy until something takes it back.
    const int slot = w.session().currentSlot();
    const int stage = w.session().currentRecord().dpi == 5 ? 6 : 5;
    rig.click("tabDpi");
    QTest::mouseClick(w.findChild<TarnDPIWindow*>()->row(stage), Qt::LeftButton, Qt::NoModifier,
                      QPoint(153, 10));
    rig.click("saveButton");
    ConfigState saved = w.session().stored();
    ASSERT_EQ(importSettingsFile(rig.paths, dialogs.file, saved), ImportResult::Imported);
    EXPECT_EQ(saved.profiles[static_cast<size_t>(slot)].dpi, stage);
}

// The window's questions are the skinned message boxes: answered here with real clicks.
TEST(ProfileBar, QuestionsAndWarningsAreSkinnedBoxesAnsweredByTheirButtons) {
    QWidget window;
    window.resize(400, 300);
    window.show();
    WidgetProfileDialogs dialogs(&window);
    QString seenText;
    QString seenCaption;
    auto answerWith = [&](bool yes) {
        QTimer::singleShot(0, [&, yes] {
            auto* box = qobject_cast<TarnMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seenText = box->textLabel()->text();
            seenCaption = box->captionLabel()->text();
            QToolButton* button = yes || !box->cancelButton() ? box->confirmButton() : box->cancelButton();
            ASSERT_TRUE(button->isVisible());
            QTest::mouseClick(button, Qt::LeftButton);
        });
    };
    answerWith(true);
    EXPECT_TRUE(dialogs.confirm(QStringLiteral("Are you sure you want delete this profile?")));
    EXPECT_EQ(seenText, QStringLiteral("Are you sure you want delete this profile?"));
    EXPECT_EQ(seenCaption, QStringLiteral("Warning"));
    answerWith(false);
    EXPECT_FALSE(dialogs.confirm(QStringLiteral("Are you sure you want reset this profile?")));
    answerWith(true);
    dialogs.warn(QStringLiteral("Profile Exist!"));
    EXPECT_EQ(seenText, QStringLiteral("Profile Exist!"));
}

}  // namespace
