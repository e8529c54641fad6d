#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTableView>
#include <QTimer>
#include <functional>

#include "fake_key_capture.h"
#include "page_fixture.h"
#include "pages/macros/macro_dialog.h"
#include "pages/macros/macro_page_dialogs.h"
#include "pages/macros/tarn_gunset_dialog.h"
#include "storage/macro_event_model.h"
#include "widgets/tarn_push_button.h"

namespace mousecfg::test {

// Answers the page's questions: messages are collected, file dialogs return what the test set,
// the gun dialog is filled by `gun` (its real widgets) and answered by its own Yes or No.
class FakeMacroDialogs : public MacroPageDialogs {
public:
    void warn(const QString&, const QString& text) override { warnings << text; }
    QString openFile(const QString&, const QString&) override { return openFiles_.value(0); }
    QStringList openFiles(const QString&, const QString&) override { return openFiles_; }
    QString saveFile(const QString&, const QString& proposed, const QString&) override {
        proposedName = proposed;
        return saveTo;
    }
    QString folder(const QString&) override { return saveTo; }
    bool runGunDialog(TarnGunsetDialog& dialog) override {
        dialog.show();
        if (gun) gun(dialog);
        return dialog.result() == QDialog::Accepted;
    }

    QStringList warnings;
    QStringList openFiles_;
    QString saveTo;
    QString proposedName;
    std::function<void(TarnGunsetDialog&)> gun;
};

// The macro page on a fresh copy of the shipped data, with a fake capture and a clock the test
// sets.
struct MacroPageRig {
    using C = MacroDialog::Control;

    // The page on its own data, or on `shared` (another rig's data folder).
    explicit MacroPageRig(const Paths* shared = nullptr)
        : data(true), paths(shared ? *shared : data.paths()) {
        installTestUi();
        page = std::make_unique<MacroDialog>(paths, capture);
        auto d = std::make_unique<FakeMacroDialogs>();
        dialogs = d.get();
        page->setDialogs(std::move(d));
        page->setClock([this] { return now; });
        page->resize(665, 467);
        page->show();
    }

    void click(C control) { QTest::mouseClick(page->button(control), Qt::LeftButton); }
    static void click(QCheckBox* box) {
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
    }
    // Clicks row `row` of the event table.
    void clickRow(int row) {
        QTableView* t = page->table();
        t->scrollTo(page->model()->index(row, 0));
        QTest::mouseClick(t->viewport(), Qt::LeftButton, Qt::NoModifier,
                          t->visualRect(page->model()->index(row, 1)).center());
    }
    // Clicks entry `row` of the macro list.
    void clickMacro(int row) {
        QListWidget* l = page->macroList();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier,
                          l->visualItemRect(l->item(row)).center());
    }
    // Opens the menu of `button` with a click and picks entry `index` with the keys.
    static void chooseFromMenu(QPushButton* button, int index) {
        QTimer::singleShot(0, [index] {
            QWidget* popup = QApplication::activePopupWidget();
            ASSERT_NE(qobject_cast<QMenu*>(popup), nullptr);
            for (int i = 0; i <= index; ++i) QTest::keyClick(popup, Qt::Key_Down);
            QTest::keyClick(popup, Qt::Key_Return);
        });
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // Types `text` into a field, replacing what it held.
    static void type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    // A key typed at `at` ms: press, or release with the 0x80 flag.
    void key(qint64 at, quint16 scan, quint32 flags = 0) {
        now = at;
        capture.send(scan, flags);
    }

    QVector<MacroEvent> rows() const { return page->model()->events(); }
    int current() const { return page->table()->currentIndex().row(); }
    QStringList listed() const {
        QStringList out;
        for (int i = 0; i < page->macroList()->count(); ++i) out << page->macroList()->item(i)->text();
        return out;
    }
    QByteArray file(const QString& name) const {
        QFile f(macroFilePath(paths, name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TempData data;
    Paths paths;
    FakeKeyCaptureService capture;
    qint64 now = 1000;
    std::unique_ptr<MacroDialog> page;
    FakeMacroDialogs* dialogs = nullptr;
};

}  // namespace mousecfg::test
