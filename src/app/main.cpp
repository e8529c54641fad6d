#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QLoggingCategory>
#include <QPointer>
#include <QScopeGuard>

#include "app/app_command_line.h"
#include "app/app_runtime.h"
#include "app/session/app_log.h"
#include "app/startup_probe.h"
#include "app/tabs/product_pictures.h"
#include "app/window/mousecfg_widget.h"
#include "app/window/skin_preload.h"
#include "platform/single_instance.h"
#include "storage/paths.h"
#include "storage/product_descriptor.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

using namespace mousecfg;

int main(int argc, char* argv[]) {
#if defined(__GLIBC__)
    // One malloc arena for all threads: the short-lived start-up threads leave no half-used arenas
    // of their own behind (the program's threads allocate little and seldom).
    mallopt(M_ARENA_MAX, 1);
#endif
    // Qt's own high-DPI scaling stays off: the main window scales its geometry itself from the
    // screen's logical DPI. Said before the application object exists, so Qt neither warns nor
    // lets QT_AUTO_SCREEN_SCALE_FACTOR scale the window a second time.
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, true);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    // The program draws with the raster engine only and has no OpenGL widget: plain raster
    // windows, so that showing one does not load the system's OpenGL driver.
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets, true);
    // Debug output stays off unless asked for: QT_LOGGING_RULES="mousecfg.*.debug=true".
    QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.*.debug=false"));
    if (const AppCommandLine early = AppCommandLine::earlyExit(argc, argv); early.finished)
        return early.exitCode;
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mousecfg"));
    // Ties the windows to the installed mousecfg.desktop (its icon and name on Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("mousecfg"));
    // The window lives on in the tray when it is closed; the tray's quit ends the program (or
    // closing the window where there is no tray).
    QApplication::setQuitOnLastWindowClosed(false);

    const AppCommandLine options = AppCommandLine::parse(QCoreApplication::arguments());
    if (options.finished) return options.exitCode;

    const Paths paths = Paths::forProgram(QCoreApplication::applicationDirPath(), options.dataDir);
    const QString productName = loadProductName(paths);

    SingleInstance instance(productName);
    if (!instance.tryAcquire()) {
        // The running one shows its window: it may be hidden in a tray the user cannot find.
        SingleInstance::requestActivation(productName);
        QCoreApplication::exit(1);
        return 1;
    }
    // Right after the lock, so a later start that finds the lock finds the listener too; the
    // requests are handled once the event loop runs, when the window exists.
    QPointer<MousecfgWidget> activationTarget;
    instance.listenForActivation([&activationTarget] {
        if (!activationTarget) return;
        activationTarget->showFromActivation();
        qCDebug(lcApp) << "a later start asked for the window; visible:" << activationTarget->isVisible();
    });
    // The window's background, product picture and icon decode on their own thread while the
    // window is built; the thread has ended before the application object goes.
    const QString background = paths.skinFile(QStringLiteral("cfgMainback.png"));
    skinpreload::begin(
        {background, ProductPictures::frontFile(paths), paths.skinFile(QStringLiteral("icon.ico"))},
        background);
    const auto endPreload = qScopeGuard([] { skinpreload::end(); });

    const bool simulate = options.simulate;
    int result = 0;
    {
        AppRuntime runtime(paths, simulate, options.faults);
        MousecfgWidget window(runtime.services());
        installStartupProbe(&window);
        activationTarget = &window;
        window.showAtStart();
        // Relative to the working folder; where it is not found the window keeps the icon it set
        // itself from the program folder.
        const QString localIcon = QStringLiteral("./skin/icon.ico");
        if (QFile::exists(localIcon)) window.setWindowIcon(QIcon(localIcon));
        window.setWindowTitle(MousecfgWidget::titleFor(productName, simulate));
        result = app.exec();
    }
    return result;
}
