#pragma once

#include <QStringList>

#include "platform/hotplug_service.h"

namespace mousecfg {

class DeviceLink;
class Pacer;
class Paths;

// What the connection monitor needs from the session that hosts it.
class ConnectionHost {
public:
    virtual ~ConnectionHost() = default;
    virtual void stopStatusThread() = 0;
    virtual void startStatusThread() = 0;
    // The current mouse changed: reload the stored profile set into the working set, rewrite the
    // default profile file, reset the button-page selection, show page 0, refresh every page. The
    // files may be read later (the session reads them on its storage queue and the set lands
    // whole); the caller carries on meanwhile.
    virtual void reloadAfterDeviceChange() = 0;
    // The mouse list was rebuilt: show `names` on the selector (hidden below two names) with
    // `current` as its caption.
    virtual void mouseListChanged(const QStringList& names, const QString& current) = 0;
    // Re-apply the cable/receiver icons and the battery frame.
    virtual void applyConnectionState() = 0;
    // The last mouse is gone: set the warning-shown flag and show "Dongle Disconnect!" in 200 ms.
    virtual void scheduleWarning() = 0;
    // The first mouse is back: reopen and reload in 200 ms (reopenAfterWarning).
    virtual void scheduleWarnClose() = 0;
    virtual void setDeviceReady(bool ready) = 0;
};

// Follows HID interfaces coming and going and keeps the device list, the open device and the
// mouse list in step. It knows no platform: the hot-plug service hands it the same facts a
// Windows interface notification carries (ids, collection kind, path, release number).
class ConnectionMonitor {
public:
    static constexpr int kReopenPauseMs = 500;
    static constexpr int kSwitchPauseMs = 50;

    ConnectionMonitor(DeviceLink& link, Pacer& pacer, const Paths& paths, ConnectionHost& host);

    void handleEvent(const HotplugEvent& event);

    // Rebuilds the list of connected mice and picks the current product (also at start-up).
    void rebuildMouseList();
    // The user picked another mouse on the selector.
    void switchToMouse(const QString& name);
    // The device is back after the warning: open it and reload.
    void reopenAfterWarning();

    int connectedCount() const { return connectedCount_; }
    const QStringList& mouseNames() const { return names_; }
    QString currentProductName() const;
    static int countConnected(const DeviceLink& link);

private:
    void openCurrent();

    DeviceLink& link_;
    Pacer& pacer_;
    const Paths& paths_;
    ConnectionHost& host_;
    int connectedCount_ = 0;
    QStringList names_;
};

}  // namespace mousecfg
