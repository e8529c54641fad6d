// Recording a macro through the real XInput2 key capture, keys typed with XTest into another
// client's window. CTest runs this program under xvfb-run with MOUSECFG_X11_TESTS=1; run by hand
// without that variable it skips, so it never types into the desktop it was started from.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTest>

#include "pages/macros/macro_dialog.h"
#include "pages/macros/macro_page_dialogs.h"
#include "platform/x11_key_capture.h"
#include "storage/macro_event_model.h"
#include "storage/macro_events.h"
#include "temp_data.h"
#include "widgets/tarn_push_button.h"
#include "widgets/ui_context.h"

// Xlib last: its macros (None, Status, KeyPress ...) clash with names in the headers above.
// clang-format off
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
// clang-format on

using namespace mousecfg;

namespace {

using C = MacroDialog::Control;
constexpr int kOffset = 8;  // X key code = Linux key code + 8

// Linux key codes.
constexpr int kLeftCtrl = 29, kRightCtrl = 97, kKeypad8 = 72, kUp = 103, kA = 30, kLeftShift = 42;

class Messages : public MacroPageDialogs {
public:
    explicit Messages(QStringList& out) : out_(out) {}
    void warn(const QString&, const QString& text) override { out_ << text; }
    QString openFile(const QString&, const QString&) override { return {}; }
    QStringList openFiles(const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString folder(const QString&) override { return {}; }
    bool runGunDialog(TarnGunsetDialog&) override { return false; }

private:
    QStringList& out_;
};

class X11Recording : public ::testing::Test {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("MOUSECFG_X11_TESTS"))
            GTEST_SKIP() << "needs its own X server: run through ctest (xvfb-run)";
        injector_ = XOpenDisplay(nullptr);
        ASSERT_NE(injector_, nullptr);
        int event = 0, error = 0, major = 0, minor = 0;
        ASSERT_TRUE(XTestQueryExtension(injector_, &event, &error, &major, &minor));
        service_ = X11KeyCaptureService::create();
        ASSERT_NE(service_, nullptr) << "no XInput 2.2";
        UiContext ui;
        ui.skinDir = QStringLiteral(MOUSECFG_BIN_DIR "/skin");
        UiContext::install(ui);
        page_ = std::make_unique<MacroDialog>(data_.paths(), *service_);
        page_->setDialogs(std::make_unique<Messages>(warnings_));
        page_->setClock([this] { return now_; });
        page_->resize(665, 467);
        page_->show();
    }
    void TearDown() override {
        page_.reset();
        if (injector_) XCloseDisplay(injector_);
    }

    void click(C c) { QTest::mouseClick(page_->button(c), Qt::LeftButton); }
    // Types one key edge (Linux code) at `at` ms and waits until the capture has reported it.
    void key(qint64 at, int evdevCode, bool press) {
        now_ = at;
        XTestFakeKeyEvent(injector_, static_cast<unsigned>(evdevCode + kOffset), press ? True : False, 0);
        XSync(injector_, False);
        auto* capture = qobject_cast<X11KeyCapture*>(page_->keyCapture());
        ASSERT_NE(capture, nullptr);
        capture->sync();
    }
    QVector<MacroEvent> rows() const { return page_->model()->events(); }
    static MacroEvent k(std::uint8_t usage, bool press) { return macro::keyEvent(usage, press); }

    test::TempData data_{true};
    Display* injector_ = nullptr;
    std::unique_ptr<X11KeyCaptureService> service_;
    std::unique_ptr<MacroDialog> page_;
    QStringList warnings_;
    qint64 now_ = 0;
};

TEST_F(X11Recording, TypedKeysBecomeRowsWithTheirPauses) {
    click(C::New);
    QTest::mouseClick(page_->recordDelaysBox(), Qt::LeftButton, Qt::NoModifier, QPoint(6, 10));
    click(C::Start);
    key(1000, kRightCtrl, true);
    key(1030, kRightCtrl, true);  // the key still down: a repeat
    key(1060, kRightCtrl, true);
    key(1095, kKeypad8, true);
    key(1130, kKeypad8, false);  // 35 ms later
    key(1300, kUp, true);
    key(1304, kUp, false);  // 4 ms later
    key(1400, kRightCtrl, false);
    key(1500, kLeftCtrl, true);
    key(1510, kLeftCtrl, false);
    click(C::Stop);
    const QVector<MacroEvent> want = {k(0xE4, true),        macro::delayEvent(9), k(0x60, true),
                                      macro::delayEvent(3), k(0x60, false),       macro::delayEvent(17),
                                      k(0x52, true),        macro::delayEvent(1), k(0x52, false),
                                      macro::delayEvent(9), k(0xE4, false),       macro::delayEvent(10),
                                      k(0xE0, true),        macro::delayEvent(1), k(0xE0, false)};
    EXPECT_EQ(rows(), want);
    EXPECT_TRUE(warnings_.isEmpty());
    EXPECT_EQ(readMacroEvents(data_.paths(), page_->currentMacroName()), want);
    EXPECT_EQ(page_->keyCapture(), nullptr);
}

TEST_F(X11Recording, RowLimitsAndKeysLeftDown) {
    const struct {
        bool delays;
        int rows;
    } cases[] = {{false, 40}, {true, 63}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.delays);
        warnings_.clear();
        click(C::New);
        if (c.delays != page_->recordDelaysBox()->isChecked())
            QTest::mouseClick(page_->recordDelaysBox(), Qt::LeftButton, Qt::NoModifier, QPoint(6, 10));
        click(C::Start);
        qint64 t = 0;
        key(t, kLeftShift, true);  // held over thirty keys: the limit swallows its release
        for (int i = 0; i < 30; ++i) {
            key(t += 20, kA, true);
            key(t += 20, kA, false);
        }
        key(t += 20, kLeftShift, false);
        EXPECT_EQ(rows().size(), c.rows);
        click(C::Stop);
        EXPECT_EQ(warnings_, QStringList{QStringLiteral("ONE OR MORE KEYS HAS NOT BEEN RELEASED.")});
        EXPECT_EQ(readMacroEvents(data_.paths(), page_->currentMacroName()).size(), c.rows);
    }
}

}  // namespace
