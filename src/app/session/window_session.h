#pragma once

#include <QObject>
#include <QVector>
#include <array>
#include <atomic>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <optional>

#include "app/session/app_services.h"
#include "app/session/change_watch.h"
#include "app/session/connection_monitor.h"
#include "device/battery_alerts.h"
#include "storage/config_state.h"
#include "storage/save_status.h"

namespace mousecfg {

class ApplyRunner;
class ConfigStateLoad;
class ProfileDialogs;
class StorageQueue;
class StorageWorker;

// What the battery gauge shows after a battery report.
struct BatteryState {
    bool mouseOff = false;  // the receiver answered all zeros: "MOUSE OFF"
    bool charging = false;
    bool cable = false;  // a cable is connected: a full gauge without a percentage
    int level = 0;       // 10..100 (unset while the mouse is off)
};

// Everything the main window knows about the mouse, without a widget: the two profile sets, the
// connection monitor and the mouse list, the reports of the status thread (with their guards
// against damaged reports), the active slot, the write flow and the events that wait while a
// write runs. The window, its tabs and the profile bar show what its signals announce.
//
// Threads: it lives on the GUI thread. During a write the write thread owns both profile sets and
// the settings files; reports and device changes that arrive meanwhile wait until the write is
// over. After start-up its file work runs on a storage queue (AppServices::storage): the saves
// the mouse's reports cause, in order, and the reloads, whose sets land on the GUI thread whole.
// While a reload is on its way the session is busy as during a write, and what would work on the
// sets first waits for it to land (settle()): the write flow, a slot or mouse chosen, the user's
// next key or click.
//
// Slots: the working set holds the edits of all five slots until Apply writes each to its own
// bank. Before another slot becomes current (chosen on the selector or on the mouse) the pages
// hand their copies back (pageCopiesWanted), so the edits of the slot being left stay with it.
class WindowSession : public QObject, private ConnectionHost {
    Q_OBJECT
public:
    enum ConnectionState { CableOnly = 0, CableAndReceiver = 1, ReceiverOnly = 2, NoConnection = 3 };
    static constexpr int kWarningDelayMs = 200;

    explicit WindowSession(AppServices& services, QObject* parent = nullptr);
    ~WindowSession() override;

    // Start-up, once the window is ready to listen: follows hot-plug, builds the device and mouse
    // lists, opens the current product, starts the status thread (the only start at start-up) and
    // loads both profile sets (the host's pointer speed into the current record; the load the
    // program began early, services.startLoad, when the files are still the ones it read). Then
    // the gauge's start values (level 10, or 100 with a cable) until the first report, and,
    // 200 ms later, showRequested() and the files of the data folder that cannot be used
    // (warning()).
    void start();
    // Once the window's first frame is out: the factory profile file is written, when it is
    // missing or differs, on a thread of its own (under the data folder's lock, as every save;
    // the session waits for it when it ends).
    void writeFactoryProfile();

    const Paths& paths() const { return services_.paths; }
    ConfigState& working() { return working_; }
    ConfigState& stored() { return stored_; }
    MouseProfile& currentRecord() { return currentProfile(working_); }
    int currentSlot() const { return currentProfileIndex(working_); }
    QString currentSlotName() const;

    int connectedMice() const { return monitor_.connectedCount(); }
    int connectionState() const { return connectionState_; }
    bool mouseOff() const { return mouseOff_.load(); }
    bool isDeviceReady() const { return deviceReady_; }
    // The "Dongle Disconnect!" warning is up or due; the tray leaves the window alone meanwhile.
    bool warningShown() const { return warningShown_; }
    void setWarningShown(bool shown) { warningShown_ = shown; }
    bool writing() const { return writing_; }
    // A reload of profile sets is on its way from the storage queue.
    bool reloading() const { return !reloads_.empty(); }
    // Waits for the storage queue and lands the reloads it has read, so whatever comes next
    // works on the files and sets as they are now.
    void settle();
    // "Cancel": the slot's library profile read again on the storage queue; its record is
    // replaced when the read lands.
    void reloadSlotFromLibrary(int slot);

