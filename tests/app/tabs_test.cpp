// The LIGHTING, CUSTOMIZE and MACRO tabs in the real window: edits made with clicks and keys,
// Apply, and what the simulated mouse then holds.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>

#include "../pages/button_rig.h"
#include "../pages/lighting_rig.h"
#include "app/tabs/tab_list.h"
#include "device/command_frame.h"
#include "pages/buttons/tarn_btn_window.h"
#include "pages/buttons/tarn_combo_key_window.h"
#include "pages/buttons/tarn_macro_select.h"
#include "pages/buttons/tarn_single_key_window.h"
#include "pages/macros/macro_dialog.h"
#include "sim/memory_decoder.h"
#include "sim/table_decoder.h"
#include "storage/app_settings.h"
#include "storage/macro_event_model.h"
#include "storage/macro_files.h"
#include "widgets/tarn_line_edit.h"
#include "window_rig.h"

using namespace mousecfg;

namespace {

using Bytes = std::array<uint8_t, 4>;
const QString kMacroEntry = QStringLiteral("Macro Manager");

// The shown window over the simulated mouse, past its start-up.
struct TabsRig : test::WindowRig {
    explicit TabsRig(double dpi = 96.0) : WindowRig(SimulatedMouse::Options{}, dpi), w(create()) {
        w.show();
        scheduler.runPending();
    }
    // Clicks a tab and returns its page.
    template <typename Page>
    Page& open(const char* tab) {
        click(tab);
        auto* page = w.findChild<Page*>();
        EXPECT_TRUE(page && page->isVisible()) << tab;
        return *page;
    }
    // Apply; the texts of the boxes it brought up.
    QStringList apply() { return test::clickAndConfirm(find("applyButton")); }
    bool locked() const { return !find<TarnPushButton>("applyButton")->isButtonEnabled(); }

