// mousecfg-button-shots: draws the main window's CUSTOMIZE tab (front and side view, an open
// menu) and each of the button page's dialogs at interface scale levels 0 and 2, against the
// simulated mouse, and saves PNGs of them (scripts/screenshot). A tool for the documentation, not
// part of the program.
#include <QApplication>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <cstdio>

#include "app/tabs/tab_list.h"
#include "app/window/mousecfg_widget.h"
#include "device/button_functions.h"
#include "pages/buttons/tarn_btn_window.h"
#include "pages/buttons/tarn_combo_key_window.h"
#include "pages/buttons/tarn_fire_key_window.h"
#include "pages/buttons/tarn_macro_select.h"
#include "pages/buttons/tarn_single_key_window.h"
#include "pages/buttons/tarn_sniper_window.h"
#include "shots/shot_support.h"
#include "storage/app_settings.h"
#include "storage/macro_files.h"
#include "widgets/tarn_menu.h"
#include "widgets/tarn_push_button.h"

using namespace mousecfg;

namespace {

// Keys are "typed" by the program itself.
class ScriptedKeys : public KeyCaptureService {
public:
    explicit ScriptedKeys(bool systemWide) : systemWide_(systemWide) {}
    bool systemWide() const override { return systemWide_; }
    QString name() const override { return QStringLiteral("scripted"); }
    std::unique_ptr<KeyCapture> begin(QWidget*) override {
        auto capture = std::make_unique<KeyCapture>();
        active_ = capture.get();
        return capture;
    }
    void press(quint16 scan, quint32 flags = 0) {
        if (active_) Q_EMIT active_->keyEvent(RawKeyEvent{scan, flags});
    }

private:
    bool systemWide_;
    QPointer<KeyCapture> active_;
};

int failures = 0;

void save(const QPixmap& pixmap, const QString& dir, const QString& name) {
    failures += shots::save(pixmap, dir, name + QStringLiteral(".png")) ? 0 : 1;
}

// The window with every open pop-up menu drawn where it stands.
QPixmap grabWithMenus(QWidget& window) {
    QPixmap canvas = window.grab();
    QPainter p(&canvas);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* menu = qobject_cast<QMenu*>(w);
        if (menu && menu->isVisible()) p.drawPixmap(menu->pos() - window.pos(), menu->grab());
    }
    return canvas;
}

// A profile that shows every kind of label.
void prepareProfile(const Paths& paths, MouseProfile& p) {
    MacroFileData burst;
    burst.events = {{0x84, 0, 4}, {0x06, 0, 5}, {0x04, 0, 4}};
    writeMacroFile(paths, QStringLiteral("Burst"), burst);
    writeMacroFile(paths, QStringLiteral("Reload drill"), burst);
    appsettings::saveMacroListEntry(paths, 0, QStringLiteral("Burst"));
    appsettings::saveMacroListEntry(paths, 1, QStringLiteral("Reload drill"));
    p.buttons[3].Fun = fun::kSingleKey;
    p.buttons[3].Res1 = 229;
    p.buttons[4].Fun = fun::kKeyCombo;
    p.buttons[4].KeyInfo = buttonfn::comboKeyInfo({29, 46});
    p.buttons[5].Fun = fun::kMacro;
    p.buttons[5].macroname = QStringLiteral("Burst");
    p.buttons[6].Fun = fun::kSniper;
    p.buttons[6].Res1 = 3;
    p.buttons[7].Fun = 36;  // Browser Search: a long label
}

void shootScale(const Paths& paths, int language, int level, const QString& out) {
    const QString prefix = QStringLiteral("buttons_lang%1_scale%2_").arg(language).arg(level);
    ScriptedKeys keys(true);
    shots::Rig rig(paths, true, level == 0 ? 96.0 : 144.0);
    rig.services.keyCapture = &keys;
    MousecfgWidget window(rig.services);
    window.setWindowTitle(MousecfgWidget::titleFor(QStringLiteral("FARROW"), true));
    window.move(0, 0);
    window.show();
    shots::settle();
    rig.status.stop();
    window.session().onBatteryReport(0, 0xE8, 0x03);
    prepareProfile(paths, window.session().currentRecord());
    window.switchPage(TabCustomize);
    auto* page = window.findChild<TarnBtnWindow*>();
    if (!page) {
        std::fprintf(stderr, "no button page in the CUSTOMIZE tab\n");
        ++failures;
        return;
    }
    shots::settle();
    save(window.grab(), out, prefix + QStringLiteral("page_front"));

    // The main menu from the fourth button with "Advance" open.
    TarnPushButton* button = page->button(buttonfn::kFrontGroup, 3);
    auto* menu = page->findChild<TarnMenu*>(QStringLiteral("buttonMainMenu"));
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
    shots::settle();
    for (QAction* a : menu->actions())
        if (a->menu() && a->menu()->objectName() == QLatin1String("buttonMenu_advance"))
            menu->setActiveAction(a);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(menu, &right);
    shots::settle();
    save(grabWithMenus(window), out, prefix + QStringLiteral("menu_advance"));
    menu->close();
    shots::settle();

    window.findChild<TarnPushButton*>(QStringLiteral("sideButton"))->click();
    shots::settle();
    save(window.grab(), out, prefix + QStringLiteral("page_side"));
    window.findChild<TarnPushButton*>(QStringLiteral("frontButton"))->click();

    {
        TarnSingleKeyWindow d(&keys);
        d.show();
        keys.press(0x1C, RawKeyEvent::Extended);
        shots::settle();
        save(d.grab(), out, prefix + QStringLiteral("dialog_single_key"));
    }
    {
        ScriptedKeys focusOnly(false);
        TarnSingleKeyWindow d(&focusOnly);
        d.show();
        shots::settle();
        save(d.grab(), out, prefix + QStringLiteral("dialog_single_key_focus_only"));
    }
    {
        TarnComboKeyWindow d(&keys);
        d.show();
        for (quint16 k : {0x1D, 0x2A, 0x1F}) keys.press(k);
        shots::settle();
        save(d.grab(), out, prefix + QStringLiteral("dialog_combo_key"));
    }
    {
        TarnFireKeyWindow d(&keys);
        buttonfn::FireKey fire;
        fire.kind = buttonfn::FireKeyboard;
        fire.keyCode = 33;  // F
        d.preset(fire);
        d.show();
        shots::settle();
        save(d.grab(), out, prefix + QStringLiteral("dialog_fire_key"));
    }
    {
        TarnSniperWindow d(appsettings::loadSensorId(paths));
        d.preset(4);
        d.show();
        shots::settle();
        save(d.grab(), out, prefix + QStringLiteral("dialog_sniper"));
    }
    {
        TarnMacroSelect d(QString(), QCoreApplication::translate("mousecfg::TarnBtnWindow", "MACRO SELECT"),
                          QStringLiteral("Burst"), 3, 0, paths);
        d.show();
        shots::settle();
        save(d.grab(), out, prefix + QStringLiteral("dialog_macro_select"));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, true);
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.*.debug=false"));
    const shots::Options options = shots::parseOptions();
    for (int level : {0, 2}) shootScale(options.paths, options.language, level, options.outDir);
    return failures == 0 ? 0 : 1;
}
