#include "app/session/connection_monitor.h"

#include <gtest/gtest.h>

#include "device/device_link.h"
#include "device/pacer.h"
#include "sim/simulated_mouse.h"
#include "storage/app_settings.h"
#include "temp_data.h"

using namespace mousecfg;

namespace {

// Records what the monitor asks of the window.
class RecordingHost : public ConnectionHost {
public:
    void stopStatusThread() override { log.push_back("stop"); }
    void startStatusThread() override { log.push_back("start"); }
    void reloadAfterDeviceChange() override { log.push_back("reload"); }
    void mouseListChanged(const QStringList& n, const QString& current) override {
        names = n;
        selectorText = current;
        log.push_back("list");
    }
    void applyConnectionState() override { log.push_back("state"); }
    void scheduleWarning() override { log.push_back("warning"); }
    void scheduleWarnClose() override { log.push_back("warnclose"); }
    void setDeviceReady(bool r) override {
        ready = r;
        log.push_back(r ? "ready" : "notready");
    }
    int count(const std::string& what) const {
        return static_cast<int>(std::count(log.begin(), log.end(), what));
    }

    std::vector<std::string> log;
    QStringList names;
    QString selectorText;
    bool ready = true;
};

struct MonitorRig {
    explicit MonitorRig(SimulatedMouse::Options options = {}) : mouse(options), link(mouse, pacer) {
        data.writeFile(QStringLiteral("Configs/Config.ini"),
                       "[Mouse_List]\n0=FARROW\n[Config]\nCurrentProductName=FARROW\nDiff=0\n");
        link.InitDeviceList(data.paths());
        link.EnumerateDevices();
        monitor.rebuildMouseList();
        link.OpenDevice(QStringLiteral("FARROW"));
        host.log.clear();
    }

    HotplugEvent event(HotplugEvent::Type type, SimulatedMouse::Path path, int kind) const {
        HotplugEvent e;
        e.type = type;
        e.vendorId = kVendorId;
        e.productId = path == SimulatedMouse::Path::Receiver ? kReceiverProductId : kCableProductId;
        e.collection = kind;
        e.path = QString::fromUtf8(kind == 1 ? mouse.mousePath(path) : mouse.commandPath(path));
        e.releaseNumber = 0x0100;
        return e;
    }
    void plug(SimulatedMouse::Path path, bool in) {
        mouse.setPresent(path, in);
        const auto type = in ? HotplugEvent::Type::Arrival : HotplugEvent::Type::Removal;
        monitor.handleEvent(event(type, path, 1));
        monitor.handleEvent(event(type, path, 4));
    }
    const DevicePath& entryPath(int g) const {
        return link.deviceList().front().paths[static_cast<size_t>(g)];
    }

    test::TempData data;
    SimulatedMouse mouse;
    RecordingPacer pacer;
    DeviceLink link;
    RecordingHost host;
    ConnectionMonitor monitor{link, pacer, data.paths(), host};
};

constexpr auto kArrival = HotplugEvent::Type::Arrival;
constexpr auto kRemoval = HotplugEvent::Type::Removal;
constexpr auto kReceiver = SimulatedMouse::Path::Receiver;
constexpr auto kCable = SimulatedMouse::Path::Cable;

}  // namespace

TEST(ConnectionMonitor, ReceiverWhoseCommandCollectionArrivesFirstIsConnectedOnlyAfterBoth) {
    MonitorRig rig(SimulatedMouse::Options{false, false});
    ASSERT_EQ(rig.monitor.connectedCount(), 0);
    EXPECT_EQ(appsettings::loadCurrentProductName(rig.data.paths()), QString());
    rig.mouse.setPresent(kReceiver, true);

    rig.monitor.handleEvent(rig.event(kArrival, kReceiver, 4));
    EXPECT_TRUE(rig.entryPath(0).command.present);
    EXPECT_FALSE(rig.entryPath(0).connected());
    EXPECT_EQ(rig.host.count("warnclose"), 0);
    EXPECT_EQ(rig.monitor.connectedCount(), 0);
    EXPECT_EQ(appsettings::loadDiff(rig.data.paths()), 1) << "a new interface forces the next full write";

    rig.monitor.handleEvent(rig.event(kArrival, kReceiver, 1));
    EXPECT_TRUE(rig.entryPath(0).connected());
    EXPECT_EQ(rig.monitor.connectedCount(), 1);
    EXPECT_EQ(rig.host.count("warnclose"), 1) << "the first mouse back reloads through slotWarnClose";
    EXPECT_EQ(appsettings::loadCurrentProductName(rig.data.paths()), QStringLiteral("FARROW"));
    EXPECT_TRUE(rig.link.isOpen(HandleId::ReceiverCommand));
    EXPECT_EQ(rig.entryPath(0).mouse.path, rig.mouse.mousePath(kReceiver));

    rig.monitor.reopenAfterWarning();
    EXPECT_TRUE(rig.host.ready);
    EXPECT_EQ(rig.host.count("reload"), 1);
}

