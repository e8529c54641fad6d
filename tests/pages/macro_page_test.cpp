#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>

#include "macro_page_rig.h"
#include "pages/macros/macro_command_tree.h"
#include "pages/macros/macro_row_editor.h"
#include "pages/macros/tarn_macro_item_delegate.h"
#include "storage/app_settings.h"
#include "storage/gun_file.h"
#include "storage/macro_events.h"
#include "widgets/tarn_label.h"
#include "widgets/tarn_line_edit.h"
#include "widgets/tarn_menu.h"

namespace mousecfg {
namespace {

using C = MacroDialog::Control;
using test::MacroPageRig;

MacroEvent key(std::uint8_t usage, bool press) {
    return macro::keyEvent(usage, press);
}

// What the row painter shows in the KEY and ACTION columns.
QString shown(const MacroEvent& e) {
    const auto cells = TarnMacroItemDelegate::cells(e, 10);
    return cells[0].text + QLatin1Char('|') + cells[1].text;
}

}  // namespace

TEST(MacroPage, LibraryNamesRenamesAndDeletes) {
    MacroPageRig rig;
    EXPECT_FALSE(rig.page->button(C::Start)->isEnabled());  // nothing to record into yet
    // Files left in the folder take their names: NEW goes on to name_3.
    ASSERT_TRUE(writeMacroFile(rig.data.paths(), QStringLiteral("name_1"), {}));
    ASSERT_TRUE(writeMacroFile(rig.data.paths(), QStringLiteral("name_2"), {}));
    rig.click(C::New);
    EXPECT_EQ(rig.listed(), QStringList{QStringLiteral("name_3")});
    EXPECT_EQ(rig.page->nameField()->text(), QStringLiteral("name_3"));
    EXPECT_EQ(rig.page->defaultDelayField()->text(), QStringLiteral("10"));
    EXPECT_EQ(rig.page->loopTimeField()->text(), QStringLiteral("1"));
    EXPECT_FALSE(rig.file(QStringLiteral("name_3")).isEmpty());

    ASSERT_TRUE(writeMacroFile(rig.data.paths(), QStringLiteral("B"), {}));
    MacroPageRig::type(rig.page->nameField(), QStringLiteral("B"));
    rig.click(C::Rename);
    EXPECT_EQ(rig.listed(), QStringList{QStringLiteral("B_2")});
    EXPECT_EQ(appsettings::loadMacroListEntry(rig.data.paths(), 0), QStringLiteral("B_2"));
    EXPECT_TRUE(rig.file(QStringLiteral("name_3")).isEmpty());
    MacroPageRig::type(rig.page->nameField(), QStringLiteral("../B"));
    rig.click(C::Rename);
    EXPECT_EQ(rig.listed(), QStringList{QStringLiteral("B_2")});
    EXPECT_EQ(rig.page->nameField()->text(), QStringLiteral("B_2"));
    ASSERT_EQ(rig.dialogs->warnings.size(), 1);
    EXPECT_TRUE(rig.dialogs->warnings[0].contains(QStringLiteral("../B")));

    // Deleting the only macro leaves nothing on the page.
    rig.page->model()->setEvents({key(4, true)});
    rig.click(C::Delete);
    EXPECT_TRUE(rig.listed().isEmpty());
    EXPECT_TRUE(rig.page->nameField()->text().isEmpty());
    EXPECT_EQ(rig.page->model()->rowCount(), 0);
    EXPECT_TRUE(rig.file(QStringLiteral("B_2")).isEmpty());
    EXPECT_TRUE(rig.file(QStringLiteral("name_1")).size() > 0);  // not listed, not touched

    // A full list refuses NEW and GUN SET before anything opens.
    for (int i = 0; i < appsettings::kMacroListSize; ++i)
        appsettings::saveMacroListEntry(rig.data.paths(), i, QStringLiteral("m%1").arg(i));
    rig.page->refresh();
    bool gunOpened = false;
    rig.dialogs->gun = [&](TarnGunsetDialog&) { gunOpened = true; };
    rig.click(C::New);
    rig.click(C::GunSet);
    EXPECT_FALSE(gunOpened);
    EXPECT_EQ(rig.listed().size(), 50);
    EXPECT_EQ(rig.dialogs->warnings.mid(1), (QStringList{QStringLiteral("TOO MANY MACROS TO BE CREATE!"),
                                                         QStringLiteral("TOO MANY MACROS TO BE CREATE!")}));
}

TEST(MacroPage, StoredRowsLoadAsTheEditorShowsThemAndSaveBackUnchanged) {
    MacroPageRig rig;
    // A damaged file: a count far beyond the rows, text in a cell, rows the editor cannot show.
    rig.data.writeFile(
        QStringLiteral("Configs/MacroDB/odd.MSMACRO"),
        "[Setting]\nDelayType=7\nLoopType=2\nLoopTime=9999\nDefaultDelay=-5\nCount=4000000000\n"
        "Map_0=2\nDataH_0=0\nDataL_0=200\n"
        "Map_1=2\nDataH_1=130\nDataL_1=0\n"
        "Map_2=2\nDataH_2=9\nDataL_2=9\n"
        "Map_3=129\nDataH_3=0\nDataL_3=3\n"
        "Map_4=abc\nDataH_4=0\nDataL_4=4\n"
        "Map_5=1\nDataH_5=0\nDataL_5=16\n"
        "Map_6=132\nDataH_6=x\nDataL_6=82\n");
    appsettings::saveMacroListEntry(rig.data.paths(), 3, QStringLiteral("odd"));
    rig.page->refresh();
    ASSERT_EQ(rig.listed(), QStringList{QStringLiteral("odd")});
    const QVector<MacroEvent> rows = rig.rows();
    ASSERT_EQ(rows.size(), 5);
    const QString expected[] = {QStringLiteral("MOVE LEFT|56"), QStringLiteral("MOVE UP|126"),
                                QStringLiteral("MOVE RIGHT|0"), QStringLiteral("BACKWARD|Release"),
                                QStringLiteral("Up|Press")};
    for (int i = 0; i < rows.size(); ++i) EXPECT_EQ(shown(rows[i]), expected[i]) << i;
    EXPECT_EQ(rig.current(), 4);  // the last row is selected
    EXPECT_FALSE(rig.page->recordDelaysBox()->isChecked());
    EXPECT_FALSE(rig.page->defaultDelayBox()->isChecked());
    EXPECT_TRUE(rig.page->loopToggle(1)->isChecked());
    EXPECT_EQ(rig.page->loopTimeField()->text(), QStringLiteral("255"));
    EXPECT_EQ(rig.page->defaultDelayField()->text(), QStringLiteral("0"));

    // Saved, loaded and saved again: the same bytes, button rows included.
    rig.click(C::Save);
    const QByteArray saved = rig.file(QStringLiteral("odd"));
    rig.clickMacro(0);
    EXPECT_EQ(rig.rows(), rows);
    rig.click(C::Save);
    EXPECT_EQ(rig.file(QStringLiteral("odd")), saved);
    EXPECT_EQ(readMacroEvents(rig.data.paths(), QStringLiteral("odd")), rows);
    EXPECT_TRUE(rig.dialogs->warnings.isEmpty());
}

TEST(MacroPage, MouseCommandsLandAfterTheCurrentRowWithTheirDelays) {
    const MacroEvent mark = key(4, true);
    const struct {
        int delayType;
        QVector<MacroEvent> click;
    } cases[] = {
        {2, {{0x81, 0, 2}, macro::delayEvent(5), {0x01, 0, 2}, macro::delayEvent(5)}},
        {1, {{0x81, 0, 2}, macro::delayEvent(1), {0x01, 0, 2}, macro::delayEvent(1)}},
        {0, {{0x81, 0, 2}, {0x01, 0, 2}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.delayType);
        MacroPageRig rig;
        rig.click(C::New);
        if (c.delayType == 1) MacroPageRig::click(rig.page->recordDelaysBox());
        if (c.delayType == 2) MacroPageRig::click(rig.page->defaultDelayBox());
        MacroPageRig::type(rig.page->defaultDelayField(), QStringLiteral("50"));
        rig.page->model()->setEvents({mark, mark});
        rig.clickRow(0);
        rig.click(C::MouseAction);
        MacroCommandTree* tree = rig.page->commandTree();
        ASSERT_TRUE(tree->isVisible());
        auto press = [tree](QTreeWidgetItem* item) {
            QTest::mousePress(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                              tree->visualItemRect(item).center());
            QTest::mouseRelease(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                                tree->visualItemRect(item).center());
        };
        press(tree->buttonItem(2));  // RIGHT CLICK, collapsed: opens
        EXPECT_EQ(rig.rows().size(), 2);
        EXPECT_TRUE(tree->buttonItem(2)->isExpanded());
        press(tree->buttonItem(2));  // open: a full click
        QVector<MacroEvent> want{mark};
        want << c.click << mark;
        EXPECT_EQ(rig.rows(), want);
        EXPECT_EQ(rig.current(), c.click.size());
        // A move up by 7 and a BOUNCE UP of the middle button follow on.
        MacroPageRig::type(tree->distanceField(2), QStringLiteral("7"));
        press(tree->moveItem(2));
        EXPECT_EQ(rig.rows().at(c.click.size() + 1), (MacroEvent{2, 249, 0}));
        press(tree->buttonItem(1));
        press(tree->buttonItem(1)->child(1));
        EXPECT_EQ(rig.rows().at(rig.current() - (c.delayType ? 1 : 0)), (MacroEvent{0x01, 0, 4}));
    }
}

TEST(MacroPage, RowButtonsFollowTheSelectionRules) {
    MacroPageRig rig;
    rig.click(C::New);
    auto tags = [&rig] {
        QVector<int> out;
        for (const MacroEvent& e : rig.rows()) out << e.dataL;
        return out;
    };
    const struct {
        int select;  // row clicked first, -1 for none
        C control;
        QVector<int> after;
        int current;
    } cases[] = {
        {2, C::MoveDown, {1, 2, 3}, 2}, {0, C::MoveUp, {1, 2, 3}, 0}, {0, C::MoveDown, {2, 1, 3}, 1},
        {1, C::Bottom, {2, 3, 1}, 2},   {2, C::Top, {1, 2, 3}, 0},    {1, C::RowDelete, {1, 3}, 1},
        {1, C::RowDelete, {1}, 0},      {0, C::RowDelete, {}, -1},    {-1, C::InsertDelay, {1}, 0},
        {0, C::Copy, {1}, 0},           {0, C::Paste, {1, 1}, 1},     {0, C::Cut, {1}, 0},
        {0, C::Paste, {1, 1}, 1},       {1, C::Clear, {}, -1},
    };
    rig.page->model()->setEvents({key(1, true), key(2, true), key(3, true)});
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << c.select << " button " << static_cast<int>(c.control));
        if (c.select >= 0) rig.clickRow(c.select);
        rig.click(c.control);
        EXPECT_EQ(tags(), c.after);
        EXPECT_EQ(rig.current(), c.current);
    }
    // INSERT DELAY put one count of 10 ms in.
    rig.page->model()->setEvents({});
    rig.click(C::InsertDelay);
    EXPECT_EQ(rig.rows(), QVector<MacroEvent>{macro::delayEvent(1)});

