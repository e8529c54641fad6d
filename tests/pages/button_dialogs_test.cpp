#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>

#include "button_rig.h"
#include "device/dpi_scale.h"
#include "page_fixture.h"
#include "pages/buttons/tarn_combo_key_window.h"
#include "pages/buttons/tarn_fire_key_window.h"
#include "pages/buttons/tarn_macro_select.h"
#include "pages/buttons/tarn_single_key_window.h"
#include "pages/buttons/tarn_sniper_window.h"
#include "storage/app_settings.h"
#include "storage/macro_files.h"
#include "widgets/tarn_label.h"
#include "widgets/tarn_menu.h"
#include "widgets/tarn_slider.h"

namespace mousecfg {
namespace {

constexpr quint32 kExt = RawKeyEvent::Extended;
constexpr quint32 kUp = RawKeyEvent::Released;

class KeyDialogs : public ::testing::Test {
protected:
    void SetUp() override { test::installTestUi(); }
    test::FakeKeyCaptureService keys;
};

TEST_F(KeyDialogs, SingleKeyTakesTheLastKeyTouchedAndTellsKeypadEnterFromEnter) {
    TarnSingleKeyWindow d(&keys);
    d.show();
    ASSERT_TRUE(keys.capturing());
    EXPECT_FALSE(d.yesButton()->isEnabled());  // nothing to store yet
    QSignalSpy spy(&d, &TarnSingleKeyWindow::SetSingleKeyValue);
    const struct {
        quint16 scan;
        quint32 flags;
        int code;
        const char* name;
    } keysTyped[] = {
        {0x1C, kExt, 229, "Num Enter"},
        {0x1C, kExt | kUp, 229, "Num Enter"},
        {0x1C, 0, 28, "Enter"},
        {0x1D, kExt, 238, "RCtr"},
        {0x45, 0, 69, "Pause Break"},
        {0x45, kExt, 225, "Num Lock"},
        {0x20, kExt, 225, "Num Lock"},  // Mute: the mouse cannot send it, the key stays
        {0x1E, 0, 30, "A"},
        {0x30, kUp, 48, "B"},  // a release counts too
        {0x01, 0, 1, "Esc"},   // a key to assign, not a way out
    };
    for (const auto& k : keysTyped) {
        keys.send(k.scan, k.flags);
        EXPECT_EQ(d.keyCode(), k.code) << k.name;
        EXPECT_EQ(d.keyLabel()->text(), QLatin1String(k.name));
    }
    EXPECT_EQ(spy.count(), 9);  // every new (key, flags) pair but the media key
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(d.yesButton()->isEnabled());

    // A second dialog's capture ends the first one's.
    TarnSingleKeyWindow pre(&keys);
    keys.tap(0x30);
    EXPECT_EQ(d.keyCode(), 1);
    EXPECT_EQ(pre.keyCode(), 48);
    pre.preset(88);
    EXPECT_EQ(pre.keyLabel()->text(), QStringLiteral("F12"));
    pre.preset(240);  // a mouse button is no key
    EXPECT_EQ(pre.keyCode(), 0);
}

TEST_F(KeyDialogs, ComboStartsAfreshAndListsModifiersByTheirLeftName) {
    TarnComboKeyWindow d(&keys);
    ButtonAssignment old;
    old.KeyInfo[0] = {225, 5, 128};  // a stored LShift + X
    old.KeyInfo[1] = {27, 5, 128};
    d.preset(old.KeyInfo);
    EXPECT_EQ(d.comboLabel()->text(), QStringLiteral("LShift + X"));

    keys.send(0x1D, kExt);  // right Ctrl: the first press replaces the stored combination
    EXPECT_EQ(d.comboLabel()->text(), QStringLiteral("LCtr"));
    keys.send(0x1D, kExt | kUp);
    keys.send(0x1E, 0);  // A
    EXPECT_EQ(d.comboLabel()->text(), QStringLiteral("LCtr + A"));
    EXPECT_EQ(d.combo().chosenCodes(), (std::vector<uint8_t>{29, 30}));
    keys.send(0x1E, kUp);
    keys.send(0x30, 0);                            // B replaces A
    keys.send(0x38, kExt | RawKeyEvent::AltHeld);  // right Alt arrives with both flags
    keys.send(0x20, kExt);                         // a media key adds nothing
    EXPECT_EQ(d.comboLabel()->text(), QStringLiteral("LCtr + LAlt + B"));
    EXPECT_EQ(d.combo().chosenCodes(), (std::vector<uint8_t>{29, 56, 48}));
    EXPECT_TRUE(d.yesButton()->isEnabled());
}

TEST_F(KeyDialogs, FireKeyOpensWithDefaultsAndCapturesOnlyForAKeyboardKey) {
    TarnFireKeyWindow d(&keys);
    ButtonAssignment a;
    a.Fun = fun::kFireKey;  // LoopNumber and KeyNumber 0
    d.preset(buttonfn::fireKeyOf(a));
    d.show();
    QApplication::setActiveWindow(&d);
    EXPECT_EQ(d.timesEdit()->text(), QStringLiteral("3"));
    EXPECT_EQ(d.delayEdit()->text(), QStringLiteral("10"));
    EXPECT_TRUE(d.kindBox(buttonfn::FireLeft)->isChecked());
    EXPECT_FALSE(keys.capturing());
    QSignalSpy spy(&d, &TarnFireKeyWindow::SetFireKeyValue);

    const auto click = [](QCheckBox* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    };
    click(d.kindBox(buttonfn::FireKeyboard));
    EXPECT_TRUE(keys.capturing());
    EXPECT_FALSE(d.kindBox(buttonfn::FireLeft)->isChecked());
    EXPECT_TRUE(d.keyField()->hasFocus());
    EXPECT_FALSE(d.yesButton()->isEnabled());  // no key yet
    keys.send(0x1E, 0);                        // dropped: the key that moved the focus here
    EXPECT_EQ(d.keyField()->text(), QString());
    keys.send(0x1E, kUp);
    EXPECT_EQ(d.keyField()->text(), QStringLiteral("A"));
    EXPECT_TRUE(d.yesButton()->isEnabled());

    // Typing Times does not change the key; the validator keeps 1-255.
    d.timesEdit()->setFocus();
    d.timesEdit()->selectAll();
    QTest::keyClicks(d.timesEdit(), QStringLiteral("256"));
    keys.send(0x30, 0);
    EXPECT_EQ(d.keyField()->text(), QStringLiteral("A"));
    EXPECT_EQ(d.timesEdit()->text(), QStringLiteral("25"));
    d.timesEdit()->clear();
    EXPECT_FALSE(d.yesButton()->isEnabled());  // an empty Times is not a setting
    QTest::keyClicks(d.timesEdit(), QStringLiteral("7"));
    QTest::keyClick(d.timesEdit(), Qt::Key_Return);
    ASSERT_GE(spy.count(), 1);
    const QList<QVariant> last = spy.last();
    EXPECT_EQ(last.at(0).value<uchar>(), 30);  // A
    EXPECT_EQ(last.at(1).value<uchar>(), buttonfn::FireKeyboard);
    EXPECT_EQ(last.at(2).value<uchar>(), 7);
    EXPECT_EQ(last.at(3).value<uchar>(), 10);

    click(d.kindBox(buttonfn::FireMiddle));  // another kind forgets the key and stops capturing
    click(d.kindBox(buttonfn::FireMiddle));  // clicking it again keeps it on
    EXPECT_TRUE(d.kindBox(buttonfn::FireMiddle)->isChecked());
    EXPECT_FALSE(keys.capturing());
    EXPECT_EQ(d.keyField()->text(), QString());
    EXPECT_EQ(d.fireKey().kind, buttonfn::FireMiddle);
    EXPECT_EQ(d.fireKey().keyCode, 0);
}

TEST_F(KeyDialogs, SniperOpensInsideTheSensorRangeAndShowsItsDpi) {
    TarnSniperWindow d(3212);
    QSignalSpy spy(&d, &TarnSniperWindow::SetSniperValue);
    d.preset(40);
    EXPECT_EQ(d.level(), 16);
    EXPECT_EQ(d.slider()->value(), 16);
    EXPECT_EQ(d.slider()->minimum(), 16);
    EXPECT_EQ(d.slider()->maximum(), 32);
    EXPECT_EQ(d.dpiLabel()->text(), QString::number(dpiscale::dpiOfLevel(16, 3212)));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).value<uchar>(), 16);
    d.show();
    QTest::keyClick(d.slider(), Qt::Key_End);
    EXPECT_EQ(d.level(), 32);
    EXPECT_EQ(d.dpiLabel()->text(), QString::number(dpiscale::dpiOfLevel(32, 3212)));
}

