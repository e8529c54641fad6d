// Building and placing the main window's controls, pages, pictures and tray icon.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QTranslator>

#include "app/app_log.h"
#include "app/mousecfg_widget.h"
#include "app/performance_pages.h"
#include "app/profile_manager.h"
#include "app/window_metrics.h"
#include "storage/app_settings.h"
#include "storage/product_descriptor.h"
#include "widgets/tarn_menu.h"
#include "widgets/tarn_processbar.h"
#include "widgets/tarn_push_button.h"
#include "widgets/ui_context.h"

namespace mousecfg {

namespace {

QStringList tabImages() {
    return {QStringLiteral("tabbutton-1.png"), QStringLiteral("tabbutton-3.png"),
            QStringLiteral("tabbutton-2.png")};
}

QStringList threeStates(const QString& base) {
    return {base + QStringLiteral("-1.png"), base + QStringLiteral("-2.png"),
            base + QStringLiteral("-3.png")};
}

// Products whose button page uses the round up/down arrows.
bool usesRoundArrows(const QString& product) {
    static const QStringList kProducts{
        QStringLiteral("ARDEN2"),     QStringLiteral("BOREAL"),     QStringLiteral("CASPIAN"),
        QStringLiteral("DUNMOR FPS"), QStringLiteral("DUNMOR"),     QStringLiteral("ELKHART"),
        QStringLiteral("ELKHART3"),   QStringLiteral("FARROW"),     QStringLiteral("7401"),
        QStringLiteral("K330-RGB"),   QStringLiteral("7401-P5151"), QStringLiteral("GLENMORE"),
        QStringLiteral("K215"),       QStringLiteral("K216"),       QStringLiteral("K220-RGB"),
        QStringLiteral("HALDANE"),    QStringLiteral("K221-PRO"),   QStringLiteral("K221-RGB"),
        QStringLiteral("K221-RGB2"),  QStringLiteral("ISOLDE2"),    QStringLiteral("JURA2"),
        QStringLiteral("KILMORY")};
    return kProducts.contains(product);
}

// Shrinks the label's font until its text fits its width.
void fitText(QLabel* label) {
    QFont f = label->font();
    while (f.pixelSize() > 6 && QFontMetrics(f).horizontalAdvance(label->text()) > label->width()) {
        f.setPixelSize(f.pixelSize() - 1);
    }
    label->setFont(f);
}

}  // namespace

TarnPushButton* MousecfgWidget::makeButton(const QStringList& images, const char* objectName) {
    auto* b = new TarnPushButton(images, this);
    b->setObjectName(QLatin1String(objectName));
    connect(b, &QPushButton::clicked, this, &MousecfgWidget::onButtonClicked);
    return b;
}

void MousecfgWidget::createControls() {
    logo_ = new QLabel(this);
    logo_->setObjectName(QStringLiteral("logoLabel"));
    close_ = makeButton(threeStates(QStringLiteral("close")), "closeButton");
    minimise_ = makeButton(threeStates(QStringLiteral("min")), "minButton");
    static const char* const kTabNames[] = {"tabLighting", "tabCustomize", "tabDpi", "tabMacro"};
    for (size_t i = 0; i < tabs_.size(); ++i) {
        tabs_[i] = makeButton(tabImages(), kTabNames[i]);
        tabs_[i]->setSelectable(true);
        connect(tabs_[i], &TarnPushButton::EnterSignal, this, &MousecfgWidget::onTabPressed);
    }
    exportProfile_ =
        makeButton({QStringLiteral("profile_import1.png"), QStringLiteral("profile_import2.png")},
                   "exportProfileButton");
    importProfile_ = makeButton({QStringLiteral("profile_export1.png")}, "importProfileButton");
    reset_ = makeButton({QStringLiteral("profile_reset1.png"), QStringLiteral("profile_reset2.png")},
                        "resetButton");
    add_ = makeButton({QStringLiteral("profile_add1.png"), QStringLiteral("profile_add2.png")}, "addButton");
    delete_ =
        makeButton({QStringLiteral("profile_del1.png"), QStringLiteral("profile_del2.png")}, "deleteButton");
    copy_ =
        makeButton({QStringLiteral("profile_copy1.png"), QStringLiteral("profile_copy2.png")}, "copyButton");
    resetAll_ = makeButton(tabImages(), "resetAllButton");
    ok_ = makeButton(tabImages(), "okButton");
    cancel_ = makeButton(tabImages(), "cancelButton");
    apply_ = makeButton(tabImages(), "applyButton");
    load_ = makeButton(tabImages(), "loadButton");
    save_ = makeButton(tabImages(), "saveButton");

    language_ = makeButton({QStringLiteral("lang.png")}, "languageButton");
    languageMenu_ = new TarnMenu(this);
    for (int i = 0; i < languageTable_.usableCount(); ++i) {
        QAction* a = languageMenu_->addAction(languageTable_.names[static_cast<size_t>(i)]);
        connect(a, &QAction::triggered, this, [this, i] { loadLanguage(i); });
    }
    language_->setMenu(languageMenu_);
    if (languageTable_.usableCount() < 2) language_->hide();

    profileSelector_ = makeButton({QStringLiteral("profilesel.png")}, "profileSelector");
    profileMenu_ = new TarnMenu(this);
    for (int i = 0; i < kProfileCount; ++i) {
        QAction* a = profileMenu_->addAction(QString());
        connect(a, &QAction::triggered, this, [this, i] { chooseSlot(i, true); });
    }
    profileSelector_->setMenu(profileMenu_);

    nameLabel_ = new QLabel(this);
    nameLabel_->setObjectName(QStringLiteral("nameLabel"));
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName(QStringLiteral("nameField"));
    nameEdit_->setStyleSheet(QStringLiteral(
        "border-width:2px;background-color:rgb(30,30,30);color:white;QToolTip{background-color:black}"));
    connect(nameEdit_, &QLineEdit::returnPressed, this, &MousecfgWidget::slotProfileNameChange);
    storedProfile_ = makeButton({QStringLiteral("profile_apply1.png")}, "storedProfileButton");
    storedProfileMenu_ = new TarnMenu(this);
    storedProfile_->setMenu(storedProfileMenu_);

    firmware_ = makeButton(tabImages(), "firmwareButton");
    front_ = makeButton(tabImages(), "frontButton");
    side_ = makeButton(tabImages(), "sideButton");
    up_ = makeButton({}, "upButton");
    down_ = makeButton({}, "downButton");
    for (int i = 0; i < kMarkers; ++i) {
        frontMarkers_[static_cast<size_t>(i)] = makeButton({}, "frontMarker");
        sideMarkers_[static_cast<size_t>(i)] = makeButton({}, "sideMarker");
        frontMarkers_[static_cast<size_t>(i)]->setCurIndex(i);
        sideMarkers_[static_cast<size_t>(i)]->setCurIndex(i);
    }
    frontMarkers_[0]->installEventFilter(this);

    battery_ = new TarnProcessbar(this);
    battery_->setObjectName(QStringLiteral("batteryGauge"));
    battery_->setRange(0, 100);
    battery_->setAlignment(Qt::AlignCenter);
    chargingIcon_ = new QLabel(this);
    chargingIcon_->setObjectName(QStringLiteral("chargingIcon"));
    chargingIcon_->setPixmap(QPixmap(services_.paths.skinFile(QStringLiteral("lightning.png"))));
    chargingIcon_->setScaledContents(true);
    chargingIcon_->hide();
    receiverIcon_ = new QLabel(this);
    receiverIcon_->setObjectName(QStringLiteral("receiverIcon"));
    receiverIcon_->setPixmap(QPixmap(services_.paths.skinFile(QStringLiteral("dongle.png"))));
    receiverIcon_->setScaledContents(true);
    receiverIcon_->hide();

    frontPicture_ = new QLabel(this);
    frontPicture_->setObjectName(QStringLiteral("frontPicture"));
    frontPicture_->setAlignment(Qt::AlignCenter);
    sidePicture_ = new QLabel(this);
    sidePicture_->setObjectName(QStringLiteral("sidePicture"));
    sidePicture_->setAlignment(Qt::AlignCenter);
    sidePicture_->hide();
    productLabel_ = new QLabel(this);
    productLabel_->setObjectName(QStringLiteral("productLabel"));
    productLabel_->setAlignment(Qt::AlignCenter);
    versionLabel_ = new QLabel(this);
    versionLabel_->setObjectName(QStringLiteral("versionLabel"));
    versionLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* l : {logo_, nameLabel_, productLabel_, versionLabel_})
        l->setStyleSheet(QStringLiteral("color:white;background:transparent"));
}

