#include "app/session/connection_monitor.h"

#include "app/session/app_log.h"
#include "app/session/collection_kind.h"
#include "device/device_link.h"
#include "device/pacer.h"
#include "storage/app_settings.h"

namespace mousecfg {

ConnectionMonitor::ConnectionMonitor(DeviceLink& link, Pacer& pacer, const Paths& paths, ConnectionHost& host)
    : link_(link), pacer_(pacer), paths_(paths), host_(host) {}

QString ConnectionMonitor::currentProductName() const {
    return appsettings::loadCurrentProductName(paths_);
}

int ConnectionMonitor::countConnected(const DeviceLink& link) {
    int n = 0;
    for (const DeviceEntry& e : link.deviceList())
        if (e.paths[0].connected() || e.paths[1].connected()) ++n;
    return n;
}

void ConnectionMonitor::openCurrent() {
    link_.OpenDevice(currentProductName());
}

void ConnectionMonitor::rebuildMouseList() {
    names_.clear();
    connectedCount_ = 0;
    for (const DeviceEntry& e : link_.deviceList()) {
        if (!e.paths[0].connected() && !e.paths[1].connected()) continue;
        names_.append(QString::fromLatin1(e.productName));
        ++connectedCount_;
    }
    QString current = currentProductName();
    if (connectedCount_ == 1) {
        qCDebug(lcApp).noquote() << "RefreshMouseList " + names_.first();
        current = names_.first();
    } else if (connectedCount_ == 0) {
        current.clear();
    } else if (!names_.contains(current)) {
        current = names_.first();
    }
    appsettings::saveCurrentProductName(paths_, current);
    link_.setCurrentProductName(current);
    host_.mouseListChanged(names_, current);
}

void ConnectionMonitor::handleEvent(const HotplugEvent& event) {
    const bool arrival = event.type == HotplugEvent::Type::Arrival;
    const int kind = event.collection;
    const QByteArray path = event.path.toUtf8();
    bool handled = false;
    bool newInterface = false;

    for (DeviceEntry& device : link_.deviceList()) {
        int g;
        if (event.vendorId == device.paths[0].vendorId && event.productId == device.paths[0].productId)
            g = 0;
        else if (event.vendorId == device.paths[1].vendorId && event.productId == device.paths[1].productId)
            g = 1;
        else
            continue;
        DevicePath& p = device.paths[static_cast<size_t>(g)];
        const QString deviceName = QString::fromLatin1(device.productName);

        if (arrival) {
            // A path that does not fit the device list's field would be cut into another path.
            const bool accepted = p.acceptsRelease(static_cast<uint32_t>(event.releaseNumber)) &&
                                  !path.isEmpty() && path.size() <= kMaxPathBytes;
            CollectionSlot* slot = accepted ? collectionSlot(p, kind) : nullptr;
            if (slot) {
                slot->path = path;
                if (!slot->present) newInterface = true;
                slot->present = true;
            }
            if (p.connected()) {
                if (connectedCount_ != 0) {
                    rebuildMouseList();
                    openCurrent();
                } else {
                    rebuildMouseList();
                    host_.scheduleWarnClose();
                }
            }
        } else {
            CollectionSlot* slot = collectionSlot(p, kind);
            if (slot) {
                // Another interface with the same ids (a second receiver) leaving is not ours.
                if (!slot->present || (!slot->path.isEmpty() && slot->path != path)) continue;
                slot->present = false;
            }
            const bool allGone = !device.paths[0].mouse.present && !device.paths[0].command.present &&
                                 !device.paths[1].mouse.present && !device.paths[1].command.present;
            if (allGone) {
                const int count = countConnected(link_);
                if (count != 0) {
                    const QString remembered = currentProductName();
                    rebuildMouseList();
                    if (remembered == deviceName) {
                        // The current mouse went away: carry on with the one that is left.
                        host_.stopStatusThread();
                        link_.CloseDevice();
                        openCurrent();
                        host_.startStatusThread();
                        host_.reloadAfterDeviceChange();
                        handled = true;
                    }
                } else {
                    connectedCount_ = 0;
                    host_.stopStatusThread();
                    link_.CloseDevice();
                    host_.setDeviceReady(false);
                    host_.scheduleWarning();
                }
            }
        }

        if (currentProductName() == deviceName && (p.mouse.present || p.command.present) && !handled) {
            host_.stopStatusThread();
            link_.CloseDevice();
            pacer_.pause(kReopenPauseMs);
            openCurrent();
            host_.startStatusThread();
        }
    }

    if (newInterface) appsettings::saveDiff(paths_, 1);
    host_.applyConnectionState();
    host_.stopStatusThread();
    host_.startStatusThread();
}

void ConnectionMonitor::switchToMouse(const QString& name) {
    host_.stopStatusThread();
    pacer_.pause(kSwitchPauseMs);
    link_.CloseDevice();
    pacer_.pause(kSwitchPauseMs);
    appsettings::saveCurrentProductName(paths_, name);
    link_.setCurrentProductName(name);
    host_.mouseListChanged(names_, name);
    link_.OpenDevice(name);
    pacer_.pause(kSwitchPauseMs);
    host_.reloadAfterDeviceChange();
    host_.startStatusThread();
}

void ConnectionMonitor::reopenAfterWarning() {
    openCurrent();
    host_.startStatusThread();
    host_.reloadAfterDeviceChange();
    host_.setDeviceReady(true);
}

}  // namespace mousecfg
