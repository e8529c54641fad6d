// The main window's reaction to the mouse: status reports, the battery gauge, the connection state,
// the missing-mouse warning and the write flow.
#include <QLabel>
#include <QLineEdit>
#include <utility>

#include "app/app_log.h"
#include "app/apply_flow.h"
#include "app/mousecfg_widget.h"
#include "app/performance_pages.h"
#include "app/scheduler.h"
#include "app/window_metrics.h"
#include "device/device_link.h"
#include "device/dpi_scale.h"
#include "device/status_reporter.h"
#include "pages/performance/tarn_dpi_window.h"
#include "pages/performance/tarn_report_rate.h"
#include "storage/app_settings.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"
#include "widgets/tarn_menu.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_processbar.h"
#include "widgets/tarn_push_button.h"
#include "widgets/ui_context.h"

namespace mousecfg {

void MousecfgWidget::slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte) {
    const int textPx = metrics::scaled(16, scaleFactor_);
    if (iCharge == 0 && iLowByte == 0 && iHiByte == 0) {
        battery_->setText(tr("MOUSE OFF"));
        battery_->setTextVisible(false);
        battery_->setStyleSheet(QStringLiteral("QProgressBar{background-color:rgb(100,100,100);color:white;"
                                               "font-weight:bold;font-size:%1px;border:0px}"
                                               "QProgressBar::chunk{background-color:rgb(100,100,100)}")
                                    .arg(textPx));
        chargingIcon_->hide();
        mouseOff_.store(true);
        return;
    }
    const bool cable = connectionState_ < ReceiverOnly;
    const QColor theme = UiContext::current().theme;
    battery_->setText(QString());
    battery_->setTextVisible(true);
    battery_->setFormat(cable ? QString() : QStringLiteral("%p%"));
    battery_->setStyleSheet(QStringLiteral("QProgressBar{background-color:white;color:black;font-weight:bold;"
                                           "font-size:%1px;border:0px;text-align:center}"
                                           "QProgressBar::chunk{background-color:rgb(%2,%3,%4)}")
                                .arg(textPx)
                                .arg(theme.red())
                                .arg(theme.green())
                                .arg(theme.blue()));
    chargingIcon_->setVisible(iCharge != 0);
    mouseOff_.store(false);

    const int level = metrics::batteryLevel(metrics::batteryMillivolts(iLowByte, iHiByte), batteryFull_);
    if (level != lastBatteryLevel_) {
        lastBatteryLevel_ = level;
        appsettings::saveBattery(services_.paths, level);
    }
    battery_->setValue(cable ? 100 : level);
}

void MousecfgWidget::slotRefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode) {
    Q_UNUSED(iMode);
    if (writing_) {
        // The write thread owns the profile sets until it is done; the last report waits.
        pendingStatus_ = {iProfile, iDPI, iRate, iMode};
        return;
    }
    if (iProfile != currentProfileIndex(workingState_)) slotRefreshProfile(iProfile);
    if (iDPI != currentProfile(workingState_).dpi) slotRefreshDPIStage(iDPI);
    if (iRate != currentProfile(workingState_).pollrate) slotRefreshRate(iRate);
}

void MousecfgWidget::slotRefreshWriteStatus(quint8 iStatus) {
    if (iStatus == 0) appsettings::saveDiff(services_.paths, 1);
}

void MousecfgWidget::slotRefreshProfile(quint8 iProfile) {
    if (iProfile >= kProfileCount) return;  // a damaged report names no slot
    chooseSlot(iProfile, false);
    showOnScreen(tr("Profile") + QStringLiteral(" %1").arg(iProfile + 1));
}

void MousecfgWidget::slotRefreshDPIStage(quint8 iDPI) {
    if (iDPI >= kDpiStageSlots) return;
    const int slot = currentProfileIndex(workingState_);
    currentProfile(workingState_).dpi = iDPI;
    storedState_.profiles[static_cast<size_t>(slot)].dpi = iDPI;
    saveDpiIndex(services_.paths, workingState_.profileNames[static_cast<size_t>(slot)], iDPI);
    if (performance_) performance_->dpi()->setActiveStage(iDPI);
    const DpiStage& stage = currentProfile(workingState_).dpiStages[iDPI];
    const int dpi = dpiscale::dpiOfLevel(stage.xy, appsettings::loadSensorId(services_.paths));
    showOnScreen(tr("DPI") + QStringLiteral(" %1:%2").arg(iDPI + 1).arg(dpi));
}

void MousecfgWidget::slotRefreshRate(quint8 iRate) {
    const int slot = currentProfileIndex(workingState_);
    currentProfile(workingState_).pollrate = iRate;
    storedState_.profiles[static_cast<size_t>(slot)].pollrate = iRate;
    if (performance_) performance_->rate()->setRate(iRate);
    showOnScreen(metrics::rateText(iRate));
}

// --- Connection state and the mouse list

