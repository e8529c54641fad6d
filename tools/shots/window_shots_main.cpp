// mousecfg-window-shots: draws the main window against the simulated mouse and saves PNGs of it
// (every tab, scale levels 0 and 2, the "MOUSE OFF" gauge and the "Dongle Disconnect!" box).
#include <QApplication>

#include "app/tabs/tab_list.h"
#include "app/window/mousecfg_widget.h"
#include "app/window/tarn_process_dialog.h"
#include "shots/shot_support.h"

using namespace mousecfg;

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, true);
    QApplication app(argc, argv);
    const shots::Options options = shots::parseOptions();
    const Paths& paths = options.paths;
    const QString& out = options.outDir;
    const QString prefix = QStringLiteral("main_lang%1").arg(options.language);

    int failures = 0;
    for (int level : {0, 2}) {
        const double dpi = level == 0 ? 96.0 : 144.0;
        const QString tag = prefix + QStringLiteral("_scale%1").arg(level);
        {
            shots::Rig rig(paths, true, dpi);
            MousecfgWidget window(rig.services);
            window.setWindowTitle(MousecfgWidget::titleFor(QStringLiteral("FARROW"), true));
            window.show();
            shots::settle();
            rig.status.stop();
            window.session().onBatteryReport(0, 0xE8, 0x03);
            static const char* const kTabs[] = {"lighting", "customize", "dpi", "macro"};
            for (int tab = 0; tab < 4; ++tab) {
                window.switchPage(tab);
                shots::settle();
                failures += shots::save(window.grab(), out,
                                        tag + QStringLiteral("_%1.png").arg(QLatin1String(kTabs[tab])))
                                ? 0
                                : 1;
            }
            window.switchPage(TabLighting);
            {
                TarnProcessDialog progress(&window);
                progress.move(window.geometry().center() - progress.rect().center());
                progress.show();
                shots::settle();
                const QPixmap canvas = shots::grabWithOverlay(window, &progress);
                failures += shots::save(canvas, out, tag + QStringLiteral("_apply_progress.png")) ? 0 : 1;
            }
            window.session().onBatteryReport(0, 0, 0);
            shots::settle();
            failures += shots::save(window.grab(), out, tag + QStringLiteral("_mouse_off.png")) ? 0 : 1;
        }
        {
            shots::Rig rig(paths, false, dpi);
            MousecfgWidget window(rig.services);
            failures += shots::shootModalBox(
                            window, [&] { window.session().warningDue(); }, out,
                            tag + QStringLiteral("_dongle_disconnect.png"), true)
                            ? 0
                            : 1;
        }
    }
    return failures == 0 ? 0 : 1;
}
