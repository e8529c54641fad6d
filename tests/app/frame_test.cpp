// The window frame: start-up, scale, dragging, tabs, the lock while the macro editor records,
// the language menu. (Closing and the tray: tray_test.cpp.)
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QSystemTrayIcon>

#include "app/tabs/macro_tab.h"
#include "app/tabs/product_pictures.h"
#include "app/tabs/tab_list.h"
#include "folder_snapshot.h"
#include "storage/languages.h"
#include "widgets/fit_text.h"
#include "widgets/tarn_push_button.h"
#include "widgets/ui_context.h"
#include "window_rig.h"

using namespace mousecfg;
using test::WindowRig;

namespace {

TEST(Frame, StartUpShowsTheCurrentSlotAndAppearsThroughTheTimer) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    WindowSession& s = w.session();
    EXPECT_EQ(rig.find<QLineEdit>("nameField")->text(), s.currentSlotName());
    EXPECT_EQ(rig.find<TarnPushButton>("profileSelector")->text(),
              QStringLiteral("Profile %1: %2").arg(s.currentSlot() + 1).arg(s.currentSlotName()));
    EXPECT_EQ(rig.find<QLabel>("productLabel")->text(), QStringLiteral("FARROW"));
    EXPECT_EQ(rig.find<TarnPushButton>("applyButton")->text(), QStringLiteral("Apply"));
    EXPECT_EQ(w.currentTab(), TabLighting);
    // Construction started the status thread once: one request once it has made its first pass.
    ASSERT_TRUE(rig.linkPacer.step());
    EXPECT_EQ(rig.statusRequests(), 1);

    // The window appears through the 200 ms timer; with a mouse there, no warning.
    EXPECT_FALSE(w.isVisible());
    rig.scheduler.runPending();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(s.warningShown());

    // The first focus is the open tab's button, not the NAME field: typing renames nothing.
    QCoreApplication::processEvents();
    auto* name = rig.find<QLineEdit>("nameField");
    EXPECT_NE(QApplication::focusWidget(), name);
    EXPECT_EQ(QApplication::focusWidget(), rig.find("tabLighting"));
    QWidget* typed = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
    auto boxes = std::make_shared<test::BoxAnswerer>();
    test::answerBoxes(boxes);  // a rename would ask or warn
    QTest::keyClicks(typed, QStringLiteral("Work"));
    QTest::keyClick(typed, Qt::Key_Return);
    boxes->active = false;
    EXPECT_EQ(boxes->texts.join(QLatin1Char('|')).toStdString(), "");
    EXPECT_EQ(name->text(), QStringLiteral("Profile 1"));
    EXPECT_EQ(s.working().profileNames[0], QStringLiteral("Profile 1"));
    EXPECT_EQ(s.stored().profileNames[0], QStringLiteral("Profile 1"));
    // Tab walks the tab buttons, the NAME field and the open page's controls, every stop one that
    // can be seen, and comes round; Space opens the focused tab.
    QStringList chain;
    for (int i = 0; i < 20; ++i) {
        QWidget* f = QApplication::focusWidget();
        ASSERT_NE(f, nullptr);
        if (i > 0 && f == rig.find("tabLighting")) break;
        EXPECT_TRUE(f->isVisible() && !f->size().isEmpty()) << f->objectName().toStdString();
        chain << f->objectName();
        QTest::keyClick(f, Qt::Key_Tab);
    }
    EXPECT_EQ(chain.mid(0, 6).join(QLatin1Char(' ')).toStdString(),
              "tabLighting tabCustomize tabDpi tabMacro nameField brightSlider");
    EXPECT_LT(chain.size(), 20) << "the chain comes round";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(w.currentTab(), TabDpi);
    EXPECT_EQ(QApplication::focusWidget(), rig.find("tabDpi"));
    EXPECT_EQ(MousecfgWidget::titleFor(QStringLiteral("FARROW"), true),
              QStringLiteral("FARROW (simulated mouse)"));
}

TEST(Frame, AStartWithNothingChangedLeavesEverySettingsFileAsItWas) {
    WindowRig rig;
    // One run of the program: the window is built and shown, the status thread reports the
    // battery and the mouse's state, the start-up timers run out, and the window goes.
    const auto run = [&rig] {
        MousecfgWidget& w = rig.create();
        QSignalSpy reports(&w.session(), &WindowSession::batteryChanged);
        w.show();
        EXPECT_TRUE(rig.statusUntil([&] { return !reports.isEmpty(); }));
        rig.scheduler.runPending();
        QCoreApplication::processEvents();
        rig.window.reset();
    };
    run();  // the first run may store what the mouse told it (battery level, product)
    const auto before = test::snapshot(rig.data.root());
    ASSERT_FALSE(before.empty());
    run();
    EXPECT_TRUE(test::unchanged(before, test::snapshot(rig.data.root())));
}

