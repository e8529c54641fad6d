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
#include <QVBoxLayout>

#include "app/mousecfg_widget.h"
#include "app/shot_support.h"
#include "pages/macros/macro_dialog.h"
#include "pages/macros/macro_page_dialogs.h"
#include "pages/macros/tarn_gunset_dialog.h"
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
        if (level == 2 && options.language != 0) continue;
        const QString tag = QStringLiteral("macro_lang%1_scale%2").arg(options.language).arg(level);
        shots::Rig rig(options.paths, true, level == 0 ? 96.0 : 144.0);
        MousecfgWidget window(rig.services);
        window.show();
        shots::settle();
        rig.status.stop();
        window.slotRefreshBatteryStatus(0, 0xE8, 0x03);
        window.switchPage(MousecfgWidget::TabMacro);

        // The page fills the window's macro area until the tab takes it over.
        ScriptedCapture capture;
        auto* page = new MacroDialog(options.paths, capture, window.macroPage());
        auto* layout = new QVBoxLayout(window.macroPage());
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(page);
        auto dialogs = std::make_unique<ShotDialogs>(&window, page, out, tag);
        ShotDialogs* shotDialogs = dialogs.get();
        page->setDialogs(std::move(dialogs));
        qint64 now = 0;
        page->setClock([&now] { return now; });
        QObject::connect(page, &MacroDialog::EnableButtonsSignal, &window,
                         &MousecfgWidget::slotEnableButtons);
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