    // A macro stops at the 63 events of a button.
    rig.page->model()->setEvents(QVector<MacroEvent>(macro::kMaxRows, key(9, true)));
    rig.clickRow(0);
    rig.click(C::Copy);
    rig.click(C::Paste);
    rig.click(C::InsertDelay);
    EXPECT_EQ(rig.rows().size(), macro::kMaxRows);
    EXPECT_EQ(rig.dialogs->warnings.size(), 2);
}

TEST(MacroPage, EditModeRewritesTheSelectedRow) {
    MacroPageRig rig;
    rig.click(C::New);
    rig.page->model()->setEvents(
        {key(0x52, true), {0x81, 0, 1}, macro::moveEvent(macro::Direction::Left, 5), macro::delayEvent(3)});
    QSignalSpy enable(rig.page.get(), &MacroDialog::EnableButtonsSignal);
    MacroRowEditor* editor = rig.page->rowEditor();

    rig.clickRow(3);
    rig.click(C::Edit);
    ASSERT_EQ(enable.size(), 1);
    EXPECT_FALSE(enable.last().at(0).toBool());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(rig.page->button(C::Import)->isVisible());
    EXPECT_FALSE(rig.page->defaultDelayField()->isVisible());
    EXPECT_FALSE(rig.page->button(C::Start)->isEnabled());
    EXPECT_FALSE(rig.page->button(C::New)->isEnabled());
    EXPECT_TRUE(rig.page->button(C::Save)->isEnabled());
    EXPECT_EQ(editor->delayField()->text(), QStringLiteral("30"));
    EXPECT_FALSE(rig.capture.capturing());
    MacroPageRig::type(editor->delayField(), QStringLiteral("25"));
    EXPECT_EQ(rig.rows()[3], macro::delayEvent(2));

    // A key row takes the next key typed, its press state kept.
    rig.clickRow(0);
    ASSERT_TRUE(rig.capture.capturing());
    EXPECT_EQ(editor->keyLabel()->text(), QStringLiteral("Up"));
    rig.capture.send(0x48, 0);  // keypad 8
    rig.capture.send(0x48, 0x80);
    EXPECT_EQ(rig.rows()[0], key(0x60, true));
    EXPECT_EQ(editor->keyLabel()->text(), QStringLiteral("Num 8"));

    rig.clickRow(1);
    EXPECT_FALSE(rig.capture.capturing());
    MacroPageRig::chooseFromMenu(editor->choiceButton(), 1);  // MIDDLE CLICK
    EXPECT_EQ(rig.rows()[1], (MacroEvent{0x81, 0, 4}));

    rig.clickRow(2);
    EXPECT_EQ(editor->distanceField()->text(), QStringLiteral("5"));
    MacroPageRig::type(editor->distanceField(), QStringLiteral("9"));
    EXPECT_EQ(rig.rows()[2], macro::moveEvent(macro::Direction::Left, 9));
    MacroPageRig::chooseFromMenu(editor->choiceButton(), 3);  // MOVE DOWN
    EXPECT_EQ(rig.rows()[2], (MacroEvent{2, 9, 0}));

    rig.clickRow(3);
    EXPECT_EQ(editor->delayField()->text(), QStringLiteral("20"));  // 25 ms kept as two counts
    rig.click(C::Save);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(rig.page->button(C::Import)->isVisible());
    EXPECT_TRUE(rig.page->button(C::Start)->isEnabled());
    ASSERT_EQ(enable.size(), 2);
    EXPECT_TRUE(enable.last().at(0).toBool());
    const QVector<MacroEvent> saved = readMacroEvents(rig.data.paths(), rig.page->currentMacroName());
    EXPECT_EQ(saved, rig.rows());

    // CANCEL goes back to the file.
    rig.clickRow(0);
    rig.click(C::Edit);
    rig.capture.send(0x1E, 0);
    EXPECT_EQ(rig.rows()[0], key(4, true));
    rig.click(C::Cancel);
    EXPECT_EQ(rig.rows(), saved);
    EXPECT_FALSE(rig.capture.capturing());
}