TEST(Frame, TheSidePictureIsDecodedWhenFirstShown) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    auto* pictures = w.findChild<ProductPictures*>();
    auto* side = rig.find<QLabel>("sidePicture");
    ASSERT_TRUE(pictures && side);
    EXPECT_TRUE(side->pixmap().isNull()) << "not shown yet";
    pictures->show(ProductPictures::View::Side);
    EXPECT_EQ(side->pixmap().height(), 300);
}

TEST(Frame, ScaleLevelsFollowTheScreenDpi) {
    struct Case {
        double dpi;
        QSize size;
        double factor;
    };
    const Case cases[] = {{96, {999, 640}, 1.0}, {120, {1248, 800}, 1.25}, {144, {1498, 960}, 1.5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        WindowRig rig(SimulatedMouse::Options{}, c.dpi);
        MousecfgWidget& w = rig.create();
        w.switchPage(TabDpi);  // its pages come on first use
        const double f = c.factor;
        EXPECT_EQ(w.size(), c.size);
        EXPECT_EQ(rig.find("applyButton")->geometry(),
                  QRect(int(597 * f), int(588 * f), int(76 * f), int(30 * f)));
        EXPECT_EQ(rig.find("TarnDPIWindow")->geometry(),
                  QRect(int(285 * f), int(90 * f), int(456 * f), int(460 * f)));
        EXPECT_EQ(rig.find("batteryGauge")->mapTo(&w, QPoint()), QPoint(int(75 * f), int(587 * f)));
        EXPECT_EQ(rig.find("addButton")->geometry(),
                  QRect(int(69 * f), int(342 * f), int(24 * f), int(24 * f)));
        EXPECT_EQ(rig.find("profileSelector")->geometry(),
                  QRect(int(69 * f), int(246 * f), int(154 * f), int(29 * f)));
    }
}

TEST(Frame, DraggingMovesTheWindowOnlyPastTheThreshold) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    w.move(100, 100);
    w.show();
    const QPoint start = w.frameGeometry().topLeft();
    const QPoint local(400, 20);
    const QPoint global = w.mapToGlobal(local);
    auto send = [&](QEvent::Type type, QPoint offset) {
        QMouseEvent e(type, local + offset, global + offset, Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &e);
    };
    send(QEvent::MouseButtonPress, {});
    send(QEvent::MouseMove, {3, 1});
    EXPECT_EQ(w.frameGeometry().topLeft(), start);
    send(QEvent::MouseMove, {3, 2});
    EXPECT_EQ(w.frameGeometry().topLeft(), start + QPoint(3, 2));
    send(QEvent::MouseMove, {-40, 25});
    EXPECT_EQ(w.frameGeometry().topLeft(), start + QPoint(-40, 25));
    send(QEvent::MouseButtonRelease, {-40, 25});
    send(QEvent::MouseMove, {100, 100});
    EXPECT_EQ(w.frameGeometry().topLeft(), start + QPoint(-40, 25)) << "released: no more dragging";
}

TEST(Frame, TabsSwitchPagesAndRecordingLocksTheControls) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    EXPECT_EQ(w.findChild<QSystemTrayIcon*>(), nullptr) << "the tray comes after the first frame";
    w.show();
    struct Case {
        const char* tab;
        int index;
        QStringList visible;
    };
    const Case cases[] = {
        {"tabDpi", TabDpi, {"TarnDPIWindow", "TarnPointSpeed", "TarnReportRate"}},
        {"tabMacro", TabMacro, {"MacroDialog"}},
        {"tabCustomize", TabCustomize, {"buttonScrollArea", "frontPicture", "productLabel", "upButton"}},
        {"tabLighting", TabLighting, {"TarnColorWindow", "frontPicture", "productLabel"}},
    };
    const QStringList pages{"TarnDPIWindow",   "TarnPointSpeed",   "TarnReportRate", "MacroDialog",
                            "TarnColorWindow", "buttonScrollArea", "frontPicture",   "sidePicture",
                            "productLabel",    "upButton"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tab);
        QTest::mousePress(rig.find(c.tab), Qt::LeftButton);
        EXPECT_EQ(w.currentTab(), c.index) << "the press itself switches";
        QTest::mouseRelease(rig.find(c.tab), Qt::LeftButton);
        // A page is made the first time its tab is shown: one not made yet counts as hidden.
        for (const QString& p : pages) {
            QWidget* page = rig.find(qPrintable(p));
            EXPECT_EQ(page && page->isVisible(), c.visible.contains(p)) << p.toStdString();
        }
        for (const char* t : {"tabLighting", "tabCustomize", "tabDpi", "tabMacro"})
            EXPECT_EQ(rig.find<TarnPushButton>(t)->checkedState(), QLatin1String(t) == QLatin1String(c.tab));
    }

    // The macro editor locks the window's controls while it records.
    auto* macro = w.findChild<MacroTab*>();
    ASSERT_NE(macro, nullptr);
    Q_EMIT macro->windowControlsEnabled(false);
    for (const char* name : {"applyButton", "mouseSelector", "resetAllButton", "languageButton", "tabDpi"})
        EXPECT_FALSE(rig.find<TarnPushButton>(name)->isButtonEnabled()) << name;
    EXPECT_FALSE(rig.find("nameField")->isEnabled());
    rig.click("tabMacro");
    EXPECT_EQ(w.currentTab(), TabLighting) << "locked while the macro editor records";
    Q_EMIT macro->windowControlsEnabled(true);
    rig.click("tabMacro");
    EXPECT_EQ(w.currentTab(), TabMacro);
}

