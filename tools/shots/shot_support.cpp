#include "shots/shot_support.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCursor>
#include <QDir>
#include <QPainter>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "storage/languages.h"
#include "widgets/tarn_message_box.h"

namespace mousecfg::shots {

Rig::Rig(const Paths& paths, bool mousePresent, double dpi)
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

Options parseOptions() {
    QCommandLineParser parser;
    QCommandLineOption dataDir(QStringLiteral("data-dir"), QStringLiteral("data folder"),
                               QStringLiteral("dir"));
    QCommandLineOption shots(QStringLiteral("shots"), QStringLiteral("output folder"), QStringLiteral("dir"));
    QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("language index"), QStringLiteral("n"),
                            QStringLiteral("0"));
    parser.addOptions({dataDir, shots, lang});
    parser.addHelpOption();
    parser.process(*QCoreApplication::instance());
    if (!parser.isSet(dataDir)) {
        std::fprintf(stderr, "%s: --data-dir is required (the program rewrites the settings it draws)\n%s",
                     qPrintable(QCoreApplication::applicationName()), qPrintable(parser.helpText()));
        std::exit(64);
    }

    Options o;
    o.paths = Paths::forProgram(QCoreApplication::applicationDirPath(), parser.value(dataDir));
    o.outDir = parser.value(shots).isEmpty() ? QStringLiteral("shots") : parser.value(shots);
    QDir().mkpath(o.outDir);
    o.language = parser.value(lang).toInt();
    languages::saveLanguageId(o.paths, o.language);
    // The pointer starts in the middle of the screen, over the centred window, and would show one
    // of its buttons hovered: it goes to the corner, off every window's controls.
    QCursor::setPos(0, 0);
    return o;
}

void settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

bool save(const QPixmap& pixmap, const QString& dir, const QString& name) {
    const QString file = dir + QLatin1Char('/') + name;
    if (!pixmap.save(file)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

QPixmap grabWithOverlay(QWidget& window, QWidget* overlay) {
    QPixmap canvas = window.grab();
    if (overlay) {
        QPainter p(&canvas);
        p.drawPixmap(overlay->frameGeometry().topLeft() - window.geometry().topLeft(), overlay->grab());
    }
    return canvas;
}

bool shootModalBox(QWidget& window, const std::function<void()>& open, const QString& dir,
                   const QString& name, bool accept) {
    bool ok = false;
    QTimer::singleShot(0, &window, [&] {
        settle();
        auto* box = qobject_cast<TarnMessageBox*>(QApplication::activeModalWidget());
        ok = box && save(grabWithOverlay(window, box), dir, name);
        if (box) accept ? box->accept() : box->reject();
    });
    open();
    return ok;
}

}  // namespace mousecfg::shots