    // The slot chosen on the selector: the working set's active slot (the next Apply stores it in
    // the mouse's settings section; the stored set still says what the mouse keeps), recorded in
    // the settings, the mouse switched at once (select, reload, all sections reloaded) and the
    // slot's pointer speed applied to the host.
    void chooseSlot(int slot);
    // The user picked another mouse on the selector.
    void switchToMouse(const QString& name);

    // Who runs the write thread (not owned; null: a plain thread and a local event loop).
    void setApplyRunner(ApplyRunner* runner) { runner_ = runner; }
    // Who is asked before edits not yet applied are dropped (not owned; null: nobody, the edits
    // are kept).
    void setDialogs(ProfileDialogs* dialogs) { dialogs_ = dialogs; }
    // The write flow: save, compare, write what changed on the write thread, then what arrived
    // meanwhile; a failure is announced through applyMessage(), success applies the current
    // slot's pointer speed to the host. Files another program saved since they were loaded are
    // not saved over unseen: the flow reloads them first, or asks when there are edits not yet
    // applied (loading them ends the flow). Returns the result code.
    quint8 runWriteFlow(bool writeAll);

    // Another program saved the data folder: its files are loaded, or, with edits not yet
    // applied, the user is asked first. Runs when the watched folder changes (after a write when
    // it changes during one).
    void checkForeignChanges();
    // Edits not yet applied (the host's pointer speed put into the record at load is none).
    bool hasUnappliedEdits() const;

    // The status thread's reports and the hot-plug service's events (connected in start()).
    void onBatteryReport(quint8 charge, quint8 lowByte, quint8 hiByte);
    void onStatusReport(quint8 profile, quint8 stage, quint8 rate, quint8 mode);
    void onWriteStatus(quint8 status);
    void onDeviceEvent(const HotplugEvent& event);

    // The 200 ms timers: the window is due (show it, or warn when no mouse is there), and the
    // first mouse is back (reopen and reload). Both wait while a write runs.
    void warningDue();
    void warnCloseDue();

    // A text on the on-screen display (unless Config.ini's "OSD" switches it off), in the theme
    // colour; announced through osdText() as well.
    void showOnScreen(const QString& text);

    // For the profile operations: what the window must show again.
    void announceRecord() { Q_EMIT recordChanged(); }
    void announceName(const QString& name) { Q_EMIT nameShown(name); }
    void announceLibrary() { Q_EMIT libraryChanged(); }
    void announceSetReloaded() { Q_EMIT setReloaded(); }

protected:
    // While a reload is on its way, the user's next key or click first lets it land.
    bool eventFilter(QObject* watched, QEvent* event) override;

Q_SIGNALS:
    // The pages' own copies are wanted back in the working set now (another slot is about to
    // become current, or the sets are compared).
    void pageCopiesWanted();
    // The current record changed: every page shows it again.
    void recordChanged();
    // Another slot is active: its number on the selector, its name in the name field.
    void currentSlotChanged(int slot);
    void nameShown(const QString& name);
    // The product's library of stored profiles changed.
    void libraryChanged();
    // Both sets were replaced (another mouse, the mouse back, a loaded configuration): the first
    // page, the product's pictures, every page again.
    void setReloaded();
    // The mouse reported another DPI stage or report rate for the current record.
    void stageReported(int stage);
    void rateReported(int rate);
    void batteryChanged(const mousecfg::BatteryState& state);
    void connectionChanged(int state);
    // A text for the on-screen display ("Profile 2", "DPI 3:1600", "500 HZ").
    void osdText(const QString& text);
    // The battery fell below the alert threshold (Config.ini "BatteryAlert"), or to the
    // critical voltage; told once until the mouse has been charged (BatteryAlerts).
    void batteryLow(int level);
    void batteryCritical(int level);
    // The connected mice (the selector shows them from two on) and the current one.
    void mouseNamesChanged(const QStringList& names, const QString& current);
    // Show the window, or the "Dongle Disconnect!" warning when no mouse is connected.
    void showRequested();
    // A write failed or was not possible: a question box with this text.
    void applyMessage(const QString& text);
    // Something the user should know that needs no answer: a one-button box with this text.
    void warning(const QString& text);

private:
    // `fromMouse` is false for the gauge's start values, which are neither stored nor alarming.
    void showBattery(quint8 charge, quint8 lowByte, quint8 hiByte, bool fromMouse);
    // ConnectionHost
    void stopStatusThread() override;
    void startStatusThread() override;
    void reloadAfterDeviceChange() override;
    void mouseListChanged(const QStringList& names, const QString& current) override;
    void applyConnectionState() override;
    void scheduleWarning() override;
    void scheduleWarnClose() override;
    void setDeviceReady(bool ready) override { deviceReady_ = ready; }