TEST_F(KeyDialogs, OnlyTheFocusedWindowMeansSaySo) {
    test::FakeKeyCaptureService focusOnly(false);
    TarnSingleKeyWindow local(&focusOnly);
    TarnSingleKeyWindow global(&keys);
    const auto hint = [](const QDialog& d) {
        for (const TarnLabel* l : d.findChildren<TarnLabel*>())
            if (l->text().contains(QLatin1String("focus")) && !l->isHidden()) return true;
        return false;
    };
    EXPECT_TRUE(hint(local));
    EXPECT_FALSE(hint(global));
    EXPECT_EQ(focusOnly.lastFocusWidget(), &local);
}

class MacroSelect : public ::testing::Test {
protected:
    void SetUp() override {
        test::installTestUi();
        appsettings::saveMacroListEntry(data.paths(), 4, QStringLiteral("Second"));
        appsettings::saveMacroListEntry(data.paths(), 1, QStringLiteral("First"));
        for (const char* name : {"First", "Second"}) {
            MacroFileData m;
            m.events = {{0x84, 0, 4}};
            writeMacroFile(data.paths(), QString::fromLatin1(name), m);
        }
    }
    test::TempData data;
};

TEST_F(MacroSelect, StartsEmptyOffersTheLibraryInSlotOrderAndKeepsOneToggleOn) {
    TarnMacroSelect d(QString(), QStringLiteral("MACRO SELECT"), QString(), 1, 0, data.paths());
    d.show();
    EXPECT_EQ(d.macroName(), QString());
    EXPECT_EQ(d.loopField()->text(), QStringLiteral("1"));
    EXPECT_TRUE(d.modeToggle(0)->isChecked());
    EXPECT_FALSE(d.yesButton()->isEnabled());  // no macro chosen
    EXPECT_EQ(test::menuTexts(d.macroMenu()),
              (QStringList{QStringLiteral("First"), QStringLiteral("Second")}));

    test::chooseFromMenu(d.macroButton(), {QStringLiteral("Second")});
    EXPECT_EQ(d.macroName(), QStringLiteral("Second"));
    EXPECT_EQ(d.macroButton()->text(), QStringLiteral("Second"));
    EXPECT_TRUE(d.yesButton()->isEnabled());

    const auto click = [](QCheckBox* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    };
    click(d.modeToggle(2));
    click(d.modeToggle(2));  // clicking the one that is on keeps it on
    EXPECT_EQ(d.mode(), 2);
    EXPECT_FALSE(d.modeToggle(0)->isChecked());
    click(d.modeToggle(1));
    EXPECT_EQ(d.mode(), 1);
    EXPECT_FALSE(d.modeToggle(2)->isChecked());

    d.loopField()->selectAll();
    QTest::keyClicks(d.loopField(), QStringLiteral("0"));  // refused: the field keeps its 1
    EXPECT_EQ(d.loopCount(), 1);
    d.loopField()->clear();
    QTest::keyClicks(d.loopField(), QStringLiteral("256"));  // the third digit is refused
    EXPECT_EQ(d.loopCount(), 25);
    d.loopField()->clear();
    EXPECT_EQ(d.loopCount(), 0);
    EXPECT_FALSE(d.yesButton()->isEnabled());
}

TEST_F(MacroSelect, AMacroMissingFromTheLibraryIsShownButCannotBeBound) {
    TarnMacroSelect d(QString(), QStringLiteral("MACRO SELECT"), QStringLiteral("../Gone"), 9, 7,
                      data.paths());
    EXPECT_EQ(d.macroButton()->text(), QStringLiteral("../Gone"));
    EXPECT_EQ(d.mode(), 0);  // an unknown stored mode opens on the first toggle
    EXPECT_FALSE(d.yesButton()->isEnabled());
}

}  // namespace
}  // namespace mousecfg
