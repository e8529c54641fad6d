#include "app/window/mousecfg_widget.h"

#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "app/session/app_log.h"
#include "app/session/firmware_handover.h"
#include "app/tabs/product_pictures.h"
#include "app/tabs/tab_list.h"
#include "app/window/battery_gauge.h"
#include "app/window/language_menu.h"
#include "app/window/mouse_selector.h"
#include "app/window/profile_bar.h"
#include "app/window/skin_preload.h"
#include "app/window/tray.h"
#include "app/window/window_metrics.h"
#include "platform/focus_key_capture.h"
#include "storage/app_settings.h"
#include "storage/product_descriptor.h"
#include "widgets/fit_text.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_push_button.h"
#include "widgets/ui_context.h"

namespace mousecfg {

namespace {

// The label in `base`, shrunk as far as its text needs to fit its width. Always from the base
// font: a caption that needed a small size does not leave the next, shorter one small.
void fitText(QLabel* label, const QFont& base) {
    label->setFont(fitFontToWidth(base, label->text(), label->width()));
}

// The icon QIcon(file) makes of an .ico file's images: one pixmap per size, of the highest depth
// the file had where it holds a size twice.
QIcon iconFromImages(const QList<QImage>& images) {
    const auto depth = [](const QImage& image) {
        const QString d = image.text(QStringLiteral("_q_icoOrigDepth"));
        return d.isEmpty() ? 32 : d.toInt();
    };
    QList<QImage> best;
    for (const QImage& image : images) {
        const auto same = std::find_if(best.begin(), best.end(),
                                       [&image](const QImage& b) { return b.size() == image.size(); });
        if (same == best.end())
            best.append(image);
        else if (depth(image) > depth(*same))
            *same = image;
    }
    QIcon icon;
    for (const QImage& image : best) icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

}  // namespace

QString MousecfgWidget::titleFor(const QString& productName, bool simulated) {
    return simulated ? productName + QStringLiteral(" (simulated mouse)") : productName;
}

MousecfgWidget::MousecfgWidget(AppServices& services, QWidget* parent)
    : QWidget(parent),
      services_(services),
      session_(services),
      applyRunner_(this),
      languages_(services.paths) {
    const Paths& paths = services_.paths;
    setObjectName(QStringLiteral("MousecfgWidget"));
    resize(400, 300);

    // The scale level from the screen's logical DPI, published to every widget with the
    // language's font; the translation is in place before any caption is set.
    scaleLevel_ = metrics::scaleLevelForDpi(screenLogicalDpi());
    UiContext::install(UiContext::fromPaths(paths, 0, metrics::scaleFactorForLevel(scaleLevel_)));
    const bool translated = languages_.loadAtStartup();

    const UiContext& ui = UiContext::current();
    setMinimumSize(metrics::kDesignWidth, metrics::kDesignHeight);
    resize(ui.scaled(metrics::kDesignWidth), ui.scaled(metrics::kDesignHeight));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);

    createControls();
    if (translated) languageMenu_->showCurrent();
    connectSession();
    session_.setApplyRunner(&applyRunner_);
    layoutControls();
    built_ = true;
    switchPage(firstTab());

    // Device lists, the current mouse, both profile sets, the status thread; the pages follow.
    session_.start();
    retranslate();

    // No focus frames: the skinned buttons take no keyboard focus. (A window-wide style sheet
    // would also restyle the message boxes this window parents and lose their white text.)
    // The tab buttons are the exception: the open tab's button has the first focus, so that
    // nothing typed before a click lands in the NAME field, and Tab and Space walk the tabs.
    for (TarnPushButton* b : findChildren<TarnPushButton*>()) b->setFocusPolicy(Qt::NoFocus);
    focusTabButtons();
    tabButtons_[static_cast<size_t>(currentTab_)]->setFocus(Qt::OtherFocusReason);
    // The skin's images come last: they decode on their own thread meanwhile (see main).
    loadBackground();
    setScaleLevel(scaleLevel_);

