#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QWidget>
#include <set>

#include "device/key_codes.h"
#include "platform/evdev_keys.h"
#include "platform/focus_key_capture.h"

using namespace mousecfg;

namespace {

// What the dialogs make of a Linux key: the captured set-1 code through the capture remap.
int capturedCode(evdev::KeyTranslator& t, int evdevCode, bool released) {
    const std::optional<RawKeyEvent> e = t.translate(evdevCode, released);
    if (!e) return -1;
    return keycodes::remapCapturedKey(static_cast<std::uint8_t>(e->scanCode), e->flags);
}

}  // namespace

TEST(EvdevKeys, EveryKeyOfA104KeyBoardReachesItsKeyNameAndUsage) {
    struct Key {
        int evdev;
        int code;
        const char* name;
        int usage;
    };
    const Key board[] = {
        {1, 1, "Esc", 41},
        {59, 59, "F1", 58},
        {60, 60, "F2", 59},
        {61, 61, "F3", 60},
        {62, 62, "F4", 61},
        {63, 63, "F5", 62},
        {64, 64, "F6", 63},
        {65, 65, "F7", 64},
        {66, 66, "F8", 65},
        {67, 67, "F9", 66},
        {68, 68, "F10", 67},
        {87, 87, "F11", 68},
        {88, 88, "F12", 69},
        {99, 55, "Print Screen", 70},
        {70, 70, "Scroll Lock", 71},
        {119, 69, "Pause Break", 72},
        // Number row.
        {41, 41, "`", 53},
        {2, 2, "1", 30},
        {3, 3, "2", 31},
        {4, 4, "3", 32},
        {5, 5, "4", 33},
        {6, 6, "5", 34},
        {7, 7, "6", 35},
        {8, 8, "7", 36},
        {9, 9, "8", 37},
        {10, 10, "9", 38},
        {11, 11, "0", 39},
        {12, 12, "-", 45},
        {13, 13, "=", 46},
        {14, 14, "Backspace", 42},
        // Letter rows.
        {15, 15, "Tab", 43},
        {16, 16, "Q", 20},
        {17, 17, "W", 26},
        {18, 18, "E", 8},
        {19, 19, "R", 21},
        {20, 20, "T", 23},
        {21, 21, "Y", 28},
        {22, 22, "U", 24},
        {23, 23, "I", 12},
        {24, 24, "O", 18},
        {25, 25, "P", 19},
        {26, 26, "[", 47},
        {27, 27, "]", 48},
        {43, 43, "\\", 49},
        {58, 58, "CapsLock", 57},
        {30, 30, "A", 4},
        {31, 31, "S", 22},
        {32, 32, "D", 7},
        {33, 33, "F", 9},
        {34, 34, "G", 10},
        {35, 35, "H", 11},
        {36, 36, "J", 13},
        {37, 37, "K", 14},
        {38, 38, "L", 15},
        {39, 39, ";", 51},
        {40, 40, "'", 52},
        {28, 28, "Enter", 40},
        {42, 42, "LShift", 225},
        {44, 44, "Z", 29},
        {45, 45, "X", 27},
        {46, 46, "C", 6},
        {47, 47, "V", 25},
        {48, 48, "B", 5},
        {49, 49, "N", 17},
        {50, 50, "M", 16},
        {51, 51, ",", 54},
        {52, 52, ".", 55},
        {53, 53, "/", 56},
        {54, 54, "RShift", 229},
        // Bottom row: right-hand modifiers get their own codes.
        {29, 29, "LCtr", 224},
        {125, 91, "LWindows", 227},
        {56, 56, "LAlt", 226},
        {57, 57, "Space", 44},
        {100, 239, "RAlt", 230},
        {126, 92, "RWindows", 231},
        {127, 93, "App", 101},
        {97, 238, "RCtr", 228},
        // Navigation block and arrows keep the set-1 codes the keypad digits share.
        {110, 82, "Insert", 73},
        {102, 71, "Home", 74},
        {104, 73, "Page Up", 75},
        {111, 83, "Delete", 76},
        {107, 79, "End", 77},
        {109, 81, "Page Down", 78},
        {103, 72, "Up", 82},
        {105, 75, "Left", 80},
        {108, 80, "Down", 81},
        {106, 77, "Right", 79},
        // Keypad.
        {69, 225, "Num Lock", 83},
        {98, 226, "Num /", 84},
        {55, 227, "Num *", 85},
        {74, 74, "Num -", 86},
        {71, 235, "Num 7", 95},
        {72, 236, "Num 8", 96},
        {73, 228, "Num 9", 97},
        {78, 78, "Num +", 87},
        {75, 233, "Num 4", 92},
        {76, 76, "Num 5", 93},
        {77, 234, "Num 6", 94},
        {79, 230, "Num 1", 89},
        {80, 231, "Num 2", 90},
        {81, 232, "Num 3", 91},
        {96, 229, "Num Enter", 88},
        {82, 237, "Num 0", 98},
        {83, 224, "Num De", 99},
    };
    ASSERT_EQ(std::size(board), 104u);
    std::set<int> codes, usages;
    evdev::KeyTranslator t;
    for (const Key& k : board) {
        SCOPED_TRACE(testing::Message() << "evdev " << k.evdev << " " << k.name);
        EXPECT_EQ(capturedCode(t, k.evdev, false), k.code);
        EXPECT_EQ(capturedCode(t, k.evdev, true), k.code);  // the release names the same key
        EXPECT_EQ(keycodes::keyName(k.code), QString::fromLatin1(k.name));
        EXPECT_EQ(keycodes::usageOfKeyCode(k.code), std::optional<std::uint8_t>(k.usage));
        codes.insert(k.code);
        usages.insert(k.usage);
    }
    // 104 different keys, and together they are the whole key/usage table.
    EXPECT_EQ(codes.size(), 104u);
    for (const keycodes::KeyUsagePair& p : keycodes::keyUsagePairs()) EXPECT_EQ(usages.count(p.usage), 1u);
}