TEST(MacroPage, ImportExportAndAFolderThatCannotBeWritten) {
    MacroPageRig rig;
    rig.click(C::New);
    rig.data.writeFile(QStringLiteral("in/name_1.MSMACRO"), "[Setting]\nCount=1\nMap_0=132\nDataL_0=5\n");
    rig.data.writeFile(QStringLiteral("in/keys.MSMACRO"), "[Setting]\nCount=1\nMap_0=132\nDataL_0=6\n");
    rig.data.writeFile(QStringLiteral("in/more.MSMACRO"), "[Setting]\nCount=1\nMap_0=132\nDataL_0=7\n");
    const QString in = rig.data.path(QStringLiteral("in/"));

    rig.dialogs->openFiles_ = QStringList{in + QStringLiteral("name_1.MSMACRO")};
    rig.click(C::Import);
    EXPECT_EQ(rig.dialogs->warnings, QStringList{QStringLiteral("Macro Exist!")});
    rig.dialogs->openFiles_ = QStringList{in + QStringLiteral("keys.MSMACRO")};
    rig.click(C::Import);
    EXPECT_EQ(rig.listed(), (QStringList{QStringLiteral("name_1"), QStringLiteral("keys")}));
    EXPECT_EQ(rig.page->currentMacroName(), QStringLiteral("keys"));
    EXPECT_EQ(rig.rows(), QVector<MacroEvent>{key(6, true)});

    // Batch mode: check boxes on the list, a batch import that skips taken names.
    MacroPageRig::click(rig.page->batchBox());
    EXPECT_FALSE(rig.page->button(C::New)->isEnabled());
    EXPECT_FALSE(rig.page->button(C::Start)->isEnabled());
    EXPECT_TRUE(rig.page->button(C::Import)->isEnabled());
    rig.dialogs->warnings.clear();
    rig.dialogs->openFiles_ =
        QStringList{in + QStringLiteral("keys.MSMACRO"), in + QStringLiteral("more.MSMACRO")};
    rig.click(C::Import);
    EXPECT_EQ(rig.listed(),
              (QStringList{QStringLiteral("name_1"), QStringLiteral("keys"), QStringLiteral("more")}));
    ASSERT_EQ(rig.dialogs->warnings.size(), 1);
    EXPECT_TRUE(rig.dialogs->warnings[0].contains(QStringLiteral("keys")));
    rig.page->macroList()->item(2)->setCheckState(Qt::Checked);
    rig.dialogs->saveTo = rig.data.path(QStringLiteral("out"));
    QDir().mkpath(rig.dialogs->saveTo);
    rig.click(C::Export);
    EXPECT_EQ(rig.data.readFile(QStringLiteral("out/more.MSMACRO")), rig.file(QStringLiteral("more")));
    MacroPageRig::click(rig.page->batchBox());
    EXPECT_TRUE(rig.page->button(C::New)->isEnabled());

    rig.clickMacro(1);
    rig.dialogs->saveTo = rig.data.path(QStringLiteral("out/chosen.MSMACRO"));
    rig.click(C::Export);
    EXPECT_EQ(rig.dialogs->proposedName, QStringLiteral("keys.MSMACRO"));
    EXPECT_EQ(rig.data.readFile(QStringLiteral("out/chosen.MSMACRO")), rig.file(QStringLiteral("keys")));

    // The macro folder replaced by a file: SAVE and NEW say so and the list stays as it was.
    const QByteArray before = rig.file(QStringLiteral("keys"));
    QDir(rig.data.paths().macroDir()).removeRecursively();
    rig.data.writeFile(QStringLiteral("Configs/MacroDB"), "x");
    rig.dialogs->warnings.clear();
    rig.click(C::Save);
    rig.click(C::New);
    EXPECT_EQ(rig.dialogs->warnings.size(), 2);
    EXPECT_EQ(rig.listed().size(), 3);
    EXPECT_EQ(appsettings::loadMacroListEntry(rig.data.paths(), 3), QString());
    EXPECT_FALSE(before.isEmpty());
}