TEST(ConnectionMonitor, CableUnpluggedWhileReceiverStaysReopensAfterHalfASecond) {
    MonitorRig rig(SimulatedMouse::Options{true, true});
    ASSERT_TRUE(rig.entryPath(1).connected());
    ASSERT_TRUE(rig.link.isOpen(HandleId::CableCommand));

    rig.mouse.setPresent(kCable, false);
    rig.pacer.clear();
    rig.host.log.clear();
    // The mouse collection goes first; the cable's command collection is still there, so the
    // device is reopened (after 500 ms), now without the cable's mouse collection.
    rig.monitor.handleEvent(rig.event(kRemoval, kCable, 1));
    EXPECT_FALSE(rig.entryPath(1).mouse.present);
    EXPECT_TRUE(rig.entryPath(1).command.present);
    EXPECT_EQ(rig.pacer.pauses(), std::vector<int>{ConnectionMonitor::kReopenPauseMs});
    // Stopped before the close, started after the open, and once more at the end.
    const std::vector<std::string> expected{"stop", "start", "state", "stop", "start"};
    EXPECT_EQ(rig.host.log, expected);

    rig.pacer.clear();
    rig.monitor.handleEvent(rig.event(kRemoval, kCable, 4));
    EXPECT_FALSE(rig.entryPath(1).command.present);
    EXPECT_TRUE(rig.entryPath(0).connected());
    EXPECT_EQ(rig.monitor.connectedCount(), 1);
    EXPECT_EQ(rig.host.count("warning"), 0);
    EXPECT_EQ(rig.pacer.count(), 0) << "no flag of the cable path is left";
    EXPECT_FALSE(rig.link.isOpen(HandleId::CableCommand));
    EXPECT_TRUE(rig.link.isOpen(HandleId::ReceiverCommand));
    EXPECT_EQ(rig.host.count("reload"), 0) << "the same mouse stays current";
}

TEST(ConnectionMonitor, LastMouseRemovedWarnsAndPluggingItBackReloads) {
    MonitorRig rig;
    ASSERT_EQ(rig.monitor.connectedCount(), 1);
    rig.host.ready = true;

    rig.plug(kReceiver, false);
    EXPECT_EQ(rig.monitor.connectedCount(), 0);
    EXPECT_EQ(rig.host.count("warning"), 1);
    EXPECT_FALSE(rig.host.ready);
    EXPECT_FALSE(rig.link.hasCommandHandle());
    // The status thread is stopped before the close.
    const auto stop = std::find(rig.host.log.begin(), rig.host.log.end(), "stop");
    const auto warning = std::find(rig.host.log.begin(), rig.host.log.end(), "warning");
    EXPECT_LT(stop - rig.host.log.begin(), warning - rig.host.log.begin());
    EXPECT_EQ(rig.pacer.count(), 1) << "reopened once, while only the command collection was left";

    rig.host.log.clear();
    rig.plug(kReceiver, true);
    EXPECT_EQ(rig.monitor.connectedCount(), 1);
    EXPECT_EQ(rig.host.count("warnclose"), 1);
    EXPECT_EQ(rig.host.count("warning"), 0);
    rig.monitor.reopenAfterWarning();
    EXPECT_TRUE(rig.host.ready);
    EXPECT_TRUE(rig.link.hasCommandHandle());
}

