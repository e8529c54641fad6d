#include "app/mousecfg_widget.h"

#include <QApplication>
#include <QBitmap>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QTranslator>

#include "app/app_log.h"
#include "app/performance_pages.h"
#include "app/profile_dialogs.h"
#include "app/profile_manager.h"
#include "app/scheduler.h"
#include "app/window_metrics.h"
#include "device/device_link.h"
#include "device/profile_writer.h"
#include "device/status_reporter.h"
#include "platform/pointer_speed.h"
#include "storage/app_settings.h"
#include "storage/product_descriptor.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"
#include "widgets/tarn_menu.h"
#include "widgets/tarn_processbar.h"
#include "widgets/tarn_push_button.h"
#include "widgets/ui_context.h"

namespace mousecfg {

QString MousecfgWidget::titleFor(const QString& productName, bool simulated) {
    return simulated ? productName + QStringLiteral(" (simulated mouse)") : productName;
}

MousecfgWidget::MousecfgWidget(AppServices& services, QWidget* parent)
    : QWidget(parent), services_(services), monitor_(*services.link, *services.pacer, services.paths, *this) {
    const Paths& paths = services_.paths;
    // 1. Frameless window of the design size (replaced below).
    setObjectName(QStringLiteral("MousecfgWidget"));
    resize(400, 300);

    // 2. Skin images.
    background_.load(paths.skinFile(QStringLiteral("cfgMainback.png")));
    bat1_.load(paths.skinFile(QStringLiteral("bat1.png")));
    bat2_.load(paths.skinFile(QStringLiteral("bat2.png")));

    // 3. Scale level from the screen's logical DPI, published to every widget.
    languageIndex_ = languages::loadLanguageId(paths);
    languageTable_ = languages::loadLanguageTable(paths);
    languageIndex_ = languages::effectiveLanguageId(languageIndex_, languageTable_);
    scaleLevel_ = metrics::scaleLevelForDpi(screenLogicalDpi());
    previousScaleLevel_ = scaleLevel_;
    scaleFactor_ = metrics::scaleFactorForLevel(scaleLevel_);
    UiContext::install(UiContext::fromPaths(paths, languageIndex_, scaleFactor_));

    // 4. Size, position and mask.
    setMinimumSize(metrics::kDesignWidth, metrics::kDesignHeight);
    resize(metrics::scaled(metrics::kDesignWidth, scaleFactor_),
           metrics::scaled(metrics::kDesignHeight, scaleFactor_));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    ensureBackground(scaleLevel_);
    const QPixmap& back = scaledBackgrounds_[static_cast<size_t>(scaleLevel_)];
    if (!back.isNull() && back.hasAlphaChannel()) setMask(back.mask());

    // 5. Hot-plug notifications and the frameless flag.
    if (services_.hotplug) {
        connect(services_.hotplug, &HotplugService::deviceEvent, this,
                [this](const HotplugEvent& e) { onDeviceEvent(e); });
        if (!services_.hotplug->start()) qCDebug(lcApp) << "注册失败";
    }
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);

    // 6. The mouse selector.
    mouseSelector_ = makeButton({}, "mouseSelector");
    mouseSelector_->hide();

    // 7. Device list and mouse list.
    services_.link->InitDeviceList(paths);
    services_.link->EnumerateDevices();
    monitor_.rebuildMouseList();

    // 8.-9. Controls and the translation.
    createControls();
    const QString qm = languages::translationFile(paths, languageTable_, languageIndex_);
    translator_ = std::make_unique<QTranslator>();
    if (!qm.isEmpty() && translator_->load(qm)) {
        QCoreApplication::installTranslator(translator_.get());
        language_->setText(languageTable_.names[static_cast<size_t>(languageIndex_)]);
    }

