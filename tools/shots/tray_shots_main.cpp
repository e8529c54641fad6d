// mousecfg-tray-shots: the on-screen display's popup over a desktop-like backdrop, and the
// firmware hand-over's boxes over the main window (cable missing, the question, no updater).
#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>

#include "app/window/mousecfg_widget.h"
#include "osd/osd_popup.h"
#include "shots/shot_support.h"
#include "storage/app_settings.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_push_button.h"

using namespace mousecfg;

namespace {

// The popup as it stands on a screen: drawn over a light and a dark band, so both its
// translucent frame and the text's contrast show.
QPixmap popupOnBackdrop(osd::OsdPopup& popup) {
    const QPixmap shot = popup.grab();
    const int margin = 40;
    QPixmap canvas(shot.width() + 2 * margin, shot.height() + 2 * margin);
    QPainter p(&canvas);
    QLinearGradient g(0, 0, canvas.width(), 0);
    g.setColorAt(0, QColor(235, 235, 240));
    g.setColorAt(0.5, QColor(120, 140, 170));
    g.setColorAt(1, QColor(25, 30, 40));
    p.fillRect(canvas.rect(), g);
    p.drawPixmap(margin, margin, shot);
    return canvas;
}

// Presses "Firmware Update" and saves every box that comes up under the next name, answering
// each with its confirming button. False when fewer boxes came than names.
bool shootFirmwareBoxes(MousecfgWidget& window, QStringList names, const QString& dir) {
    int saved = 0;
    bool ok = true;
    std::function<void()> next = [&] {
        QTimer::singleShot(0, &window, [&] {
            shots::settle();
            auto* box = qobject_cast<TarnMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            ok = shots::save(shots::grabWithOverlay(window, box), dir, names.value(saved)) && ok;
            ++saved;
            if (saved < names.size()) next();
            box->accept();
        });
    };
    next();
    auto* button = window.findChild<TarnPushButton*>(QStringLiteral("firmwareButton"));
    Q_EMIT button->EnterSignal(button);
    return ok && saved == names.size();
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, true);
    QApplication app(argc, argv);
    const shots::Options options = shots::parseOptions();
    const QString& out = options.outDir;
    const QString prefix = QStringLiteral("tray_lang%1").arg(options.language);
    int failures = 0;

    const QColor theme = appsettings::loadThemeColour(options.paths);
    const struct {
        const char* name;
        QString text;
    } texts[] = {{"profile", QStringLiteral("Profile 2")},
                 {"dpi", QStringLiteral("DPI 3:1600")},
                 {"rate", QStringLiteral("500 HZ")},
                 {"battery", QStringLiteral("Battery 10 %")}};
    for (const auto& t : texts) {
        osd::OsdPopup popup;
        osd::OsdMessage m;
        m.text = t.text;
        m.red = theme.red();
        m.green = theme.green();
        m.blue = theme.blue();
        popup.showMessage(m);
        shots::settle();
        failures += shots::save(popupOnBackdrop(popup), out,
                                prefix + QStringLiteral("_osd_%1.png").arg(QLatin1String(t.name)))
                        ? 0
                        : 1;
    }

    for (bool cable : {false, true}) {
        shots::Rig rig(options.paths, true, 96.0);
        if (cable) rig.mouse.setPresent(SimulatedMouse::Path::Cable, true);
        rig.services.quit = [](int) {};
        rig.services.startDetached = [](const QString&) { return false; };
        MousecfgWidget window(rig.services);
        window.show();
        shots::settle();
        rig.status.stop();
        const QStringList names = cable ? QStringList{prefix + QStringLiteral("_firmware_question.png"),
                                                      prefix + QStringLiteral("_firmware_no_updater.png")}
                                        : QStringList{prefix + QStringLiteral("_firmware_cable.png")};
        failures += shootFirmwareBoxes(window, names, out) ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}