    // What the first frame does not show comes once it is out: on the first paint, or on the
    // first turn of the event loop when the window starts hidden.
    QTimer::singleShot(0, this, [this] {
        if (!isVisible()) finishStartUp();
    });
}

void MousecfgWidget::finishStartUp() {
    if (startUpFinished_) return;
    startUpFinished_ = true;
    // The icon is not part of the frame; one set already (from the working folder, by the program's
    // start) stays. Decoded once: the tray shows the same icon.
    const QList<QImage> icon = skinpreload::takeAll(services_.paths.skinFile(QStringLiteral("icon.ico")));
    if (!testAttribute(Qt::WA_SetWindowIcon)) setWindowIcon(iconFromImages(icon));
    tray_ = new Tray(services_.paths, this);
    connect(tray_, &Tray::showRequested, this, &MousecfgWidget::showWindowOrWarn);
    connect(tray_, &Tray::toggleRequested, this, &MousecfgWidget::onTrayToggle);
    connect(tray_, &Tray::quitRequested, this, [this] { quitProgram(0); });
    tray_->retranslate();
    session_.writeFactoryProfile();
    // The skin's panels and gradients take a fraction of the memory as runs.
    backgroundRuns_ = RunImage(scaledBackgrounds_[static_cast<size_t>(scaleLevel_)].toImage());
    if (!backgroundRuns_.isNull()) {
        background_ = QPixmap();
        scaledBackgrounds_ = {};
    }
#if defined(__GLIBC__)
    // Start-up freed far more than it keeps (file images, decoded skins, parse buffers): give the
    // free pages back to the system once.
    malloc_trim(0);
#endif
}

MousecfgWidget::~MousecfgWidget() = default;

TarnPushButton* MousecfgWidget::makeButton(const QStringList& images, const char* objectName) {
    auto* b = new TarnPushButton(images, this);
    b->setObjectName(QLatin1String(objectName));
    connect(b, &QPushButton::clicked, this, &MousecfgWidget::onClicked);
    return b;
}

void MousecfgWidget::createControls() {
    const Paths& paths = services_.paths;
    mouseSelector_ = makeButton({}, "mouseSelector");
    mouseMenu_ = new MouseSelector(session_, mouseSelector_);
    logo_ = new QLabel(this);
    logo_->setObjectName(QStringLiteral("logoLabel"));
    close_ = makeButton(
        {QStringLiteral("close-1.png"), QStringLiteral("close-2.png"), QStringLiteral("close-3.png")},
        "closeButton");
    minimise_ = makeButton(
        {QStringLiteral("min-1.png"), QStringLiteral("min-2.png"), QStringLiteral("min-3.png")}, "minButton");
    pictures_ = new ProductPictures(paths, this);
    pictures_->setImageSource(&skinpreload::take);
    KeyCaptureService* keys = services_.keyCapture;
    if (!keys) {
        ownKeyCapture_ = std::make_unique<FocusKeyCaptureService>();
        keys = ownKeyCapture_.get();
    }
    tabs_ = makeTabs(TabContext{paths, session_, this, *pictures_, *keys});
    for (size_t i = 0; i < tabs_.size(); ++i) {
        TarnPushButton* b = makeButton(captionButtonImages(), tabs_[i]->buttonName());
        b->setSelectable(true);
        // A tab acts on the press already.
        connect(b, &TarnPushButton::EnterSignal, this, [this, i] { switchPage(static_cast<int>(i)); });
        tabButtons_.push_back(b);
        connect(tabs_[i], &Tab::switchTabRequested, this, &MousecfgWidget::switchPage);
        connect(tabs_[i], &Tab::warningRequested, this,
                [this](const QString& text) { messageBox(TarnMessageBox::Refusal, text); });
        connect(tabs_[i], &Tab::windowControlsEnabled, this, &MousecfgWidget::slotEnableButtons);
    }
    profileBar_ = new ProfileBar(session_, this);
    connect(profileBar_, &ProfileBar::takeBackRequested, this, &MousecfgWidget::takeBackPageValues);
    ok_ = makeButton(captionButtonImages(), "okButton");
    cancel_ = makeButton(captionButtonImages(), "cancelButton");
    apply_ = makeButton(captionButtonImages(), "applyButton");
    firmware_ = makeButton(captionButtonImages(), "firmwareButton");
    // The update starts on the press itself.
    connect(firmware_, &TarnPushButton::EnterSignal, this, &MousecfgWidget::onFirmwarePressed);

    language_ = makeButton({QStringLiteral("lang.png")}, "languageButton");
    languageMenu_ = new LanguageMenu(languages_, language_);
    connect(&languages_, &LanguageSwitcher::languageChanged, this, [this] {
        layoutControls();
        retranslate();
    });
    connect(languageMenu_, &LanguageMenu::switchFailed, this, [this](const QString& name) {
        messageBox(TarnMessageBox::Refusal, tr("The %1 translation cannot be loaded.").arg(name));
    });

    gauge_ = new BatteryGauge(paths, this);
    versionLabel_ = new QLabel(this);
    versionLabel_->setObjectName(QStringLiteral("versionLabel"));
    versionLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* l : {logo_, versionLabel_})
        l->setStyleSheet(QStringLiteral("color:white;background:transparent"));
}