TEST(MacroPage, GunSetWritesThePatternAsAMacro) {
    MacroPageRig rig;
    ASSERT_TRUE(writeMacroFile(rig.data.paths(), QStringLiteral("gun"), {}));
    int warningsInDialog = 0;
    rig.dialogs->gun = [&](TarnGunsetDialog& d) {
        d.setWarner([&](const QString& text) {
            EXPECT_EQ(text, QStringLiteral("Please input file name."));
            ++warningsInDialog;
        });
        QTest::mouseClick(d.yesButton(), Qt::LeftButton);  // no name yet: stays open
        EXPECT_FALSE(d.isHidden());
        QTest::keyClicks(d.nameField(), QStringLiteral("gun"));
        MacroPageRig::chooseFromMenu(d.bulletsButton(), 1);  // 2 shots
        EXPECT_FALSE(d.spinBox(0, 2)->isVisible());
        const int values[2][3] = {{45, 5, -3}, {5, 0, 0}};
        for (int shot = 0; shot < 2; ++shot) {
            for (int row = 0; row < 3; ++row) {
                QSpinBox* s = d.spinBox(row, shot);
                s->selectAll();
                QTest::keyClicks(s, QString::number(values[shot][row]));
                QTest::keyClick(s, Qt::Key_Tab);
            }
        }
        QTest::mouseClick(d.yesButton(), Qt::LeftButton);
    };
    rig.click(C::GunSet);
    EXPECT_EQ(warningsInDialog, 1);
    EXPECT_EQ(rig.listed(), QStringList{QStringLiteral("gun_2")});
    const QVector<MacroEvent> want = {{0x01, 0, 1}, {0x81, 0, 1}, {0x02, 5, 0}, {0x02, 0, 253},
                                      {0x06, 0, 4}, {0x01, 0, 1}, {0x81, 0, 1}, {0x06, 0, 0}};
    EXPECT_EQ(rig.rows(), want);
    const MacroFileData file = readMacroFile(rig.data.paths(), QStringLiteral("gun_2"));
    EXPECT_EQ(file.events, want);
    EXPECT_EQ(file.delayType, 1);
    EXPECT_EQ(file.defaultDelay, 10);
    EXPECT_EQ(file.loopTime, 1);
    EXPECT_FALSE(rig.file(QStringLiteral("gun_2")).contains("WriteSign"));
    EXPECT_TRUE(rig.page->recordDelaysBox()->isChecked());

    // A name that would leave the macro folder is refused.
    rig.dialogs->gun = [](TarnGunsetDialog& d) {
        EXPECT_EQ(gunEvents(d.pattern()).size(), 15);  // the dialog's defaults: five shots of 100 ms
        d.nameField()->setText(QStringLiteral("../gun"));
        QTest::mouseClick(d.yesButton(), Qt::LeftButton);
    };
    rig.click(C::GunSet);
    EXPECT_TRUE(rig.dialogs->warnings.last().contains(QStringLiteral("../gun")));
    EXPECT_FALSE(QFile::exists(rig.data.path(QStringLiteral("Configs/gun.MSMACRO"))));

    // No closes the dialog and changes nothing.
    rig.dialogs->gun = [](TarnGunsetDialog& d) {
        d.nameField()->setText(QStringLiteral("other"));
        QTest::mouseClick(d.noButton(), Qt::LeftButton);
    };
    rig.click(C::GunSet);
    EXPECT_EQ(rig.listed(), QStringList{QStringLiteral("gun_2")});
}

}  // namespace mousecfg
