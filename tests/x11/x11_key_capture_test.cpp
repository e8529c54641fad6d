// The XInput2 key capture against a real X server. CTest runs this program under xvfb-run with
// MOUSECFG_X11_TESTS=1; run by hand without that variable it skips, so it never types into the
// desktop it was started from.
#include "platform/x11_key_capture.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QWidget>
#include <vector>

// Xlib last: its macros (None, Status, KeyPress ...) clash with names in the headers above.
// clang-format off
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
// clang-format on

using namespace mousecfg;

namespace {

constexpr int kOffset = 8;  // X key code = Linux key code + 8

class X11Capture : public ::testing::Test {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("MOUSECFG_X11_TESTS"))
            GTEST_SKIP() << "needs its own X server: run through ctest (xvfb-run)";
        app_ = XOpenDisplay(nullptr);
        injector_ = XOpenDisplay(nullptr);
        ASSERT_NE(app_, nullptr);
        ASSERT_NE(injector_, nullptr);
        int event = 0, error = 0, major = 0, minor = 0;
        ASSERT_TRUE(XTestQueryExtension(injector_, &event, &error, &major, &minor));

        // Another client's window with the keyboard focus: where the keys are meant to go.
        window_ = XCreateSimpleWindow(app_, DefaultRootWindow(app_), 0, 0, 100, 100, 0, 0, 0);
        XSelectInput(app_, window_, KeyPressMask | KeyReleaseMask);
        XMapWindow(app_, window_);
        XSync(app_, False);
        XSetInputFocus(app_, window_, RevertToPointerRoot, CurrentTime);
        XSync(app_, False);

        service_ = X11KeyCaptureService::create();
        ASSERT_NE(service_, nullptr) << "no XInput 2.2";
    }
    void TearDown() override {
        if (app_) XCloseDisplay(app_);
        if (injector_) XCloseDisplay(injector_);
    }

    // Types one key (Linux code) with XTest as a keyboard would.
    void key(int evdevCode, bool press) {
        XTestFakeKeyEvent(injector_, static_cast<unsigned>(evdevCode + kOffset), press ? True : False, 0);
        XSync(injector_, False);
    }
    // The key codes and directions that reached the focused window.
    std::vector<std::pair<int, bool>> windowKeys() {
        std::vector<std::pair<int, bool>> keys;
        XSync(app_, False);
        while (XPending(app_) > 0) {
            XEvent e;
            XNextEvent(app_, &e);
            if ((e.type == KeyPress || e.type == KeyRelease) && e.xkey.window == window_)
                keys.emplace_back(static_cast<int>(e.xkey.keycode) - kOffset, e.type == KeyPress);
        }
        return keys;
    }

    Display* app_ = nullptr;
    Display* injector_ = nullptr;
    Window window_ = 0;
    std::unique_ptr<X11KeyCaptureService> service_;
    QWidget asker_;
};

TEST_F(X11Capture, KeysTypedIntoAnotherWindowAreReportedWithTheirFlagsAndStillArrive) {
    std::unique_ptr<KeyCapture> capture = service_->begin(&asker_);
    auto* x11 = qobject_cast<X11KeyCapture*>(capture.get());
    ASSERT_NE(x11, nullptr);
    ASSERT_TRUE(x11->running());
    QSignalSpy spy(capture.get(), &KeyCapture::keyEvent);

    const struct {
        int evdev;
        bool press;
        quint16 scan;
        quint32 flags;
    } typed[] = {
        {28, true, 0x1C, 0x00},   {28, false, 0x1C, 0x80},   // main Enter
        {96, true, 0x1C, 0x01},   {96, false, 0x1C, 0x81},   // keypad Enter: extended
        {97, true, 0x1D, 0x01},   {97, false, 0x1D, 0x81},   // right Ctrl
        {119, true, 0x45, 0x00},  {119, false, 0x45, 0x80},  // Pause
        {69, true, 0x45, 0x01},   {69, false, 0x45, 0x81},   // Num Lock
        {56, true, 0x38, 0x20},   {15, true, 0x0F, 0x20},    // left Alt held, Tab
        {15, false, 0x0F, 0xA0},  {56, false, 0x38, 0x80},
        {100, true, 0x38, 0x21},  {100, false, 0x38, 0x81},  // right Alt
        {103, true, 0x48, 0x01},  {72, true, 0x48, 0x00},    // Up arrow, keypad 8
        {103, false, 0x48, 0x81}, {72, false, 0x48, 0x80},
    };
    std::vector<std::pair<int, bool>> expectedInWindow;
    for (const auto& k : typed) {
        key(k.evdev, k.press);
        expectedInWindow.emplace_back(k.evdev, k.press);
    }
    x11->sync();

    ASSERT_EQ(spy.count(), static_cast<int>(std::size(typed)));
    for (int i = 0; i < spy.count(); ++i) {
        const auto e = spy.at(i).at(0).value<RawKeyEvent>();
        EXPECT_EQ(e.scanCode, typed[i].scan) << "event " << i;
        EXPECT_EQ(e.flags, typed[i].flags) << "event " << i;
    }
    // Nothing was swallowed: the focused window got every key, in order.
    EXPECT_EQ(windowKeys(), expectedInWindow);
}

TEST_F(X11Capture, OneCaptureAtATimeAndNothingAfterItEnds) {
    std::unique_ptr<KeyCapture> first = service_->begin(&asker_);
    std::unique_ptr<KeyCapture> second = service_->begin(&asker_);
    auto* x1 = qobject_cast<X11KeyCapture*>(first.get());
    auto* x2 = qobject_cast<X11KeyCapture*>(second.get());
    ASSERT_TRUE(x1 && x2);
    EXPECT_FALSE(x1->running());
    QSignalSpy spy1(first.get(), &KeyCapture::keyEvent);
    QSignalSpy spy2(second.get(), &KeyCapture::keyEvent);
    key(30, true);
    key(30, false);
    x1->sync();  // harmless on an ended capture
    x2->sync();
    EXPECT_EQ(spy1.count(), 0);
    EXPECT_EQ(spy2.count(), 2);
    second.reset();
    key(30, true);
    key(30, false);
    EXPECT_EQ(windowKeys().size(), 4u);
}

}  // namespace
