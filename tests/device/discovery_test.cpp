// Device list, enumeration and open against the simulated mouse.
#include <gtest/gtest.h>

#include <QSettings>
#include <mutex>

#include "device/device_log.h"
#include "link_fixture.h"

namespace mousecfg {
namespace {

using Path = SimulatedMouse::Path;
using test::SimLink;

SimulatedMouse::Options bothPaths(SimulatedMouse::PathStyle style = SimulatedMouse::PathStyle::Hidraw) {
    SimulatedMouse::Options o;
    o.receiver = true;
    o.cable = true;
    o.style = style;
    return o;
}

TEST(Discovery, HandlesOpenOnlyForPathsWithBothCollections) {
    for (auto style : {SimulatedMouse::PathStyle::Hidraw, SimulatedMouse::PathStyle::Windows}) {
        for (int combo = 0; combo < 16; ++combo) {
            const bool rm = combo & 1, rc = combo & 2, cm = combo & 4, cc = combo & 8;
            SCOPED_TRACE(testing::Message()
                         << "style " << int(style) << " receiver " << rm << rc << " cable " << cm << cc);
            SimLink t(bothPaths(style));
            t.sim.setCollectionsListed(Path::Receiver, rm, rc);
            t.sim.setCollectionsListed(Path::Cable, cm, cc);
            ASSERT_EQ(t.link.EnumerateDevices(), 0);
            const DeviceEntry& e = t.link.deviceList().at(0);
            EXPECT_EQ(e.paths[0].mouse.present, rm);
            EXPECT_EQ(e.paths[0].command.present, rc);
            EXPECT_EQ(e.paths[1].mouse.present, cm);
            EXPECT_EQ(e.paths[1].command.present, cc);
            t.link.OpenDevice(t.link.currentProductName());
            EXPECT_EQ(t.link.isOpen(HandleId::ReceiverMouse), rm && rc);
            EXPECT_EQ(t.link.isOpen(HandleId::ReceiverCommand), rm && rc);
            EXPECT_EQ(t.link.isOpen(HandleId::CableMouse), cm && cc);
            EXPECT_EQ(t.link.isOpen(HandleId::CableCommand), cm && cc);
            EXPECT_EQ(t.sim.openHandleCount(), 2 * int(rm && rc) + 2 * int(cm && cc));
            EXPECT_EQ(t.link.WriteAndVerify(test::dataFrame(0x01, 2)),
                      (rm && rc) || (cm && cc) ? TxOk : TxNoDevice);
        }
    }
}

TEST(Discovery, CommandsGoToTheCableWhenBothPathsAreOpen) {
    SimLink t(bothPaths());
    ASSERT_TRUE(t.open());
    EXPECT_EQ(t.link.WriteAndVerify(test::dataFrame(0x01, 2)), TxOk);
    // Without the receiver the link still answers: it was talking through the cable.
    t.sim.setPresent(Path::Receiver, false);
    EXPECT_EQ(t.link.WriteAndVerify(test::dataFrame(0x01, 2)), TxOk);
    // And once the cable goes, the open cable handle fails even though the receiver is back.
    t.sim.setPresent(Path::Receiver, true);
    t.sim.setPresent(Path::Cable, false);
    EXPECT_NE(t.link.WriteAndVerify(test::dataFrame(0x01, 2)), TxOk);
}

TEST(Discovery, ReleaseNumberRange) {
    struct Case {
        uint32_t lowest, highest;
        uint16_t release;
        bool accepted;
    };
    const Case cases[] = {
        {0, 0, 0x0100, true},
        {0x0200, 0, 0x0100, true},  // highest 0: any release
        {0x0100, 0x0200, 0x0100, true},
        {0x0100, 0x0200, 0x0200, true},
        {0x0100, 0x0200, 0x0150, true},
        {0x0100, 0x0200, 0x00FF, false},
        {0x0100, 0x0200, 0x0201, false},
    };
    for (const Case& c : cases) {
        for (Path path : {Path::Receiver, Path::Cable}) {
            SCOPED_TRACE(testing::Message() << c.lowest << ".." << c.highest << " release " << c.release
                                            << " path " << int(path));
            SimLink t(bothPaths());
            t.sim.setRelease(path, c.release);
            DevicePath& p = t.link.deviceList().at(0).paths[static_cast<size_t>(path)];
            p.lowestRelease = c.lowest;
            p.highestRelease = c.highest;
            ASSERT_EQ(t.link.EnumerateDevices(), 0);
            EXPECT_EQ(p.mouse.present, c.accepted);
            EXPECT_EQ(p.command.present, c.accepted);
            EXPECT_EQ(t.link.releaseNumber(t.sim.commandPath(path)), c.release);
            if (path == Path::Cable) {
                EXPECT_EQ(t.link.cableReleaseNumber(), c.accepted ? c.release : 0);
            }
        }
    }
}

HidDeviceInfo record(uint16_t product, uint16_t page, uint16_t usage, const QByteArray& path) {
    HidDeviceInfo i;
    i.vendorId = kVendorId;
    i.productId = product;
    i.usagePage = page;
    i.usage = usage;
    i.releaseNumber = 0x0100;
    i.path = path;
    return i;
}

TEST(Discovery, ReceiverCommandCollectionRule) {
    const QByteArray col02 = "\\\\?\\hid#vid_248a&pid_fa02&mi_01&col02#8&x#{guid}";
    const QByteArray upperCol04 = "\\\\?\\HID#VID_248A&PID_FA02&MI_01&COL04#8&x#{guid}";
    const QByteArray hidraw = "/dev/hidraw7";
    struct Case {
        const char* name;
        uint16_t product;
        QByteArray path;
        bool accepted;
    };
    const Case cases[] = {
        {"receiver, Windows path without col04", kReceiverProductId, col02, false},
        {"receiver, col04 spelt in capitals", kReceiverProductId, upperCol04, false},
        {"receiver, hidraw path", kReceiverProductId, hidraw, true},
        {"cable, Windows path without col04", kCableProductId, col02, true},
        {"cable, hidraw path", kCableProductId, hidraw, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimulatedMouse::Options none;
        none.receiver = false;
        SimLink t(none);
        t.sim.setExtraDevices({record(c.product, 1, 0, c.path)});
        ASSERT_EQ(t.link.EnumerateDevices(), 0);
        const int g = c.product == kReceiverProductId ? 0 : 1;
        const CollectionSlot& slot = t.link.deviceList().at(0).paths[static_cast<size_t>(g)].command;
        EXPECT_EQ(slot.present, c.accepted);
        EXPECT_EQ(slot.path, c.accepted ? c.path : QByteArray());
    }
    // The simulated receiver's own Windows-style command collection is col04 and is taken.
    SimLink w(bothPaths(SimulatedMouse::PathStyle::Windows));
    ASSERT_TRUE(w.open());
    EXPECT_TRUE(w.link.deviceList().at(0).paths[0].command.path.contains("col04"));
}

TEST(Discovery, OverlongPathsAreNotStoredCut) {
    SimulatedMouse::Options none;
    none.receiver = false;
    SimLink t(none);
    const QByteArray longPath = "/dev/" + QByteArray(kMaxPathBytes, 'x');
    t.sim.setExtraDevices(
        {record(kReceiverProductId, 1, 2, longPath), record(kReceiverProductId, 1, 0, longPath)});
    ASSERT_EQ(t.link.EnumerateDevices(), 0);
    EXPECT_FALSE(t.link.deviceList().at(0).paths[0].mouse.present);
    EXPECT_FALSE(t.link.deviceList().at(0).paths[0].command.present);
}

std::mutex gMessagesMutex;
QStringList gMessages;
void captureMessage(QtMsgType, const QMessageLogContext&, const QString& text) {
    std::lock_guard<std::mutex> lock(gMessagesMutex);
    gMessages << text;
}

TEST(Discovery, ForeignVendorDeviceIsLoggedButNeverListed) {
    SimulatedMouse::Options none;
    none.receiver = false;
    SimLink t(none);
    HidDeviceInfo other = record(0xC123, 1, 2, "/dev/hidraw3");
    other.vendorId = 0x04D9;
    other.serialNumber = QStringLiteral("SN42");
    t.sim.setExtraDevices({other});
    gMessages.clear();
    QLoggingCategory& category = const_cast<QLoggingCategory&>(lcDevice());
    const bool wasEnabled = category.isDebugEnabled();
    category.setEnabled(QtDebugMsg, true);
    QtMessageHandler old = qInstallMessageHandler(captureMessage);
    ASSERT_EQ(t.link.EnumerateDevices(), 0);
    qInstallMessageHandler(old);
    category.setEnabled(QtDebugMsg, wasEnabled);
    const QString expected = QStringLiteral(
        "Device Found\n  type: 4d9 c123\n  path: /dev/hidraw3\n  serial_number: SN42\n usge 2 uu 1");
    EXPECT_TRUE(gMessages.contains(expected)) << gMessages.join(QLatin1Char('|')).toStdString();
    const DeviceEntry& e = t.link.deviceList().at(0);
    EXPECT_FALSE(e.paths[0].mouse.present || e.paths[1].mouse.present);
}

TEST(Discovery, ProductNameFromTheSettingsPicksTheEntry) {
    for (const QString& name : {QStringLiteral("M1 Pro"), QStringLiteral("Souris sans fil \u00e9t\u00e9")}) {
        SCOPED_TRACE(name.toStdString());
        SimLink t;
        {
            QSettings s(t.data.paths().configFile(), QSettings::IniFormat);
            s.setValue(QStringLiteral("Mouse_List/0"), name);
        }
        t.link.InitDeviceList(t.data.paths());
        EXPECT_EQ(t.link.currentProductName(), name);
        EXPECT_EQ(t.link.deviceList().size(), 1u);
        ASSERT_EQ(t.link.EnumerateDevices(), 0);
        t.link.OpenDevice(name.toLower());  // the comparison is case-sensitive
        EXPECT_FALSE(t.link.hasCommandHandle());
        t.link.OpenDevice(t.link.currentProductName());
        EXPECT_TRUE(t.link.hasCommandHandle());
    }
}

TEST(Discovery, InitFailureAndCloseAndReopen) {
    SimLink t(bothPaths());
    t.sim.setInitFails(true);
    EXPECT_EQ(t.link.EnumerateDevices(), -1);
    t.link.OpenDevice(t.link.currentProductName());
    EXPECT_EQ(t.sim.openHandleCount(), 0);

    t.sim.setInitFails(false);
    ASSERT_TRUE(t.open());
    EXPECT_EQ(t.sim.openHandleCount(), 4);
    // Opening again replaces the handles instead of leaking them.
    t.link.OpenDevice(t.link.currentProductName());
    EXPECT_EQ(t.sim.openHandleCount(), 4);
    t.link.CloseDevice();
    EXPECT_EQ(t.sim.openHandleCount(), 0);
    for (HandleId id :
         {HandleId::ReceiverMouse, HandleId::ReceiverCommand, HandleId::CableMouse, HandleId::CableCommand})
        EXPECT_FALSE(t.link.isOpen(id));
    EXPECT_EQ(t.link.WriteAndVerify(test::dataFrame(0x01, 2)), TxNoDevice);
    // Flags stay set after a close: only the connection monitor clears them.
    EXPECT_TRUE(t.link.deviceList().at(0).paths[1].connected());
}

}  // namespace
}  // namespace mousecfg
