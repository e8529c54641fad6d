#include <gtest/gtest.h>

#include "storage/gun_file.h"
#include "storage/macro_event_model.h"
#include "storage/macro_events.h"

using namespace mousecfg;
using namespace mousecfg::macro;

namespace {

std::string show(const std::optional<MacroEvent>& e) {
    if (!e) return "none";
    return std::to_string(e->map) + "/" + std::to_string(e->dataH) + "/" + std::to_string(e->dataL);
}

MacroEvent tagged(int i) {
    return keyEvent(static_cast<std::uint8_t>(i), true);
}

QVector<int> tags(const MacroEventModel& m) {
    QVector<int> out;
    for (const MacroEvent& e : m.events()) out << e.dataL;
    return out;
}

}  // namespace

TEST(MacroEditing, StoredEventsBecomeTheRowsTheEditorShows) {
    const struct {
        MacroEvent stored;
        std::optional<MacroEvent> row;
    } cases[] = {
        {{0x02, 0, 200}, MacroEvent{0x02, 0, 200}},  // left 56
        {{0x02, 130, 0}, MacroEvent{0x02, 130, 0}},  // up 126
        {{0x82, 0, 7}, MacroEvent{0x02, 0, 7}},      // right 7, press bit dropped
        {{0x02, 9, 0}, MacroEvent{0x02, 9, 0}},      // down 9
        {{0x02, 5, 5}, MacroEvent{0x02, 0, 0}},      // both axes: a move of 0
        {{0x81, 0, 3}, std::nullopt},                // two buttons at once
        {{0x81, 0, 0}, std::nullopt},
        {{0x41, 0, 1}, std::nullopt},  // not one of the two button codes
        {{0x81, 9, 16}, MacroEvent{0x81, 0, 16}},
        {{0x01, 0, 1}, MacroEvent{0x01, 0, 1}},  // kept as stored, not swapped
        {{0x84, 7, 4}, MacroEvent{0x84, 0, 4}},
        {{0xC4, 0, 4}, std::nullopt},                // kind 0x44
        {{0x02, 0, 130}, MacroEvent{0x02, 0, 130}},  // left 126: more than the editor makes, kept
        {{0x04, 0, 82}, MacroEvent{0x04, 0, 82}},
        {{0x86, 1, 44}, MacroEvent{0x06, 1, 44}},
        {{0x00, 0, 0}, std::nullopt},
        {{0x09, 1, 1}, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(show(editorRow(c.stored)), show(c.row)) << show(c.stored);

    EXPECT_EQ(movementOf({0x02, 0, 200}).direction, Direction::Left);
    EXPECT_EQ(movementOf({0x02, 0, 200}).distance, 56);
    EXPECT_EQ(movementOf({0x02, 130, 0}).direction, Direction::Up);
    EXPECT_EQ(movementOf({0x02, 130, 0}).distance, 126);
    // Every direction and distance the editor makes reads back as itself.
    for (Direction d : {Direction::Right, Direction::Left, Direction::Down, Direction::Up}) {
        for (int distance = 1; distance <= kMaxMoveDistance; ++distance) {
            const Movement m = movementOf(moveEvent(d, distance));
            ASSERT_TRUE(m.direction == d && m.distance == distance) << distance;
        }
    }
    EXPECT_EQ(moveEvent(Direction::Left, 5), (MacroEvent{2, 0, 251}));
}

TEST(MacroEditing, DelayCountsAndTheReleaseCheck) {
    EXPECT_EQ(delayCountForMs(250, 10), 25);
    EXPECT_EQ(delayCountForMs(250, 3), 83);
    EXPECT_EQ(delayCountForMs(25, 10), 2);
    EXPECT_EQ(delayCountForMs(5, 10), 0);
    EXPECT_EQ(delayCountForMs(10'000'000, 1), 0xFFFF);
    EXPECT_EQ(delayCountForMs(100, 0), 0);
    EXPECT_EQ(delayEvent(70000), (MacroEvent{6, 0xFF, 0xFF}));
    EXPECT_EQ(delayUnit(0), 10);
    EXPECT_EQ(delayUnit(-3), 10);
    EXPECT_EQ(delayUnit(3), 3);

    const MacroEvent aDown = keyEvent(4, true), aUp = keyEvent(4, false);
    const MacroEvent bDown = keyEvent(5, true), bUp = keyEvent(5, false);
    const struct {
        QVector<MacroEvent> rows;
        bool passes;
    } cases[] = {
        {{}, true},
        {{aDown, bDown, aUp, bUp}, true},
        {{aDown, delayEvent(3), aUp, moveEvent(Direction::Left, 4)}, true},
        {{aDown}, false},
        {{aUp, aDown}, false},                             // released before it went down
        {{aDown, aUp, aDown}, false},                      // pressed again and held
        {{buttonEvent(kMiddleButton, true), aUp}, false},  // button 4 is not key 4
        {{buttonEvent(kLeftButton, true), moveEvent(Direction::Right, 1)}, false},
        {{buttonEvent(kLeftButton, true), buttonEvent(kLeftButton, false)}, true},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(releaseCheckPasses(cases[i].rows), cases[i].passes) << i;
}

TEST(MacroEditing, RowOperationsReturnTheRowToSelect) {
    MacroEventModel m;
    // Insert after "no row" goes to the top; a sequence lands in order after the current row.
    EXPECT_EQ(m.insertAfter(-1, {tagged(1), tagged(2)}), 1);
    EXPECT_EQ(m.insertAfter(0, {tagged(3), tagged(4)}), 2);
    EXPECT_EQ(tags(m), (QVector<int>{1, 3, 4, 2}));
    EXPECT_EQ(m.insertAfter(-1, {tagged(0)}), 0);
    EXPECT_EQ(m.append(tagged(5)), 5);
    EXPECT_EQ(tags(m), (QVector<int>{0, 1, 3, 4, 2, 5}));
    EXPECT_EQ(m.data(m.index(5, MacroEventModel::MapColumn)).toString(), QStringLiteral("132"));
    EXPECT_EQ(m.data(m.index(5, MacroEventModel::DataLColumn)).toString(), QStringLiteral("5"));

    const struct {
        int row, target, result;
        QVector<int> after;
    } moves[] = {
        {5, 0, 0, {5, 0, 1, 3, 4, 2}},   // top
        {0, 99, 5, {0, 1, 3, 4, 2, 5}},  // bottom
        {0, -1, 0, {0, 1, 3, 4, 2, 5}},  // up from the first row: stays
        {5, 6, 5, {0, 1, 3, 4, 2, 5}},   // down from the last row: stays
        {2, 3, 3, {0, 1, 4, 3, 2, 5}},   // down
        {3, 2, 2, {0, 1, 3, 4, 2, 5}},   // up
        {9, 0, -1, {0, 1, 3, 4, 2, 5}},  // not a row
    };
    for (const auto& c : moves) {
        EXPECT_EQ(m.moveTo(c.row, c.target), c.result) << c.row << "->" << c.target;
        EXPECT_EQ(tags(m), c.after) << c.row << "->" << c.target;
    }

    m.setEvents({tagged(1), tagged(2), tagged(3)});
    EXPECT_EQ(m.removeAt(1), 1);  // the row that took its place
    EXPECT_EQ(tags(m), (QVector<int>{1, 3}));
    EXPECT_EQ(m.removeAt(1), 0);   // the new last row
    EXPECT_EQ(m.removeAt(0), -1);  // the only row
    EXPECT_EQ(m.rowCount(), 0);
    EXPECT_EQ(m.removeAt(0), -1);
}

TEST(GunFile, PatternsBecomeClicksMovesAndDelays) {
    GunPattern fiveShots;  // the dialog's defaults
    const QVector<MacroEvent> defaults = gunEvents(fiveShots);
    ASSERT_EQ(defaults.size(), 15);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(defaults[3 * i], (MacroEvent{0x01, 0, 1}));
        EXPECT_EQ(defaults[3 * i + 1], (MacroEvent{0x81, 0, 1}));
        EXPECT_EQ(defaults[3 * i + 2], (MacroEvent{0x06, 0, 10}));
    }

    GunPattern two;
    two.shots = 2;
    two.shot[0] = {45, 5, -3};
    two.shot[1] = {5, -100, 100};
    two.shot[2] = {300, 7, 7};  // beyond the shot count: ignored
    EXPECT_EQ(gunEvents(two), (QVector<MacroEvent>{{0x01, 0, 1},
                                                   {0x81, 0, 1},
                                                   {0x02, 5, 0},
                                                   {0x02, 0, 253},
                                                   {0x06, 0, 4},
                                                   {0x01, 0, 1},
                                                   {0x81, 0, 1},
                                                   {0x02, 156, 0},
                                                   {0x02, 0, 100},
                                                   {0x06, 0, 0}}));

    GunPattern wild;
    wild.shots = 9;
    wild.shot.fill({5000, -400, 0});
    const QVector<MacroEvent> clamped = gunEvents(wild);
    ASSERT_EQ(clamped.size(), 20);  // five shots of four rows
    EXPECT_EQ(clamped[2], (MacroEvent{0x02, 156, 0}));
    EXPECT_EQ(clamped[3], (MacroEvent{0x06, 0, 99}));

    const MacroFileData file = gunFileData(two);
    EXPECT_EQ(file.defaultDelay, 10);
    EXPECT_EQ(file.delayType, 1);
    EXPECT_EQ(file.loopType, 0);
    EXPECT_EQ(file.loopTime, 1);
}