    // 10. Open the current product and start the status thread.
    batteryFull_ = appsettings::loadBatteryFull(paths);
    connect(services_.status, &StatusReporter::RefreshBatteryStatus, this,
            &MousecfgWidget::slotRefreshBatteryStatus);
    connect(services_.status, &StatusReporter::RefreshStatus, this, &MousecfgWidget::slotRefreshStatus);
    connect(services_.status, &StatusReporter::RefreshWriteStatus, this,
            &MousecfgWidget::slotRefreshWriteStatus);
    services_.link->OpenDevice(appsettings::loadCurrentProductName(paths));
    startStatusThread();

    // 11. Stored and working profile sets; the host's pointer speed goes into the current record.
    loadConfigState(paths, storedState_);
    workingState_ = storedState_;
    if (services_.pointerSpeed) {
        if (const std::optional<int> speed = services_.pointerSpeed->read())
            currentProfile(workingState_).mousespeed = static_cast<uint8_t>(*speed);
    }
    rebuildProfileMenu();

    // 12. Pages, captions, the first tab.
    createPages();
    clearMarkerSelection();
    applyModelImages();
    layoutControls();
    switchPage(loadLedDisable(paths) != 0 ? TabCustomize : TabLighting);
    refreshAllPages();
    retranslate();

    // 13. Slot name; the factory profile file is written afresh.
    showCurrentSlotName();
    writeDefaultProfileFile(paths);

    // 14. Style and icon.
    // No focus frames: the skinned buttons take no keyboard focus. (A window-wide style sheet
    // would also restyle the message boxes this window parents and lose their white text.)
    for (TarnPushButton* b : findChildren<TarnPushButton*>()) b->setFocusPolicy(Qt::NoFocus);
    setWindowIcon(QIcon(paths.skinFile(QStringLiteral("icon.ico"))));

    // 15. Tray.
    createTray();
    retranslate();

    // 16. Gauge at its start values until the first report (100 with a cable, so the connection
    // state is worked out first), then the connection state.
    applyConnectionState();
    slotRefreshBatteryStatus(0, 1, 1);
    applyConnectionState();

    // 17. The window is shown, or the missing mouse reported, a moment after start-up.
    services_.scheduler->singleShot(200, this, [this] { slotWarning(); });
}

MousecfgWidget::~MousecfgWidget() {
    stopStatusThread();
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
}

double MousecfgWidget::screenLogicalDpi() const {
    if (services_.logicalDpi) return services_.logicalDpi();
    QScreen* screen = nullptr;
    if (isVisible()) screen = QGuiApplication::screenAt(frameGeometry().center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

QWidget* MousecfgWidget::frameControl(const QString& objectName) const {
    return findChild<QWidget*>(objectName);
}

// --- Events

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

void MousecfgWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap& back = scaledBackgrounds_[static_cast<size_t>(scaleLevel_)];
    if (!back.isNull())
        p.drawPixmap(rect(), back);
    else
        p.fillRect(rect(), QColor(20, 20, 20));
    const QPixmap& frame = connectionState_ < ReceiverOnly ? bat1_ : bat2_;
    if (!frame.isNull())
        p.drawPixmap(QRect(metrics::scaled(69, scaleFactor_), metrics::scaled(581, scaleFactor_),
                           metrics::scaled(86, scaleFactor_), metrics::scaled(47, scaleFactor_)),
                     frame);
}

void MousecfgWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int level = metrics::scaleLevelForDpi(screenLogicalDpi());
    if (level != previousScaleLevel_) {
        previousScaleLevel_ = level;
        scaleLevel_ = level;
        scaleFactor_ = metrics::scaleFactorForLevel(level);
        publishScale();
        ensureBackground(level);
        const QPixmap& back = scaledBackgrounds_[static_cast<size_t>(level)];
        if (!back.isNull() && back.hasAlphaChannel()) setMask(back.mask());
        if (frontPicture_) {
            layoutControls();
            layoutPictures();
        }
    }
    qCDebug(lcApp, "width = %d, height = %d m_iDpiVal = %d\n", width(), height(), scaleLevel_);
}

