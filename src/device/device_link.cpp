#include "device/device_link.h"

#include "device/command_report_filter.h"
#include "device/device_log.h"
#include "device/pacer.h"
#include "device/report_descriptor.h"
#include "device/wire_log.h"
#include "storage/app_settings.h"

namespace mousecfg {

namespace {

constexpr uint16_t kDebugVendorId = 0x04D9;
constexpr int kMaxProductNameBytes = 255;

DevicePath startupPath(uint32_t productId) {
    DevicePath p;
    p.vendorId = kVendorId;
    p.productId = productId;
    p.mouse.usage = 2;
    p.mouse.usagePage = 1;
    p.command.usage = 0;
    p.command.usagePage = 1;
    return p;
}

size_t slot(HandleId id) {
    return static_cast<size_t>(id);
}

}  // namespace

DeviceLink::DeviceLink(HidBackend& backend, Pacer& pacer) : backend_(backend), pacer_(pacer) {}

DeviceLink::~DeviceLink() {
    CloseDevice();
}

void DeviceLink::InitDeviceList(const Paths& paths) {
    entries_.clear();
    DeviceEntry e;
    e.paths[DeviceEntry::kReceiver] = startupPath(kReceiverProductId);
    e.paths[DeviceEntry::kCable] = startupPath(kCableProductId);
    e.productName = appsettings::loadMouseListName(paths).toLatin1().left(kMaxProductNameBytes);
    // Decoded the way it was encoded, so that OpenDevice(currentProductName()) finds the entry
    // for any Latin-1 name.
    currentProductName_ = QString::fromLatin1(e.productName);
    entries_.push_back(std::move(e));
    qCDebug(lcDevice) << currentProductName_;
}

bool DeviceLink::isWindowsCollectionPath(const QByteArray& path) {
    return path.startsWith("\\\\?\\") || path.toLower().contains("&col");
}

int DeviceLink::EnumerateDevices() {
    if (backend_.init() != 0) return -1;
    lastEnumeration_ = backend_.enumerate();
    for (const HidDeviceInfo& d : lastEnumeration_) {
        if (d.vendorId == kDebugVendorId) {
            qCDebug(lcDevice, "Device Found\n  type: %x %x\n  path: %s\n  serial_number: %s\n usge %x uu %x",
                    d.vendorId, d.productId, d.path.constData(), qUtf8Printable(d.serialNumber), d.usage,
                    d.usagePage);
        }
        if (d.path.size() > kMaxPathBytes) {
            // Would not fit the path field; a cut path would name another device or none.
            qCDebug(lcDevice) << "path too long, ignored:" << d.path.left(64);
            continue;
        }
        for (DeviceEntry& e : entries_) {
            for (int g = 0; g < 2; ++g) {
                DevicePath& p = e.paths[static_cast<size_t>(g)];
                if (d.vendorId != p.vendorId || d.productId != p.productId) continue;
                if (!p.acceptsRelease(d.releaseNumber)) continue;
                if (d.usage == p.mouse.usage && d.usagePage == p.mouse.usagePage) {
                    p.mouse.path = d.path;
                    p.mouse.present = true;
                    qCDebug(lcDevice, g == 0 ? "1 %s\n" : "3 %s\n", d.path.constData());
                }
                if (d.usage == p.command.usage && d.usagePage == p.command.usagePage) {
                    // The receiver lists several collections; on Windows its command collection is
                    // the one whose path names col04. A hidraw path names no collection at all.
                    if (g == DeviceEntry::kReceiver && isWindowsCollectionPath(d.path) &&
                        !d.path.contains("col04"))
                        continue;
                    p.command.path = d.path;
                    p.command.present = true;
                    if (g == DeviceEntry::kCable) cableRelease_ = d.releaseNumber;
                    qCDebug(lcDevice, g == 0 ? "2 %s\n" : "4 %s\n", d.path.constData());
                }
            }
        }
    }
    return 0;
}

int DeviceLink::releaseNumber(const QByteArray& path) const {
    for (const HidDeviceInfo& d : lastEnumeration_)
        if (d.path == path) return d.releaseNumber;
    return -1;
}

void DeviceLink::OpenDevice(const QByteArray& productName) {
    if (backend_.init() != 0 || entries_.empty()) return;
    std::lock_guard<std::mutex> lock(mutex_);
    for (const DeviceEntry& e : entries_) {
        if (e.productName != productName) continue;
        for (int g = 0; g < 2; ++g) {
            const DevicePath& p = e.paths[static_cast<size_t>(g)];
            if (!p.connected()) continue;
            const HandleId mouseId = g == 0 ? HandleId::ReceiverMouse : HandleId::CableMouse;
            const HandleId commandId = g == 0 ? HandleId::ReceiverCommand : HandleId::CableCommand;
            // A handle still open is replaced (and closed) rather than leaked.
            handles_[slot(mouseId)] = backend_.open(p.mouse.path);
            std::unique_ptr<HidHandle> command = backend_.open(p.command.path);
            if (command) {
                const std::vector<uint8_t> ids = commandInputIds(
                    backend_.reportDescriptor(p.command.path), static_cast<uint16_t>(p.command.usagePage),
                    static_cast<uint16_t>(p.command.usage), kReportId);
                qCDebug(lcDevice) << "command reports of" << p.command.path << "use IDs"
                                  << QByteArray(reinterpret_cast<const char*>(ids.data()),
                                                static_cast<int>(ids.size()))
                                         .toHex(' ');
                command = std::make_unique<WireLogHandle>(
                    std::make_unique<CommandReportFilter>(std::move(command), ids));
            }
            handles_[slot(commandId)] = std::move(command);
        }
    }
}

void DeviceLink::CloseDevice() {
    std::lock_guard<std::mutex> lock(mutex_);
    for (HandleId id :
         {HandleId::ReceiverMouse, HandleId::ReceiverCommand, HandleId::CableMouse, HandleId::CableCommand})
        handles_[slot(id)].reset();
}

void DeviceLink::ExitHid() {
    backend_.exit();
}

bool DeviceLink::isOpen(HandleId id) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return handles_[slot(id)] != nullptr;
}

bool DeviceLink::hasCommandHandle() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return commandHandleLocked() != nullptr;
}

HidHandle* DeviceLink::commandHandleLocked() const {
    if (handles_[slot(HandleId::CableCommand)]) return handles_[slot(HandleId::CableCommand)].get();
    return handles_[slot(HandleId::ReceiverCommand)].get();
}

DeviceLink::CommandAccess DeviceLink::lockCommand() {
    std::unique_lock<std::mutex> lock(mutex_);
    HidHandle* h = commandHandleLocked();
    return CommandAccess(std::move(lock), h);
}

void DeviceLink::trace(const QString& line) const {
    if (trace_) trace_(line);
}

}  // namespace mousecfg
