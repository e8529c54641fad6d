#include "app/session/window_session.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <algorithm>
#include <utility>

#include "app/session/app_log.h"
#include "app/session/apply_runner.h"
#include "app/session/gui_post.h"
#include "app/session/profile_dialogs.h"
#include "app/session/scheduler.h"
#include "app/session/storage_queue.h"
#include "device/device_link.h"
#include "device/dpi_scale.h"
#include "device/profile_writer.h"
#include "device/report_rate.h"
#include "device/status_answer.h"
#include "device/status_reporter.h"
#include "osd/osd_record.h"
#include "platform/osd_delivery.h"
#include "platform/pointer_speed.h"
#include "storage/app_settings.h"
#include "storage/config_state_load.h"
#include "storage/folder_problems.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"

namespace mousecfg {

WindowSession::WindowSession(AppServices& services, QObject* parent)
    : QObject(parent),
      services_(services),
      monitor_(*services.link, *services.pacer, services_.paths, *this),
      ownRunner_(std::make_unique<ThreadApplyRunner>()),
      runner_(ownRunner_.get()),
      changeWatch_(services_.paths) {
    qRegisterMetaType<BatteryState>();
    connect(&changeWatch_, &ChangeWatch::folderChanged, this, &WindowSession::checkForeignChanges);
}

WindowSession::~WindowSession() {
    stopStatusThread();
    // Saves still queued land before the program ends; their hand-backs go with this object.
    if (jobsPosted_ > 0) storage().drain();
    if (QCoreApplication* app = QCoreApplication::instance(); app && !reloads_.empty())
        app->removeEventFilter(this);
    if (factoryWrite_.valid()) factoryWrite_.wait();
}

void WindowSession::start() {
    if (HotplugService* hotplug = services_.hotplug) {
        connect(hotplug, &HotplugService::deviceEvent, this, &WindowSession::onDeviceEvent);
        if (!hotplug->start()) qCDebug(lcApp) << "注册失败";
    }
    services_.link->InitDeviceList(paths());
    services_.link->EnumerateDevices();
    monitor_.rebuildMouseList();

    batteryFull_ = appsettings::loadBatteryFull(paths());
    alerts_ = BatteryAlerts(appsettings::loadBatteryAlert(paths()));
    connect(services_.status, &StatusReporter::RefreshBatteryStatus, this, &WindowSession::onBatteryReport);
    connect(services_.status, &StatusReporter::RefreshStatus, this, &WindowSession::onStatusReport);
    connect(services_.status, &StatusReporter::RefreshWriteStatus, this, &WindowSession::onWriteStatus);
    services_.link->OpenDevice(appsettings::loadCurrentProductName(paths()));
    startStatusThread();

    QStringList problems;
    for (const FolderProblem& p : findFolderProblems(paths())) problems << p.message();
    if (!problems.isEmpty())
        folderProblems_ = tr("These files of the data folder cannot be used: their settings read as "
                             "defaults, and saving over them fails.") +
                          QLatin1Char('\n') + problems.join(QLatin1Char('\n'));
    loadSets(services_.startLoad);
    announceSets();
    changeWatch_.start();

    // The gauge's start values need the connection state (100 with a cable); the second pass
    // hides the charging icon the start values may have shown.
    applyConnectionState();
    showBattery(0, 1, 1, false);
    applyConnectionState();
    services_.scheduler->singleShot(kWarningDelayMs, this, [this] { warningDue(); });
}

QString WindowSession::currentSlotName() const {
    return working_.profileNames[static_cast<size_t>(currentSlot())];
}

void WindowSession::writeFactoryProfile() {
    if (factoryWrite_.valid()) return;
    factoryWrite_ = std::async(std::launch::async, [paths = paths()] {
        const SaveStatus status = writeDefaultProfileFile(paths);
        if (!status.ok()) qCDebug(lcApp).noquote() << "factory profile not written:" << status.message();
    });
}

void WindowSession::loadSets(ConfigStateLoad* begun) {
    if (!begun || !begun->take(stored_)) loadConfigState(paths(), stored_);
    working_ = stored_;
    hostSpeedAtLoad_.reset();
    if (services_.pointerSpeed) {
        if (const std::optional<int> speed = services_.pointerSpeed->read()) {
            currentRecord().mousespeed = static_cast<uint8_t>(*speed);
            hostSpeedAtLoad_ = std::make_pair(currentSlot(), currentRecord().mousespeed);
        }
    }
    changeWatch_.acknowledge();
}

void WindowSession::announceSets() {
    Q_EMIT libraryChanged();
    Q_EMIT currentSlotChanged(currentSlot());
    Q_EMIT recordChanged();
}

bool WindowSession::hasUnappliedEdits() const {
    if (hostSpeedAtLoad_) {
        ConfigState w = working_;
        MouseProfile& p = w.profiles[static_cast<size_t>(hostSpeedAtLoad_->first)];
        if (p.mousespeed == hostSpeedAtLoad_->second)
            p.mousespeed = stored_.profiles[static_cast<size_t>(hostSpeedAtLoad_->first)].mousespeed;
        return !(w == stored_);
    }
    return !(working_ == stored_);
}

// --- The status thread's reports

void WindowSession::onBatteryReport(quint8 charge, quint8 lowByte, quint8 hiByte) {
    if (busy()) {
        pendingBattery_ = {charge, lowByte, hiByte};
        return;
    }
    showBattery(charge, lowByte, hiByte, true);
}

void WindowSession::showBattery(quint8 charge, quint8 lowByte, quint8 hiByte, bool fromMouse) {
    BatteryState state;
    BatteryAlerts::Report report;
    if (charge == 0 && lowByte == 0 && hiByte == 0) {
        mouseOff_.store(true);
        state.mouseOff = true;
        Q_EMIT batteryChanged(state);
        report.mouseOff = true;
        if (fromMouse) alerts_.onReport(report);
        return;
    }
    mouseOff_.store(false);
    state.charging = charge != 0;
    state.cable = connectionState_ < ReceiverOnly;
    report.millivolts = batteryMillivolts(lowByte, hiByte);
    state.level = batteryPercent(report.millivolts, batteryFull_);
    // The gauge's start value is shown, not stored: the settings keep what the mouse reported.
    if (fromMouse && state.level != lastBatteryLevel_) {
        lastBatteryLevel_ = state.level;
        saveLater([paths = paths(), level = state.level] { appsettings::saveBattery(paths, level); });
    }
    Q_EMIT batteryChanged(state);
    if (!fromMouse) return;
    // On the cable the mouse charges, whatever its charging byte says.
    report.charging = state.charging || state.cable;
    report.level = state.level;
    switch (alerts_.onReport(report)) {
        case BatteryAlerts::Alert::Low:
            Q_EMIT batteryLow(state.level);
            break;
        case BatteryAlerts::Alert::Critical:
            Q_EMIT batteryCritical(state.level);
            break;
        case BatteryAlerts::Alert::None:
            break;
    }
}

void WindowSession::onStatusReport(quint8 profile, quint8 stage, quint8 rate, quint8 mode) {
    if (busy()) {
        // The write thread owns the profile sets until it is done, and a reload replaces them
        // when it lands; the last report waits.
        pendingStatus_ = {profile, stage, rate, mode};
        return;
    }
    if (profile != currentSlot()) reportProfile(profile);
    if (stage != currentRecord().dpi) reportStage(stage);
    if (rate != currentRecord().pollrate) reportRate(rate);
}

void WindowSession::onWriteStatus(quint8 status) {
    if (busy()) {
        pendingWriteStatus_ = status;
        return;
    }
    if (status == 0) saveLater([paths = paths()] { appsettings::saveDiff(paths, 1); });
}

void WindowSession::reportProfile(quint8 profile) {
    if (profile >= kProfileCount) return;  // a damaged report names no slot
    enterSlot(profile, true);
    showOnScreen(tr("Profile") + QStringLiteral(" %1").arg(profile + 1));
}

void WindowSession::reportStage(quint8 stage) {
    if (stage >= kDpiStageSlots) return;
    const size_t slot = static_cast<size_t>(currentSlot());
    currentRecord().dpi = stage;
    stored_.profiles[slot].dpi = stage;
    saveLater(
        [paths = paths(), name = working_.profileNames[slot], stage] { saveDpiIndex(paths, name, stage); });
    Q_EMIT stageReported(stage);
    // The DPI page edits x and y (the linked code is not kept up to date).
    const DpiStage& s = currentRecord().dpiStages[stage];
    const int sensor = appsettings::loadSensorId(paths());
    const int x = dpiscale::dpiOfLevel(s.x, sensor);
    const int y = dpiscale::dpiOfLevel(s.y, sensor);
    const QString value = x == y ? QString::number(x) : QStringLiteral("%1x%2").arg(x).arg(y);
    showOnScreen(tr("DPI") + QStringLiteral(" %1:%2").arg(stage + 1).arg(value));
}

void WindowSession::reportRate(quint8 rate) {
    const size_t slot = static_cast<size_t>(currentSlot());
    currentRecord().pollrate = rate;
    stored_.profiles[slot].pollrate = rate;
    Q_EMIT rateReported(rate);
    showOnScreen(reportRateText(rate));
}

void WindowSession::showOnScreen(const QString& text) {
    qCDebug(lcApp).noquote() << "OSD:" << text;
    Q_EMIT osdText(text);
    if (!services_.osd || !appsettings::loadOsdEnabled(paths())) return;
    const QColor theme = appsettings::loadThemeColour(paths());
    osd::OsdMessage message;
    message.text = text;
    message.red = theme.red();
    message.green = theme.green();
    message.blue = theme.blue();
    services_.osd->show(message);
}

void WindowSession::chooseSlot(int slot) {
    if (slot < 0 || slot >= kProfileCount) return;
    settle();
    enterSlot(slot, false);
}

void WindowSession::enterSlot(int slot, bool reported) {
    // The pages' copies of the slot being left go back into its record first.
    Q_EMIT pageCopiesWanted();
    working_.ProfileID = static_cast<uint8_t>(slot);
    // What the mouse reported it holds already; a slot chosen here reaches its settings section
    // with the next Apply (the change mask sees the working set differ).
    if (reported) stored_.ProfileID = static_cast<uint8_t>(slot);
    Q_EMIT currentSlotChanged(slot);
    Q_EMIT recordChanged();
    saveLater([paths = paths(), slot] { appsettings::saveProfileId(paths, slot); });
    Q_EMIT libraryChanged();
    if (!reported && services_.writer) {
        const TxResult r = services_.writer->SwitchProfile(slot);
        if (r != TxOk) qCDebug(lcApp) << "profile switch to" << slot << "failed:" << r;
    }
    if (services_.pointerSpeed) services_.pointerSpeed->apply(currentRecord().mousespeed);
}

// --- Devices coming and going

void WindowSession::onDeviceEvent(const HotplugEvent& event) {
    // Closing or reopening the device and reloading the profile sets wait for a running write
    // or reload.
    if (busy())
        pendingEvents_.append(event);
    else
        monitor_.handleEvent(event);
}

void WindowSession::switchToMouse(const QString& name) {
    settle();
    monitor_.switchToMouse(name);
}

void WindowSession::applyConnectionState() {
    const std::vector<DeviceEntry>& list = services_.link->deviceList();
    const bool cable = !list.empty() && list.front().paths[DeviceEntry::kCable].command.present;
    const bool receiver = !list.empty() && list.front().paths[DeviceEntry::kReceiver].command.present;
    connectionState_ =
        cable ? (receiver ? CableAndReceiver : CableOnly) : (receiver ? ReceiverOnly : NoConnection);
    Q_EMIT connectionChanged(connectionState_);
}

void WindowSession::mouseListChanged(const QStringList& names, const QString& current) {
    Q_EMIT mouseNamesChanged(names, current);
}

void WindowSession::stopStatusThread() {
    services_.status->stop();
}

void WindowSession::startStatusThread() {
    services_.status->start();
}

void WindowSession::reloadAfterDeviceChange() {
    struct Loaded {
        ConfigState stored;
        StampSeen seen;
    };
    auto loaded = std::make_shared<Loaded>();
    reloadLater(
        [paths = paths(), loaded] {
            // What the files hold from here on counts as seen.
            loaded->seen = loadStampSeen(paths);
            loadConfigState(paths, loaded->stored);
            writeDefaultProfileFile(paths);
        },
        [this, loaded] {
            stored_ = loaded->stored;
            working_ = stored_;
            hostSpeedAtLoad_.reset();
            changeWatch_.acknowledge(loaded->seen);
            Q_EMIT setReloaded();
        });
}

void WindowSession::reloadSlotFromLibrary(int slot) {
    if (slot < 0 || slot >= kProfileCount) return;
    const QString name = working_.profileNames[static_cast<size_t>(slot)];
    auto loaded = std::make_shared<MouseProfile>(working_.profiles[static_cast<size_t>(slot)]);
    reloadLater(
        [paths = paths(), name, loaded] {
            const QString file = libraryProfileFile(paths, appsettings::loadCurrentProductName(paths), name);
            if (file.isEmpty()) return;
            // A damaged or missing library file gives the product defaults, never an all-zero
            // profile.
            loadProfileFromPath(paths, *loaded, file, name);
            loaded->ProfileName = name;
        },
        [this, slot, name, loaded] {
            MouseProfile& record = working_.profiles[static_cast<size_t>(slot)];
            // Renamed meanwhile: the record belongs to another profile now.
            if (working_.profileNames[static_cast<size_t>(slot)] != name) return;
            record = *loaded;
            Q_EMIT recordChanged();
        });
}

// --- The storage queue

StorageQueue& WindowSession::storage() {
    if (services_.storage) return *services_.storage;
    if (!ownStorage_) ownStorage_ = std::make_unique<StorageWorker>();
    return *ownStorage_;
}

void WindowSession::postJob(std::function<void()> job, std::function<void()> after) {
    const quint64 number = ++jobsPosted_;
    storage().post([this, number, job = std::move(job), after = std::move(after)] {
        job();
        postToThreadOf(this, [this, number, after] {
            jobEnded(number);
            if (after) after();
        });
    });
}

void WindowSession::jobEnded(quint64 number) {
    jobsEnded_ = std::max(jobsEnded_, number);
    // A change of the folder seen while our own saves were under way is looked at once they
    // are all counted.
    if (storageQuiet() && foreignPending_ && !busy()) checkForeignChanges();
}

void WindowSession::saveLater(std::function<void()> save) {
    postJob(std::move(save));
}

void WindowSession::reloadLater(std::function<void()> load, std::function<void()> land) {
    auto reload = std::make_shared<Reload>();
    reload->land = std::move(land);
    if (reloads_.empty()) QCoreApplication::instance()->installEventFilter(this);
    reloads_.push_back(reload);
    postJob(
        [reload, load = std::move(load)] {
            load();
            reload->loaded.store(true, std::memory_order_release);
        },
        [this] { landReloads(); });
}

void WindowSession::landReloads() {
    if (reloads_.empty()) return;
    while (!reloads_.empty() && reloads_.front()->loaded.load(std::memory_order_acquire)) {
        const std::shared_ptr<Reload> reload = reloads_.front();
        reloads_.pop_front();
        reload->land();
    }
    if (!reloads_.empty()) return;
    QCoreApplication::instance()->removeEventFilter(this);
    replayWaiting();
}

void WindowSession::settle() {
    if (storageQuiet() && reloads_.empty()) return;
    storage().drain();
    jobsEnded_ = jobsPosted_;
    landReloads();
}

bool WindowSession::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::ContextMenu:
            break;
        default:
            return false;
    }
    if (reloads_.empty()) return false;
    // The edit the key or click makes goes to the set that has landed, not to one the landing
    // would replace. A widget the landing took away gets nothing.
    const QPointer<QObject> receiver(watched);
    settle();
    return receiver.isNull();
}