void MousecfgWidget::applyConnectionState() {
    const std::vector<DeviceEntry>& list = services_.link->deviceList();
    const bool cable = !list.empty() && list.front().paths[DeviceEntry::kCable].command.present;
    const bool receiver = !list.empty() && list.front().paths[DeviceEntry::kReceiver].command.present;
    connectionState_ =
        cable ? (receiver ? CableAndReceiver : CableOnly) : (receiver ? ReceiverOnly : NoConnection);
    receiverIcon_->setVisible(receiver);
    battery_->setVisible(!cable);
    chargingIcon_->hide();
    update();
}

void MousecfgWidget::mouseListChanged(const QStringList& names, const QString& current) {
    if (!mouseSelector_) return;
    delete mouseMenu_;
    mouseMenu_ = new TarnMenu(this);
    for (const QString& n : names) mouseMenu_->addAction(n);
    if (names.size() < 2) {
        mouseSelector_->hide();
        mouseSelector_->setMenu(nullptr);
        return;
    }
    connect(mouseMenu_, &QMenu::triggered, this, &MousecfgWidget::slot_show_mousename);
    mouseSelector_->setMenu(mouseMenu_);
    mouseSelector_->setText(current);
    mouseMenu_->setFixedWidth(metrics::scaled(150, scaleFactor_));
    mouseMenu_->applyFont();
    mouseSelector_->show();
}

void MousecfgWidget::stopStatusThread() {
    services_.status->stop();
}

void MousecfgWidget::startStatusThread() {
    services_.status->start();
}

void MousecfgWidget::reloadAfterDeviceChange() {
    setFrontView(true);
    clearMarkerSelection();
    layoutPictures();
    reloadStoredSettings(services_.paths, storedState_, workingState_);
    showCurrentSlotName();
    rebuildProfileMenu();
    applyModelImages();
    switchPage(TabLighting);
    refreshAllPages();
}

void MousecfgWidget::scheduleWarning() {
    warningShown_ = true;
    services_.scheduler->singleShot(200, this, [this] { slotWarning(); });
}

void MousecfgWidget::scheduleWarnClose() {
    services_.scheduler->singleShot(200, this, [this] { slotWarnClose(); });
}

void MousecfgWidget::slot_show_mousename(QAction* action) {
    if (!action) return;
    setFrontView(true);
    clearMarkerSelection();
    monitor_.switchToMouse(action->text());
}

void MousecfgWidget::onDeviceEvent(const HotplugEvent& event) {
    // Closing or reopening the device and reloading the profile sets wait for a running write.
    if (writing_)
        pendingEvents_.append(event);
    else
        monitor_.handleEvent(event);
}

void MousecfgWidget::slotWarnClose() {
    if (writing_) {
        scheduleWarnClose();
        return;
    }
    monitor_.reopenAfterWarning();
    onMarkerClicked(frontMarkers_[0]);
}

void MousecfgWidget::slotWarning() {
    if (writing_) {
        scheduleWarning();
        return;
    }
    showWindowOrWarn();
}

void MousecfgWidget::showWindowOrWarn() {
    show();
    if (monitor_.connectedCount() != 0) {
        setWindowOpacity(1.0);
        activateWindow();
        return;
    }
    warningShown_ = true;
    TarnMessageBox box(TarnMessageBox::DongleMissing, QString(), tr("Warning"), tr("Dongle Disconnect!"),
                       this, true);
    if (services_.makePollTicker) box.setPollSource(this, services_.makePollTicker());
    if (box.exec() == QDialog::Accepted && monitor_.connectedCount() == 0) hide();
    warningShown_ = false;
}

void MousecfgWidget::iconActivated(QSystemTrayIcon::ActivationReason reason) {
    if (reason != QSystemTrayIcon::Trigger && reason != QSystemTrayIcon::DoubleClick) return;
    if (!isVisible())
        showWindowOrWarn();
    else if (!warningShown_)
        hide();
}

int MousecfgWidget::messageBox(int kind, const QString& text) {
    TarnMessageBox box(kind, QString(), tr("Warning"), text, this);
    return box.exec();
}

// --- The write flow

int MousecfgWidget::runWriteFlow(bool writeAll) {
    ApplyJobInput input{services_.paths, services_.writer, &workingState_, &storedState_, &mouseOff_};
    writing_ = true;
    const quint8 result = runApplyFlow(this, makeApplyJob(input), writeAll);
    writing_ = false;
    // What arrived during the write, in order: device changes first, then the last status.
    const QVector<HotplugEvent> events = std::exchange(pendingEvents_, {});
    for (const HotplugEvent& e : events) monitor_.handleEvent(e);
    if (const std::optional<std::array<quint8, 4>> s = std::exchange(pendingStatus_, std::nullopt))
        slotRefreshStatus((*s)[0], (*s)[1], (*s)[2], (*s)[3]);
    if (result == kApplyMouseOff)
        messageBox(TarnMessageBox::Question, tr("Mouse is sleeping or not connected."));
    else if (result != 0)
        messageBox(TarnMessageBox::Question, tr("Send data failed, please try again."));
    return result;
}

}  // namespace mousecfg
