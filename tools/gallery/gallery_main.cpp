// mousecfg-gallery: every widget of the kit in each of its states, every message-box kind and
// the whole skin, in the current or a chosen language.
//
//   mousecfg-gallery [--data-dir DIR] [--lang N] [--theme ID] [--shots DIR]
//
// With --shots the window, the menu, every dialog and the skin sheet are saved as PNG files in
// DIR (named gallery-<lang>-*.png) and the program ends; scripts/screenshot uses this.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QDirIterator>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QToolButton>
#include <cstdio>

#include "storage/app_settings.h"
#include "storage/paths.h"
#include "widgets/language_switcher.h"
#include "widgets/tarn_action.h"
#include "widgets/tarn_label.h"
#include "widgets/tarn_line_edit.h"
#include "widgets/tarn_list_item.h"
#include "widgets/tarn_menu.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_pop_box.h"
#include "widgets/tarn_processbar.h"
#include "widgets/tarn_push_button.h"
#include "widgets/tarn_slider.h"
#include "widgets/ui_context.h"

using namespace mousecfg;

namespace {

const QStringList kTabImages = {QStringLiteral("tabbutton-1.png"), QStringLiteral("tabbutton-3.png"),
                                QStringLiteral("tabbutton-2.png")};

void sendEnter(QWidget* w) {
    QEvent e(QEvent::Enter);
    QApplication::sendEvent(w, &e);
}
void sendPress(QWidget* w, QPoint at = QPoint(-1, -1)) {
    if (at.x() < 0) at = w->rect().center();
    QMouseEvent e(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// The gallery window: a dark surface with one section per group of widgets.
class Gallery : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(Gallery)

public:
    explicit Gallery(const QString& languageName) : languageName_(languageName) {
        setObjectName(QStringLiteral("gallery"));
        setWindowTitle(tr("Widget gallery"));
        auto* grid = new QGridLayout(this);
        grid->setContentsMargins(24, 20, 24, 20);
        grid->setHorizontalSpacing(28);
        grid->setVerticalSpacing(10);
        int row = 0;
        grid->addWidget(
            heading(tr("Push buttons: normal, hover, pressed, disabled, selected while disabled")), row++, 0,
            1, 2);
        grid->addWidget(pushButtons(), row++, 0, 1, 2);
        grid->addWidget(heading(tr("Title bar, profile bar and drop-down buttons")), row++, 0, 1, 2);
        grid->addWidget(smallButtons(), row++, 0, 1, 2);
        grid->addWidget(heading(tr("Drawing variants")), row, 0);
        grid->addWidget(heading(tr("Slider, labels and line edit")), row++, 1);
        grid->addWidget(variants(), row, 0);
        grid->addWidget(inputs(), row++, 1);
        grid->addWidget(heading(tr("Battery gauge and delay rows")), row, 0);
        grid->addWidget(heading(tr("Icons")), row++, 1);
        grid->addWidget(gauges(), row, 0);
        grid->addWidget(icons(), row++, 1);
        grid->setRowStretch(row, 1);
    }

    TarnSlider* slider = nullptr;

private:
    QString languageName_;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(16, 16, 20));
    }

private:
    static TarnLabel* heading(const QString& text) {
        auto* l = new TarnLabel;
        l->setText(text);
        l->setTextColour(UiContext::current().theme.lighter(130));
        l->setMinimumHeight(22);
        l->setMinimumWidth(200);
        return l;
    }
    static TarnLabel* caption(const QString& text) {
        auto* l = new TarnLabel;
        l->setText(text);
        l->setTextColour(QColor(150, 150, 160));
        l->setAlignment(Qt::AlignCenter);
        l->setFixedHeight(18);
        return l;
    }
    static QWidget* column(QWidget* w, const QString& text) {
        auto* box = new QWidget;
        auto* v = new QVBoxLayout(box);
        v->setContentsMargins(0, 0, 0, 0);
        v->setSpacing(3);
        v->addWidget(w, 0, Qt::AlignHCenter);
        v->addWidget(caption(text));
        return box;
    }
    static TarnPushButton* button(const QStringList& images, const QString& text, QSize size,
                                  const QString& icon = QString()) {
        auto* b = new TarnPushButton(images, nullptr, icon);
        b->setText(text);
        b->setFixedSize(size);
        return b;
    }