void MousecfgWidget::createPages() {
    // The pages of the later feature work take these places; each is a plain widget of its
    // geometry until then, named after the class that will fill it.
    buttonScroll_ = new QScrollArea(this);
    buttonScroll_->setObjectName(QStringLiteral("buttonScrollArea"));
    buttonScroll_->setStyleSheet(
        QStringLiteral("QScrollArea{background-color:transparent;margin:0px;border:0px}"));
    buttonScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    buttonScroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    buttonScroll_->viewport()->setAutoFillBackground(false);
    buttonScroll_->viewport()->setStyleSheet(QStringLiteral("background:transparent"));
    buttonPage_ = new QWidget;
    buttonPage_->setObjectName(QStringLiteral("TarnBtnWindow"));
    buttonPage_->setStyleSheet(QStringLiteral("background:transparent"));
    buttonScroll_->setWidget(buttonPage_);
    auto makePage = [this](const char* name) {
        auto* w = new QWidget(this);
        w->setObjectName(QLatin1String(name));
        return w;
    };
    createPerformancePages();
    lightingPage_ = makePage("TarnColorWindow");
    macroPage_ = makePage("MacroDialog");
}

void MousecfgWidget::createTray() {
    showAction_ = new QAction(this);
    quitAction_ = new QAction(this);
    connect(showAction_, &QAction::triggered, this, &MousecfgWidget::showWindowOrWarn);
    connect(quitAction_, &QAction::triggered, qApp, &QCoreApplication::quit);
    trayMenu_ = new QMenu(this);
    trayMenu_->addAction(showAction_);
    trayMenu_->addAction(quitAction_);
    tray_ = new QSystemTrayIcon(this);
    tray_->setContextMenu(trayMenu_);
    tray_->setIcon(QIcon(services_.paths.skinFile(QStringLiteral("icon.ico"))));
    tray_->setToolTip(appsettings::loadCurrentProductName(services_.paths));
    connect(tray_, &QSystemTrayIcon::activated, this, &MousecfgWidget::iconActivated);
    tray_->setVisible(true);
}

