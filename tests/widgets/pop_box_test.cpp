#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "widget_test_support.h"
#include "widgets/tarn_pop_box.h"

namespace mousecfg {
namespace {

class PopBoxTest : public ::testing::Test {
protected:
    PopBoxTest() : ui_(context()) {}
    static UiContext context() {
        UiContext c;
        c.skinDir = test::builtSkinDir();
        c.scale = 2.0;  // the pop box ignores it
        return c;
    }
    test::ScopedUiContext ui_;
};

TEST_F(PopBoxTest, EntryRefusesTheFortyFirstCharacter) {
    TarnPopBox box(1, QString(), QStringLiteral("Add"), QStringLiteral("Name:"));
    const QString typed = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGH");  // 44
    QTest::keyClicks(box.lineEdit(), typed);
    EXPECT_EQ(box.lineEdit()->text(), typed.left(40));
    EXPECT_EQ(box.enteredText(), typed.left(40));
    // Pasted text is cut the same way.
    box.lineEdit()->clear();
    box.lineEdit()->insert(typed);
    EXPECT_EQ(box.enteredText().size(), 40);
}

TEST_F(PopBoxTest, ConfirmAcceptsCancelRejectsAndTheTextIsKept) {
    {
        TarnPopBox box(1, QString(), QStringLiteral("Add"), QStringLiteral("Name:"));
        QTimer::singleShot(0, &box, [&] {
            QTest::keyClicks(box.lineEdit(), QStringLiteral("Sniper"));
            QTest::mouseClick(box.confirmButton(), Qt::LeftButton);
        });
        EXPECT_EQ(box.exec(), QDialog::Accepted);
        EXPECT_EQ(box.enteredText(), QStringLiteral("Sniper"));
        EXPECT_EQ(box.confirmButton()->text(), QStringLiteral("Yes"));
    }
    {
        TarnPopBox box(2, QString(), QStringLiteral("Add"), QStringLiteral("Name:"));
        QTimer::singleShot(0, &box, [&] {
            QTest::keyClicks(box.lineEdit(), QStringLiteral("x"));
            QTest::mouseClick(box.cancelButton(), Qt::LeftButton);
        });
        EXPECT_EQ(box.exec(), QDialog::Rejected);
        EXPECT_EQ(box.confirmButton()->text(), QStringLiteral("Ok"));
        EXPECT_EQ(box.cancelButton()->text(), QStringLiteral("No"));
    }
}

TEST_F(PopBoxTest, FixedDesignSizeAndLabels) {
    TarnPopBox box(1, QString(), QStringLiteral("Add profile"), QStringLiteral("Name:"));
    EXPECT_EQ(box.size(), QSize(478, 309));
    EXPECT_EQ(box.findChild<QLabel*>(QStringLiteral("msgBoxInfoLabel1"))->text(),
              QStringLiteral("Add profile"));
    EXPECT_TRUE(box.captionLabel()->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(box.findChild<QLabel*>(QStringLiteral("msgBoxInfoLabel2"))->text(), QStringLiteral("Name:"));
    EXPECT_TRUE(box.textLabel()->alignment() & Qt::AlignLeft);
    EXPECT_NE(box.findChild<QToolButton*>(QStringLiteral("msgBoxYesBtn")), nullptr);
    EXPECT_NE(box.findChild<QToolButton*>(QStringLiteral("msgBoxNoBtn")), nullptr);
}

}  // namespace
}  // namespace mousecfg