void MousecfgWidget::connectSession() {
    WindowSession* s = &session_;
    connect(s, &WindowSession::recordChanged, this, &MousecfgWidget::refreshTabs);
    connect(s, &WindowSession::setReloaded, this, &MousecfgWidget::onSetReloaded);
    connect(s, &WindowSession::batteryChanged, gauge_, &BatteryGauge::setBattery);
    connect(s, &WindowSession::connectionChanged, gauge_, &BatteryGauge::setConnection);
    connect(s, &WindowSession::showRequested, this, &MousecfgWidget::showWindowOrWarn);
    connect(s, &WindowSession::batteryLow, this, [this](int level) { onBatteryAlert(level, false); });
    connect(s, &WindowSession::batteryCritical, this, [this](int level) { onBatteryAlert(level, true); });
    connect(s, &WindowSession::applyMessage, this,
            [this](const QString& text) { messageBox(TarnMessageBox::Question, text); });
    connect(s, &WindowSession::warning, this,
            [this](const QString& text) { messageBox(TarnMessageBox::Refusal, text); });
    // Before another slot becomes current, or the sets are compared, the pages' copies go back.
    connect(s, &WindowSession::pageCopiesWanted, this, &MousecfgWidget::takeBackPageValues);
}

void MousecfgWidget::layoutControls() {
    const UiContext& ui = UiContext::current();
    logo_->setGeometry(ui.scaledRect(69, 20, 200, 50));
    mouseSelector_->setGeometry(ui.scaledRect(670, 33, 100, 20));
    language_->setGeometry(ui.scaledRect(774, 33, 105, 20));
    minimise_->setGeometry(ui.scaledRect(903, 33, 19, 19));
    close_->setGeometry(ui.scaledRect(924, 33, 19, 19));
    for (size_t i = 0; i < tabs_.size(); ++i) {
        const bool available = tabs_[i]->available();
        tabButtons_[i]->setGeometry(
            ui.scaledRect(69, 90 + 34 * static_cast<int>(i), available ? 154 : 0, available ? 29 : 0));
        tabs_[i]->layout();
    }
    focusTabButtons();
    apply_->setGeometry(ui.scaledRect(597, 588, 76, 30));
    ok_->setGeometry(ui.scaledRect(439, 588, 0, 0));
    cancel_->setGeometry(ui.scaledRect(518, 588, 0, 0));
    firmware_->setGeometry(ui.scaledRect(0, 0, 0, 0));
    versionLabel_->setGeometry(ui.scaledRect(807, 594, 140, 20));
    profileBar_->layout();
    gauge_->layout();
    pictures_->layout();
    fitLabels();
}