void MousecfgWidget::layoutControls() {
    const double f = scaleFactor_;
    auto place = [f](QWidget* w, int x, int y, int width, int height) {
        if (!w) return;
        w->setGeometry(metrics::scaled(x, f), metrics::scaled(y, f), metrics::scaled(width, f),
                       metrics::scaled(height, f));
    };
    place(logo_, 69, 20, 200, 50);
    place(mouseSelector_, 670, 33, 100, 20);
    place(language_, 774, 33, 105, 20);
    place(minimise_, 903, 33, 19, 19);
    place(close_, 924, 33, 19, 19);
    const bool ledDisabled = loadLedDisable(services_.paths) != 0;
    const bool macroDisabled = loadDisableMacro(services_.paths) != 0;
    for (int i = 0; i < 4; ++i) {
        const bool hidden = (i == TabLighting && ledDisabled) || (i == TabMacro && macroDisabled);
        place(tabs_[static_cast<size_t>(i)], 69, 90 + 34 * i, hidden ? 0 : 154, hidden ? 0 : 29);
    }
    place(resetAll_, 308, 588, 128, 30);
    place(load_, 439, 588, 76, 30);
    place(save_, 518, 588, 76, 30);
    place(apply_, 597, 588, 76, 30);
    place(ok_, 439, 588, 0, 0);
    place(cancel_, 518, 588, 0, 0);
    const std::array<TarnPushButton*, 6> bar{add_, delete_, importProfile_, exportProfile_, copy_, reset_};
    for (size_t i = 0; i < bar.size(); ++i) place(bar[i], 69 + 24 * static_cast<int>(i), 504, 0, 0);
    place(nameLabel_, 69, 458, 0, 0);
    place(nameEdit_, 68, 479, 0, 0);
    place(storedProfile_, 202, 479, 0, 0);
    place(profileSelector_, 0, 0, 0, 0);
    place(firmware_, 0, 0, 0, 0);
    // Markers sit on the picture but have no size in this layout.
    for (int i = 0; i < kMarkers; ++i) {
        place(frontMarkers_[static_cast<size_t>(i)], 637 + 15 * (i % 5), 99 + 20 * (i / 5), 0, 0);
        place(sideMarkers_[static_cast<size_t>(i)], 637 + 15 * (i % 5), 99 + 20 * (i / 5), 0, 0);
    }
    place(up_, 637, 99, 0, 0);
    place(down_, 637, 119, 0, 0);
    place(front_, 637, 99, 0, 0);
    place(side_, 637, 119, 0, 0);
    place(frontPicture_, 637, 99, 300, 400);
    place(sidePicture_, 637, 99, 316, 443);
    place(productLabel_, 637, 515, 300, 20);
    place(versionLabel_, 807, 594, 140, 20);
    place(battery_, 75, 587, 71, 34);
    place(chargingIcon_, 174, 584, 26, 40);
    place(receiverIcon_, 174, 581, 48, 48);

    place(buttonScroll_, 285, 342, 664, 199);
    if (buttonPage_) buttonPage_->resize(metrics::scaled(664, f), metrics::scaled(199, f));
    place(lightingPage_, 285, 90, 351, 440);
    place(dpiPage_, 285, 90, 456, 460);
    place(pointerPage_, 746, 245, 229, 306);
    place(ratePage_, 746, 90, 229, 150);
    place(macroPage_, 285, 90, 665, 467);

    QFont font = UiContext::current().font();
    for (QWidget* w : {static_cast<QWidget*>(logo_), static_cast<QWidget*>(nameLabel_),
                       static_cast<QWidget*>(productLabel_), static_cast<QWidget*>(versionLabel_),
                       static_cast<QWidget*>(nameEdit_)})
        w->setFont(font);
    QFont logoFont = font;
    logoFont.setBold(true);
    logoFont.setPixelSize(metrics::scaled(22, f));
    logo_->setFont(logoFont);
    fitText(logo_);
    fitText(versionLabel_);
}

