#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <functional>

#include "widget_test_support.h"
#include "widgets/device_ready.h"
#include "widgets/tarn_message_box.h"

namespace mousecfg {
namespace {

// Runs `step` once the dialog's own event loop runs, then lets exec() return.
int execWith(QDialog& dialog, const std::function<void()>& step) {
    QTimer::singleShot(0, &dialog, step);
    return dialog.exec();
}

// A window that says whether the mouse is back.
class ReadyWindow : public QWidget, public DeviceReadyFlag {
public:
    bool isDeviceReady() const override { return ready; }
    bool ready = false;
};

// A poll clock the test drives by hand.
class ManualTicker : public PollTicker {
public:
    void start() override { running = true; }
    void stop() override { running = false; }
    void fire() { Q_EMIT tick(); }
    bool running = false;
};

class MessageBoxTest : public ::testing::Test {
protected:
    MessageBoxTest() : ui_(context()) {}
    static UiContext context() {
        UiContext c;
        c.skinDir = test::builtSkinDir();
        return c;
    }
    test::ScopedUiContext ui_;
};

TEST_F(MessageBoxTest, KindOneAcceptsOnlyOnYes) {
    const struct {
        const char* how;
        std::function<void(TarnMessageBox&)> act;
        int expected;
    } cases[] = {
        {"yes", [](TarnMessageBox& b) { QTest::mouseClick(b.confirmButton(), Qt::LeftButton); },
         QDialog::Accepted},
        {"no", [](TarnMessageBox& b) { QTest::mouseClick(b.cancelButton(), Qt::LeftButton); },
         QDialog::Rejected},
        {"escape", [](TarnMessageBox& b) { QTest::keyClick(&b, Qt::Key_Escape); }, QDialog::Rejected},
        {"close", [](TarnMessageBox& b) { b.close(); }, QDialog::Rejected},
        {"enter",
         [](TarnMessageBox& b) {
             QTest::keyClick(&b, Qt::Key_Return);
             if (b.isVisible()) b.close();
         },
         QDialog::Rejected},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        TarnMessageBox box(1, QString(), QStringLiteral("Warning"), QStringLiteral("Delete?"));
        EXPECT_EQ(execWith(box, [&] { c.act(box); }), c.expected);
    }
}

TEST_F(MessageBoxTest, LabelsAndButtonsByKind) {
    for (int kind : {0, 1, 2, 3, 4}) {
        SCOPED_TRACE(kind);
        TarnMessageBox box(kind, QString(), QStringLiteral("Warning"), QStringLiteral("Profile Exist!"));
        EXPECT_EQ(box.findChild<QLabel*>(QStringLiteral("msgBoxInfoLabel1"))->text(),
                  QStringLiteral("Warning"));
        EXPECT_EQ(box.findChild<QLabel*>(QStringLiteral("msgBoxInfoLabel2"))->text(),
                  QStringLiteral("Profile Exist!"));
        auto* yes = box.findChild<QToolButton*>(QStringLiteral("msgBoxYesBtn"));
        auto* no = box.findChild<QToolButton*>(QStringLiteral("msgBoxNoBtn"));
        ASSERT_TRUE(yes && no);
        EXPECT_EQ(yes->text(), kind == 1 ? QStringLiteral("Yes") : QStringLiteral("Ok"));
        EXPECT_EQ(yes->focusPolicy(), Qt::NoFocus);
        box.show();
        EXPECT_EQ(no->isVisible(), kind == 1);
        if (kind == 1) {
            EXPECT_EQ(no->text(), QStringLiteral("No"));
        }
        EXPECT_EQ(box.size(), QSize(478, 309));
        // Kinds 1 to 4 carry an icon, the others none.
        const QLabel* icon = nullptr;
        for (QLabel* l : box.findChildren<QLabel*>())
            if (l->objectName().isEmpty()) icon = l;
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(!icon->pixmap(Qt::ReturnByValue).isNull(), kind >= 1 && kind <= 4);
        // A one-button box accepts on its button.
        if (kind != 1) {
            EXPECT_EQ(execWith(box, [&] { QTest::mouseClick(yes, Qt::LeftButton); }), QDialog::Accepted);
        }
    }
}

TEST_F(MessageBoxTest, SizesFollowTheScaleFactor) {
    UiContext c = context();
    c.scale = 1.5;
    test::ScopedUiContext scaled(c);
    TarnMessageBox box(1, QString(), QStringLiteral("Warning"), QStringLiteral("x"));
    EXPECT_EQ(box.size(), QSize(717, 463));
    EXPECT_EQ(box.confirmButton()->size(), QSize(150, 45));
    EXPECT_EQ(box.font().pixelSize(), 21);
}

TEST_F(MessageBoxTest, PollingBoxClosesItselfOnTheFirstPollAfterTheDeviceIsReady) {
    ReadyWindow window;
    TarnMessageBox box(4, QString(), QStringLiteral("Warning"), QStringLiteral("Dongle Disconnect!"), &window,
                       true);
    ASSERT_TRUE(box.isPolling());
    // The box polls every 100 ms by default.
    auto* timer = box.findChild<PollTimer*>();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 100);

