// mousecfg-macro-shots: draws the macro page in the main window against the simulated mouse and
// saves PNGs of it: a recorded macro, the mouse-command tree, edit mode on a key and on a delay
// row, batch mode, the gun dialog and the release warning.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <cstdio>

#include "app/tabs/tab_list.h"
#include "app/window/mousecfg_widget.h"
#include "pages/macros/macro_dialog.h"
#include "pages/macros/macro_page_dialogs.h"
#include "pages/macros/tarn_gunset_dialog.h"
#include "shots/shot_support.h"
#include "storage/macro_event_model.h"
#include "widgets/tarn_push_button.h"

using namespace mousecfg;

namespace {

// Keys typed "by hand": the program sends them itself.
class ScriptedCapture : public KeyCaptureService {
public:
    bool systemWide() const override { return true; }
    QString name() const override { return QStringLiteral("script"); }
    std::unique_ptr<KeyCapture> begin(QWidget*) override {
        auto c = std::make_unique<KeyCapture>();
        live = c.get();
        QObject::connect(c.get(), &QObject::destroyed, [this, p = c.get()] {
            if (live == p) live = nullptr;
        });
        return c;
    }
    void key(quint16 scan, quint32 flags) {
        if (live) Q_EMIT live->keyEvent(RawKeyEvent{scan, flags});
    }
    KeyCapture* live = nullptr;
};

// The page's boxes and dialogs, shown over the window and saved before they are answered.
class ShotDialogs : public WidgetMacroPageDialogs {
public:
    ShotDialogs(QWidget* window, QWidget* page, QString out, QString tag)
        : WidgetMacroPageDialogs(page), window_(window), out_(std::move(out)), tag_(std::move(tag)) {}
    void warn(const QString& caption, const QString& text) override {
        failures += shots::shootModalBox(
                        *window_, [&] { WidgetMacroPageDialogs::warn(caption, text); }, out_,
                        tag_ + QStringLiteral("_warning%1.png").arg(++warnings))
                        ? 0
                        : 1;
    }
    bool runGunDialog(TarnGunsetDialog& dialog) override {
        dialog.nameField()->setText(QStringLiteral("AK recoil"));
        dialog.setShotCount(4);
        for (int i = 0; i < 4; ++i) {
            dialog.spinBox(0, i)->setValue(90 + 10 * i);
            dialog.spinBox(1, i)->setValue(3 + i);
            dialog.spinBox(2, i)->setValue(i % 2 == 0 ? -2 : 1);
        }
        dialog.move(window_->geometry().center() - dialog.rect().center());
        dialog.show();
        shots::settle();
        failures += shots::save(shots::grabWithOverlay(*window_, &dialog), out_,
                                tag_ + QStringLiteral("_gun_dialog.png"))
                        ? 0
                        : 1;
        dialog.OnYesClick();
        return dialog.result() == QDialog::Accepted;
    }
    int failures = 0;

private:
    QWidget* window_;
    QString out_;
    QString tag_;
    int warnings = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, true);
    QApplication app(argc, argv);
    const shots::Options options = shots::parseOptions();
    const QString& out = options.outDir;
    int failures = 0;
    for (int level : {0, 2}) {
        const QString tag = QStringLiteral("macro_lang%1_scale%2").arg(options.language).arg(level);
        shots::Rig rig(options.paths, true, level == 0 ? 96.0 : 144.0);
        ScriptedCapture capture;
        rig.services.keyCapture = &capture;
        MousecfgWidget window(rig.services);
        window.show();
        shots::settle();
        rig.status.stop();
        window.session().onBatteryReport(0, 0xE8, 0x03);
        window.switchPage(TabMacro);

        // The tab's page, its boxes saved as they come up and its clock in the program's hands.
        auto* page = window.findChild<MacroDialog*>();
        if (!page) {
            std::fprintf(stderr, "no macro page in the MACRO tab\n");
            return 1;
        }
        auto dialogs = std::make_unique<ShotDialogs>(&window, page, out, tag);
        ShotDialogs* shotDialogs = dialogs.get();
        page->setDialogs(std::move(dialogs));
        qint64 now = 0;
        page->setClock([&now] { return now; });
        auto shoot = [&](const char* name) {
            shots::settle();
            failures += shots::save(window.grab(), out, tag + QLatin1Char('_') + QLatin1String(name)) ? 0 : 1;
        };

        // A recorded macro: Ctrl+C, a pause, Ctrl+V, with the real pauses.
        page->button(MacroDialog::Control::New)->click();
        page->recordDelaysBox()->click();
        page->button(MacroDialog::Control::Start)->click();
        const struct {
            quint16 scan;
            quint32 flags;
            qint64 at;
        } keys[] = {{0x1D, 0, 100},     {0x2E, 0, 180},    {0x2E, 0x80, 260},  {0x1D, 0x80, 300},
                    {0x1D, 0, 900},     {0x2F, 0, 960},    {0x2F, 0x80, 1020}, {0x1D, 0x80, 1080},
                    {0x1C, 0x01, 1500}, {0x1C, 0x81, 1560}};
        for (const auto& k : keys) {
            now = k.at;
            capture.key(k.scan, k.flags);
        }
        shoot("recording.png");
        page->button(MacroDialog::Control::Stop)->click();
        page->table()->selectRow(2);
        page->table()->setCurrentIndex(page->model()->index(2, 0));
        shoot("recorded.png");

        page->button(MacroDialog::Control::MouseAction)->click();
        shoot("mouse_commands.png");
        page->button(MacroDialog::Control::MouseAction)->click();

        page->table()->setCurrentIndex(page->model()->index(0, 0));
        page->button(MacroDialog::Control::Edit)->click();
        shoot("edit_key.png");
        page->table()->setCurrentIndex(page->model()->index(1, 0));
        shoot("edit_delay.png");
        page->button(MacroDialog::Control::Cancel)->click();

        page->button(MacroDialog::Control::GunSet)->click();
        shoot("gun_file.png");

        page->batchBox()->click();
        page->macroList()->item(0)->setCheckState(Qt::Checked);
        shoot("batch.png");
        page->batchBox()->click();

        // A key still held at STOP.
        page->button(MacroDialog::Control::Start)->click();
        capture.key(0x2A, 0);
        page->button(MacroDialog::Control::Stop)->click();
        failures += shotDialogs->failures;
    }
    return failures == 0 ? 0 : 1;
}
