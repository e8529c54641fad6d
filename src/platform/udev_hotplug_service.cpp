#include <QLoggingCategory>
#include <QSocketNotifier>

#include "platform/hotplug_service.h"

#ifdef MOUSECFG_HAVE_UDEV
#include <libudev.h>
#endif

Q_DECLARE_LOGGING_CATEGORY(lcHotplug)

namespace mousecfg {

#ifdef MOUSECFG_HAVE_UDEV
namespace {

QString prop(udev_device* dev, const char* key) {
    const char* v = dev ? udev_device_get_property_value(dev, key) : nullptr;
    return v ? QString::fromLocal8Bit(v) : QString();
}

QString sysattr(udev_device* dev, const char* key) {
    const char* v = dev ? udev_device_get_sysattr_value(dev, key) : nullptr;
    return v ? QString::fromLocal8Bit(v).trimmed() : QString();
}

// Watches hidraw nodes through a udev monitor whose socket sits in a QSocketNotifier. A "remove"
// event has no parents left to read, so what each node was is remembered from its "add" (or
// from the enumeration at start).
class UdevHotplugService : public HotplugService {
public:
    explicit UdevHotplugService(QObject* parent) : HotplugService(parent) {}
    ~UdevHotplugService() override {
        delete notifier_;
        if (monitor_) udev_monitor_unref(monitor_);
        if (udev_) udev_unref(udev_);
    }

    QString name() const override { return QStringLiteral("udev"); }

    bool start() override {
        if (monitor_) return true;
        udev_ = udev_new();
        if (!udev_) return false;
        monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
        if (!monitor_ || udev_monitor_filter_add_match_subsystem_devtype(monitor_, "hidraw", nullptr) < 0 ||
            udev_monitor_enable_receiving(monitor_) < 0) {
            qCDebug(lcHotplug) << "udev monitor unavailable";
            return false;
        }
        rememberPresentNodes();
        notifier_ = new QSocketNotifier(udev_monitor_get_fd(monitor_), QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] { readEvent(); });
        qCDebug(lcHotplug) << "watching hidraw nodes through udev";
        return true;
    }

private:
    struct NodeInfo {
        QString hidId;
        QString bcd;
        int interfaceNumber = -1;
    };

    static NodeInfo describe(udev_device* dev) {
        NodeInfo info;
        info.hidId = prop(udev_device_get_parent_with_subsystem_devtype(dev, "hid", nullptr), "HID_ID");
        udev_device* usbDev = udev_device_get_parent_with_subsystem_devtype(dev, "usb", "usb_device");
        info.bcd = sysattr(usbDev, "bcdDevice");
        udev_device* usbIf = udev_device_get_parent_with_subsystem_devtype(dev, "usb", "usb_interface");
        bool ok = false;
        const int n = sysattr(usbIf, "bInterfaceNumber").toInt(&ok, 16);
        info.interfaceNumber = ok ? n : -1;
        return info;
    }

    void rememberPresentNodes() {
        udev_enumerate* en = udev_enumerate_new(udev_);
        if (!en) return;
        udev_enumerate_add_match_subsystem(en, "hidraw");
        udev_enumerate_scan_devices(en);
        udev_list_entry* entry;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(en)) {
            udev_device* dev = udev_device_new_from_syspath(udev_, udev_list_entry_get_name(entry));
            if (!dev) continue;
            const char* node = udev_device_get_devnode(dev);
            if (node) nodes_.insert(QString::fromLocal8Bit(node), describe(dev));
            udev_device_unref(dev);
        }
        udev_enumerate_unref(en);
    }

    void readEvent() {
        udev_device* dev = udev_monitor_receive_device(monitor_);
        if (!dev) return;
        const QString action = QString::fromLocal8Bit(udev_device_get_action(dev));
        const char* nodeC = udev_device_get_devnode(dev);
        const QString node = nodeC ? QString::fromLocal8Bit(nodeC) : QString();
        NodeInfo info;
        if (action == QLatin1String("add")) {
            info = describe(dev);
            nodes_.insert(node, info);
        } else if (action == QLatin1String("remove")) {
            info = nodes_.take(node);
        }
        udev_device_unref(dev);
        const auto events = hidrawUeventToEvents(action, node, info.hidId, info.bcd, info.interfaceNumber);
        for (const HotplugEvent& e : events) {
            qCDebug(lcHotplug) << action << node << Qt::hex << e.vendorId << e.productId << "collection"
                               << e.collection;
            Q_EMIT deviceEvent(e);
        }
    }

    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    QSocketNotifier* notifier_ = nullptr;
    QHash<QString, NodeInfo> nodes_;
};

}  // namespace
#endif

#ifdef Q_OS_WIN
std::unique_ptr<HotplugService> makeWindowsHotplugService(QObject* parent);  // win_hotplug_service.cpp
#endif

std::unique_ptr<HotplugService> makeHotplugService(InterfaceLister fallbackLister, QObject* parent) {
#ifdef Q_OS_WIN
    if (auto windows = makeWindowsHotplugService(parent)) return windows;
    qCDebug(lcHotplug) << "falling back to enumeration";
#endif
#ifdef MOUSECFG_HAVE_UDEV
    auto udevService = std::make_unique<UdevHotplugService>(parent);
    if (udevService->start()) return udevService;
    qCDebug(lcHotplug) << "falling back to enumeration";
#endif
    auto polling = std::make_unique<PollingHotplugService>(std::move(fallbackLister), 1000, parent);
    polling->start();
    return polling;
}

}  // namespace mousecfg
