// mousecfg-lighting-shots: draws the main window with the lighting page in its LIGHTING tab for
// every row layout, the effect menu and the colour editor, against the simulated mouse, at scale
// levels 0 and 2, and saves PNGs of them.
#include <QApplication>
#include <cstdio>

#include "app/tabs/tab_list.h"
#include "app/window/mousecfg_widget.h"
#include "device/lighting_rules.h"
#include "pages/lighting/tarn_color_area.h"
#include "pages/lighting/tarn_color_window.h"
#include "shots/shot_support.h"
#include "storage/app_settings.h"
#include "widgets/tarn_menu.h"
#include "widgets/tarn_push_button.h"

using namespace mousecfg;

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, true);
    QApplication app(argc, argv);
    const shots::Options options = shots::parseOptions();
    const Paths& paths = options.paths;
    const QString& out = options.outDir;
    const QString prefix = QStringLiteral("lighting_lang%1").arg(options.language);

    const struct {
        int mode;
        const char* tag;
    } kLayouts[] = {{0, "off"},       {1, "full_lighted"}, {2, "breathing"}, {3, "7_color_breathing"},
                    {11, "reactive"}, {4, "rainbow"}};
    int failures = 0;
    const auto save = [&](const QPixmap& picture, const QString& name) {
        failures += shots::save(picture, out, name) ? 0 : 1;
    };
    for (int level : {0, 2}) {
        const QString tag = prefix + QStringLiteral("_scale%1").arg(level);
        shots::Rig rig(paths, true, level == 0 ? 96.0 : 144.0);
        MousecfgWidget window(rig.services);
        window.setWindowTitle(MousecfgWidget::titleFor(QStringLiteral("FARROW"), true));
        window.show();
        shots::settle();
        rig.status.stop();
        window.session().onBatteryReport(0, 0xE8, 0x03);
        window.switchPage(TabLighting);

        // The tab's page, on the record it shows.
        ConfigState& state = window.session().working();
        const int shown = lighting::lightingProfileIndex(state, appsettings::loadCurrentProductName(paths));
        MouseProfile& profile = state.profiles[static_cast<size_t>(shown)];
        auto* page = window.findChild<TarnColorWindow*>();
        if (!page) {
            std::fprintf(stderr, "no lighting page in the LIGHTING tab\n");
            return 1;
        }
        for (const auto& layout : kLayouts) {
            profile.LedMode = static_cast<uint8_t>(layout.mode);
            page->setProfile(&profile, shown);
            shots::settle();
            save(window.grab(), tag + QStringLiteral("_%1.png").arg(QLatin1String(layout.tag)));
        }

        // The effect menu, open below its button.
        auto* button = page->findChild<TarnPushButton*>(QStringLiteral("effectButton"));
        auto* menu = page->findChild<TarnMenu*>(QStringLiteral("effectMenu"));
        menu->popup(button->mapToGlobal(QPoint(0, button->height())));
        shots::settle();
        save(shots::grabWithOverlay(window, menu), tag + QStringLiteral("_menu.png"));
        menu->hide();

        // The colour editor over the window, as a click on the swatch opens it.
        profile.LedMode = 2;
        page->setProfile(&profile, shown);
        TarnColorArea editor(page);
        editor.setColor(QColor(255, 136, 0));
        editor.move(window.geometry().center() - editor.rect().center());
        editor.show();
        shots::settle();
        save(shots::grabWithOverlay(window, &editor), tag + QStringLiteral("_editor.png"));
    }
    return failures == 0 ? 0 : 1;
}
