#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QToolButton>

#include "button_rig.h"
#include "device/sensor_encoding.h"
#include "page_fixture.h"
#include "pages/buttons/tarn_btn_window.h"
#include "pages/buttons/tarn_combo_key_window.h"
#include "pages/buttons/tarn_fire_key_window.h"
#include "pages/buttons/tarn_macro_select.h"
#include "pages/buttons/tarn_single_key_window.h"
#include "pages/buttons/tarn_sniper_window.h"
#include "sim/table_decoder.h"
#include "storage/app_settings.h"
#include "storage/macro_files.h"
#include "widgets/tarn_action.h"
#include "widgets/tarn_label.h"
#include "widgets/tarn_menu.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_slider.h"

namespace mousecfg {
namespace {

using test::chooseFromMenu;
using test::whenOpen;

const QString kAdvance = QStringLiteral("Advance");

// A button page on a data folder and a profile whose first three buttons are the clicks.
class ButtonPage : public ::testing::Test {
protected:
    void SetUp() override {
        test::installTestUi();
        qRegisterMetaType<TarnPushButton*>();
        writeDescriptor(8, {}, 0, 0);
        for (ButtonAssignment& b : profile.buttons) b.Fun = fun::kButtonOff;
        profile.buttons[0].Fun = fun::kLeft;
        profile.buttons[1].Fun = fun::kRight;
        profile.buttons[2].Fun = fun::kMiddle;
    }
    std::unique_ptr<TarnBtnWindow> makePage() {
        auto page = std::make_unique<TarnBtnWindow>(data.paths(), keys);
        page->resize(664, 440);
        page->setProfile(&profile);
        page->show();
        return page;
    }
    // A product descriptor with `rows` front rows, `hidden` of them not shown.
    void writeDescriptor(int rows, std::vector<int> hidden, int disableMacro, int ledDisable) {
        QSettings s(data.paths().descriptorFile(), QSettings::IniFormat);
        s.setValue(QStringLiteral("PROFILE/ButtonCount"), rows ^ 3389);
        s.setValue(QStringLiteral("PROFILE/MouseDpi"), 3389);
        s.setValue(QStringLiteral("PROFILE/DisableMacro"), disableMacro);
        s.setValue(QStringLiteral("PROFILE/ledDisable"), ledDisable);
        for (int i = 0; i < kDescriptorButtons; ++i) {
            const bool off = std::find(hidden.begin(), hidden.end(), i) != hidden.end();
            s.setValue(QStringLiteral("PROFILE/BUTTON_INFO_%1_Matrix2").arg(i), off ? 255 : i);
        }
    }
    void addMacro(int listSlot, const QString& name, const QVector<MacroEvent>& events) {
        MacroFileData m;
        m.events = events;
        ASSERT_TRUE(writeMacroFile(data.paths(), name, m));
        appsettings::saveMacroListEntry(data.paths(), listSlot, name);
    }