void MousecfgWidget::fitLabels() {
    const UiContext& ui = UiContext::current();
    QFont logoFont = ui.font();
    logoFont.setBold(true);
    logoFont.setPixelSize(ui.scaled(22));
    fitText(logo_, logoFont);
    fitText(versionLabel_, ui.font());
}

void MousecfgWidget::retranslate() {
    const Paths& paths = services_.paths;
    versionLabel_->setText(tr("Version") + QLatin1Char(' ') + loadVersion(paths));
    const QString model = appsettings::loadModel(paths);
    logo_->setText(model.isEmpty() ? appsettings::loadCurrentProductName(paths) : model);
    fitLabels();
    for (size_t i = 0; i < tabs_.size(); ++i) tabButtons_[i]->setText(tabs_[i]->caption());
    ok_->setText(tr("OK"));
    cancel_->setText(tr("Cancel"));
    apply_->setText(tr("Apply"));
    firmware_->setText(tr("Firmware Update"));
    profileBar_->retranslate();
    if (tray_) tray_->retranslate();
    gauge_->retranslate();
    languageMenu_->applyFont();
    mouseMenu_->applyFont();
    for (Tab* t : tabs_) t->retranslate();
    pictures_->reload();
}

void MousecfgWidget::focusTabButtons() {
    // A tab without size (a product without lighting) is not reached with Tab either.
    for (size_t i = 0; i < tabButtons_.size(); ++i)
        tabButtons_[i]->setFocusPolicy(tabs_[i]->available() ? Qt::TabFocus : Qt::NoFocus);
}

void MousecfgWidget::switchPage(int index) {
    if (index < 0 || index >= static_cast<int>(tabs_.size())) return;
    // The focus on a tab button moves with the open tab.
    const bool tabFocused =
        std::find(tabButtons_.begin(), tabButtons_.end(), focusWidget()) != tabButtons_.end();
    currentTab_ = index;
    if (tabFocused) tabButtons_[static_cast<size_t>(index)]->setFocus(Qt::OtherFocusReason);
    for (size_t i = 0; i < tabButtons_.size(); ++i)
        tabButtons_[i]->setCheckedState(static_cast<int>(i) == index);
    pictures_->show(ProductPictures::View::None);
    for (size_t i = 0; i < tabs_.size(); ++i)
        if (static_cast<int>(i) != index) tabs_[i]->setShown(false);
    tabs_[static_cast<size_t>(index)]->setShown(true);
}

void MousecfgWidget::refreshTabs() {
    for (Tab* t : tabs_) t->refresh();
}

void MousecfgWidget::takeBackPageValues() {
    for (Tab* t : tabs_) t->takeBack();
}

void MousecfgWidget::onClicked() {
    QObject* s = sender();
    if (s == close_) {
        closeRequested();
    } else if (s == minimise_) {
        showMinimized();
    } else if (s == apply_ || s == ok_) {
        takeBackPageValues();
        session_.runWriteFlow(false);
        if (s == ok_) hideToTray();
    } else if (s == cancel_) {
        hideToTray();
        profileBar_->profiles().reloadCurrent();
    } else {
        for (size_t i = 0; i < tabButtons_.size(); ++i)
            if (s == tabButtons_[i]) switchPage(static_cast<int>(i));
    }
}

void MousecfgWidget::onSetReloaded() {
    pictures_->reload();
    for (Tab* t : tabs_) t->productChanged();
    // The product may have changed with the set: the first tab is the one it offers first.
    switchPage(firstTab());
    refreshTabs();
}

int MousecfgWidget::firstTab() const {
    // A product with its lighting switched off has no lighting tab; customising comes first then.
    return tabs_[TabLighting]->available() ? TabLighting : TabCustomize;
}