TEST(EvdevKeys, MediaKeysAreExtendedAndUnknownKeysHaveNoCode) {
    const struct {
        int evdev;
        quint16 scan;
    } media[] = {{113, 0x20}, {114, 0x2E}, {115, 0x30}, {163, 0x19}, {164, 0x22},
                 {165, 0x10}, {166, 0x24}, {172, 0x32}, {155, 0x6C}, {217, 0x65}};
    for (const auto& m : media) {
        const auto k = evdev::setOneOf(m.evdev);
        ASSERT_TRUE(k) << m.evdev;
        EXPECT_EQ(k->scanCode, m.scan) << m.evdev;
        EXPECT_TRUE(k->extended) << m.evdev;
        // They share set-1 codes with letters: the key dialogs take no key from them.
        EXPECT_EQ(keycodes::capturedKeyCode(static_cast<std::uint8_t>(k->scanCode), RawKeyEvent::Extended),
                  0);
    }
    for (int none : {-8, -1, 0, 84, 85, 89, 95, 120, 183, 240, 255, 1000})
        EXPECT_FALSE(evdev::setOneOf(none)) << none;
}

TEST(EvdevKeys, AltHeldFollowsBothAltKeysAndIsClearedOnTheirRelease) {
    evdev::KeyTranslator t;
    const struct {
        int evdev;
        bool released;
        quint16 scan;
        quint32 flags;
    } steps[] = {
        {56, false, 0x38, 0x20},   // left Alt down: its own event carries the flag
        {15, false, 0x0F, 0x20},   // Tab while Alt is held
        {15, true, 0x0F, 0xA0},    // ... and its release
        {100, false, 0x38, 0x21},  // right Alt down as well
        {56, true, 0x38, 0xA0},    // left Alt up, right Alt still down
        {100, true, 0x38, 0x81},   // right Alt up: flag gone
        {15, false, 0x0F, 0x00},
    };
    for (const auto& s : steps) {
        const auto e = t.translate(s.evdev, s.released);
        ASSERT_TRUE(e);
        EXPECT_EQ(e->scanCode, s.scan);
        EXPECT_EQ(e->flags, s.flags) << s.evdev << (s.released ? " up" : " down");
    }
    t.setAltDown(false, true);  // held before the capture began
    EXPECT_EQ(t.translate(30, false)->flags, 0x20u);
}

TEST(FocusKeyCapture, ReportsKeysOfItsOwnWindowOnlyAndLetsThemThrough) {
    QWidget dialog;
    auto* edit = new QLineEdit(&dialog);
    (new QVBoxLayout(&dialog))->addWidget(edit);
    QWidget other;
    auto* otherEdit = new QLineEdit(&other);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    edit->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), edit);

    FocusKeyCaptureService service;
    EXPECT_FALSE(service.systemWide());
    std::unique_ptr<KeyCapture> capture = service.begin(&dialog);
    QSignalSpy spy(capture.get(), &KeyCapture::keyEvent);
    const auto send = [](QWidget* to, QEvent::Type type, int key, int xkb, const QString& text = QString()) {
        QKeyEvent e(type, key, Qt::NoModifier, static_cast<quint32>(xkb), 0, 0, text);
        QApplication::sendEvent(to, &e);
    };
    send(edit, QEvent::KeyPress, Qt::Key_A, 30 + 8, QStringLiteral("a"));
    send(edit, QEvent::KeyRelease, Qt::Key_A, 30 + 8, QStringLiteral("a"));
    send(edit, QEvent::KeyPress, Qt::Key_Enter, 96 + 8);  // keypad Enter
    send(otherEdit, QEvent::KeyPress, Qt::Key_B, 48 + 8, QStringLiteral("b"));
    send(edit, QEvent::KeyPress, Qt::Key_unknown, 0);  // no native code (another platform)

    const RawKeyEvent expected[] = {{30, 0}, {30, RawKeyEvent::Released}, {0x1C, RawKeyEvent::Extended}};
    ASSERT_EQ(spy.count(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(spy.at(i).at(0).value<RawKeyEvent>(), expected[i]) << i;
    EXPECT_EQ(edit->text(), QStringLiteral("a"));  // observed, not swallowed
    EXPECT_EQ(otherEdit->text(), QStringLiteral("b"));

    // A second capture ends the first; the first's owner simply hears nothing more.
    std::unique_ptr<KeyCapture> second = service.begin(&dialog);
    QSignalSpy secondSpy(second.get(), &KeyCapture::keyEvent);
    send(edit, QEvent::KeyPress, Qt::Key_A, 30 + 8, QStringLiteral("a"));
    EXPECT_EQ(spy.count(), 3);
    EXPECT_EQ(secondSpy.count(), 1);
    capture.reset();
    second.reset();
    send(edit, QEvent::KeyPress, Qt::Key_A, 30 + 8, QStringLiteral("a"));  // nobody listens, no crash
    EXPECT_EQ(edit->text(), QStringLiteral("aaa"));
}
