// mousecfg-window-shots: draws the main window against the simulated mouse and saves PNGs of it
// (every tab, scale levels 0 and 2, the "MOUSE OFF" gauge and the "Dongle Disconnect!" box).
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QPainter>
#include <QTimer>
#include <cstdio>

#include "app/app_services.h"
#include "app/mousecfg_widget.h"
#include "app/scheduler.h"
#include "app/tarn_process_dialog.h"
#include "device/device_link.h"
#include "device/pacer.h"
#include "device/profile_writer.h"
#include "device/status_reporter.h"
#include "sim/simulated_mouse.h"
#include "storage/languages.h"
#include "widgets/tarn_message_box.h"

using namespace mousecfg;

namespace {

// The deferred start-up calls are dropped: the shots show the window themselves.
class NoScheduler : public Scheduler {
public:
    void singleShot(int, QObject*, std::function<void()>) override {}
};

struct Rig {
    Rig(const Paths& paths, bool mousePresent, double dpi)
        : mouse(SimulatedMouse::Options{mousePresent, false}),
          link(mouse, pacer),
          status(link, pacer),
          writer(link, paths, &status) {
        services.paths = paths;
        services.simulated = true;
        services.backend = &mouse;
        services.pacer = &pacer;
        services.link = &link;
        services.status = &status;
        services.writer = &writer;
        services.scheduler = &scheduler;
        services.logicalDpi = [dpi] { return dpi; };
    }
    SimulatedMouse mouse;
    SleepPacer pacer;
    DeviceLink link;
    StatusReporter status;
    ProfileWriter writer;
    NoScheduler scheduler;
    AppServices services;
};

void settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

bool save(const QPixmap& p, const QString& dir, const QString& name) {
    const QString file = dir + QLatin1Char('/') + name;
    if (!p.save(file)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, true);
    QApplication app(argc, argv);
    QCommandLineParser parser;
    QCommandLineOption dataDir(QStringLiteral("data-dir"), QStringLiteral("data folder"),
                               QStringLiteral("dir"));
    QCommandLineOption shots(QStringLiteral("shots"), QStringLiteral("output folder"), QStringLiteral("dir"));
    QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("language index"), QStringLiteral("n"),
                            QStringLiteral("0"));
    parser.addOptions({dataDir, shots, lang});
    parser.addHelpOption();
    parser.process(app);

    const Paths paths = Paths::forProgram(QCoreApplication::applicationDirPath(), parser.value(dataDir));
    const QString out = parser.value(shots).isEmpty() ? QStringLiteral("shots") : parser.value(shots);
    QDir().mkpath(out);
    const int language = parser.value(lang).toInt();
    languages::saveLanguageId(paths, language);
    const QString prefix = QStringLiteral("main_lang%1").arg(language);

    int failures = 0;
    for (int level : {0, 2}) {
        const double dpi = level == 0 ? 96.0 : 144.0;
        const QString tag = prefix + QStringLiteral("_scale%1").arg(level);
        {
            Rig rig(paths, true, dpi);
            MousecfgWidget window(rig.services);
            window.setWindowTitle(MousecfgWidget::titleFor(QStringLiteral("FARROW"), true));
            window.show();
            settle();
            rig.status.stop();
            window.slotRefreshBatteryStatus(0, 0xE8, 0x03);
            static const char* const kTabs[] = {"lighting", "customize", "dpi", "macro"};
            for (int tab = 0; tab < 4; ++tab) {
                window.switchPage(tab);
                settle();
                failures +=
                    save(window.grab(), out, tag + QStringLiteral("_%1.png").arg(QLatin1String(kTabs[tab])))
                        ? 0
                        : 1;
            }
            window.switchPage(MousecfgWidget::TabLighting);
            {
                TarnProcessDialog progress(&window);
                progress.move(window.geometry().center() - progress.rect().center());
                progress.show();
                settle();
                QPixmap canvas = window.grab();
                QPainter p(&canvas);
                p.drawPixmap(progress.frameGeometry().topLeft() - window.geometry().topLeft(),
                             progress.grab());
                p.end();
                failures += save(canvas, out, tag + QStringLiteral("_apply_progress.png")) ? 0 : 1;
            }
            window.slotRefreshBatteryStatus(0, 0, 0);
            settle();
            failures += save(window.grab(), out, tag + QStringLiteral("_mouse_off.png")) ? 0 : 1;
        }
        {
            Rig rig(paths, false, dpi);
            MousecfgWidget window(rig.services);
            QTimer::singleShot(0, &window, [&] {
                settle();
                auto* box = qobject_cast<TarnMessageBox*>(QApplication::activeModalWidget());
                QPixmap canvas = window.grab();
                if (box) {
                    QPainter p(&canvas);
                    p.drawPixmap(box->frameGeometry().topLeft() - window.geometry().topLeft(), box->grab());
                }
                failures += save(canvas, out, tag + QStringLiteral("_dongle_disconnect.png")) ? 0 : 1;
                if (box) box->accept();
            });
            window.slotWarning();
        }
    }
    return failures == 0 ? 0 : 1;
}
