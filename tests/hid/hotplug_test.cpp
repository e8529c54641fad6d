// The one file of tests/hid that uses the application layer (the connection monitor).
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/session/connection_monitor.h"
#include "device/device_link.h"
#include "device/hidapi_backend.h"
#include "device/pacer.h"
#include "device/status_query.h"
#include "mouse_testbed.h"
#include "storage/app_settings.h"
#include "temp_data.h"

using namespace mousecfg;
using test::MouseTestbed;
using Path = MouseTestbed::Path;

namespace {

// Keeps what the monitor asks of the window about the warning box and readiness.
class WarningHost : public ConnectionHost {
public:
    void stopStatusThread() override {}
    void startStatusThread() override {}
    void reloadAfterDeviceChange() override {}
    void mouseListChanged(const QStringList&, const QString&) override {}
    void applyConnectionState() override {}
    void scheduleWarning() override { log << QStringLiteral("warning"); }
    void scheduleWarnClose() override { log << QStringLiteral("warnclose"); }
    void setDeviceReady(bool ready) override {
        log << (ready ? QStringLiteral("ready") : QStringLiteral("notready"));
    }
    QString take() {
        const QString s = log.join(QLatin1Char(' '));
        log.clear();
        return s;
    }
    QStringList log;
};

// The program's hot-plug path against the testbed: the udev hot-plug service feeding the
// connection monitor, which opens the real hidapi nodes through the device link.
struct HotplugRig {
    HotplugRig() : link(backend, pacer), monitor(link, pacer, data.paths(), host) {
        data.writeFile(QStringLiteral("Configs/Config.ini"),
                       "[Mouse_List]\n0=FARROW\n[Config]\nCurrentProductName=FARROW\nDiff=0\n");
        link.InitDeviceList(data.paths());
        link.EnumerateDevices();
        monitor.rebuildMouseList();
        service = makeHotplugService([] { return QVector<PresentInterface>(); });
        QObject::connect(service.get(), &HotplugService::deviceEvent, [this](const HotplugEvent& e) {
            events << QStringLiteral("%1%2/%3 %4")
                          .arg(e.type == HotplugEvent::Type::Arrival ? '+' : '-')
                          .arg(e.productId, 4, 16, QLatin1Char('0'))
                          .arg(e.collection)
                          .arg(e.path);
            monitor.handleEvent(e);
        });
    }
    // The testbed queues its uevents before plug() returns; the monitor's socket notifier takes
    // one per pass of the event loop.
    QStringList deliver() {
        events.clear();
        for (int i = 0; i < 16; ++i) QCoreApplication::processEvents();
        return events;
    }
    TxResult write() {
        const uint8_t data[8] = {1, 2, 3, 4, 5, 6, 7, 8};
        return link.WriteAndVerify(makeFrame(command::kDpiTable, 0, 0, 8, phase::kMiddle, data, 8));
    }

    MouseTestbed bed;  // first: it sets up the emulated /sys the services below look at
    test::TempData data;
    HidapiBackend backend;
    RecordingPacer pacer;
    DeviceLink link;
    WarningHost host;
    ConnectionMonitor monitor;
    std::unique_ptr<HotplugService> service;
    QStringList events;
};

}  // namespace

TEST(HidHotplug, TheUdevMonitorFollowsReceiverAndCable) {
    HotplugRig t;
    ASSERT_EQ(t.service->name(), QStringLiteral("udev"));

    // The receiver: both collections of its first interface arrive with the node; its keyboard
    // interface gives nothing. The first mouse closes the warning and is opened then.
    t.bed.plug(Path::Receiver);
    EXPECT_EQ(t.deliver(), (QStringList{"+fa02/1 /dev/hidraw90", "+fa02/4 /dev/hidraw90"}));
    EXPECT_EQ(t.host.take(), QStringLiteral("warnclose"));
    t.monitor.reopenAfterWarning();
    EXPECT_EQ(t.host.take(), QStringLiteral("ready"));
    EXPECT_TRUE(t.link.isOpen(HandleId::ReceiverCommand));
    EXPECT_EQ(queryStatus(t.link).result, TxOk);
    EXPECT_EQ(appsettings::loadDiff(t.data.paths()), 1);  // a new interface: the next Apply writes all

    // The cable beside it: re-opened after 500 ms, and commands go through the cable.
    t.pacer.clear();
    t.bed.plug(Path::Cable);
    EXPECT_EQ(t.deliver(), (QStringList{"+fb01/1 /dev/hidraw92", "+fb01/4 /dev/hidraw92"}));
    EXPECT_TRUE(t.link.isOpen(HandleId::CableCommand));
    EXPECT_TRUE(t.link.isOpen(HandleId::ReceiverCommand));
    EXPECT_NE(std::find(t.pacer.pauses().begin(), t.pacer.pauses().end(), ConnectionMonitor::kReopenPauseMs),
              t.pacer.pauses().end());
    EXPECT_EQ(t.write(), TxOk);
    EXPECT_EQ(t.bed.writesTo(Path::Cable), 1);

    // The cable pulled: the receiver carries on.
    t.bed.unplug(Path::Cable);
    EXPECT_EQ(t.deliver(), (QStringList{"-fb01/1 /dev/hidraw92", "-fb01/4 /dev/hidraw92"}));
    EXPECT_FALSE(t.link.isOpen(HandleId::CableCommand));
    EXPECT_TRUE(t.link.isOpen(HandleId::ReceiverCommand));
    EXPECT_EQ(t.monitor.connectedCount(), 1);
    const int receiverWrites = t.bed.writesTo(Path::Receiver);
    EXPECT_EQ(t.write(), TxOk);
    EXPECT_EQ(t.bed.writesTo(Path::Receiver), receiverWrites + 1);
    EXPECT_EQ(t.host.take(), QString());

    // The last mouse gone: everything closed, the warning scheduled.
    t.bed.unplug(Path::Receiver);
    EXPECT_EQ(t.deliver(), (QStringList{"-fa02/1 /dev/hidraw90", "-fa02/4 /dev/hidraw90"}));
    EXPECT_EQ(t.host.take(), QStringLiteral("notready warning"));
    EXPECT_FALSE(t.link.hasCommandHandle());
    EXPECT_EQ(t.monitor.connectedCount(), 0);

    // And back: the warning closes itself and the mouse answers again.
    t.bed.plug(Path::Receiver);
    EXPECT_EQ(t.deliver(), (QStringList{"+fa02/1 /dev/hidraw90", "+fa02/4 /dev/hidraw90"}));
    EXPECT_EQ(t.host.take(), QStringLiteral("warnclose"));
    t.monitor.reopenAfterWarning();
    EXPECT_EQ(queryStatus(t.link).result, TxOk);
}
