#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "app/window/mousecfg_widget.h"
#include "session_rig.h"
#include "widgets/device_ready.h"
#include "widgets/tarn_message_box.h"

namespace mousecfg::test {

// The polling box's clock, ticked by hand.
class ManualTicker : public PollTicker {
    Q_OBJECT
public:
    void start() override { running = true; }
    void stop() override { running = false; }
    void fire() { Q_EMIT tick(); }
    bool running = false;
};

// The main window over the session rig's services, with the polling box's clock in the test's
// hands. A notification area is there (the offscreen platform has none: tests of that case reset
// `services.trayAvailable`); ending the program and starting the updater are recorded.
struct WindowRig : SessionRig {
    explicit WindowRig(SimulatedMouse::Options options = {}, double dpi = 96.0) : SessionRig(options, dpi) {
        services.makePollTicker = [this] {
            ticker = new ManualTicker;
            return ticker.data();
        };
        services.trayAvailable = [] { return true; };
        services.quit = [this](int code) { quitCodes.push_back(code); };
        services.startDetached = [this](const QString& program) {
            started << program;
            return startSucceeds;
        };
    }
    ~WindowRig() { window.reset(); }

    MousecfgWidget& create() {
        window = std::make_unique<MousecfgWidget>(services);
        return *window;
    }
    // A widget of the window by object name (and type); null when there is none.
    template <typename T = QWidget>
    T* find(const char* objectName) const {
        return window->findChild<T*>(QLatin1String(objectName));
    }
    void click(const char* objectName) const { QTest::mouseClick(find(objectName), Qt::LeftButton); }

    QPointer<ManualTicker> ticker;
    std::unique_ptr<MousecfgWidget> window;
    std::vector<int> quitCodes;
    QStringList started;
    bool startSucceeds = true;
};

// Chooses entry `index` of a drop-down with the keyboard, after a real click on its button.
inline void chooseFromMenu(QWidget* button, int index) {
    QTimer::singleShot(0, [index] {
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(qobject_cast<QMenu*>(popup), nullptr);
        for (int i = 0; i <= index; ++i) QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    });
    QTest::mouseClick(button, Qt::LeftButton);
}

// Chooses entry `index` of the language menu with the keyboard, after a real click on the button.
inline void chooseLanguage(WindowRig& rig, int index) {
    chooseFromMenu(rig.find("languageButton"), index);
}

// Runs `fn` on the first modal dialog of type T that comes up, from inside its event loop. The
// watch ends with the returned token: keep it while the dialog is expected.
using ModalWatch = std::shared_ptr<int>;
template <typename T, typename Fn>
void watchModal(std::weak_ptr<int> alive, Fn fn) {
    QTimer::singleShot(0, [alive, fn]() mutable {
        if (alive.expired()) return;
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget()))
            fn(w);
        else
            watchModal<T>(alive, fn);
    });
}
template <typename T, typename Fn>
[[nodiscard]] ModalWatch onModal(Fn fn) {
    auto token = std::make_shared<int>(0);
    watchModal<T>(token, fn);
    return token;
}

// Answers every message box that comes up with its confirming button while it is active.
struct BoxAnswerer {
    QStringList texts;
    bool active = true;
};

inline void answerBoxes(const std::shared_ptr<BoxAnswerer>& a) {
    QTimer::singleShot(0, [a] {
        if (!a->active) return;
        auto* box = qobject_cast<TarnMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isVisible()) {
            a->texts << box->textLabel()->text();
            QTest::mouseClick(box->confirmButton(), Qt::LeftButton);
        }
        answerBoxes(a);
    });
}

// Clicks `button`, confirms every message box that follows and returns their texts in order.
// The answering stops before returning, so no later test's box is answered by this one.
inline QStringList clickAndConfirm(QWidget* button) {
    auto a = std::make_shared<BoxAnswerer>();
    answerBoxes(a);
    QTest::mouseClick(button, Qt::LeftButton);
    for (int i = 0; i < 25; ++i) QCoreApplication::processEvents();
    a->active = false;
    return a->texts;
}

}  // namespace mousecfg::test