    MousecfgWidget& w;
};

TEST(TabsEndToEnd, PagesAreMadeOnFirstShowSitInTheirPlacesAndFollowTheLanguage) {
    for (double f : {1.0, 1.5}) {
        SCOPED_TRACE(f);
        TabsRig rig(96.0 * f);
        EXPECT_EQ(rig.w.findChild<TarnBtnWindow*>(), nullptr) << "made before CUSTOMIZE was shown";
        EXPECT_EQ(rig.w.findChild<MacroDialog*>(), nullptr) << "made before MACRO was shown";
        const struct {
            const char* tab;
            const char* page;
            QRect place;
        } places[] = {
            {"tabLighting", "TarnColorWindow", {285, 90, 351, 440}},
            {"tabCustomize", "buttonScrollArea", {285, 90, 345, 490}},
            {"tabMacro", "MacroDialog", {285, 90, 665, 467}},
        };
        for (const auto& p : places) {
            rig.click(p.tab);
            QWidget* page = rig.find(p.page);
            ASSERT_NE(page, nullptr) << p.page;
            EXPECT_TRUE(page->isVisible()) << p.page;
            const QRect& r = p.place;
            EXPECT_EQ(page->geometry(),
                      QRect(int(r.x() * f), int(r.y() * f), int(r.width() * f), int(r.height() * f)))
                << p.page;
        }

        // Every page made so far speaks the new language.
        test::chooseLanguage(rig, 2);
        EXPECT_EQ(rig.find<QLabel>("effectCaption")->text(), QStringLiteral("EFFEKT"));
        EXPECT_EQ(rig.w.findChild<TarnBtnWindow*>()->button(0, 0)->text(), QStringLiteral("Links"));
        EXPECT_EQ(rig.w.findChild<MacroDialog*>()->button(MacroDialog::Control::New)->text(),
                  QStringLiteral("NEU"));
    }
}

TEST(TabsEndToEnd, LightingChosenOnTheTabLandsInTheActiveProfilesBank) {
    for (int slot : {0, 3}) {
        SCOPED_TRACE(slot);
        TabsRig rig;
        if (slot != 0) rig.w.session().chooseSlot(slot);
        ASSERT_EQ(rig.w.session().currentSlot(), slot);
        const QByteArray bank0 = rig.mouse.section(command::kLightingTable, 0);

        auto& page = rig.open<TarnColorWindow>("tabLighting");
        test::chooseEffect(page, 2);  // BREATHING: colour and speed
        test::editColour(
            page,
            [](TarnColorArea& editor) {
                auto* hex = test::part<QLineEdit>(editor, "hexEdit");
                hex->clear();
                QTest::keyClicks(hex, QStringLiteral("12ab34"));
            },
            true);
        QWidget* speed = test::part<QWidget>(page, "speedSlider");
        QTest::keyClick(speed, Qt::Key_Home);
        QTest::keyClick(speed, Qt::Key_Right);  // 2
        QWidget* sleep = test::part<QWidget>(page, "sleepSlider");
        QTest::keyClick(sleep, Qt::Key_Home);
        for (int i = 0; i < 4; ++i) QTest::keyClick(sleep, Qt::Key_Right);  // 5 minutes
        EXPECT_EQ(rig.apply(), QStringList());

        const simdecode::LedEntry e =
            simdecode::decodeLedTable(rig.mouse.section(command::kLightingTable, slot)).entries[2];
        EXPECT_EQ((std::array<int, 4>{e.r, e.g, e.b, e.speed}), (std::array<int, 4>{0x12, 0xab, 0x34, 2}));
        const auto g = simdecode::decodeGlobalSettings(rig.mouse.section(command::kGlobalSettings));
        EXPECT_EQ(g.ledEffect, 3);  // the mouse's code for breathing
        EXPECT_EQ(g.ledSleepTime, 5);
        if (slot != 0) {
            EXPECT_EQ(rig.mouse.section(command::kLightingTable, 0), bank0) << "bank 0 untouched";
        }

        rig.mouse.clearFrameLog();
        EXPECT_EQ(rig.apply(), QStringList());
        EXPECT_TRUE(rig.writeFrames().empty()) << "nothing left to send";
    }
}

// On slot 1, on slot 4 chosen in the visible selector and on slot 4 switched to with the mouse's
// own button: the edits land in that slot's bank only.
TEST(TabsEndToEnd, KeyComboAndMacroChosenOnCustomizeReachTheButtonTable) {
    enum class Slot { First, Selector, MouseButton };
    for (Slot how : {Slot::First, Slot::Selector, Slot::MouseButton}) {
        SCOPED_TRACE(static_cast<int>(how));
        TabsRig rig;
        if (how == Slot::Selector) {
            test::chooseFromMenu(rig.find("profileSelector"), 3);
        } else if (how == Slot::MouseButton) {
            rig.mouse.changeProfileOnMouse(3);
            ASSERT_TRUE(rig.statusUntil([&rig] { return rig.w.session().currentSlot() == 3; }));
        }
        ASSERT_EQ(rig.w.session().currentSlot(), how == Slot::First ? 0 : 3);
        const QVector<MacroEvent> burst = {{0x84, 0, 4}, {0x06, 0, 5}, {0x04, 0, 4}};
        MacroFileData m;
        m.events = burst;
        ASSERT_TRUE(writeMacroFile(rig.paths, QStringLiteral("Burst"), m));
        appsettings::saveMacroListEntry(rig.paths, 0, QStringLiteral("Burst"));

        auto& page = rig.open<TarnBtnWindow>("tabCustomize");
        // The last left click stays: the window says so.
        auto boxes = std::make_shared<test::BoxAnswerer>();
        test::answerBoxes(boxes);
        test::chooseFromMenu(page.button(0, 0), {QStringLiteral("Right")});
        boxes->active = false;
        EXPECT_EQ(boxes->texts, QStringList{QStringLiteral("AT LEAST ONE CLICK FUNCTION TO BE RETAINED.")});
        EXPECT_EQ(page.button(0, 0)->text(), QStringLiteral("Left"));

        const auto single = test::whenOpen<TarnSingleKeyWindow>([&rig](TarnSingleKeyWindow* d) {
            rig.keys.tap(0x1C, true);  // keypad Enter
            test::clickYes(d);
        });
        test::chooseFromMenu(page.button(0, 3), {QStringLiteral("Advance"), QStringLiteral("SINGLE KEY")});
        const auto combo = test::whenOpen<TarnComboKeyWindow>([&rig](TarnComboKeyWindow* d) {
            for (quint16 k : {0x2A, 0x1D, 0x1E}) rig.keys.send(k, 0);  // Shift, Ctrl, A
            test::clickYes(d);
        });
        test::chooseFromMenu(page.button(0, 4), {QStringLiteral("Advance"), QStringLiteral("COMBO KEY")});
        const auto macro = test::whenOpen<TarnMacroSelect>([](TarnMacroSelect* d) {
            test::chooseFromMenu(d->macroButton(), {QStringLiteral("Burst")});
            d->loopField()->selectAll();
            QTest::keyClicks(d->loopField(), QStringLiteral("3"));
            test::clickYes(d);
        });
        test::chooseFromMenu(page.button(0, 5), {kMacroEntry});
        EXPECT_EQ(page.button(0, 5)->text(), QStringLiteral("Burst"));
        EXPECT_EQ(rig.apply(), QStringList());

        const int slot = rig.w.session().currentSlot();
        const auto table = simdecode::decodeButtonTable(rig.mouse.section(command::kButtonTable, slot));
        EXPECT_EQ(table.functions[3], (Bytes{0x90, 0, 88, 0}));
        EXPECT_EQ(table.functions[4], (Bytes{0x8F, 3, 4, 0}));
        EXPECT_EQ(table.functions[5], (Bytes{0x91, 0, 3, 0}));
        EXPECT_EQ(simdecode::decodeMacroSlot(rig.mouse.section(command::kMacroMemory), 0), burst);
        if (slot != 0) {
            // A button change rewrites every bank (one macro numbering for all five), so bank 0
            // is written too: with profile 1's own functions, the same as slot 4's but the edits.
            const auto first = simdecode::decodeButtonTable(rig.mouse.section(command::kButtonTable, 0));
            for (size_t i = 0; i < first.functions.size(); ++i) {
                const bool edited = i >= 3 && i <= 5;
                EXPECT_EQ(first.functions[i] == table.functions[i], !edited) << "button " << i;
            }
        }
    }
}

TEST(TabsEndToEnd, AMacroRecordedOnTheMacroTabIsBoundOnCustomizeAndFollowsItsRename) {
    using C = MacroDialog::Control;
    TabsRig rig;
    auto& buttons = rig.open<TarnBtnWindow>("tabCustomize");
    // No macro yet: the macro entry leads to the editor.
    test::chooseFromMenu(buttons.button(0, 3), {kMacroEntry});
    ASSERT_EQ(rig.w.currentTab(), TabMacro);
    auto* editor = rig.w.findChild<MacroDialog*>();
    ASSERT_TRUE(editor && editor->isVisible());
    qint64 now = 1000;
    editor->setClock([&now] { return now; });
    const auto click = [editor](C c) { QTest::mouseClick(editor->button(c), Qt::LeftButton); };
    const auto tick = [](QCheckBox* box) {
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
    };

    click(C::New);
    tick(editor->recordDelaysBox());
    click(C::Start);
    EXPECT_TRUE(rig.locked()) << "the window waits while the editor records";
    for (quint16 k : {0x23, 0x12, 0x26, 0x26, 0x18}) {  // H E L L O
        now += 70;
        rig.keys.send(k, 0);
        now += 45;
        rig.keys.send(k, RawKeyEvent::Released);
    }
    click(C::Stop);
    EXPECT_FALSE(rig.locked());
    const QString name = editor->currentMacroName();
    const QVector<MacroEvent> recorded = editor->model()->events();
    ASSERT_EQ(recorded.size(), 19);  // ten keys, nine pauses

    rig.click("tabCustomize");
    const auto select = test::whenOpen<TarnMacroSelect>([&name](TarnMacroSelect* d) {
        test::chooseFromMenu(d->macroButton(), {name});
        test::clickYes(d);
    });
    test::chooseFromMenu(buttons.button(0, 3), {kMacroEntry});
    EXPECT_EQ(buttons.button(0, 3)->text(), name);

    // Renamed in the editor: the button plays it under its new name.
    rig.click("tabMacro");
    QLineEdit* field = editor->nameField();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, QStringLiteral("Hello"));
    click(C::Rename);
    rig.click("tabCustomize");
    EXPECT_EQ(buttons.button(0, 3)->text(), QStringLiteral("Hello"));
    EXPECT_EQ(rig.apply(), QStringList());
    EXPECT_EQ(simdecode::decodeMacroSlot(rig.mouse.section(command::kMacroMemory), 0), recorded);
    EXPECT_TRUE(simdecode::macroSectionClosed(rig.mouse.section(command::kMacroMemory)));

    // Deleted from the library: the button says its macro is missing.
    rig.click("tabMacro");
    click(C::Delete);
    rig.click("tabCustomize");
    EXPECT_EQ(buttons.button(0, 3)->text(), QStringLiteral("Hello (missing)"));
}

}  // namespace
