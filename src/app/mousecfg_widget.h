#pragma once

#include <QPixmap>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QWidget>
#include <array>
#include <atomic>
#include <memory>
#include <optional>

#include "app/app_services.h"
#include "app/connection_monitor.h"
#include "storage/config_state.h"
#include "storage/languages.h"
#include "widgets/device_ready.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollArea;
class QTranslator;

namespace mousecfg {

class PerformancePages;
class ProfileDialogs;
class ProfileManager;
class TarnMenu;
class TarnProcessbar;
class TarnPushButton;

// The program's only top-level window: skinned and frameless, with the title-bar buttons, the four
// page tabs, the profile bar, the battery gauge, the product pictures, the mouse selector and the
// tray icon. It owns the two profile sets and follows the mouse through the status thread and the
// connection monitor.
class MousecfgWidget : public QWidget, public DeviceReadyFlag, private ConnectionHost {
    Q_OBJECT
public:
    static constexpr int kMarkers = 20;
    enum Tab { TabLighting = 0, TabCustomize = 1, TabDpi = 2, TabMacro = 3 };
    enum ConnectionState { CableOnly = 0, CableAndReceiver = 1, ReceiverOnly = 2, NoConnection = 3 };

    explicit MousecfgWidget(AppServices& services, QWidget* parent = nullptr);
    ~MousecfgWidget() override;

    // The window title: the product name, marked when the simulated mouse stands in.
    static QString titleFor(const QString& productName, bool simulated);

    // DeviceReadyFlag
    bool isDeviceReady() const override { return deviceReady_; }

    int connectedMice() const { return monitor_.connectedCount(); }
    ConnectionMonitor& monitor() { return monitor_; }
    int scaleLevel() const { return scaleLevel_; }
    double scaleFactor() const { return scaleFactor_; }
    int currentTab() const { return currentTab_; }
    int connectionState() const { return connectionState_; }
    bool mouseOff() const { return mouseOff_.load(); }
    bool warningShown() const { return warningShown_; }
    int lastBatteryLevel() const { return lastBatteryLevel_; }
    // The latest texts sent to the on-screen display, oldest first.
    const QStringList& osdTexts() const { return osdTexts_; }
    ConfigState& workingState() { return workingState_; }
    ConfigState& storedState() { return storedState_; }

    // Controls, for the tray, the pages and tests.
    TarnProcessbar* batteryGauge() const { return battery_; }
    QLabel* chargingIcon() const { return chargingIcon_; }
    QLabel* receiverIcon() const { return receiverIcon_; }
    QLabel* frontPicture() const { return frontPicture_; }
    TarnPushButton* tabButton(int index) const { return tabs_[static_cast<size_t>(index)]; }
    TarnPushButton* applyButton() const { return apply_; }
    TarnPushButton* mouseSelector() const { return mouseSelector_; }
    TarnMenu* mouseMenu() const { return mouseMenu_; }
    TarnPushButton* languageButton() const { return language_; }
    TarnMenu* languageMenu() const { return languageMenu_; }
    TarnPushButton* profileSelector() const { return profileSelector_; }
    QLineEdit* nameField() const { return nameEdit_; }
    TarnPushButton* closeButton() const { return close_; }
    TarnPushButton* minimiseButton() const { return minimise_; }
    QSystemTrayIcon* trayIcon() const { return tray_; }
    QAction* quitAction() const { return quitAction_; }
    QAction* showAction() const { return showAction_; }
    QWidget* frameControl(const QString& objectName) const;

    // The six feature pages. The button, lighting and macro pages write into workingState()
    // directly; the DPI, pointer-speed and report-rate pages keep copies that takeBackPageValues()
    // folds into the current record before an apply. Until a page exists it is a plain widget of
    // its geometry.
    QWidget* buttonPage() const { return buttonPage_; }
    QWidget* dpiPage() const { return dpiPage_; }
    QWidget* pointerSpeedPage() const { return pointerPage_; }
    QWidget* reportRatePage() const { return ratePage_; }
    QWidget* lightingPage() const { return lightingPage_; }
    QWidget* macroPage() const { return macroPage_; }

    // The write flow: save, compare, write the changed parts on a worker thread behind the
    // progress dialog, report a failure. Returns the worker's result code.
    int runWriteFlow(bool writeAll);

