#include <QSignalSpy>
#include <QToolButton>

#include "button_rig.h"
#include "macro_page_rig.h"
#include "pages/buttons/tarn_btn_window.h"
#include "pages/buttons/tarn_macro_select.h"
#include "sim/table_decoder.h"
#include "storage/macro_events.h"
#include "widgets/tarn_label.h"
#include "widgets/tarn_line_edit.h"

namespace mousecfg {
namespace {

using C = MacroDialog::Control;
using test::MacroPageRig;

constexpr quint32 kExt = 0x01;
constexpr quint32 kUp = 0x80;

MacroEvent key(std::uint8_t usage, bool press) {
    return macro::keyEvent(usage, press);
}

}  // namespace

TEST(MacroRecording, KeysBecomeRowsWithTheirPauses) {
    MacroPageRig rig;
    rig.click(C::New);
    MacroPageRig::click(rig.page->recordDelaysBox());
    QSignalSpy enable(rig.page.get(), &MacroDialog::EnableButtonsSignal);
    rig.click(C::Start);
    ASSERT_TRUE(rig.capture.capturing());
    EXPECT_TRUE(rig.page->isRecording());
    EXPECT_TRUE(rig.page->button(C::Stop)->isVisible());
    EXPECT_FALSE(rig.page->button(C::Start)->isVisible());
    EXPECT_FALSE(rig.page->button(C::Save)->isEnabled());
    EXPECT_FALSE(rig.page->batchBox()->isEnabled());
    EXPECT_TRUE(rig.page->recordDelaysBox()->isEnabled());
    ASSERT_EQ(enable.size(), 1);
    EXPECT_FALSE(enable.last().at(0).toBool());

    rig.key(1000, 0x1D, kExt);  // right Ctrl, repeated by the system while held
    rig.key(1030, 0x1D, kExt);
    rig.key(1060, 0x1D, kExt);
    rig.key(1095, 0x48);  // keypad 8, 95 ms after the first press
    rig.key(1099, 0x48, kUp);
    rig.key(1300, 0x48, kExt);  // Up
    rig.key(1335, 0x48, kExt | kUp);
    rig.key(1400, 0x1D, kExt | kUp);
    rig.key(1410, 0x1D);  // left Ctrl
    rig.key(1420, 0x1D, kUp);
    const QVector<MacroEvent> want = {key(0xE4, true),      macro::delayEvent(9), key(0x60, true),
                                      macro::delayEvent(1), key(0x60, false),     macro::delayEvent(20),
                                      key(0x52, true),      macro::delayEvent(3), key(0x52, false),
                                      macro::delayEvent(6), key(0xE4, false),     macro::delayEvent(1),
                                      key(0xE0, true),      macro::delayEvent(1), key(0xE0, false)};
    EXPECT_EQ(rig.rows(), want);
    EXPECT_EQ(rig.current(), want.size() - 1);

    rig.click(C::Stop);
    EXPECT_FALSE(rig.capture.capturing());
    EXPECT_TRUE(rig.page->button(C::Start)->isVisible());
    ASSERT_EQ(enable.size(), 2);
    EXPECT_TRUE(enable.last().at(0).toBool());
    EXPECT_TRUE(rig.dialogs->warnings.isEmpty());
    EXPECT_EQ(readMacroEvents(rig.paths, rig.page->currentMacroName()), want);

    // RECORD AFTER keeps the rows and records after the selected one, with the default delay.
    MacroPageRig::click(rig.page->defaultDelayBox());
    MacroPageRig::type(rig.page->defaultDelayField(), QStringLiteral("100"));
    rig.clickRow(0);
    rig.click(C::RecordAfter);
    rig.key(5000, 0x1E);
    rig.key(9000, 0x1E, kUp);
    rig.click(C::Stop);
    QVector<MacroEvent> after = want;
    after.insert(1, key(4, true));
    after.insert(2, macro::delayEvent(10));
    after.insert(3, key(4, false));
    EXPECT_EQ(readMacroEvents(rig.paths, rig.page->currentMacroName()), after);
    // Keys after STOP are not recorded.
    rig.key(9100, 0x1E);
    EXPECT_EQ(rig.rows(), after);
}

// The row limits under real key events: tests/x11/macro_recording_x11_test.cpp.
TEST(MacroRecording, KeysLeftDownAndAWindowOnlyCapture) {
    MacroPageRig rig;
    rig.click(C::New);
    // A capture that sees only the page's own window says so while recording.
    test::FakeKeyCaptureService windowOnly(false);
    MacroDialog page(rig.paths, windowOnly);
    page.show();
    EXPECT_FALSE(page.focusHint()->isVisible());
    QTest::mouseClick(page.button(C::Start), Qt::LeftButton);
    EXPECT_TRUE(page.focusHint()->isVisible());
    QTest::mouseClick(page.button(C::Stop), Qt::LeftButton);
    EXPECT_FALSE(page.focusHint()->isVisible());

    // Stopping with a key still held warns and saves as well.
    rig.click(C::Start);
    rig.key(10, 0x2A);
    rig.click(C::Stop);
    EXPECT_EQ(rig.dialogs->warnings.size(), 1);
    EXPECT_EQ(readMacroEvents(rig.paths, rig.page->currentMacroName()), QVector<MacroEvent>{key(0xE1, true)});
}

TEST(MacroRecording, ARecordedMacroOnAButtonReachesTheMousesMacroMemory) {
    test::SimulatedFarrow farrow;
    ASSERT_TRUE(farrow.opened);
    MacroPageRig rig(&farrow.data.paths());
    rig.click(C::New);
    MacroPageRig::click(rig.page->recordDelaysBox());
    rig.click(C::Start);
    const quint16 keys[] = {0x23, 0x12, 0x26, 0x26, 0x18};  // H E L L O
    qint64 t = 0;
    for (quint16 k : keys) {
        rig.key(t += 70, k);
        rig.key(t += 45, k, kUp);
    }
    rig.click(C::Stop);
    const QString name = rig.page->currentMacroName();
    const QVector<MacroEvent> recorded = rig.rows();
    ASSERT_EQ(recorded.size(), 19);

    // Bound to a button on the CUSTOMIZE page, then applied.
    TarnBtnWindow buttons(farrow.data.paths(), rig.capture);
    buttons.resize(664, 440);
    buttons.setProfile(&currentProfile(farrow.state));
    buttons.show();
    const auto select = test::whenOpen<TarnMacroSelect>([&name](TarnMacroSelect* d) {
        test::chooseFromMenu(d->macroButton(), {name});
        test::clickYes(d);
    });
    test::chooseFromMenu(buttons.button(0, 3), {QStringLiteral("Macro Manager")});
    EXPECT_EQ(currentProfile(farrow.state).buttons[3].macroname, name);
    const KeyInfoEntry first = currentProfile(farrow.state).buttons[3].KeyInfo[0];
    EXPECT_EQ(first, (KeyInfoEntry{recorded[0].map, recorded[0].dataL, recorded[0].dataH}));
    ASSERT_EQ(farrow.apply(), 0);
    // The only macro of the profile set has number 0; it holds delay rows, so it goes as it is.
    EXPECT_EQ(simdecode::decodeMacroSlot(farrow.sim.section(0x05), 0), recorded);
    EXPECT_TRUE(simdecode::decodeMacroSlot(farrow.sim.section(0x05), 1).isEmpty());
    EXPECT_TRUE(simdecode::macroSectionClosed(farrow.sim.section(0x05)));

    // The file saved after recording loads and saves back unchanged.
    const QByteArray saved = rig.file(name);
    rig.clickMacro(0);
    rig.click(C::Save);
    EXPECT_EQ(rig.file(name), saved);
}

}  // namespace mousecfg