TEST(ConnectionMonitor, TwoMiceListedAndSwitchedBetween) {
    MonitorRig rig(SimulatedMouse::Options{true, false});
    // A second product, reached through what the simulation calls its cable path.
    DeviceEntry other = rig.link.deviceList().front();
    for (DevicePath& p : other.paths) {
        p.mouse = CollectionSlot{p.mouse.usage, p.mouse.usagePage, {}, false};
        p.command = CollectionSlot{p.command.usage, p.command.usagePage, {}, false};
    }
    other.paths[0].productId = kCableProductId;
    other.paths[1].productId = 0xFB77;
    other.productName = "OTHER";
    rig.link.deviceList().front().paths[1].productId = 0xFB66;
    rig.link.deviceList().push_back(other);

    rig.plug(kCable, true);
    EXPECT_EQ(rig.monitor.connectedCount(), 2);
    EXPECT_EQ(rig.host.names, (QStringList{QStringLiteral("FARROW"), QStringLiteral("OTHER")}));
    EXPECT_EQ(rig.host.selectorText, QStringLiteral("FARROW")) << "the current mouse stays current";

    rig.pacer.clear();
    rig.host.log.clear();
    rig.monitor.switchToMouse(QStringLiteral("OTHER"));
    EXPECT_EQ(appsettings::loadCurrentProductName(rig.data.paths()), QStringLiteral("OTHER"));
    EXPECT_EQ(rig.link.currentProductName(), QStringLiteral("OTHER"));
    EXPECT_EQ(rig.pacer.pauses(), (std::vector<int>{50, 50, 50}));
    EXPECT_EQ(rig.host.log.front(), "stop");
    EXPECT_EQ(rig.host.log.back(), "start");
    EXPECT_EQ(rig.host.count("reload"), 1);
    EXPECT_TRUE(rig.link.isOpen(HandleId::ReceiverCommand)) << "OTHER is open through its receiver slot";

    // The current mouse goes away: the one left becomes current and is reloaded.
    rig.host.log.clear();
    rig.plug(kCable, false);
    EXPECT_EQ(rig.monitor.connectedCount(), 1);
    EXPECT_EQ(appsettings::loadCurrentProductName(rig.data.paths()), QStringLiteral("FARROW"));
    EXPECT_EQ(rig.host.count("reload"), 1);
    EXPECT_EQ(rig.host.count("warning"), 0);
    EXPECT_TRUE(rig.link.isOpen(HandleId::ReceiverCommand));
}

TEST(ConnectionMonitor, ForeignReleasesPathsAndIdsChangeNothing) {
    MonitorRig rig(SimulatedMouse::Options{false, false});
    rig.link.deviceList().front().paths[0].lowestRelease = 0x0200;
    rig.link.deviceList().front().paths[0].highestRelease = 0x0300;
    rig.mouse.setPresent(kReceiver, true);

    HotplugEvent e = rig.event(kArrival, kReceiver, 1);
    e.releaseNumber = 0x0100;  // below the accepted range
    rig.monitor.handleEvent(e);
    EXPECT_FALSE(rig.entryPath(0).mouse.present);

    e.releaseNumber = 0x0250;
    e.vendorId = 0x1234;  // another vendor's device
    rig.monitor.handleEvent(e);
    EXPECT_FALSE(rig.entryPath(0).mouse.present);

    e.vendorId = kVendorId;
    e.path = QString(400, QLatin1Char('x'));  // would not fit the device list's path field
    rig.monitor.handleEvent(e);
    EXPECT_FALSE(rig.entryPath(0).mouse.present);

    e.path = QString::fromUtf8(rig.mouse.mousePath(kReceiver));
    rig.monitor.handleEvent(e);
    EXPECT_TRUE(rig.entryPath(0).mouse.present);
    EXPECT_EQ(appsettings::loadDiff(rig.data.paths()), 1);

    // A second receiver with the same ids leaving does not clear this one's flag.
    HotplugEvent gone = e;
    gone.type = kRemoval;
    gone.path = QStringLiteral("/dev/hidraw99");
    rig.monitor.handleEvent(gone);
    EXPECT_TRUE(rig.entryPath(0).mouse.present);
}

TEST(ConnectionMonitor, WindowsNotificationPathsReachTheSameFlags) {
    MonitorRig rig(SimulatedMouse::Options{false, false});
    struct Case {
        const char* path;
        HotplugEvent::Type type;
        bool mousePresent;
        bool commandPresent;
    };
    // Notification names as Windows hands them (after the "\\?\" prefix), mixed case.
    const Case cases[] = {
        {"HID#VID_248A&PID_FA02&MI_00&Col04#8&2a1b&0&0003#{4d1e55b2-f16f-11cf-88cb-001111000030}", kArrival,
         false, true},
        {"hid#vid_248a&pid_fa02&mi_00&col01#8&2a1b&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}", kArrival,
         true, true},
        {"HID#VID_248A&PID_FA02&MI_00&Col02#8&2a1b&0&0001#{4d1e55b2-f16f-11cf-88cb-001111000030}", kRemoval,
         true, true},
        {"HID#VID_248A&PID_FA02&MI_00&Col04#8&2a1b&0&0003#{4d1e55b2-f16f-11cf-88cb-001111000030}", kRemoval,
         true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const InterfacePathInfo info = parseInterfacePath(QString::fromLatin1(c.path));
        HotplugEvent e;
        e.type = c.type;
        e.vendorId = info.vendorId;
        e.productId = info.productId;
        e.collection = info.collection;
        e.path = QString::fromLatin1(c.path);
        rig.monitor.handleEvent(e);
        EXPECT_EQ(rig.entryPath(0).mouse.present, c.mousePresent);
        EXPECT_EQ(rig.entryPath(0).command.present, c.commandPresent);
    }
    EXPECT_EQ(
        rig.entryPath(0).mouse.path,
        QByteArray("hid#vid_248a&pid_fa02&mi_00&col01#8&2a1b&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}"));
}