    void reportProfile(quint8 profile);
    // Makes `slot` current in the working set (and the stored set when the mouse reported it).
    void enterSlot(int slot, bool reported);
    // Both sets from the files (or from `begun` when it read the files as they are now), the
    // host's pointer speed in the current record.
    void loadSets(ConfigStateLoad* begun = nullptr);
    void announceSets();
    // True when the files were loaded, false when the user keeps the edits.
    bool takeForeignChange();
    void reportStage(quint8 stage);
    void reportRate(quint8 rate);
    // A write or a reload is under way: reports, device changes and timers wait.
    bool busy() const { return writing_ || reloading(); }
    // Hands what waited during a write or a reload on, in order: device changes first, then the
    // last reports; then a change of the folder that waited.
    void replayWaiting();
    StorageQueue& storage();
    // A save on the storage queue, after every earlier one.
    void saveLater(std::function<void()> save);
    // `load` runs on the storage queue; `land` then replaces sets on the GUI thread.
    void reloadLater(std::function<void()> load, std::function<void()> land);
    // Posts `job`, and hears of its end on the GUI thread (then `after` runs there).
    void postJob(std::function<void()> job, std::function<void()> after = nullptr);
    void jobEnded(quint64 number);
    void landReloads();

    AppServices& services_;
    std::future<void> factoryWrite_;
    ConnectionMonitor monitor_;
    ConfigState working_;
    ConfigState stored_;
    std::unique_ptr<ApplyRunner> ownRunner_;
    std::unique_ptr<StorageWorker> ownStorage_;  // when the services bring no queue
    // Jobs posted to the storage queue, numbered; the queue ends them in that order. A job whose
    // end has not been heard of yet may have saved without its stamp counted.
    quint64 jobsPosted_ = 0;
    quint64 jobsEnded_ = 0;
    bool storageQuiet() const { return jobsEnded_ == jobsPosted_; }
    struct Reload {
        std::function<void()> land;
        std::atomic<bool> loaded{false};  // set on the storage queue once the files are read
    };
    std::deque<std::shared_ptr<Reload>> reloads_;  // in the order they were asked for
    ApplyRunner* runner_ = nullptr;
    ProfileDialogs* dialogs_ = nullptr;
    ChangeWatch changeWatch_;
    bool foreignPending_ = false;
    // The host's pointer speed as put into a slot's record at load.
    std::optional<std::pair<int, uint8_t>> hostSpeedAtLoad_;
    QString folderProblems_;  // shown once, after the window
    SaveStatus lastSave_;     // how the last write flow's save went (written on the write thread)

    int connectionState_ = NoConnection;
    bool deviceReady_ = false;
    bool warningShown_ = false;
    int batteryFull_ = 4200;
    // The last level shown; a level is stored when it changes, the gauge's start value (no report
    // from the mouse) is not.
    int lastBatteryLevel_ = -1;
    BatteryAlerts alerts_;
    std::atomic<bool> mouseOff_{false};
    // A write thread runs: reports and device changes wait until it is done (the write thread
    // owns the profile sets and writes the settings files meanwhile).
    bool writing_ = false;
    std::optional<std::array<quint8, 3>> pendingBattery_;
    std::optional<quint8> pendingWriteStatus_;
    std::optional<std::array<quint8, 4>> pendingStatus_;
    QVector<HotplugEvent> pendingEvents_;
};

}  // namespace mousecfg

Q_DECLARE_METATYPE(mousecfg::BatteryState)