TEST(Frame, TheLanguageMenuSwitchesEveryCaptionAndAMissingFileChangesNothing) {
    WindowRig rig;
    rig.setConfig(QStringLiteral("FONT_LIST/LangFile_1"), QStringLiteral("mousecfg_missing"));
    MousecfgWidget& w = rig.create();
    w.show();
    auto* language = rig.find<TarnPushButton>("languageButton");
    ASSERT_FALSE(language->isHidden());
    EXPECT_EQ(language->text(), QStringLiteral("English"));

    test::chooseLanguage(rig, 2);
    EXPECT_EQ(language->text(), QStringLiteral("Deutsch"));
    EXPECT_EQ(languages::loadLanguageId(rig.paths), 2);
    const QString applyDe = rig.find<TarnPushButton>("applyButton")->text();
    const QString dpiDe = rig.find<TarnPushButton>("tabDpi")->text();
    EXPECT_NE(applyDe, QStringLiteral("Apply"));
    EXPECT_EQ(rig.find<TarnPushButton>("resetAllButton")->text(),
              QCoreApplication::translate("mousecfg::ProfileBar", "Reset All"));
    EXPECT_NE(rig.find<TarnPushButton>("resetAllButton")->text(), QStringLiteral("Reset All"));

    // Chinese has no translation file here: the German texts, font and choice stay, and a box
    // says why nothing changed.
    const QString fontBefore = UiContext::current().fontFamily;
    QStringList boxes;
    {
        auto watch = test::onModal<TarnMessageBox>([&boxes](TarnMessageBox* box) {
            boxes << box->textLabel()->text();
            QTest::mouseClick(box->confirmButton(), Qt::LeftButton);
        });
        test::chooseLanguage(rig, 1);
    }
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes.front().contains(languages::loadLanguageTable(rig.paths).names[1]))
        << boxes.front().toStdString();
    EXPECT_EQ(language->text(), QStringLiteral("Deutsch"));
    EXPECT_EQ(languages::loadLanguageId(rig.paths), 2);
    EXPECT_EQ(rig.find<TarnPushButton>("applyButton")->text(), applyDe);
    EXPECT_EQ(rig.find<TarnPushButton>("tabDpi")->text(), dpiDe);
    EXPECT_EQ(UiContext::current().fontFamily, fontBefore);

    test::chooseLanguage(rig, 0);
    EXPECT_EQ(rig.find<TarnPushButton>("applyButton")->text(), QStringLiteral("Apply"));
    // Switching languages never restarts the status thread.
    ASSERT_TRUE(rig.linkPacer.step());
    EXPECT_EQ(rig.statusRequests(), 1);
}

TEST(Frame, TheLogoShrinksToFitItsLabelButNeverBelowTheFloor) {
    enum class Fit { Full, Shrunk, Floor };
    const struct {
        QString model;
        Fit fit;
    } cases[] = {
        {QStringLiteral("X1"), Fit::Full},
        {QStringLiteral("WIRELESS GAMING MOUSE ULTRA"), Fit::Shrunk},
        {QString(400, QLatin1Char('W')), Fit::Floor},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model.left(30).toStdString());
        WindowRig rig;
        rig.setConfig(QStringLiteral("Config/Model"), c.model);
        rig.create();
        auto* logo = rig.find<QLabel>("logoLabel");
        ASSERT_EQ(logo->text(), c.model);
        const int size = logo->font().pixelSize();
        const int full = UiContext::current().scaled(22);
        const auto width = [&c](int pixels) {
            QFont f = UiContext::current().font();
            f.setBold(true);
            f.setPixelSize(pixels);
            return QFontMetrics(f).horizontalAdvance(c.model);
        };
        switch (c.fit) {
            case Fit::Full:
                EXPECT_EQ(size, full);
                break;
            case Fit::Shrunk:
                // The largest size that fits.
                EXPECT_LT(size, full);
                EXPECT_GT(size, kMinFitPixelSize);
                EXPECT_LE(width(size), logo->width());
                EXPECT_GT(width(size + 1), logo->width());
                break;
            case Fit::Floor:
                EXPECT_EQ(size, kMinFitPixelSize);
                break;
        }
    }
}

}  // namespace