void WindowSession::scheduleWarning() {
    warningShown_ = true;
    services_.scheduler->singleShot(kWarningDelayMs, this, [this] { warningDue(); });
}

void WindowSession::scheduleWarnClose() {
    services_.scheduler->singleShot(kWarningDelayMs, this, [this] { warnCloseDue(); });
}

void WindowSession::warningDue() {
    if (busy()) {
        scheduleWarning();
        return;
    }
    Q_EMIT showRequested();
    if (!folderProblems_.isEmpty()) Q_EMIT warning(std::exchange(folderProblems_, QString()));
}

void WindowSession::warnCloseDue() {
    if (busy()) {
        scheduleWarnClose();
        return;
    }
    monitor_.reopenAfterWarning();
}

// --- The write flow

quint8 WindowSession::runWriteFlow(bool writeAll) {
    // The saves and reloads still on the storage queue come first: the write starts from them.
    settle();
    // Files another program saved are never saved over unseen; loading them ends the flow.
    if (changeWatch_.foreignChange() && takeForeignChange()) return TxOk;
    // The writer encodes for the product that is current now (the mouse may have changed).
    if (services_.writer) services_.writer->setProduct(loadWriteProduct(paths()));
    lastSave_ = SaveStatus();
    const ApplyJobInput input{paths(), services_.writer, &working_, &stored_, &mouseOff_, &lastSave_};
    writing_ = true;
    const quint8 result = (runner_ ? runner_ : ownRunner_.get())->run(makeApplyJob(input), writeAll);
    writing_ = false;
    const bool foreign = std::exchange(foreignPending_, false);
    replayWaiting();
    if (result == TxOk && services_.pointerSpeed) services_.pointerSpeed->apply(currentRecord().mousespeed);
    if (result == kApplyMouseOff)
        Q_EMIT applyMessage(tr("Mouse is sleeping or not connected."));
    else if (result == kApplySaveFailed)
        Q_EMIT applyMessage(tr("The settings could not be saved, so nothing was sent to the mouse. "
                               "Your changes are kept.") +
                            QLatin1Char('\n') + lastSave_.message());
    else if (result != TxOk)
        Q_EMIT applyMessage(tr("Send data failed, please try again."));
    if (foreign) checkForeignChanges();
    return result;
}