    test::TempData data;
    test::FakeKeyCaptureService keys;
    MouseProfile profile;
};

TEST_F(ButtonPage, TheDescriptorDecidesTheRowsAndTheMenus) {
    const QStringList all = {"Left",         "Right",         "Middle",     "Forward",   "Back",
                             "Basic",        "Windows",       "Advance",    "Media",     "DPI",
                             "Polling Rate", "Macro Manager", "Led Switch", "Button Off"};
    const struct {
        int rows;
        std::vector<int> hidden;
        int disableMacro, ledDisable;
        int shown;
        int firstY, secondY;  // of the first two shown rows
    } cases[] = {
        {8, {}, 0, 0, 8, 12, 55},        // with the wheel, 10 rows spread over 440 pixels: gaps of 12.7
        {12, {3, 7}, 1, 0, 10, 30, 80},  // ten rows: a fixed margin of 30 and gaps of 20
        {20, {}, 0, 1, 16, 30, 80},      // only sixteen rows have a display entry
        {3, {0, 1, 2}, 1, 1, 0, -1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows");
        writeDescriptor(c.rows, c.hidden, c.disableMacro, c.ledDisable);
        profile.buttons[5].Fun = fun::kMacro;
        profile.buttons[5].macroname = QStringLiteral("Kept");
        auto page = makePage();
        EXPECT_EQ(page->shownFrontRows(), c.shown);
        std::vector<int> ys;
        for (int i = 0; i < 20; ++i) {
            TarnPushButton* b = page->button(0, i);
            const bool hiddenRow = i >= c.rows || std::count(c.hidden.begin(), c.hidden.end(), i) || i >= 16;
            EXPECT_EQ(b->isVisible(), !hiddenRow) << i;
            if (b->isVisible()) ys.push_back(b->y());
        }
        if (c.shown >= 2) {
            EXPECT_NEAR(ys[0], c.firstY, 1);
            EXPECT_NEAR(ys[1], c.secondY, 1);
            // The wheel follows the front rows at the same pitch.
            EXPECT_NEAR(page->button(2, 0)->y() - ys.back(), ys[1] - ys[0], 1);
        }
        EXPECT_TRUE(page->button(2, 1)->isVisible());
        QStringList expected = all;
        if (c.disableMacro) expected.removeAll(QStringLiteral("Macro Manager"));
        if (c.ledDisable) expected.removeAll(QStringLiteral("Led Switch"));
        EXPECT_EQ(test::menuTexts(page->findChild<TarnMenu*>(QStringLiteral("buttonMainMenu"))), expected);
        // Shown even without its list entry, marked as missing.
        EXPECT_EQ(page->button(0, 5)->text(), QStringLiteral("Kept (missing)"));
    }
    writeDescriptor(8, {}, 0, 0);
    auto page = makePage();
    EXPECT_EQ(test::menuTexts(page->findChild<TarnMenu*>(QStringLiteral("buttonWheelMenu"))),
              (QStringList{"Scroll Up", "Scroll Down", "Volume Up", "Volume Down", "Left", "Right", "Middle",
                           "Forward", "Back", "SINGLE KEY", "COMBO KEY"}));
    // The side view hides the front rows and the wheel.
    page->selectGroup(0, buttonfn::kSideGroup);
    EXPECT_FALSE(page->button(0, 0)->isVisible());
    EXPECT_FALSE(page->button(2, 0)->isVisible());
    auto* note = page->findChild<TarnLabel*>(QStringLiteral("emptyViewNote"));
    EXPECT_TRUE(note->isVisible());  // no product describes side buttons: the view says so
    page->selectGroup(0, buttonfn::kWheelGroup);
    EXPECT_TRUE(page->button(0, 0)->isVisible());
    EXPECT_TRUE(page->button(2, 1)->isVisible());
    EXPECT_FALSE(note->isVisible());

    // A new scale factor: rows and menus take it.
    UiContext larger = UiContext::current();
    larger.scale = 1.5;
    UiContext::install(larger);
    page->relayout();
    EXPECT_EQ(page->button(0, 0)->width(), 330);
    EXPECT_EQ(page->findChild<TarnMenu*>(QStringLiteral("buttonMainMenu"))->width(), 330);
    test::installTestUi();
}

TEST_F(ButtonPage, TheLastLeftClickStaysAndEveryChoiceIsReported) {
    auto page = makePage();
    QSignalSpy refused(page.get(), &TarnBtnWindow::PopOneClickBox);
    QSignalSpy marks(page.get(), &TarnBtnWindow::SelBtnControl);

    chooseFromMenu(page->button(0, 0), {QStringLiteral("Right")});
    EXPECT_EQ(refused.count(), 1);
    EXPECT_EQ(profile.buttons[0].Fun, fun::kLeft);
    EXPECT_EQ(page->button(0, 0)->text(), QStringLiteral("Left"));
    ASSERT_GE(marks.count(), 2);
    EXPECT_TRUE(marks.at(marks.count() - 2).at(1).toBool());
    EXPECT_FALSE(marks.last().at(1).toBool());
    EXPECT_EQ(marks.last().at(0).value<TarnPushButton*>(), page->button(0, 0));

    chooseFromMenu(page->button(0, 0), {QStringLiteral("Left")});  // Left again is fine
    EXPECT_EQ(refused.count(), 1);
    profile.buttons[25].Fun = fun::kLeft;  // a side button keeps a left click
    chooseFromMenu(page->button(0, 0), {QStringLiteral("Media"), QStringLiteral("Mute")});
    EXPECT_EQ(refused.count(), 1);
    EXPECT_EQ(profile.buttons[0].Fun, 45);
    EXPECT_EQ(page->button(0, 0)->text(), QStringLiteral("Mute"));
    chooseFromMenu(page->button(2, 1), {QStringLiteral("Volume Down")});
    EXPECT_EQ(profile.buttons[41].Fun, 44);
}

TEST_F(ButtonPage, CtrlShiftAStoresSixEventsInPressOrder) {
    auto page = makePage();
    const auto combo = whenOpen<TarnComboKeyWindow>([this](TarnComboKeyWindow* d) {
        keys.send(0x1D, 0);  // Ctrl, then Shift, then A
        keys.send(0x2A, 0);
        keys.send(0x1E, 0);
        keys.send(0x1E, RawKeyEvent::Released);
        test::clickYes(d);
    });
    chooseFromMenu(page->button(0, 4), {kAdvance, QStringLiteral("COMBO KEY")});
    const ButtonAssignment& a = profile.buttons[4];
    EXPECT_EQ(a.Fun, fun::kKeyCombo);
    const KeyInfoEntry six[] = {{225, 5, 128}, {224, 5, 128}, {4, 5, 128},
                                {4, 5, 0},     {224, 5, 0},   {225, 5, 0}};
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(a.KeyInfo[i], six[i]) << i;
    EXPECT_EQ(a.KeyInfo[6], KeyInfoEntry{});
    EXPECT_FALSE(keys.capturing());  // the capture ended with the dialog
}

TEST_F(ButtonPage, CancelRefusalsAndAnEmptyLibraryChangeNothing) {
    profile.buttons[25].Fun = fun::kLeft;  // so the left button may change at all
    auto page = makePage();
    const MouseProfile before = profile;
    QSignalSpy gotoMacro(page.get(), &TarnBtnWindow::GotoMacroTab);

    const auto singleKey = whenOpen<TarnSingleKeyWindow>([this](TarnSingleKeyWindow* d) {
        keys.tap(0x1E);
        test::clickNo(d);
    });
    chooseFromMenu(page->button(0, 3), {kAdvance, QStringLiteral("SINGLE KEY")});
    const auto script3 =
        whenOpen<TarnSniperWindow>([](TarnSniperWindow* d) { QTest::keyClick(d, Qt::Key_Escape); });
    chooseFromMenu(page->button(0, 3), {kAdvance, QStringLiteral("SNIPER")});
    chooseFromMenu(page->button(0, 3), {QStringLiteral("Macro Manager")});
    ASSERT_EQ(gotoMacro.count(), 1);
    EXPECT_EQ(gotoMacro.at(0).at(0).value<uchar>(), 3);

    // A gun file never goes on the left button; elsewhere it is chosen like a macro.
    addMacro(0, QStringLiteral("Spray"), {{0x81, 0, 1}, {0x01, 0, 1}});
    const auto refusal = whenOpen<TarnMessageBox>([](TarnMessageBox* box) {
        EXPECT_EQ(box->textLabel()->text(), QStringLiteral("Left Button Can not be Gun Function."));
        QTest::mouseClick(box->confirmButton(), Qt::LeftButton);
    });
    page->selectGroup(0, buttonfn::kFrontGroup);
    page->action(fun::kGunFile)->trigger();
    EXPECT_EQ(profile, before);
    const auto gunFile = whenOpen<TarnMacroSelect>([](TarnMacroSelect* d) {
        EXPECT_EQ(d->titleLabel()->text(), QStringLiteral("GUNFILE SELECT"));
        test::clickNo(d);
    });
    page->selectGroup(3, buttonfn::kFrontGroup);
    page->action(fun::kGunFile)->trigger();
    EXPECT_EQ(profile, before);
}

TEST_F(ButtonPage, DamagedAssignmentsAreShownSanelyAndCanBeReplaced) {
    ButtonAssignment& unknown = profile.buttons[3];
    unknown.Fun = 999;
    ButtonAssignment& combo = profile.buttons[4];
    combo.Fun = fun::kKeyCombo;
    combo.KeyNumber = 500;  // more events than a button holds
    for (size_t i = 0; i < combo.KeyInfo.size(); ++i)
        combo.KeyInfo[i] = {static_cast<uint8_t>(i % 2 ? 0xE8 : 0xE1), 5, 128};  // unknown usage, LShift
    ButtonAssignment& gone = profile.buttons[5];
    gone.Fun = fun::kMacro;
    gone.macroname = QStringLiteral("../Gone");
    addMacro(0, QStringLiteral("Other"), {{0x84, 0, 4}});
    auto page = makePage();
    EXPECT_EQ(page->button(0, 3)->text(), QString());
    EXPECT_EQ(page->button(0, 5)->text(), QStringLiteral("../Gone (missing)"));

    chooseFromMenu(page->button(0, 3), {QStringLiteral("Basic"), QStringLiteral("Copy")});
    EXPECT_EQ(unknown.Fun, 18);
    EXPECT_EQ(page->button(0, 3)->text(), QStringLiteral("Copy"));

    const auto comboDialog = whenOpen<TarnComboKeyWindow>([](TarnComboKeyWindow* d) {
        EXPECT_EQ(d->comboLabel()->text(), QStringLiteral("RShift"));  // 32 presses of left Shift
        test::clickNo(d);
    });
    chooseFromMenu(page->button(0, 4), {kAdvance, QStringLiteral("COMBO KEY")});
    const auto macro = whenOpen<TarnMacroSelect>([](TarnMacroSelect* d) {
        EXPECT_EQ(d->macroButton()->text(), QStringLiteral("../Gone"));
        EXPECT_FALSE(d->yesButton()->isEnabled());
        test::clickNo(d);
    });
    chooseFromMenu(page->button(0, 5), {QStringLiteral("Macro Manager")});
    EXPECT_EQ(gone.macroname, QStringLiteral("../Gone"));
    EXPECT_EQ(combo.KeyNumber, 500);
}

TEST_F(ButtonPage, AssignedFunctionsReachTheMouseAndTheCommandLineAgrees) {
    test::SimulatedFarrow mouse;
    ASSERT_TRUE(mouse.opened);
    ASSERT_EQ(currentProfileIndex(mouse.state), 0);
    const QVector<MacroEvent> burst = {{0x84, 0, 4}, {0x06, 0, 5}, {0x04, 0, 4}};
    {
        MacroFileData m;
        m.events = burst;
        ASSERT_TRUE(writeMacroFile(mouse.data.paths(), QStringLiteral("Burst"), m));
        appsettings::saveMacroListEntry(mouse.data.paths(), 0, QStringLiteral("Burst"));
    }
    TarnBtnWindow page(mouse.data.paths(), keys);
    page.resize(664, 440);
    page.setProfile(&currentProfile(mouse.state));
    page.show();

    const auto singleKey = whenOpen<TarnSingleKeyWindow>([this](TarnSingleKeyWindow* d) {
        keys.tap(0x1C, true);  // keypad Enter
        test::clickYes(d);
    });
    chooseFromMenu(page.button(0, 3), {kAdvance, QStringLiteral("SINGLE KEY")});
    const auto combo = whenOpen<TarnComboKeyWindow>([this](TarnComboKeyWindow* d) {
        for (quint16 k : {0x2A, 0x1D, 0x1E}) keys.send(k, 0);
        test::clickYes(d);
    });
    chooseFromMenu(page.button(0, 4), {kAdvance, QStringLiteral("COMBO KEY")});
    const auto fireKey = whenOpen<TarnFireKeyWindow>([](TarnFireKeyWindow* d) {
        QCheckBox* right = d->kindBox(buttonfn::FireRight);
        QTest::mouseClick(right, Qt::LeftButton, {}, QPoint(8, right->height() / 2));
        for (QLineEdit* e : {d->timesEdit(), d->delayEdit()}) e->clear();
        QTest::keyClicks(d->timesEdit(), QStringLiteral("5"));
        QTest::keyClicks(d->delayEdit(), QStringLiteral("30"));
        test::clickYes(d);
    });
    chooseFromMenu(page.button(0, 5), {kAdvance, QStringLiteral("FIRE KEY")});
    const auto sniper = whenOpen<TarnSniperWindow>([](TarnSniperWindow* d) {
        QTest::keyClick(d->slider(), Qt::Key_Right);  // sensor 3327 opens at 3
        QTest::keyClick(d->slider(), Qt::Key_Right);
        test::clickYes(d);
    });
    chooseFromMenu(page.button(0, 6), {kAdvance, QStringLiteral("SNIPER")});
    const auto macro = whenOpen<TarnMacroSelect>([](TarnMacroSelect* d) {
        chooseFromMenu(d->macroButton(), {QStringLiteral("Burst")});
        d->loopField()->selectAll();
        QTest::keyClicks(d->loopField(), QStringLiteral("3"));
        test::clickYes(d);
    });
    chooseFromMenu(page.button(0, 7), {QStringLiteral("Macro Manager")});

    const MouseProfile& p = currentProfile(mouse.state);
    EXPECT_EQ(page.button(0, 7)->text(), QStringLiteral("Burst"));
    EXPECT_EQ(p.buttons[7].KeyNumber, 3);
    EXPECT_EQ(p.buttons[7].KeyInfo[1], (KeyInfoEntry{0x06, 5, 0}));
    ASSERT_EQ(mouse.apply(), TxOk);

    const simdecode::ButtonTable table = simdecode::decodeButtonTable(mouse.sim.section(0x03));
    const uint8_t h = sensor::encodeSniperLevel(3327, 5);
    const SlotBytes expected[] = {{0x81, 0, 0, 0}, {0x82, 0, 0, 0},   {0x83, 0, 0, 0}, {0x90, 0, 88, 0},
                                  {0x8F, 3, 4, 0}, {0x99, 130, 5, 3}, {0x9A, 1, h, h}, {0x91, 0, 3, 0}};
    for (size_t b = 0; b < std::size(expected); ++b)
        EXPECT_EQ(table.functions[b], expected[b]) << "button " << b;
    EXPECT_EQ(simdecode::decodeMacroSlot(mouse.sim.section(0x05), 0), burst);

    // The saved profile gives the command line's dry run the same button and macro frames.
    saveConfigState(mouse.data.paths(), mouse.state);
    QProcess cli;
    cli.start(QStringLiteral(MOUSECFG_BIN_DIR "/mousecfg-cli"),
              {QStringLiteral("--data-dir"), mouse.data.root(), QStringLiteral("frames"),
               QStringLiteral("--mask"), QStringLiteral("4")});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    QStringList cliFrames;
    for (const QByteArray& line : cli.readAllStandardOutput().split('\n'))
        if (line.startsWith("05 ") && (line.mid(9, 2) == "03" || line.mid(9, 2) == "05")) cliFrames << line;
    QStringList simFrames;
    for (uint8_t command : {0x03, 0x05})
        for (const QByteArray& f : mouse.sim.framesWithCommand(command))
            simFrames << QString::fromLatin1(f.toHex(' '));
    EXPECT_FALSE(cliFrames.isEmpty());
    EXPECT_EQ(cliFrames, simFrames);
}

}  // namespace
}  // namespace mousecfg
