#include "app/window/mousecfg_widget.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "app/session/app_log.h"
#include "app/tabs/product_pictures.h"
#include "app/tabs/tab_list.h"
#include "app/window/battery_gauge.h"
#include "app/window/language_menu.h"
#include "app/window/mouse_selector.h"
#include "app/window/profile_bar.h"
#include "app/window/tray.h"
#include "app/window/window_metrics.h"
#include "storage/app_settings.h"
#include "storage/product_descriptor.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_push_button.h"
#include "widgets/ui_context.h"

namespace mousecfg {

namespace {

// Shrinks the label's font until its text fits its width.
void fitText(QLabel* label) {
    QFont f = label->font();
    while (f.pixelSize() > 6 && QFontMetrics(f).horizontalAdvance(label->text()) > label->width())
        f.setPixelSize(f.pixelSize() - 1);
    label->setFont(f);
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
    background_.load(paths.skinFile(QStringLiteral("cfgMainback.png")));

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
    setScaleLevel(scaleLevel_);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);

    createControls();
    if (translated) languageMenu_->showCurrent();
    connectSession();
    session_.setApplyRunner(&applyRunner_);
    layoutControls();
    built_ = true;
    switchPage(loadLedDisable(paths) != 0 ? TabCustomize : TabLighting);

    // Device lists, the current mouse, both profile sets, the status thread; the pages follow.
    session_.start();
    retranslate();

    // No focus frames: the skinned buttons take no keyboard focus. (A window-wide style sheet
    // would also restyle the message boxes this window parents and lose their white text.)
    for (TarnPushButton* b : findChildren<TarnPushButton*>()) b->setFocusPolicy(Qt::NoFocus);
    setWindowIcon(QIcon(paths.skinFile(QStringLiteral("icon.ico"))));
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
    tabs_ = makeTabs(TabContext{paths, session_, this, *pictures_});
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

    language_ = makeButton({QStringLiteral("lang.png")}, "languageButton");
    languageMenu_ = new LanguageMenu(languages_, language_);
    connect(&languages_, &LanguageSwitcher::languageChanged, this, [this] {
        layoutControls();
        retranslate();
    });

    gauge_ = new BatteryGauge(paths, this);
    versionLabel_ = new QLabel(this);
    versionLabel_->setObjectName(QStringLiteral("versionLabel"));
    versionLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* l : {logo_, versionLabel_})
        l->setStyleSheet(QStringLiteral("color:white;background:transparent"));
    tray_ = new Tray(paths, this);
    connect(tray_, &Tray::showRequested, this, &MousecfgWidget::showWindowOrWarn);
    connect(tray_, &Tray::toggleRequested, this, &MousecfgWidget::onTrayToggle);
}

void MousecfgWidget::connectSession() {
    WindowSession* s = &session_;
    connect(s, &WindowSession::recordChanged, this, &MousecfgWidget::refreshTabs);
    connect(s, &WindowSession::setReloaded, this, &MousecfgWidget::onSetReloaded);
    connect(s, &WindowSession::batteryChanged, gauge_, &BatteryGauge::setBattery);
    connect(s, &WindowSession::connectionChanged, gauge_, &BatteryGauge::setConnection);
    connect(s, &WindowSession::showRequested, this, &MousecfgWidget::showWindowOrWarn);
    connect(s, &WindowSession::applyMessage, this,
            [this](const QString& text) { messageBox(TarnMessageBox::Question, text); });
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
    apply_->setGeometry(ui.scaledRect(597, 588, 76, 30));
    ok_->setGeometry(ui.scaledRect(439, 588, 0, 0));
    cancel_->setGeometry(ui.scaledRect(518, 588, 0, 0));
    firmware_->setGeometry(ui.scaledRect(0, 0, 0, 0));
    versionLabel_->setGeometry(ui.scaledRect(807, 594, 140, 20));
    profileBar_->layout();
    gauge_->layout();
    pictures_->layout();

    versionLabel_->setFont(ui.font());
    QFont logoFont = ui.font();
    logoFont.setBold(true);
    logoFont.setPixelSize(ui.scaled(22));
    logo_->setFont(logoFont);
    fitText(logo_);
    fitText(versionLabel_);
}

void MousecfgWidget::retranslate() {
    const Paths& paths = services_.paths;
    versionLabel_->setText(tr("Version") + QLatin1Char(' ') + loadVersion(paths));
    fitText(versionLabel_);
    const QString model = appsettings::loadModel(paths);
    logo_->setText(model.isEmpty() ? appsettings::loadCurrentProductName(paths) : model);
    fitText(logo_);
    for (size_t i = 0; i < tabs_.size(); ++i) tabButtons_[i]->setText(tabs_[i]->caption());
    ok_->setText(tr("OK"));
    cancel_->setText(tr("Cancel"));
    apply_->setText(tr("Apply"));
    firmware_->setText(tr("Firmware Update"));
    profileBar_->retranslate();
    tray_->retranslate();
    gauge_->retranslate();
    languageMenu_->applyFont();
    mouseMenu_->applyFont();
    for (Tab* t : tabs_) t->retranslate();
    pictures_->reload();
}

void MousecfgWidget::switchPage(int index) {
    if (index < 0 || index >= static_cast<int>(tabs_.size())) return;
    currentTab_ = index;
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
        hide();
    } else if (s == minimise_) {
        showMinimized();
    } else if (s == apply_ || s == ok_) {
        takeBackPageValues();
        session_.runWriteFlow(false);
        if (s == ok_) hide();
    } else if (s == cancel_) {
        hide();
        profileBar_->profiles().reloadCurrent();
    } else {
        for (size_t i = 0; i < tabButtons_.size(); ++i)
            if (s == tabButtons_[i]) switchPage(static_cast<int>(i));
    }
}

void MousecfgWidget::onSetReloaded() {
    pictures_->reload();
    for (Tab* t : tabs_) t->productChanged();
    switchPage(TabLighting);
    refreshTabs();
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
    if (box.exec() == QDialog::Accepted && session_.connectedMice() == 0) hide();
    session_.setWarningShown(false);
}

void MousecfgWidget::onTrayToggle() {
    if (!isVisible())
        showWindowOrWarn();
    else if (!session_.warningShown())
        hide();
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

void MousecfgWidget::setScaleLevel(int level) {
    scaleLevel_ = level;
    UiContext ui = UiContext::current();
    ui.scale = metrics::scaleFactorForLevel(level);
    UiContext::install(ui);
    QPixmap& back = scaledBackgrounds_[static_cast<size_t>(level)];
    if (back.isNull() && !background_.isNull())
        back = background_.scaled(ui.scaled(metrics::kDesignWidth), ui.scaled(metrics::kDesignHeight),
                                  Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The skin's transparent parts are not part of the window.
    if (!back.isNull() && back.hasAlphaChannel()) setMask(back.mask());
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

void MousecfgWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap& back = scaledBackgrounds_[static_cast<size_t>(scaleLevel_)];
    if (!back.isNull())
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
