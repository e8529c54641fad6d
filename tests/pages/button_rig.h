#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

#include "fake_key_capture.h"
#include "pages/buttons/button_dialog.h"
#include "widgets/tarn_push_button.h"

namespace mousecfg::test {

// Runs `act` on the dialog of type D once it is open (modal dialogs run their own event loop, so
// the test reaches them through the loop). Keep the returned script until the dialog has been
// handled: a dialog that never showed up by then is a failure, and the script stops looking.
class [[nodiscard]] DialogScript {
public:
    struct State {
        bool done = false;
        bool cancelled = false;
    };
    explicit DialogScript(std::shared_ptr<State> state) : state_(std::move(state)) {}
    DialogScript(DialogScript&&) = default;
    ~DialogScript() {
        if (!state_) return;
        if (!state_->done) ADD_FAILURE() << "the expected dialog did not open";
        state_->cancelled = true;
    }

private:
    std::shared_ptr<State> state_;
};

template <class D>
DialogScript whenOpen(std::function<void(D*)> act) {
    auto state = std::make_shared<DialogScript::State>();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [act, state, poll] {
        if (state->cancelled) {
            *poll = nullptr;
            return;
        }
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* d = qobject_cast<D*>(w); d && d->isVisible()) {
                state->done = true;
                act(d);
                *poll = nullptr;
                return;
            }
        }
        QTimer::singleShot(0, *poll);
    };
    QTimer::singleShot(0, *poll);
    return DialogScript(state);
}

// Clicks the Yes or No button of a skinned dialog.
inline void clickYes(ButtonDialog* d) {
    QTest::mouseClick(d->yesButton(), Qt::LeftButton);
}
inline void clickNo(ButtonDialog* d) {
    QTest::mouseClick(d->noButton(), Qt::LeftButton);
}

// Opens `button`'s drop-down menu with a click and walks `path` with the keys: each entry is
// made current, Right opens a sub-menu, Return chooses the last one.
inline void chooseFromMenu(QPushButton* button, const QStringList& path) {
    auto ran = std::make_shared<bool>(false);
    QTimer::singleShot(0, [path, ran] {
        *ran = true;
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (int i = 0; menu && i < path.size(); ++i) {
            QAction* target = nullptr;
            for (QAction* a : menu->actions())
                if (a->text() == path[i] && a->isVisible()) target = a;
            if (!target) {
                ADD_FAILURE() << "no menu entry " << path[i].toStdString();
                menu->close();
                return;
            }
            menu->setActiveAction(target);
            if (i + 1 < path.size()) {
                QTest::keyClick(menu, Qt::Key_Right);
                menu = target->menu();
            } else {
                QTest::keyClick(menu, Qt::Key_Return);
            }
        }
        if (!menu) ADD_FAILURE() << "no menu open";
    });
    QTest::mouseClick(button, Qt::LeftButton);
    // No menu means no event loop ran the walk: run it now, so it reports here.
    if (!*ran) QApplication::processEvents();
}

// The entries of a menu as shown, sub-menus by their title.
inline QStringList menuTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* a : menu->actions()) texts << a->text();
    return texts;
}

}  // namespace mousecfg::test
