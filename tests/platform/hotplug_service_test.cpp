#include "platform/hotplug_service.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

using namespace mousecfg;
using Type = HotplugEvent::Type;

TEST(InterfacePath, PatternsMatchInOrderCaseInsensitivelyAndRejectOthers) {
    struct Row {
        const char* path;
        quint16 vid, pid;
        int kind;
    } rows[] = {
        {"HID#VID_248A&PID_FA02&Col01#7&1a2b&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}", 0x248A, 0xFA02,
         1},
        {"HID#VID_248A&PID_FB01&Col04#7&1a2b&0&0003#{4d1e55b2-f16f-11cf-88cb-001111000030}", 0x248A, 0xFB01,
         4},
        {"hid#vid_1234&pid_abcd&mi_00&COL01#8&2c&0&0000", 0x1234, 0xABCD, 1},
        {"HID#VID_1234&PID_ABCD&MI_00&Col04#8&2c&0&0003", 0x1234, 0xABCD, 4},
        // Collections the program does not use, other interfaces and non-HID paths give zeros.
        {"HID#VID_248A&PID_FA02&Col02#7&1a2b", 0, 0, 0},
        {"HID#VID_248A&PID_FA02&MI_01&Col01#7", 0, 0, 0},
        {"USB#VID_248A&PID_FA02#5&abc", 0, 0, 0},
        {"/dev/hidraw3", 0, 0, 0},
        {"", 0, 0, 0},
        // \w accepts letters that are not hex digits: not a device of ours either.
        {"HID#VID_24ZZ&PID_FA02&Col01", 0, 0, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.path);
        const InterfacePathInfo info = parseInterfacePath(QString::fromLatin1(r.path));
        EXPECT_EQ(info.vendorId, r.vid);
        EXPECT_EQ(info.productId, r.pid);
        EXPECT_EQ(info.collection, r.kind);
    }
}

TEST(HidrawUevent, InterfaceZeroStandsForBothCollections) {
    auto add = hidrawUeventToEvents("add", "/dev/hidraw4", "0003:0000248A:0000FA02", "0105", 0);
    ASSERT_EQ(add.size(), 2);
    EXPECT_EQ(add[0].type, Type::Arrival);
    EXPECT_EQ(add[0].collection, 1);
    EXPECT_EQ(add[1].collection, 4);
    for (const auto& e : add) {
        EXPECT_EQ(e.vendorId, 0x248A);
        EXPECT_EQ(e.productId, 0xFA02);
        EXPECT_EQ(e.path, "/dev/hidraw4");
        EXPECT_EQ(e.releaseNumber, 0x105);
    }
    auto removal = hidrawUeventToEvents("remove", "/dev/hidraw4", "0003:0000248A:0000FB01", "", -1);
    ASSERT_EQ(removal.size(), 2);
    EXPECT_EQ(removal[0].type, Type::Removal);
    EXPECT_EQ(removal[0].productId, 0xFB01);
    EXPECT_EQ(removal[0].releaseNumber, 0);

    // Other interfaces, other actions and unreadable ids give nothing.
    EXPECT_TRUE(hidrawUeventToEvents("add", "/dev/hidraw5", "0003:0000248A:0000FA02", "0105", 1).isEmpty());
    EXPECT_TRUE(
        hidrawUeventToEvents("change", "/dev/hidraw4", "0003:0000248A:0000FA02", "0105", 0).isEmpty());
    EXPECT_TRUE(hidrawUeventToEvents("add", "/dev/hidraw4", "", "0105", 0).isEmpty());
    EXPECT_TRUE(hidrawUeventToEvents("add", "/dev/hidraw4", "0003:XYZ:0000FA02", "0105", 0).isEmpty());
    EXPECT_TRUE(hidrawUeventToEvents("add", "/dev/hidraw4", "0003:0001248A:0000FA02", "0105", 0).isEmpty());
    EXPECT_TRUE(hidrawUeventToEvents("add", "", "0003:0000248A:0000FA02", "0105", 0).isEmpty());
}

TEST(PollingHotplug, ReportsRemovalsThenArrivalsBetweenEnumerations) {
    const PresentInterface recv1{0x248A, 0xFA02, 1, "/dev/hidraw1", 0x100};
    const PresentInterface recv4{0x248A, 0xFA02, 4, "/dev/hidraw1", 0x100};
    const PresentInterface cable1{0x248A, 0xFB01, 1, "/dev/hidraw2", 0x100};
    QVector<PresentInterface> present{recv1, recv4};
    PollingHotplugService service([&] { return present; }, 1000);
    QSignalSpy spy(&service, &HotplugService::deviceEvent);
    ASSERT_TRUE(service.start());  // the first enumeration is the baseline: no events
    EXPECT_EQ(spy.count(), 0);

    service.poll();
    EXPECT_EQ(spy.count(), 0) << "nothing changed";

    present = {recv4, cable1};  // receiver's first collection gone, cable came
    service.poll();
    ASSERT_EQ(spy.count(), 2);
    auto first = spy.at(0).at(0).value<HotplugEvent>();
    auto second = spy.at(1).at(0).value<HotplugEvent>();
    EXPECT_EQ(first.type, Type::Removal);
    EXPECT_EQ(first.productId, 0xFA02);
    EXPECT_EQ(first.collection, 1);
    EXPECT_EQ(second.type, Type::Arrival);
    EXPECT_EQ(second.productId, 0xFB01);
    EXPECT_EQ(second.path, "/dev/hidraw2");

    // The same interface on another node is a removal and an arrival.
    present = {recv4, PresentInterface{0x248A, 0xFB01, 1, "/dev/hidraw7", 0x100}};
    spy.clear();
    service.poll();
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).value<HotplugEvent>().path, "/dev/hidraw2");
    EXPECT_EQ(spy.at(1).at(0).value<HotplugEvent>().path, "/dev/hidraw7");
}