void MousecfgWidget::retranslate() {
    profileSelector_->setText(tr("Profile") + QStringLiteral(" %1").arg(workingState_.ProfileID + 1));
    const QList<QAction*> slotActions = profileMenu_->actions();
    for (int i = 0; i < slotActions.size(); ++i)
        slotActions[i]->setText(tr("Profile") + QStringLiteral(" %1").arg(i + 1));
    versionLabel_->setText(tr("Version") + QLatin1Char(' ') + loadVersion(services_.paths));
    fitText(versionLabel_);
    const QString model = appsettings::loadModel(services_.paths);
    logo_->setText(model.isEmpty() ? appsettings::loadCurrentProductName(services_.paths) : model);
    fitText(logo_);
    nameEdit_->setToolTip(tr("Press Enter To Apply"));
    nameLabel_->setText(tr("NAME"));
    reset_->setText(tr("RESET"));
    add_->setText(tr("ADD"));
    delete_->setText(tr("DELETE"));
    copy_->setText(tr("COPY"));
    resetAll_->setText(tr("Reset All"));
    ok_->setText(tr("OK"));
    cancel_->setText(tr("Cancel"));
    apply_->setText(tr("Apply"));
    load_->setText(tr("LOAD1"));
    save_->setText(tr("SAVE"));
    tabs_[TabLighting]->setText(tr("LIGHTING"));
    tabs_[TabCustomize]->setText(tr("CUSTOMIZE"));
    tabs_[TabDpi]->setText(tr("DPI"));
    tabs_[TabMacro]->setText(tr("MACRO"));
    firmware_->setText(tr("Firmware Update"));
    front_->setText(tr("Front"));
    side_->setText(tr("Side"));
    if (showAction_) showAction_->setText(tr("&Load Config"));
    if (quitAction_) quitAction_->setText(tr("&Quit"));
    if (mouseOff_.load()) battery_->setText(tr("MOUSE OFF"));
    for (TarnMenu* m : {languageMenu_, profileMenu_, storedProfileMenu_, mouseMenu_})
        if (m) m->applyFont();
    battery_->applyFont();
    // Every page sets its own captions again here once it exists.
    if (performance_) performance_->retranslate();
    stopStatusThread();
    startStatusThread();
    layoutPictures();
}

