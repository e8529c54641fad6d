#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>

#include "device/device_link.h"
#include "device/hidapi_backend.h"
#include "device/pacer.h"
#include "device/profile_writer.h"
#include "device/status_query.h"
#include "mouse_testbed.h"
#include "storage/settings_file.h"
#include "temp_data.h"

using namespace mousecfg;
using test::MouseTestbed;
using Path = MouseTestbed::Path;

namespace {

// The device link over the real hidapi, in a testbed where nothing is plugged in yet.
struct HidLink {
    explicit HidLink(bool installData = false) : data(installData), link(backend, pacer) {
        if (!installData)
            data.writeFile(QStringLiteral("Configs/Config.ini"),
                           "[Mouse_List]\n0=FARROW\n[Config]\nCurrentProductName=FARROW\nDiff=0\n");
        link.InitDeviceList(data.paths());
    }
    // Enumerates and opens the listed product, as at start-up. Whether a command handle is open.
    bool open() {
        link.CloseDevice();
        if (link.EnumerateDevices() != 0) return false;
        link.OpenDevice(link.currentProductName());
        pacer.clear();
        return link.hasCommandHandle();
    }
    // One report read from the command handle without waiting; empty when none passed.
    QByteArray readCommand() {
        auto access = link.lockCommand();
        uint8_t buffer[64] = {};
        const int got = access.handle() ? access.handle()->readTimeout(buffer, kFrameLength, 0) : -1;
        return got > 0 ? QByteArray(reinterpret_cast<const char*>(buffer), got) : QByteArray();
    }