    QWidget* pushButtons() {
        auto* w = new QWidget;
        auto* h = new QHBoxLayout(w);
        h->setContentsMargins(0, 0, 0, 0);
        const QSize tabSize(154, 29);
        auto* normal = button(kTabImages, tr("LIGHTING"), tabSize);
        auto* hover = button(kTabImages, tr("CUSTOMIZE"), tabSize);
        sendEnter(hover);
        auto* pressed = button(kTabImages, tr("DPI"), tabSize);
        sendEnter(pressed);
        sendPress(pressed);
        auto* disabled = button(kTabImages, tr("MACRO"), tabSize);
        disabled->setButtonEnabled(false);
        auto* selected = button(kTabImages, tr("Apply"), QSize(76, 30));
        selected->setSelectable(true);
        selected->setCheckedState(true);
        selected->setButtonEnabled(false);
        auto* single = button({QStringLiteral("tabbutton-1.png")}, tr("SAVE"), QSize(76, 30));
        sendEnter(single);
        sendPress(single);
        auto* elided = button(kTabImages, tr("A caption far too long for this button"), QSize(128, 30));
        h->addWidget(column(normal, tr("normal")));
        h->addWidget(column(hover, tr("hover")));
        h->addWidget(column(pressed, tr("pressed")));
        h->addWidget(column(disabled, tr("disabled")));
        h->addWidget(column(selected, tr("selected, disabled")));
        h->addWidget(column(single, tr("one image, pressed")));
        h->addWidget(column(elided, tr("elided caption")));
        h->addStretch();
        return w;
    }

    QWidget* smallButtons() {
        auto* w = new QWidget;
        auto* h = new QHBoxLayout(w);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(14);
        for (int s = 0; s < 3; ++s) {
            auto* row = new QWidget;
            auto* r = new QHBoxLayout(row);
            r->setContentsMargins(0, 0, 0, 0);
            for (const char* base : {"min", "close"}) {
                QStringList imgs;
                for (int i = 1; i <= 3; ++i)
                    imgs << QStringLiteral("%1-%2.png").arg(QLatin1String(base)).arg(i);
                auto* b = button(imgs, QString(), QSize(19, 19));
                if (s >= 1) sendEnter(b);
                if (s == 2) sendPress(b);
                r->addWidget(b);
            }
            h->addWidget(column(row, s == 0 ? tr("normal") : s == 1 ? tr("hover") : tr("pressed")));
        }
        auto* profiles = new QWidget;
        auto* pr = new QHBoxLayout(profiles);
        pr->setContentsMargins(0, 0, 0, 0);
        pr->setSpacing(2);
        const char* names[] = {"profile_add",  "profile_del",   "profile_import", "profile_export",
                               "profile_copy", "profile_reset", "profile_apply"};
        int i = 0;
        for (const char* n : names) {
            const QString base = QLatin1String(n);
            QStringList imgs{base + QStringLiteral("1.png")};
            if (QFile::exists(UiContext::current().skinPath(base + QStringLiteral("2.png"))))
                imgs << base + QStringLiteral("2.png");
            auto* b = button(imgs, QString(), QSize(22, 22));
            if (i++ % 2) sendEnter(b);
            pr->addWidget(b);
        }
        h->addWidget(column(profiles, tr("profile bar")));
        auto* steps = new QWidget;
        auto* sr = new QHBoxLayout(steps);
        sr->setContentsMargins(0, 0, 0, 0);
        for (const auto& pair :
             {QStringList{QStringLiteral("btn_up2.png"), QStringLiteral("btn_up1.png")},
              QStringList{QStringLiteral("btn_down2.png"), QStringLiteral("btn_down1.png")},
              QStringList{QStringLiteral("btn_up4.png"), QStringLiteral("btn_up3.png")},
              QStringList{QStringLiteral("btn_down4.png"), QStringLiteral("btn_down3.png")}}) {
            auto* b = button(pair, QString(), QSize(24, 24));
            b->setSelectable(true);
            b->setCheckedState(pair.first().contains(QLatin1String("down")));
            sr->addWidget(b);
        }
        h->addWidget(column(steps, tr("up / down")));
        auto* lang = button({QStringLiteral("lang.png")}, languageName_, QSize(105, 20));
        h->addWidget(column(lang, tr("language")));
        auto* sel =
            button({QStringLiteral("profilesel.png")}, tr("Profile") + QStringLiteral(" 1"), QSize(150, 26));
        h->addWidget(column(sel, tr("profile selector")));
        h->addStretch();
        return w;
    }