void MousecfgWidget::slotEnableButtons(bool bEnable) {
    for (TarnPushButton* b : tabButtons_) b->setButtonEnabled(bEnable);
    for (TarnPushButton* b : {language_, close_, minimise_, firmware_, ok_, cancel_, apply_, mouseSelector_})
        b->setButtonEnabled(bEnable);
    profileBar_->setControlsEnabled(bEnable);
}

void MousecfgWidget::showWindowOrWarn() {
    show();
    if (session_.connectedMice() != 0) {
        setWindowOpacity(1.0);
        activateWindow();
        return;
    }
    session_.setWarningShown(true);
    TarnMessageBox box(TarnMessageBox::DongleMissing, QString(), tr("Warning"), tr("Dongle Disconnect!"),
                       this, true);
    if (services_.makePollTicker) box.setPollSource(this, services_.makePollTicker());
    if (box.exec() == QDialog::Accepted && session_.connectedMice() == 0) hideToTray();
    session_.setWarningShown(false);
}

void MousecfgWidget::showFromActivation() {
    if (isMinimized()) showNormal();
    raise();
    // A box of ours that is up stays in front of the window it belongs to (raised alone, the
    // window would cover the box that still holds it).
    if (QWidget* box = QApplication::activeModalWidget(); box && box != this) {
        box->raise();
        box->activateWindow();
        return;
    }
    // The warning, when it is up, stays the one box; else the usual way to show the window.
    if (session_.warningShown() && isVisible())
        activateWindow();
    else
        showWindowOrWarn();
}

void MousecfgWidget::onTrayToggle() {
    if (!isVisible())
        showWindowOrWarn();
    else if (!session_.warningShown())
        hideToTray();
}

// --- Tray, closing and the firmware hand-over

bool MousecfgWidget::canHide() const {
    return services_.trayAvailable ? services_.trayAvailable() : QSystemTrayIcon::isSystemTrayAvailable();
}

void MousecfgWidget::showAtStart() {
    if (session_.connectedMice() == 0 && canHide()) return;
    setWindowOpacity(1.0);
    show();
}

void MousecfgWidget::hideToTray() {
    if (canHide()) hide();
}

void MousecfgWidget::closeRequested() {
    if (canHide()) {
        hide();
        return;
    }
    qCDebug(lcApp) << "no notification area: closing the window ends the program";
    quitProgram(0);
}

void MousecfgWidget::closeEvent(QCloseEvent* event) {
    // Closing only hides a widget; where nothing could show it again the program ends with it.
    event->accept();
    if (!canHide()) quitProgram(0);
}

void MousecfgWidget::quitProgram(int exitCode) {
    if (services_.quit)
        services_.quit(exitCode);
    else
        QCoreApplication::exit(exitCode);
}

void MousecfgWidget::onBatteryAlert(int level, bool critical) {
    const QString product = appsettings::loadCurrentProductName(services_.paths);
    // The tray comes after the first frame; an alert before it goes to the display.
    if (canHide() && tray_) {
        tray_->showMessage(critical ? tr("Battery critically low") : tr("Battery low"),
                           critical
                               ? tr("%1 will switch off soon. Please charge it now.").arg(product)
                               : tr("%1 is down to %2 %. Please charge it soon.").arg(product).arg(level),
                           critical);
    } else {
        session_.showOnScreen(critical ? tr("Battery critically low") : tr("Battery %1 %").arg(level));
    }
}