    // The profile bar's operations (mousecfg_widget_profiles.cpp). Tests answer its questions and
    // file dialogs through setProfileDialogs (null: the skinned boxes and file dialogs again).
    ProfileManager& profiles();
    void setProfileDialogs(ProfileDialogs* dialogs);
    PerformancePages* performancePages() const { return performance_.get(); }

public Q_SLOTS:
    void slotMouseOver(mousecfg::TarnPushButton* btn, bool bType);
    void slotWarning();
    void slotWarnClose();
    void slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void slotRefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void slotRefreshWriteStatus(quint8 iStatus);
    void slotRefreshProfile(quint8 iProfile);
    void slotRefreshDPIStage(quint8 iDPI);
    void slotRefreshRate(quint8 iRate);
    void slotEnableButtons(bool bEnable);
    void slot_show_mousename(QAction* action);
    void slotGotoMacro(uchar iBtn);
    void slotPopOneClickBox();
    void slotLiftChange(uchar iLift);
    void slotProfileNameChange();
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void switchPage(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ConnectionHost
    void stopStatusThread() override;
    void startStatusThread() override;
    void reloadAfterDeviceChange() override;
    void mouseListChanged(const QStringList& names, const QString& current) override;
    void applyConnectionState() override;
    void scheduleWarning() override;
    void scheduleWarnClose() override;
    void setDeviceReady(bool ready) override { deviceReady_ = ready; }

    // Construction pieces (mousecfg_widget_layout.cpp).
    void createControls();
    void createPages();
    void createTray();
    void createPerformancePages();
    bool onProfileButton(QObject* sender);
    TarnPushButton* makeButton(const QStringList& images, const char* objectName);
    void layoutControls();
    void retranslate();
    void loadLanguage(int index);
    void layoutPictures();
    void applyModelImages();
    void ensureBackground(int level);
    void publishScale();
    void rebuildProfileMenu();
    void showCurrentSlotName();

    // Actions.
    void onDeviceEvent(const HotplugEvent& event);
    void onButtonClicked();
    void onTabPressed(TarnPushButton* tab);
    void onMarkerClicked(TarnPushButton* marker);
    void chooseSlot(int slot, bool tellMouse);
    void setFrontView(bool front);
    void clearMarkerSelection();
    void refreshAllPages();
    void takeBackPageValues();
    void showOnScreen(const QString& text);
    void showWindowOrWarn();
    void warnNotYet(const QString& what);
    int messageBox(int kind, const QString& text);
    double screenLogicalDpi() const;

    AppServices& services_;
    ConnectionMonitor monitor_;
    ConfigState workingState_;
    ConfigState storedState_;
    QString productName_;  // current product name (settings file), cached for the pictures

    bool dragging_ = false;
    QPoint pressPos_;
    QPoint originAtPress_;
    double scaleFactor_ = 1.0;
    int scaleLevel_ = 0;
    int previousScaleLevel_ = 0;
    QPixmap background_;
    std::array<QPixmap, 17> scaledBackgrounds_;
    QPixmap bat1_;
    QPixmap bat2_;

    std::unique_ptr<QTranslator> translator_;
    int languageIndex_ = 0;
    languages::LanguageTable languageTable_;

    QSystemTrayIcon* tray_ = nullptr;
    QMenu* trayMenu_ = nullptr;
    QAction* showAction_ = nullptr;
    QAction* quitAction_ = nullptr;

    TarnProcessbar* battery_ = nullptr;
    int lastBatteryLevel_ = -1;
    int batteryFull_ = 4200;
    std::atomic<bool> mouseOff_{false};
    QLabel* chargingIcon_ = nullptr;
    QLabel* receiverIcon_ = nullptr;
    QLabel* frontPicture_ = nullptr;
    QLabel* sidePicture_ = nullptr;
    QLabel* logo_ = nullptr;
    QLabel* productLabel_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    int connectionState_ = NoConnection;
    bool deviceReady_ = false;
    bool warningShown_ = false;
    bool frontView_ = true;
    // Selection of the button page: front marker, (unused), up/down, last view, side marker.
    std::array<int, 5> markerSelection_{};
    int currentTab_ = TabLighting;
    uint8_t liftValue_ = 0;
    QStringList osdTexts_;
    // A write thread runs: status reports and device changes wait until it is done.
    bool writing_ = false;
    std::optional<std::array<quint8, 4>> pendingStatus_;
    QVector<HotplugEvent> pendingEvents_;

    TarnPushButton* close_ = nullptr;
    TarnPushButton* minimise_ = nullptr;
    std::array<TarnPushButton*, 4> tabs_{};
    TarnPushButton* exportProfile_ = nullptr;
    TarnPushButton* importProfile_ = nullptr;
    TarnPushButton* reset_ = nullptr;
    TarnPushButton* add_ = nullptr;
    TarnPushButton* delete_ = nullptr;
    TarnPushButton* copy_ = nullptr;
    TarnPushButton* resetAll_ = nullptr;
    TarnPushButton* ok_ = nullptr;
    TarnPushButton* cancel_ = nullptr;
    TarnPushButton* apply_ = nullptr;
    TarnPushButton* load_ = nullptr;
    TarnPushButton* save_ = nullptr;
    TarnPushButton* language_ = nullptr;
    TarnMenu* languageMenu_ = nullptr;
    TarnPushButton* profileSelector_ = nullptr;
    TarnMenu* profileMenu_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    TarnPushButton* storedProfile_ = nullptr;
    TarnMenu* storedProfileMenu_ = nullptr;
    TarnPushButton* firmware_ = nullptr;
    TarnPushButton* front_ = nullptr;
    TarnPushButton* side_ = nullptr;
    TarnPushButton* up_ = nullptr;
    TarnPushButton* down_ = nullptr;
    std::array<TarnPushButton*, kMarkers> frontMarkers_{};
    std::array<TarnPushButton*, kMarkers> sideMarkers_{};
    TarnPushButton* mouseSelector_ = nullptr;
    TarnMenu* mouseMenu_ = nullptr;

    QScrollArea* buttonScroll_ = nullptr;
    QWidget* buttonPage_ = nullptr;
    QWidget* dpiPage_ = nullptr;
    QWidget* pointerPage_ = nullptr;
    QWidget* ratePage_ = nullptr;
    QWidget* lightingPage_ = nullptr;
    QWidget* macroPage_ = nullptr;
    std::unique_ptr<PerformancePages> performance_;
    std::unique_ptr<ProfileDialogs> profileDialogs_;
    std::unique_ptr<ProfileManager> profiles_;
};

}  // namespace mousecfg
