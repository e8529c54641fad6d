// mousecfg-button-shots: draws the CUSTOMIZE page (front and side view, an open menu) and each
// of its dialogs at interface scale levels 0 and 2, and saves PNGs of them (scripts/screenshot).
// A tool for the documentation, not part of the program.
#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QScrollArea>
#include <QTranslator>
#include <cstdio>

#include "device/button_functions.h"
#include "pages/buttons/tarn_btn_window.h"
#include "pages/buttons/tarn_combo_key_window.h"
#include "pages/buttons/tarn_fire_key_window.h"
#include "pages/buttons/tarn_macro_select.h"
#include "pages/buttons/tarn_single_key_window.h"
#include "pages/buttons/tarn_sniper_window.h"
#include "storage/app_settings.h"
#include "storage/languages.h"
#include "storage/macro_files.h"
#include "storage/paths.h"
#include "storage/settings_file.h"
#include "widgets/tarn_action.h"
#include "widgets/tarn_menu.h"
#include "widgets/tarn_push_button.h"
#include "widgets/ui_context.h"

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

void settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

int failures = 0;

void save(const QPixmap& pixmap, const QString& dir, const QString& name) {
    const QString file = dir + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!pixmap.save(file)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(file));
        ++failures;
        return;
    }
    std::printf("%s\n", qPrintable(file));
}

// The window's background and product picture around the page, where the CUSTOMIZE tab shows it.
class Host : public QWidget {
public:
    explicit Host(const Paths& paths) {
        const UiContext& ui = UiContext::current();
        setFixedSize(ui.scaled(999), ui.scaled(640));
        background_ = QPixmap(ui.skinPath(QStringLiteral("cfgMainback.png")));
        picture_ = QPixmap(ui.skinPath(
            QStringLiteral("mouse/%1/Mouse.png").arg(appsettings::loadCurrentProductName(paths))));
        area = new QScrollArea(this);
        area->setStyleSheet(
            QStringLiteral("QScrollArea{background-color:transparent;margin:0px;border:0px}"));
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->setWidgetResizable(true);
        area->viewport()->setAutoFillBackground(false);
        area->setGeometry(ui.scaled(285), ui.scaled(90), ui.scaled(345), ui.scaled(490));
    }
    QScrollArea* area;

protected:
    void paintEvent(QPaintEvent*) override {
        const UiContext& ui = UiContext::current();
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), background_);
        const QSize pic = picture_.size().scaled(ui.scaled(300), ui.scaled(400), Qt::KeepAspectRatio);
        p.drawPixmap(QRect(QPoint(ui.scaled(637), ui.scaled(99)), pic), picture_);
    }

private:
    QPixmap background_;
    QPixmap picture_;
};

// The host with every open pop-up menu drawn where it stands.
QPixmap grabWithMenus(QWidget& host) {
    QPixmap canvas = host.grab();
    QPainter p(&canvas);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* menu = qobject_cast<QMenu*>(w);
        if (menu && menu->isVisible()) p.drawPixmap(menu->pos() - host.pos(), menu->grab());
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
    const double scale = 1.0 + 0.25 * level;
    UiContext::install(UiContext::fromPaths(paths, language, scale));
    const QString prefix = QStringLiteral("buttons_lang%1_scale%2_").arg(language).arg(level);
    ConfigState state;
    loadConfigState(paths, state);
    MouseProfile& profile = currentProfile(state);
    prepareProfile(paths, profile);
    ScriptedKeys keys(true);

    Host host(paths);
    auto* page = new TarnBtnWindow(paths, keys);
    host.area->setWidget(page);
    page->setProfile(&profile);
    host.move(0, 0);
    host.show();
    settle();
    save(host.grab(), out, prefix + QStringLiteral("page_front"));

    // The main menu from the fourth button with "Advance" open.
    TarnPushButton* button = page->button(buttonfn::kFrontGroup, 3);
    auto* menu = page->findChild<TarnMenu*>(QStringLiteral("buttonMainMenu"));
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
    settle();
    for (QAction* a : menu->actions())
        if (a->menu() && a->menu()->objectName() == QLatin1String("buttonMenu_advance"))
            menu->setActiveAction(a);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(menu, &right);
    settle();
    save(grabWithMenus(host), out, prefix + QStringLiteral("menu_advance"));
    menu->close();
    settle();

    page->selectGroup(0, buttonfn::kSideGroup);
    settle();
    save(host.grab(), out, prefix + QStringLiteral("page_side"));
    page->selectGroup(0, buttonfn::kFrontGroup);

    {
        TarnSingleKeyWindow d(&keys);
        d.show();
        keys.press(0x1C, RawKeyEvent::Extended);
        settle();
        save(d.grab(), out, prefix + QStringLiteral("dialog_single_key"));
    }
    {
        ScriptedKeys focusOnly(false);
        TarnSingleKeyWindow d(&focusOnly);
        d.show();
        settle();
        save(d.grab(), out, prefix + QStringLiteral("dialog_single_key_focus_only"));
    }
    {
        TarnComboKeyWindow d(&keys);
        d.show();
        for (quint16 k : {0x1D, 0x2A, 0x1F}) keys.press(k);
        settle();
        save(d.grab(), out, prefix + QStringLiteral("dialog_combo_key"));
    }
    {
        TarnFireKeyWindow d(&keys);
        buttonfn::FireKey fire;
        fire.kind = buttonfn::FireKeyboard;
        fire.keyCode = 33;  // F
        d.preset(fire);
        d.show();
        settle();
        save(d.grab(), out, prefix + QStringLiteral("dialog_fire_key"));
    }
    {
        TarnSniperWindow d(appsettings::loadSensorId(paths));
        d.preset(4);
        d.show();
        settle();
        save(d.grab(), out, prefix + QStringLiteral("dialog_sniper"));
    }
    {
        TarnMacroSelect d(QString(), QCoreApplication::translate("mousecfg::TarnBtnWindow", "MACRO SELECT"),
                          QStringLiteral("Burst"), 3, 0, paths);
        d.show();
        settle();
        save(d.grab(), out, prefix + QStringLiteral("dialog_macro_select"));
    }
    host.hide();
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, true);
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.*.debug=false"));
    QCommandLineParser parser;
    const QCommandLineOption dataDir(QStringLiteral("data-dir"), QStringLiteral("data folder (required)"),
                                     QStringLiteral("dir"));
    const QCommandLineOption shots(QStringLiteral("shots"), QStringLiteral("output folder"),
                                   QStringLiteral("dir"), QStringLiteral("shots"));
    const QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("language index"),
                                  QStringLiteral("n"), QStringLiteral("0"));
    parser.addOptions({dataDir, shots, lang});
    parser.addHelpOption();
    parser.process(app);
    if (parser.value(dataDir).isEmpty()) {
        std::fprintf(stderr, "mousecfg-button-shots: --data-dir is required (it writes macros there)\n");
        return 64;
    }
    const Paths paths = Paths::forProgram(QCoreApplication::applicationDirPath(), parser.value(dataDir));
    const QString out = parser.value(shots);
    QDir().mkpath(out);
    const int language = parser.value(lang).toInt();

    QTranslator translator;
    const QString qm = languages::translationFile(paths, languages::loadLanguageTable(paths), language);
    if (!qm.isEmpty() && translator.load(qm)) QCoreApplication::installTranslator(&translator);

    for (int level : {0, 2}) shootScale(paths, language, level, out);
    return failures == 0 ? 0 : 1;
}