void MousecfgWidget::onFirmwarePressed() {
    firmware_->setCheckedState(false);
    if (!firmware::cableConnected(*services_.link)) {
        messageBox(TarnMessageBox::Refusal,
                   tr("To update the firmware, please connect to the computer with a cable."));
        return;
    }
    TarnMessageBox ask(TarnMessageBox::Question, QString(), tr("Warning"),
                       tr("Do you want to upgrade the firmware?"), this);
    if (ask.exec() != QDialog::Accepted) return;
    switch (firmware::startUpdater(services_, languages_.currentIndex())) {
        case firmware::Start::Started:
            quitProgram(0);
            break;
        case firmware::Start::NoUpdater:
            messageBox(
                TarnMessageBox::Notice,
                tr("No firmware updater is installed with this program. Please update the firmware with "
                   "the updater from the mouse's maker."));
            break;
        case firmware::Start::Failed:
            messageBox(TarnMessageBox::Notice, tr("The firmware updater could not be started."));
            break;
    }
}

void MousecfgWidget::messageBox(int kind, const QString& text) {
    TarnMessageBox(kind, QString(), tr("Warning"), text, this).exec();
}

// --- Skin, scale and dragging

double MousecfgWidget::screenLogicalDpi() const {
    if (services_.logicalDpi) return services_.logicalDpi();
    QScreen* screen = nullptr;
    if (isVisible()) screen = QGuiApplication::screenAt(frameGeometry().center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

void MousecfgWidget::loadBackground() {
    // Decoded already on its own thread when the program began it (the tests' windows decode it
    // here).
    const QString file = services_.paths.skinFile(QStringLiteral("cfgMainback.png"));
    background_ = QPixmap::fromImage(skinpreload::take(file));
    backgroundMask_ = skinpreload::takeAlphaMask(file);
}

void MousecfgWidget::setScaleLevel(int level) {
    scaleLevel_ = level;
    UiContext ui = UiContext::current();
    ui.scale = metrics::scaleFactorForLevel(level);
    UiContext::install(ui);
    if (!backgroundRuns_.isNull()) {
        // Another scale after start-up: from the skin file again, as pixmaps.
        backgroundRuns_ = RunImage();
        loadBackground();
    }
    QPixmap& back = scaledBackgrounds_[static_cast<size_t>(level)];
    if (back.isNull() && !background_.isNull())
        back = background_.scaled(ui.scaled(metrics::kDesignWidth), ui.scaled(metrics::kDesignHeight),
                                  Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The skin's transparent parts are not part of the window (the mask of the image as decoded
    // serves the scale that draws it at its own size).
    if (!back.isNull() && back.hasAlphaChannel())
        setMask(backgroundMask_.size() == back.size() ? QBitmap::fromImage(backgroundMask_) : back.mask());
    backgroundMask_ = QImage();
}

void MousecfgWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int level = metrics::scaleLevelForDpi(screenLogicalDpi());
    if (level != scaleLevel_) {
        setScaleLevel(level);
        if (built_) {
            layoutControls();
            pictures_->reload();
        }
    }
    qCDebug(lcApp, "width = %d, height = %d m_iDpiVal = %d\n", width(), height(), scaleLevel_);
}

void MousecfgWidget::paintEvent(QPaintEvent* event) {
    if (!startUpFinished_) QTimer::singleShot(0, this, &MousecfgWidget::finishStartUp);
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap& back = scaledBackgrounds_[static_cast<size_t>(scaleLevel_)];
    if (!backgroundRuns_.isNull())
        backgroundRuns_.paint(p, event->rect());
    else if (!back.isNull())
        p.drawPixmap(rect(), back);
    else
        p.fillRect(rect(), QColor(20, 20, 20));
}

void MousecfgWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressPos_ = event->globalPos();
        originAtPress_ = frameGeometry().topLeft();
        dragging_ = true;
    }
    QWidget::mousePressEvent(event);
}

void MousecfgWidget::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && metrics::dragMoves(pressPos_, event->globalPos()))
        move(originAtPress_ + (event->globalPos() - pressPos_));
    QWidget::mouseMoveEvent(event);
}

void MousecfgWidget::mouseReleaseEvent(QMouseEvent* event) {
    dragging_ = false;
    QWidget::mouseReleaseEvent(event);
}

}  // namespace mousecfg
