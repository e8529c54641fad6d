#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "app/session/window_session.h"
#include "app/window/dialog_apply_runner.h"
#include "app/window/run_image.h"
#include "widgets/device_ready.h"
#include "widgets/language_switcher.h"

class QLabel;

namespace mousecfg {

class BatteryGauge;
class KeyCaptureService;
class LanguageMenu;
class MouseSelector;
class ProductPictures;
class ProfileBar;
class Tab;
class TarnPushButton;
class Tray;

// The program's only top-level window: the skinned, frameless frame (background, scale, dragging,
// title-bar buttons, logo and version), the tab buttons over a list of tabs, the language button,
// the mouse selector and the bottom buttons, with the profile bar, the battery gauge and the tray
// beside it. What it shows of the mouse comes from its WindowSession.
class MousecfgWidget : public QWidget, public DeviceReadyFlag {
    Q_OBJECT
public:
    explicit MousecfgWidget(AppServices& services, QWidget* parent = nullptr);
    ~MousecfgWidget() override;

    // The window title: the product name, marked when the simulated mouse stands in.
    static QString titleFor(const QString& productName, bool simulated);

    // DeviceReadyFlag (polled by the "Dongle Disconnect!" box)
    bool isDeviceReady() const override { return session_.isDeviceReady(); }

    WindowSession& session() { return session_; }
    int currentTab() const { return currentTab_; }

public Q_SLOTS:
    // Shows tab `index` (TabIndex) and hides the others.
    void switchPage(int index);
    // Locks (false) or frees the window's controls, e.g. while the macro editor records.
    void slotEnableButtons(bool bEnable);
    // Shows the window and brings it forward, or warns "Dongle Disconnect!" when no mouse is
    // connected (hiding the window again when the box is closed without one, where a tray icon
    // can bring it back).
    void showWindowOrWarn();
    // Another start of the program asked for the window: shown, restored and brought forward
    // (with the warning when no mouse is connected and none is up yet).
    void showFromActivation();

public:
    // A notification area shows the tray icon. Without one nothing hides the window: close ends
    // the program, and the paths that would hide it leave it shown.
    bool canHide() const;
    // Start-up: shown at once when a mouse is connected or when nothing could bring a hidden
    // window back; otherwise the session's warning shows it 200 ms later.
    void showAtStart();

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    // The tray and the memory start-up no longer needs, once the first frame is out.
    void finishStartUp();
    void connectSession();
    TarnPushButton* makeButton(const QStringList& images, const char* objectName);
    void layoutControls();
    // The tab buttons of the available tabs take the focus with Tab; the others none.
    void focusTabButtons();
    void fitLabels();
    int firstTab() const;
    void retranslate();
    void loadBackground();
    void setScaleLevel(int level);
    void onClicked();
    void onSetReloaded();
    void onTrayToggle();
    // The close button and the window manager's close: to the tray, or the end of the program.
    void closeRequested();
    // "Firmware Update": the cable check, the question, then the updater.
    void onFirmwarePressed();
    void hideToTray();
    void quitProgram(int exitCode);
    void onBatteryAlert(int level, bool critical);
    void messageBox(int kind, const QString& text);
    void takeBackPageValues();
    void refreshTabs();
    double screenLogicalDpi() const;

    AppServices& services_;
    // The key capture when the services bring none: keys typed into this window only.
    std::unique_ptr<KeyCaptureService> ownKeyCapture_;
    WindowSession session_;
    DialogApplyRunner applyRunner_;
    LanguageSwitcher languages_;

    bool built_ = false;
    bool startUpFinished_ = false;
    bool dragging_ = false;
    QPoint pressPos_;
    QPoint originAtPress_;
    int scaleLevel_ = 0;
    QPixmap background_;
    QImage backgroundMask_;  // decoded with the background, until the first scale takes it
    std::array<QPixmap, 17> scaledBackgrounds_;
    // After the first frame, the background of the current scale as runs in place of both pixmaps.
    RunImage backgroundRuns_;
    int currentTab_ = 0;

    std::vector<Tab*> tabs_;
    std::vector<TarnPushButton*> tabButtons_;
    ProductPictures* pictures_ = nullptr;
    ProfileBar* profileBar_ = nullptr;
    BatteryGauge* gauge_ = nullptr;
    Tray* tray_ = nullptr;
    QLabel* logo_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    TarnPushButton* close_ = nullptr;
    TarnPushButton* minimise_ = nullptr;
    TarnPushButton* ok_ = nullptr;
    TarnPushButton* cancel_ = nullptr;
    TarnPushButton* apply_ = nullptr;
    TarnPushButton* firmware_ = nullptr;
    TarnPushButton* language_ = nullptr;
    LanguageMenu* languageMenu_ = nullptr;
    TarnPushButton* mouseSelector_ = nullptr;
    MouseSelector* mouseMenu_ = nullptr;
};

}  // namespace mousecfg