void WindowSession::replayWaiting() {
    const QVector<HotplugEvent> events = std::exchange(pendingEvents_, {});
    for (const HotplugEvent& e : events) onDeviceEvent(e);
    if (const std::optional<std::array<quint8, 3>> b = std::exchange(pendingBattery_, std::nullopt))
        onBatteryReport((*b)[0], (*b)[1], (*b)[2]);
    if (const std::optional<quint8> w = std::exchange(pendingWriteStatus_, std::nullopt)) onWriteStatus(*w);
    if (const std::optional<std::array<quint8, 4>> s = std::exchange(pendingStatus_, std::nullopt))
        onStatusReport((*s)[0], (*s)[1], (*s)[2], (*s)[3]);
    if (foreignPending_ && !writing_) checkForeignChanges();
}

// --- Files saved by another program

void WindowSession::checkForeignChanges() {
    // Our own saves still on the queue have not counted their stamps yet.
    if (busy() || !storageQuiet()) {
        foreignPending_ = true;
        return;
    }
    foreignPending_ = false;
    if (changeWatch_.foreignChange()) takeForeignChange();
}

bool WindowSession::takeForeignChange() {
    Q_EMIT pageCopiesWanted();
    if (hasUnappliedEdits()) {
        const bool load =
            dialogs_ && dialogs_->confirm(tr("Another program has changed the saved settings. Load them "
                                             "and drop the changes not yet applied here?"));
        if (!load) {
            // Ours stay, and the next Apply saves them over the other program's.
            changeWatch_.acknowledge();
            return false;
        }
    }
    qCDebug(lcApp) << "loading the settings another program saved";
    loadSets();
    announceSets();
    return true;
}

}  // namespace mousecfg
