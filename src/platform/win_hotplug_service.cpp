// Windows: the hot-plug service on top of the Win32 device notifier.
#include "platform/hotplug_service.h"

#ifdef Q_OS_WIN

#include <QLoggingCategory>

#include "platform/win32_device_notifier.h"

Q_DECLARE_LOGGING_CATEGORY(lcHotplug)

namespace mousecfg {

namespace {

class WinHotplugService : public HotplugService {
public:
    explicit WinHotplugService(QObject* parent)
        : HotplugService(parent),
          notifier_([this](const win32::InterfaceChange& change) { deliver(change); }) {}

    bool start() override {
        if (notifier_.start()) return true;
        qCWarning(lcHotplug) << "RegisterDeviceNotificationW failed, error" << notifier_.lastError();
        return false;
    }
    QString name() const override { return QStringLiteral("windows"); }

private:
    void deliver(const win32::InterfaceChange& change) {
        HotplugEvent event;
        event.path = QString::fromStdWString(change.path);
        const InterfacePathInfo info = parseInterfacePath(event.path);
        event.vendorId = info.vendorId;
        event.productId = info.productId;
        event.collection = info.collection;
        if (change.type == win32::InterfaceChange::Type::Arrival) {
            event.type = HotplugEvent::Type::Arrival;
            event.releaseNumber = win32::hidReleaseNumber(change.path).value_or(0);
        } else {
            // A removed interface can no longer be asked for its release number.
            event.type = HotplugEvent::Type::Removal;
        }
        Q_EMIT deviceEvent(event);
    }

    win32::DeviceNotifier notifier_;
};

}  // namespace

std::unique_ptr<HotplugService> makeWindowsHotplugService(QObject* parent) {
    auto service = std::make_unique<WinHotplugService>(parent);
    if (!service->start()) return nullptr;
    return service;
}

}  // namespace mousecfg

#endif  // Q_OS_WIN