    auto* ticker = new ManualTicker;
    box.setPollSource(&window, ticker);
    EXPECT_TRUE(ticker->running);
    bool openAfterIdlePoll = false;
    const int result = execWith(box, [&] {
        ticker->fire();  // the mouse is not back yet
        openAfterIdlePoll = box.isVisible();
        window.ready = true;
        ticker->fire();
    });
    EXPECT_TRUE(openAfterIdlePoll);
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(box.polled());
    EXPECT_FALSE(ticker->running);
}

TEST_F(MessageBoxTest, PollingBoxFindsTheFlagOnItsParentAndStillClosesByHand) {
    ReadyWindow window;
    TarnMessageBox box(4, QString(), QStringLiteral("Warning"), QStringLiteral("Dongle Disconnect!"), &window,
                       true);
    auto* ticker = new ManualTicker;
    // Keep the parent's flag, replace only the clock.
    box.setPollSource(dynamic_cast<const DeviceReadyFlag*>(&window), ticker);
    EXPECT_EQ(execWith(box, [&] { QTest::mouseClick(box.confirmButton(), Qt::LeftButton); }),
              QDialog::Accepted);
    EXPECT_FALSE(box.polled());

    // A box that does not poll ignores the flag.
    TarnMessageBox quiet(2, QString(), QStringLiteral("Warning"), QStringLiteral("x"), &window, false);
    EXPECT_FALSE(quiet.isPolling());
    EXPECT_EQ(quiet.findChild<PollTimer*>(), nullptr);
    // A polling box without a flag (parent is no such window) never closes by itself.
    QWidget plain;
    TarnMessageBox orphan(4, QString(), QStringLiteral("Warning"), QStringLiteral("x"), &plain, true);
    auto* t2 = new ManualTicker;
    orphan.setPollSource(nullptr, t2);
    EXPECT_EQ(execWith(orphan,
                       [&] {
                           t2->fire();
                           EXPECT_TRUE(orphan.isVisible());
                           orphan.reject();
                       }),
              QDialog::Rejected);
    EXPECT_FALSE(orphan.polled());
}

TEST_F(MessageBoxTest, ButtonCaptionsFollowTheInstalledTranslation) {
    TarnMessageBox box(1, QString(), QStringLiteral("Warning"), QStringLiteral("x"));
    ASSERT_EQ(box.confirmButton()->text(), QStringLiteral("Yes"));
    QTranslator german;
    ASSERT_TRUE(german.load(test::builtLangDir() + QStringLiteral("/mousecfg_de.qm")));
    QCoreApplication::installTranslator(&german);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);  // what the event loop does
    EXPECT_EQ(box.confirmButton()->text(), QStringLiteral("Ja"));
    EXPECT_EQ(box.cancelButton()->text(), QStringLiteral("Nein"));
    QCoreApplication::removeTranslator(&german);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(box.confirmButton()->text(), QStringLiteral("Yes"));
}

}  // namespace
}  // namespace mousecfg
