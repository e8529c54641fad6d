#pragma once

#include <QObject>
#include <QString>
#include <QVector>
#include <functional>
#include <memory>

namespace mousecfg {

// One HID collection of a device that came or went, described as a Windows device-interface
// notification describes it: ids, collection kind (1 = the first, mouse collection; 4 = the
// command collection; 0 = not one of ours), the interface path and its release number.
struct HotplugEvent {
    enum class Type { Arrival, Removal };
    Type type = Type::Arrival;
    quint16 vendorId = 0;
    quint16 productId = 0;
    int collection = 0;
    QString path;
    int releaseNumber = 0;
};

// Ids and collection kind read from a Windows HID interface path such as
// "HID#VID_248A&PID_FA02&MI_00&Col04#...". Case-insensitive; all zero when nothing matches.
struct InterfacePathInfo {
    quint16 vendorId = 0;
    quint16 productId = 0;
    int collection = 0;
};
InterfacePathInfo parseInterfacePath(const QString& path);

// Tells the connection monitor when HID interfaces appear and disappear.
class HotplugService : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // False when the service cannot watch (no udev, no permission): plugging is then noticed
    // only by whoever enumerates.
    virtual bool start() = 0;
    virtual QString name() const = 0;

Q_SIGNALS:
    void deviceEvent(const mousecfg::HotplugEvent& event);
};

// A present HID interface as an enumeration reports it; the polling service diffs these lists.
struct PresentInterface {
    quint16 vendorId = 0;
    quint16 productId = 0;
    int collection = 0;  // 1 or 4
    QString path;
    int releaseNumber = 0;
    bool operator==(const PresentInterface& o) const {
        return vendorId == o.vendorId && productId == o.productId && collection == o.collection &&
               path == o.path && releaseNumber == o.releaseNumber;
    }
};
using InterfaceLister = std::function<QVector<PresentInterface>()>;

// Emits the difference between two enumerations: removals first, then arrivals (so a device
// that moved to another node is seen leaving before it is seen coming back).
QVector<HotplugEvent> diffInterfaces(const QVector<PresentInterface>& before,
                                     const QVector<PresentInterface>& after);

// Fallback when udev is not available: enumerates periodically and reports the differences.
class PollingHotplugService : public HotplugService {
    Q_OBJECT
public:
    // `intervalMs` 0: no timer; whoever knows of a change calls poll().
    PollingHotplugService(InterfaceLister lister, int intervalMs, QObject* parent = nullptr);
    bool start() override;
    QString name() const override { return QStringLiteral("polling"); }
    // One enumeration and diff; the timer calls it, tests call it directly.
    void poll();

private:
    InterfaceLister lister_;
    int intervalMs_;
    QVector<PresentInterface> last_;
    bool started_ = false;
};

// What a udev "add"/"remove" of a hidraw node means for the mouse's collections. On Linux one
// hidraw node is one USB interface carrying all of its collections, so the node's arrival stands
// for both the first (1) and the command (4) collection of that interface.
// hidId is the HID parent's HID_ID ("0003:0000248A:0000FA02"), bcdDevice the USB device's
// release number in hex ("0100"), interfaceNumber the USB interface (-1 when unknown). Only
// interface 0 carries the two collections (the "MI_00" of a Windows path); other interfaces of
// the same receiver (keyboard, consumer keys) give no events, nor do ids it cannot read.
QVector<HotplugEvent> hidrawUeventToEvents(const QString& action, const QString& devnode,
                                           const QString& hidId, const QString& bcdDevice,
                                           int interfaceNumber);

// Picks the udev monitor where it works, else polling with the given lister.
std::unique_ptr<HotplugService> makeHotplugService(InterfaceLister fallbackLister, QObject* parent = nullptr);

}  // namespace mousecfg

Q_DECLARE_METATYPE(mousecfg::HotplugEvent)