    QWidget* variants() {
        auto* w = new QWidget;
        auto* h = new QHBoxLayout(w);
        h->setContentsMargins(0, 0, 0, 0);
        const QColor colours[] = {QColor(0, 160, 255), QColor(40, 220, 120), QColor(255, 200, 0)};
        int i = 0;
        for (const QColor& c : colours) {
            auto* b = button({}, QString(), QSize(23, 23));
            b->setSwatch(true, c, i != 1);
            if (i == 2) sendEnter(b);
            h->addWidget(column(b, i == 0 ? tr("round") : i == 1 ? tr("square") : tr("hover")));
            ++i;
        }
        auto* vertical = button(kTabImages, tr("VERTICAL"), QSize(29, 110));
        vertical->setVerticalText(true);
        h->addWidget(column(vertical, tr("vertical text")));
        h->addStretch();
        return w;
    }

    QWidget* inputs() {
        auto* w = new QWidget;
        auto* g = new QGridLayout(w);
        g->setContentsMargins(0, 26, 0, 0);
        slider = new TarnSlider(Qt::Horizontal, w);
        slider->setRange(1, 20);
        slider->setValue(12);
        slider->setFixedWidth(200);
        slider->setBubbleEnabled(true);
        auto* off = new TarnSlider(Qt::Horizontal, w);
        off->setRange(1, 20);
        off->setValue(6);
        off->setFixedWidth(200);
        off->setEnabled(false);
        auto* filled = new TarnLabel(w);
        filled->setText(tr("Label with a fill"));
        filled->setFillColour(QColor(50, 50, 58));
        filled->setAlignment(Qt::AlignCenter);
        filled->setFixedSize(200, 24);
        auto* number = new TarnLabel(w);
        number->setNumber(1600);
        number->setFixedHeight(24);
        auto* edit = new TarnLineEdit(w);
        edit->setText(tr("Profile name"));
        edit->setFixedWidth(200);
        edit->setStyleSheet(QStringLiteral("border-width:2px;background-color:rgb(30,30,30);color:white"));
        g->addWidget(slider, 0, 0);
        g->addWidget(caption(tr("value bubble while dragging")), 0, 1);
        g->addWidget(off, 1, 0);
        g->addWidget(caption(tr("disabled")), 1, 1);
        g->addWidget(filled, 2, 0);
        g->addWidget(number, 2, 1);
        g->addWidget(edit, 3, 0);
        g->addWidget(caption(tr("line edit")), 3, 1);
        return w;
    }

    QWidget* gauge(bool mouseOff) {
        auto* frame = new QLabel;
        frame->setPixmap(QPixmap(UiContext::current().skinPath(QStringLiteral("bat2.png"))));
        frame->setFixedSize(86, 47);
        auto* bar = new TarnProcessbar(frame);
        bar->setGeometry(6, 6, 71, 34);
        bar->setRange(0, 100);
        bar->setValue(70);
        const QColor t = UiContext::current().theme;
        if (mouseOff) {
            bar->setText(tr("MOUSE OFF"));
            bar->setTextVisible(false);
            bar->setStyleSheet(
                QStringLiteral("QProgressBar{background:rgb(100,100,100);border:none;color:white;}"
                               "QProgressBar::chunk{background:rgb(100,100,100);}"));
        } else {
            bar->setFormat(QStringLiteral("%p%"));
            bar->setAlignment(Qt::AlignCenter);
            bar->setStyleSheet(QStringLiteral("QProgressBar{background:white;border:none;color:black;}"
                                              "QProgressBar::chunk{background:rgb(%1,%2,%3);}")
                                   .arg(t.red())
                                   .arg(t.green())
                                   .arg(t.blue()));
        }
        return frame;
    }

