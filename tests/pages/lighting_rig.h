#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "pages/lighting/tarn_color_area.h"
#include "pages/lighting/tarn_color_window.h"
#include "widgets/tarn_push_button.h"

namespace mousecfg::test {

// A named child of the page or dialog; the test fails when it is missing.
template <class T>
T* part(const QObject& parent, const char* name) {
    T* w = parent.findChild<T*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// The effect menu's order, as a user sees it from the top.
constexpr int kMenuModes[] = {1, 2, 3, 4, 9, 11, 10, 12, 13, 0};

// Opens the effect menu with a click on its button and picks `mode` with the arrow keys.
inline void chooseEffect(TarnColorWindow& page, int mode) {
    int row = 0;
    while (row < 10 && kMenuModes[row] != mode) ++row;
    ASSERT_LT(row, 10) << "effect " << mode << " is not in the menu";
    QTimer::singleShot(0, [row] {
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(qobject_cast<QMenu*>(popup), nullptr);
        for (int i = 0; i <= row; ++i) QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    });
    QTest::mouseClick(part<TarnPushButton>(page, "effectButton"), Qt::LeftButton);
}

// Clicks the page's colour swatch, lets `edit` work on the colour editor that opens and closes
// it with APPLY (accept) or Cancel.
inline void editColour(TarnColorWindow& page, const std::function<void(TarnColorArea&)>& edit, bool accept) {
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<TarnColorArea*>(QApplication::activeModalWidget());
        if (!editor) {
            if (QWidget* other = QApplication::activeModalWidget()) other->close();
            return;
        }
        opened = true;
        edit(*editor);
        QTest::mouseClick(part<QToolButton>(*editor, accept ? "colorApplyBtn" : "colorCancelBtn"),
                          Qt::LeftButton);
    });
    QTest::mouseClick(part<QWidget>(page, "colourSwatch"), Qt::LeftButton);
    // When no editor opened, the queued check runs here, while what it refers to still exists.
    QCoreApplication::processEvents();
    EXPECT_TRUE(opened) << "no colour editor opened";
}

}  // namespace mousecfg::test