void MousecfgWidget::loadLanguage(int index) {
    const QString file = languages::translationFile(services_.paths, languageTable_, index);
    auto next = std::make_unique<QTranslator>();
    if (file.isEmpty() || !next->load(file)) {
        qCDebug(lcApp) << "translation not loaded:" << file;
        return;
    }
    languageIndex_ = index;
    language_->setText(languageTable_.names[static_cast<size_t>(index)]);
    languages::saveLanguageId(services_.paths, index);
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
    translator_ = std::move(next);
    QCoreApplication::installTranslator(translator_.get());
    UiContext ui = UiContext::current();
    ui.setLanguage(services_.paths, index);
    UiContext::install(ui);
    layoutControls();
    retranslate();
}

void MousecfgWidget::layoutPictures() {
    productName_ = appsettings::loadCurrentProductName(services_.paths);
    const double f = scaleFactor_;
    const QPixmap front(services_.paths.skinFile(QStringLiteral("mouse/%1/Mouse.png").arg(productName_)));
    if (!front.isNull())
        frontPicture_->setPixmap(front.scaled(metrics::scaled(300, f), metrics::scaled(400, f),
                                              Qt::KeepAspectRatio, Qt::SmoothTransformation));
    const QPixmap side(services_.paths.skinFile(QStringLiteral("mouse/%1_Side.png").arg(productName_)));
    if (!side.isNull())
        sidePicture_->setPixmap(side.scaled(metrics::scaled(300, f), metrics::scaled(300, f),
                                            Qt::KeepAspectRatio, Qt::SmoothTransformation));
    productLabel_->setText(productName_);
}

void MousecfgWidget::applyModelImages() {
    QStringList upImages, downImages;
    if (usesRoundArrows(productName_)) {
        upImages = QStringList{QStringLiteral("btn_up4.png"), QStringLiteral("btn_up3.png")};
        downImages = QStringList{QStringLiteral("btn_down4.png"), QStringLiteral("btn_down3.png")};
    } else {
        upImages = QStringList{QStringLiteral("btn_up2.png"), QStringLiteral("btn_up1.png")};
        downImages = QStringList{QStringLiteral("btn_down2.png"), QStringLiteral("btn_down1.png")};
    }
    // The arrows are rebuilt with the product's images, keeping their place and handlers.
    const QRect upGeometry = up_->geometry();
    const QRect downGeometry = down_->geometry();
    const bool visible = up_->isVisible();
    delete up_;
    delete down_;
    up_ = makeButton(upImages, "upButton");
    down_ = makeButton(downImages, "downButton");
    up_->setGeometry(upGeometry);
    down_->setGeometry(downGeometry);
    up_->setVisible(visible);
    down_->setVisible(visible);
    up_->setProperty("images", upImages);
    down_->setProperty("images", downImages);
}

void MousecfgWidget::ensureBackground(int level) {
    QPixmap& p = scaledBackgrounds_[static_cast<size_t>(level)];
    if (!p.isNull() || background_.isNull()) return;
    const double f = metrics::scaleFactorForLevel(level);
    p = background_.scaled(metrics::scaled(metrics::kDesignWidth, f),
                           metrics::scaled(metrics::kDesignHeight, f), Qt::IgnoreAspectRatio,
                           Qt::SmoothTransformation);
}

void MousecfgWidget::publishScale() {
    UiContext ui = UiContext::current();
    ui.scale = scaleFactor_;
    UiContext::install(ui);
}

void MousecfgWidget::rebuildProfileMenu() {
    storedProfileMenu_->clear();
    // The product's library list, as far as the menu shows it.
    for (const QString& name : profiles().libraryMenu()) {
        QAction* a = storedProfileMenu_->addAction(name);
        connect(a, &QAction::triggered, this, [this, name] { profiles().chooseLibraryProfile(name); });
    }
    storedProfileMenu_->setFixedWidth(metrics::scaled(152, scaleFactor_));
}

void MousecfgWidget::showCurrentSlotName() {
    const int slot = currentProfileIndex(workingState_);
    profileSelector_->setText(tr("Profile") + QStringLiteral(" %1").arg(slot + 1));
    nameEdit_->setText(workingState_.profileNames[static_cast<size_t>(slot)]);
}

}  // namespace mousecfg