    QWidget* gauges() {
        auto* w = new QWidget;
        auto* h = new QHBoxLayout(w);
        h->setContentsMargins(0, 0, 0, 0);
        h->addWidget(column(gauge(false), tr("battery")));
        h->addWidget(column(gauge(true), tr("mouse off")));
        auto* cable = new QLabel;
        cable->setPixmap(QPixmap(UiContext::current().skinPath(QStringLiteral("bat1.png"))));
        h->addWidget(column(cable, tr("cable")));
        auto* rows = new QWidget;
        auto* v = new QVBoxLayout(rows);
        v->setContentsMargins(0, 0, 0, 0);
        auto* shown = new TarnListItem;
        shown->setFixedSize(110, 24);
        shown->setKindAndValue(TarnListItem::kDelayKind, 0, 123);
        auto* editing = new TarnListItem;
        editing->setFixedSize(110, 24);
        editing->setKindAndValue(TarnListItem::kDelayKind, 0, 50);
        editing->enterEditMode();
        v->addWidget(shown);
        v->addWidget(editing);
        h->addWidget(column(rows, tr("delay rows")));
        h->addStretch();
        return w;
    }

    QWidget* icons() {
        auto* w = new QWidget;
        auto* h = new QHBoxLayout(w);
        h->setContentsMargins(0, 0, 0, 0);
        for (const char* name : {"warn.png", "dongle2.png", "dongle.png", "lightning.png", "keybo.png",
                                 "keydown.png", "keyup.png", "mouse_move.png", "delay.png", "checkbox2-1.png",
                                 "checkbox2-2.png", "DPI-OFF.png", "DPI-ON.png", "rate.png"}) {
            auto* l = new QLabel;
            l->setPixmap(QPixmap(UiContext::current().skinPath(QLatin1String(name))));
            h->addWidget(l, 0, Qt::AlignBottom);
        }
        h->addStretch();
        return w;
    }
};