bool MousecfgWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == frontMarkers_[0]) {
        if (event->type() == QEvent::Enter) frontMarkers_[0]->setCheckedState(false);
        if (event->type() == QEvent::Leave) frontMarkers_[0]->setCheckedState(true);
    }
    return QWidget::eventFilter(watched, event);
}

// --- The one click handler

void MousecfgWidget::onButtonClicked() {
    QObject* s = sender();
    if (s == close_) {
        hide();
    } else if (s == minimise_) {
        showMinimized();
    } else if (s == apply_) {
        takeBackPageValues();
        runWriteFlow(false);
    } else if (s == ok_) {
        runWriteFlow(false);
        hide();
    } else if (s == cancel_) {
        hide();
        MouseProfile& record = currentProfile(workingState_);
        const QString name =
            workingState_.profileNames[static_cast<size_t>(currentProfileIndex(workingState_))];
        const QString file = libraryProfileFile(services_.paths, productName_, name);
        if (!file.isEmpty()) {
            loadProfileFromPath(record, file);
            record.ProfileName = name;
        }
        refreshAllPages();
    } else if (s == front_ || s == side_) {
        setFrontView(s == front_);
    } else if (s == up_ || s == down_) {
        onMarkerClicked(static_cast<TarnPushButton*>(s));
    } else if (onProfileButton(s)) {
    } else {
        for (TarnPushButton* m : frontMarkers_)
            if (s == m) onMarkerClicked(m);
        for (TarnPushButton* m : sideMarkers_)
            if (s == m) onMarkerClicked(m);
        for (size_t i = 0; i < tabs_.size(); ++i)
            if (s == tabs_[i]) switchPage(static_cast<int>(i));
    }
}

void MousecfgWidget::warnNotYet(const QString& what) {
    // The profile library operations arrive with the profile management work.
    qCDebug(lcApp) << "profile operation not available yet:" << what;
}

void MousecfgWidget::onTabPressed(TarnPushButton* tab) {
    for (size_t i = 0; i < tabs_.size(); ++i)
        if (tab == tabs_[i]) switchPage(static_cast<int>(i));
}

void MousecfgWidget::onMarkerClicked(TarnPushButton* marker) {
    int view = 0;
    int index = marker->curIndex();
    if (marker == up_ || marker == down_) {
        view = 2;
        index = marker == up_ ? 0 : 1;
    } else if (std::find(sideMarkers_.begin(), sideMarkers_.end(), marker) != sideMarkers_.end()) {
        view = 4;
    }
    markerSelection_[static_cast<size_t>(view)] = index;
    markerSelection_[3] = view;
    for (TarnPushButton* m : frontMarkers_) m->setCheckedState(true);
    for (TarnPushButton* m : sideMarkers_) m->setCheckedState(true);
    up_->setCheckedState(true);
    down_->setCheckedState(true);
    marker->setCheckedState(false);
    // The button page learns the selection once it exists.
}

void MousecfgWidget::switchPage(int index) {
    if (index < 0 || index > TabMacro) return;
    currentTab_ = index;
    for (TarnPushButton* t : tabs_) t->setCheckedState(false);
    tabs_[static_cast<size_t>(index)]->setCheckedState(true);
    lightingPage_->setVisible(index == TabLighting);
    buttonScroll_->setVisible(index == TabCustomize);
    dpiPage_->setVisible(index == TabDpi);
    pointerPage_->setVisible(index == TabDpi);
    ratePage_->setVisible(index == TabDpi);
    macroPage_->setVisible(index == TabMacro);
    const bool customize = index == TabCustomize;
    for (TarnPushButton* m : frontMarkers_) m->setVisible(customize && frontView_);
    for (TarnPushButton* m : sideMarkers_) m->setVisible(customize && !frontView_);
    for (TarnPushButton* b : {front_, side_, up_, down_}) b->setVisible(customize);
    // The product picture shares its place with the DPI and macro pages.
    const bool pictures = index == TabLighting || index == TabCustomize;
    frontPicture_->setVisible(pictures && (frontView_ || !customize));
    sidePicture_->setVisible(pictures && customize && !frontView_);
    productLabel_->setVisible(pictures);
}

