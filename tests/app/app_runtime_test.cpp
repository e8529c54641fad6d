// What the polling hot-plug service compares: the mouse's two collections on each path, and
// nothing else that enumerates.
#include "app/app_runtime.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTimer>
#include <thread>

#include "app/session/collection_kind.h"
#include "device/device_link.h"
#include "platform/hotplug_service.h"
#include "sim/fault_plan.h"
#include "sim/simulated_mouse.h"
#include "spin.h"
#include "temp_data.h"

using namespace mousecfg;

namespace {

TEST(AppRuntime, MouseInterfacesAreTheTwoCollectionsOfEachPath) {
    struct Kind {
        uint16_t usagePage, usage;
        int kind;
    };
    const Kind kinds[] = {{1, 2, kMouseCollection},   {1, 0, kCommandCollection}, {1, 1, kNoCollection},
                          {0xFF00, 2, kNoCollection}, {0xFF00, 0, kNoCollection}, {12, 1, kNoCollection}};
    for (const Kind& k : kinds)
        EXPECT_EQ(collectionKind(k.usagePage, k.usage), k.kind) << k.usagePage << "/" << k.usage;
    DevicePath path;
    EXPECT_EQ(collectionSlot(path, kMouseCollection), &path.mouse);
    EXPECT_EQ(collectionSlot(path, kCommandCollection), &path.command);
    for (int other : {kNoCollection, 2, 3, 5, -1}) EXPECT_EQ(collectionSlot(path, other), nullptr) << other;

    // The receiver's vendor collection and another vendor's mouse enumerate too; neither counts.
    SimulatedMouse mouse(SimulatedMouse::Options{true, true});
    mouse.setExtraDevices({{kVendorId, kReceiverProductId, 0xFF00, 1, 0x0100, 1, "/dev/hidraw7", {}},
                           {0x1234, 0x5678, 1, 2, 0x0100, 0, "/dev/hidraw8", {}}});
    const QVector<PresentInterface> found = mouseInterfaces(mouse);
    QStringList got;
    for (const PresentInterface& i : found)
        got << QStringLiteral("%1 %2 %3").arg(i.productId, 0, 16).arg(i.collection).arg(i.path);
    using P = SimulatedMouse::Path;
    const auto line = [&](uint16_t product, int kind, const QByteArray& p) {
        return QStringLiteral("%1 %2 %3").arg(product, 0, 16).arg(kind).arg(QString::fromUtf8(p));
    };
    got.sort();
    QStringList want{line(kReceiverProductId, kMouseCollection, mouse.mousePath(P::Receiver)),
                     line(kReceiverProductId, kCommandCollection, mouse.commandPath(P::Receiver)),
                     line(kCableProductId, kMouseCollection, mouse.mousePath(P::Cable)),
                     line(kCableProductId, kCommandCollection, mouse.commandPath(P::Cable))};
    want.sort();
    EXPECT_EQ(got, want);
}

TEST(AppRuntime, TheSimulatedMousesPlugsAreFollowedWithoutATimer) {
    test::TempData data(true);
    AppRuntime runtime(Paths(QStringLiteral(MOUSECFG_BIN_DIR), data.root()), true, FaultPlan());
    HotplugService* hotplug = runtime.services().hotplug;
    ASSERT_TRUE(hotplug->start());
    EXPECT_TRUE(hotplug->findChildren<QTimer*>().isEmpty()) << "nothing wakes the program to look";
    QSignalSpy events(hotplug, &HotplugService::deviceEvent);
    auto* mouse = dynamic_cast<SimulatedMouse*>(runtime.services().backend);
    ASSERT_NE(mouse, nullptr);
    // Pulled on another thread, as a fault during a write does.
    std::thread([mouse] { mouse->unplug(); }).join();
    EXPECT_EQ(events.count(), 0) << "told on the GUI thread, from its event loop";
    ASSERT_TRUE(test::spinUntil([&] { return !events.isEmpty(); }));
    const int removals = events.count();
    for (const QList<QVariant>& e : events)
        EXPECT_EQ(e.at(0).value<HotplugEvent>().type, HotplugEvent::Type::Removal);
    mouse->replug();
    ASSERT_TRUE(test::spinUntil([&] { return events.count() == 2 * removals; }));
    EXPECT_EQ(events.last().at(0).value<HotplugEvent>().type, HotplugEvent::Type::Arrival);
}

}  // namespace
