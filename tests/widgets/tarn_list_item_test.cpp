#include "widgets/tarn_list_item.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QSignalSpy>
#include <QTest>

#include "widget_test_support.h"
#include "widgets/tarn_label.h"
#include "widgets/tarn_line_edit.h"

namespace mousecfg {
namespace {

class TarnListItemTest : public ::testing::Test {
protected:
    TarnListItemTest() : item(&list) {
        list.resize(200, 40);
        item.setGeometry(0, 0, 120, 24);
        list.show();
    }
    // Types `text` into a freshly opened field and presses Enter.
    void typeDelay(const QString& text) {
        item.enterEditMode();
        item.lineEdit()->clear();
        QTest::keyClicks(item.lineEdit(), text);
        QTest::keyClick(item.lineEdit(), Qt::Key_Return);
    }
    static void loseFocus(QWidget* w) {
        QFocusEvent e(QEvent::FocusOut, Qt::MouseFocusReason);
        QApplication::sendEvent(w, &e);
    }

    QWidget list;
    TarnListItem item;
};

TEST_F(TarnListItemTest, DelayEditsAreClampedAndRoundedDownToTenMilliseconds) {
    struct Case {
        const char* typed;
        int high, low, ms;
    };
    const Case cases[] = {
        {"5", 0, 1, 10},           {"0", 0, 1, 10},           {"9", 0, 1, 10},
        {"10", 0, 1, 10},          {"19", 0, 1, 10},          {"1234", 0, 123, 1230},
        {"2560", 1, 0, 2560},      {"65529", 25, 152, 65520}, {"65530", 25, 153, 65530},
        {"65539", 25, 153, 65530}, {"70000", 25, 153, 65530}, {"9999999", 25, 153, 65530},
    };
    item.setKindAndValue(TarnListItem::kDelayKind, 0, 50);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        typeDelay(QLatin1String(c.typed));
        EXPECT_EQ(item.high(), c.high);
        EXPECT_EQ(item.low(), c.low);
        EXPECT_EQ(item.delayMs(), c.ms);
        EXPECT_EQ(item.label()->text(), QString::number(c.ms) + QStringLiteral(" ms"));
        EXPECT_FALSE(item.isEditing());
        EXPECT_FALSE(item.label()->isHidden());
    }
}

TEST_F(TarnListItemTest, EditModeShowsTheStoredValueAndLosingFocusDiscardsTheEdit) {
    item.setKindAndValue(TarnListItem::kDelayKind, 1, 2);  // 258 steps
    EXPECT_EQ(item.label()->text(), QStringLiteral("2580 ms"));
    item.enterEditMode();
    EXPECT_TRUE(item.isEditing());
    EXPECT_TRUE(item.label()->isHidden());
    EXPECT_EQ(item.lineEdit()->text(), QStringLiteral("2580"));
    EXPECT_EQ(item.lineEdit()->cursorPosition(), 4);

    QTest::keyClicks(item.lineEdit(), QStringLiteral("0"));
    loseFocus(item.lineEdit());
    EXPECT_FALSE(item.isEditing());
    EXPECT_FALSE(item.label()->isHidden());
    EXPECT_EQ(item.delayMs(), 2580);
    EXPECT_EQ(item.lineEdit()->text(), QStringLiteral("2580"));

    // The field takes digits only.
    item.enterEditMode();
    item.lineEdit()->clear();
    QTest::keyClicks(item.lineEdit(), QStringLiteral("1a2-3"));
    EXPECT_EQ(item.lineEdit()->text(), QStringLiteral("123"));
}

TEST_F(TarnListItemTest, RowsThatAreNotDelaysDoNotOpenTheField) {
    item.setKindAndValue(4, 0, 30);
    item.setText(QStringLiteral("A"));
    item.enterEditMode();
    EXPECT_FALSE(item.isEditing());
    EXPECT_EQ(item.label()->text(), QStringLiteral("A"));
}

TEST(TarnLineEditTest, ReportsEveryLossOfFocusAndNothingElse) {
    TarnLineEdit edit;
    QSignalSpy lost(&edit, &TarnLineEdit::tarnLostFocus);
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&edit, &in);
    QTest::keyClicks(&edit, QStringLiteral("abc"));
    EXPECT_EQ(lost.count(), 0);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&edit, &out);
    EXPECT_EQ(lost.count(), 1);
    QApplication::sendEvent(&edit, &in);
    QApplication::sendEvent(&edit, &out);
    EXPECT_EQ(lost.count(), 2);
}

}  // namespace
}  // namespace mousecfg