    MouseTestbed bed;  // first in, last out: it outlives every handle on its nodes
    test::TempData data;
    HidapiBackend backend;
    RecordingPacer pacer;
    DeviceLink link;
};

// A DPI-section frame with eight data bytes: echoed whole by the mouse.
CommandFrame dataFrame() {
    const uint8_t data[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    return makeFrame(command::kDpiTable, 0, 0, 8, phase::kMiddle, data, 8);
}

QStringList records(HidBackend& backend) {
    QStringList out;
    for (const HidDeviceInfo& d : backend.enumerate())
        out << QStringLiteral("%1 %2:%3 r%4 i%5 %6:%7")
                   .arg(QString::fromLatin1(d.path))
                   .arg(d.vendorId, 4, 16, QLatin1Char('0'))
                   .arg(d.productId, 4, 16, QLatin1Char('0'))
                   .arg(d.releaseNumber, 0, 16)
                   .arg(d.interfaceNumber)
                   .arg(d.usagePage, 0, 16)
                   .arg(d.usage, 0, 16);
    return out;
}

}  // namespace

TEST(HidPath, HidapiListsEveryCollectionOfANodeAndTheLinkMapsThemInEitherOrder) {
    namespace desc = test::descriptor;
    struct Case {
        const char* name;
        QByteArray receiver, cable;
        QStringList receiverRecords;  // in descriptor order
    };
    const QString r = QStringLiteral("/dev/hidraw90 248a:fa02 r105 i0 ");
    const Case cases[] = {
        {"mouse collection first",
         desc::receiver(),
         desc::cable(),
         {r + "1:2", r + "1:1", r + "c:1", r + "1:80", r + "1:0"}},
        {"command collection first",
         desc::command() + desc::consumer() + desc::mouse(),
         desc::command() + desc::mouse(),
         {r + "1:0", r + "c:1", r + "1:2", r + "1:1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HidLink t;
        t.bed.plug(Path::Receiver, {c.receiver, 0x0105});
        t.bed.plug(Path::Cable, {c.cable, 0x0107});
        const QStringList all = records(t.backend);
        const QStringList receiver = all.filter(QStringLiteral("/dev/hidraw90 "));
        EXPECT_EQ(receiver, c.receiverRecords);
        // The keyboard interface is listed on its own node; the cable on its own.
        EXPECT_EQ(all.filter(QStringLiteral("/dev/hidraw91 ")),
                  QStringList{QStringLiteral("/dev/hidraw91 248a:fa02 r105 i1 1:6")});
        EXPECT_TRUE(all.contains(QStringLiteral("/dev/hidraw92 248a:fb01 r107 i0 1:0")))
            << all.join('\n').toStdString();

        ASSERT_TRUE(t.open());
        const DeviceEntry& e = t.link.deviceList().front();
        for (const DevicePath& p : e.paths) {
            EXPECT_TRUE(p.connected());
            EXPECT_EQ(p.mouse.path, p.command.path);
        }
        EXPECT_EQ(e.paths[DeviceEntry::kReceiver].command.path, MouseTestbed::node(Path::Receiver));
        EXPECT_EQ(e.paths[DeviceEntry::kCable].command.path, MouseTestbed::node(Path::Cable));
        EXPECT_EQ(t.link.cableReleaseNumber(), 0x0107);
        // Both paths open; commands go to the cable.
        EXPECT_TRUE(t.link.isOpen(HandleId::ReceiverCommand) && t.link.isOpen(HandleId::ReceiverMouse));
        EXPECT_EQ(t.link.WriteAndVerify(dataFrame()), TxOk);
        EXPECT_EQ(t.bed.writesTo(Path::Cable), 1);
        EXPECT_EQ(t.bed.writesTo(Path::Receiver), 0);
    }
}

TEST(HidPath, AProfileSetWrittenThroughHidapiIsWhatTheFirmwareHolds) {
    HidLink t(true);
    t.bed.plug(Path::Receiver);
    ASSERT_TRUE(t.open());
    t.bed.mouse().setBatteryMillivolts(3800);
    t.bed.mouse().moveMouse(20);  // motion queued on the node before the answers

    const StatusSnapshot s = queryStatus(t.link);
    ASSERT_EQ(s.result, TxOk);
    EXPECT_TRUE(s.haveStatus);
    EXPECT_EQ(s.battery.lowByte | s.battery.hiByte << 8, t.bed.mouse().batteryRaw());

    ConfigState state;
    loadConfigState(t.data.paths(), state);
    ProfileWriter writer(t.link, t.data.paths());
    t.bed.mouse().clearFrameLog();
    ASSERT_EQ(writer.WriteProfileSet(state, change::kAll), TxOk);

    // The same set written straight into a simulated mouse, without hidapi in between.
    SimulatedMouse direct;
    InstantPacer pacer;
    DeviceLink directLink(direct, pacer);
    directLink.InitDeviceList(t.data.paths());
    directLink.EnumerateDevices();
    directLink.OpenDevice(directLink.currentProductName());
    ProfileWriter directWriter(directLink, t.data.paths());
    ASSERT_EQ(directWriter.WriteProfileSet(state, change::kAll), TxOk);
    EXPECT_EQ(t.bed.mouse().frameLog(), direct.frameLog());
    for (uint8_t section = 1; section <= 5; ++section)
        EXPECT_EQ(t.bed.mouse().section(section), direct.section(section)) << int(section);
    EXPECT_EQ(t.bed.writesTo(Path::Receiver), 1 + static_cast<int>(direct.frameLog().size()));
    EXPECT_FALSE(t.bed.mouse().inConfigMode());
}

TEST(HidPath, TheCommandHandlePassesTheReportIdsOfTheDescriptor) {
    QByteArray answer = QByteArray::fromHex("0600fa48c00300010000000000");
    answer.resize(kFrameLength);
    struct Case {
        const char* name;
        std::vector<uint8_t> commandInputs;
        bool passed;
    };
    const Case cases[] = {
        {"answers declared on a second ID", {kReportId, 0x06}, true},
        {"only the command ID declared", {kReportId}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HidLink t;
        const QByteArray descriptor = test::descriptor::mouse() + test::descriptor::command(c.commandInputs);
        t.bed.plug(Path::Cable, {descriptor});
        EXPECT_EQ(t.backend.reportDescriptor(MouseTestbed::node(Path::Cable)), descriptor);
        ASSERT_TRUE(t.open());
        t.bed.mouse().moveMouse(3);
        t.bed.mouse().queueCommandReport(answer);
        EXPECT_EQ(t.readCommand(), c.passed ? answer : QByteArray());
        EXPECT_EQ(t.readCommand(), QByteArray());  // the motion never passes
    }
    // Only hidraw device paths are looked up in sysfs.
    HidLink t;
    t.bed.plug(Path::Receiver);
    for (const char* path : {"/dev/hidraw90/../hidraw90", "/sys/class/hidraw/hidraw90", "hidraw90",
                             "/dev/hidrawx", "/dev/hidraw90\n", ""})
        EXPECT_TRUE(t.backend.reportDescriptor(path).isEmpty()) << path;
}

TEST(HidPath, ANodeRemovedInTheMiddleOfATransactionFailsItAndComesBackWhenPlugged) {
    HidLink t;
    t.bed.plug(Path::Receiver);
    ASSERT_TRUE(t.open());
    // Pulled while the mouse has the frame and before its echo is read.
    t.pacer.setHook([&t](int index, int) {
        if (index == 0) t.bed.unplug(Path::Receiver);
    });
    EXPECT_EQ(t.link.WriteAndVerify(dataFrame()), TxWriteError);
    t.pacer.setHook(nullptr);
    EXPECT_EQ(queryStatus(t.link).result, TxWriteError);
    t.link.CloseDevice();
    EXPECT_TRUE(records(t.backend).filter(QStringLiteral("248a:fa02")).isEmpty());
    EXPECT_EQ(t.backend.open(MouseTestbed::node(Path::Receiver)), nullptr);

    t.bed.plug(Path::Receiver);
    ASSERT_TRUE(t.open());
    EXPECT_EQ(t.link.WriteAndVerify(dataFrame()), TxOk);
    EXPECT_EQ(queryStatus(t.link).result, TxOk);
}