void MousecfgWidget::setFrontView(bool front) {
    if (front == frontView_) return;
    frontView_ = front;
    // The other view's saved selection comes back.
    std::swap(markerSelection_[0], markerSelection_[4]);
    switchPage(currentTab_);
}

void MousecfgWidget::clearMarkerSelection() {
    markerSelection_.fill(0);
}

void MousecfgWidget::refreshAllPages() {
    // Each page reads the current record here once it exists; the report-rate page also gets the
    // lift-off value and the lighting page of product "7450" the whole working set.
    if (performance_) performance_->refresh();
}

void MousecfgWidget::takeBackPageValues() {
    // The DPI page's stage and table and the report-rate page's rate; the pointer-speed page
    // edits the record itself.
    if (performance_) performance_->takeBack();
}

void MousecfgWidget::showOnScreen(const QString& text) {
    constexpr int kKept = 16;
    osdTexts_.append(text);
    if (osdTexts_.size() > kKept) osdTexts_.removeFirst();
    qCDebug(lcApp).noquote() << "OSD:" << text;
}

// --- Slots raised by the pages

void MousecfgWidget::slotMouseOver(TarnPushButton* btn, bool bType) {
    const int i = btn ? btn->curIndex() : -1;
    if (i < 0 || i >= kMarkers) return;
    frontMarkers_[static_cast<size_t>(i)]->setCheckedState(!bType);
    const QString file = bType ? QStringLiteral("mouse/%1/mouse_%2.png").arg(productName_).arg(i + 1)
                               : QStringLiteral("mouse/%1/Mouse.png").arg(productName_);
    const QPixmap picture(services_.paths.skinFile(file));
    if (!picture.isNull())
        frontPicture_->setPixmap(picture.scaled(metrics::scaled(300, scaleFactor_),
                                                metrics::scaled(400, scaleFactor_), Qt::KeepAspectRatio,
                                                Qt::SmoothTransformation));
}

void MousecfgWidget::slotGotoMacro(uchar iBtn) {
    switchPage(iBtn);
}

void MousecfgWidget::slotPopOneClickBox() {
    messageBox(2, tr("AT LEAST ONE CLICK FUNCTION TO BE RETAINED."));
}

void MousecfgWidget::slotLiftChange(uchar iLift) {
    liftValue_ = iLift;
    workingState_.LiftHigh = iLift;
}

void MousecfgWidget::slotProfileNameChange() {
    profiles().rename(nameEdit_->text());
}

void MousecfgWidget::slotEnableButtons(bool bEnable) {
    for (TarnPushButton* b : tabs_) b->setButtonEnabled(bEnable);
    for (TarnPushButton* b : {language_, close_, minimise_, firmware_, profileSelector_, exportProfile_,
                              importProfile_, reset_, add_, delete_, copy_, resetAll_, ok_, cancel_, apply_,
                              storedProfile_, mouseSelector_, load_, save_})
        b->setButtonEnabled(bEnable);
    nameEdit_->setEnabled(bEnable);
}

void MousecfgWidget::chooseSlot(int slot, bool tellMouse) {
    if (slot < 0 || slot >= kProfileCount) return;
    // The mouse already holds the slot it reported, so both sets agree on it.
    workingState_.ProfileID = static_cast<uint8_t>(slot);
    storedState_.ProfileID = static_cast<uint8_t>(slot);
    showCurrentSlotName();
    refreshAllPages();
    appsettings::saveProfileId(services_.paths, slot);
    rebuildProfileMenu();
    if (tellMouse && services_.writer) services_.writer->SelectProfile(slot);
    if (services_.pointerSpeed) services_.pointerSpeed->apply(currentProfile(workingState_).mousespeed);
}

}  // namespace mousecfg