// Every image of the skin folder with its name and size, on the window background colour.
QWidget* skinSheet(const QString& skinDir) {
    auto* sheet = new QWidget;
    sheet->setAutoFillBackground(true);
    QPalette pal = sheet->palette();
    pal.setColor(QPalette::Window, QColor(60, 60, 66));
    pal.setColor(QPalette::WindowText, Qt::white);
    sheet->setPalette(pal);
    auto* grid = new QGridLayout(sheet);
    QStringList files;
    QDirIterator it(skinDir, {QStringLiteral("*.png")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) files << QDir(skinDir).relativeFilePath(it.next());
    files.sort();
    files.removeAll(QStringLiteral("cfgMainback.png"));
    int i = 0;
    for (const QString& f : files) {
        QPixmap pm(skinDir + QLatin1Char('/') + f);
        if (pm.width() > 160 || pm.height() > 160)
            pm = pm.scaled(160, 160, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        auto* img = new QLabel;
        img->setPixmap(pm);
        img->setAlignment(Qt::AlignCenter);
        auto* name = new QLabel(f);
        name->setAlignment(Qt::AlignCenter);
        QFont small = name->font();
        small.setPixelSize(10);
        name->setFont(small);
        grid->addWidget(img, (i / 8) * 2, i % 8);
        grid->addWidget(name, (i / 8) * 2 + 1, i % 8);
        ++i;
    }
    return sheet;
}

bool saveGrab(QWidget* w, const QString& dir, const QString& name) {
    const QString path = dir + QLatin1Char('/') + name;
    const bool ok = w->grab().save(path);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, true);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mousecfg-gallery"));
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption dataDir(QStringLiteral("data-dir"), QStringLiteral("Data folder."),
                               QStringLiteral("dir"));
    QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("Switch to language <n>."),
                            QStringLiteral("n"));
    QCommandLineOption theme(QStringLiteral("theme"), QStringLiteral("Theme colour id."),
                             QStringLiteral("id"));
    QCommandLineOption shots(QStringLiteral("shots"), QStringLiteral("Save PNGs into <dir> and quit."),
                             QStringLiteral("dir"));
    parser.addOptions({dataDir, lang, theme, shots});
    parser.process(app);
    // Drawing pictures switches languages, which rewrites the data folder's settings.
    if (parser.isSet(shots) && !parser.isSet(dataDir)) {
        std::fprintf(stderr, "mousecfg-gallery: --shots needs --data-dir\n%s", qPrintable(parser.helpText()));
        return 64;
    }

    const Paths paths = Paths::forProgram(QCoreApplication::applicationDirPath(), parser.value(dataDir));
    UiContext ui = UiContext::fromPaths(paths, 0);
    if (parser.isSet(theme)) ui.theme = appsettings::themeColour(parser.value(theme).toInt());
    UiContext::install(ui);
    LanguageSwitcher languages(paths);
    languages.loadAtStartup();
    if (parser.isSet(lang) && !languages.switchTo(parser.value(lang).toInt()))
        std::fprintf(stderr, "language %s is not available\n", qPrintable(parser.value(lang)));

    const int current = languages.currentIndex();
    Gallery gallery(languages.hasChoice() ? languages.table().names[current] : QStringLiteral("English"));
    gallery.resize(1100, 700);
    const QString shotDir = parser.value(shots);
    if (shotDir.isEmpty()) {
        gallery.show();
        return app.exec();
    }

    QDir().mkpath(shotDir);
    const QString prefix = QStringLiteral("gallery-%1-").arg(languages.currentIndex());
    gallery.show();
    QApplication::processEvents();
    // Show the slider's bubble as during a drag.
    // Press on the handle (12 pixels wide in the kit's style) to show the bubble as in a drag.
    TarnSlider* slider = gallery.slider;
    const double at = double(slider->value() - slider->minimum()) / (slider->maximum() - slider->minimum());
    sendPress(slider, QPoint(6 + static_cast<int>(at * (slider->width() - 12)), slider->height() / 2));
    int failures = saveGrab(&gallery, shotDir, prefix + QStringLiteral("widgets.png")) ? 0 : 1;

    TarnMenu menu;
    for (const char* rate : {"125 HZ", "250 HZ", "500 HZ", "1000 HZ"})
        menu.addAction(new TarnAction(QLatin1String(rate), &menu));
    menu.popup(gallery.mapToGlobal(QPoint(40, 40)));
    QApplication::processEvents();
    menu.setActiveAction(menu.actions().at(1));
    failures += saveGrab(&menu, shotDir, prefix + QStringLiteral("menu.png")) ? 0 : 1;
    menu.hide();

    const QString warning = Gallery::tr("Warning");
    const struct {
        int kind;
        QString text;
    } boxes[] = {{1, Gallery::tr("Are you sure you want to delete this profile?")},
                 {2, Gallery::tr("Profile Exist!")},
                 {3, Gallery::tr("AT LEAST ONE CLICK FUNCTION TO BE RETAINED.")},
                 {4, Gallery::tr("Dongle Disconnect!")},
                 {0, Gallery::tr("Send data failed, please try again.")}};
    for (const auto& b : boxes) {
        TarnMessageBox box(b.kind, QString(), warning, b.text, &gallery);
        box.show();
        QApplication::processEvents();
        failures += saveGrab(&box, shotDir, prefix + QStringLiteral("msgbox-kind%1.png").arg(b.kind)) ? 0 : 1;
    }
    TarnPopBox pop(2, QString(), Gallery::tr("Add profile"), Gallery::tr("Please enter the profile name:"),
                   &gallery);
    pop.lineEdit()->setText(Gallery::tr("My profile"));
    pop.show();
    QApplication::processEvents();
    failures += saveGrab(&pop, shotDir, prefix + QStringLiteral("popbox.png")) ? 0 : 1;

    if (languages.currentIndex() == 0) {
        QScrollArea sheetHost;
        QWidget* sheet = skinSheet(UiContext::current().skinDir);
        sheet->adjustSize();
        failures += saveGrab(sheet, shotDir, QStringLiteral("skin-sheet.png")) ? 0 : 1;
        delete sheet;
        QLabel back;
        back.setPixmap(QPixmap(UiContext::current().skinPath(QStringLiteral("cfgMainback.png"))));
        back.adjustSize();
        failures += saveGrab(&back, shotDir, QStringLiteral("skin-cfgMainback.png")) ? 0 : 1;
    }
    return failures ? 1 : 0;
}
