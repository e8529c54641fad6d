// The battery corner: what the gauge, the charging icon and the receiver icon show.
#include <gtest/gtest.h>

#include <QLabel>

#include "widgets/tarn_processbar.h"
#include "window_rig.h"

using namespace mousecfg;
using test::WindowRig;

namespace {

TEST(BatteryGauge, StartValuesLevelsChargingAndMouseOff) {
    WindowRig rig;
    rig.setConfig(QStringLiteral("Config/BatteryFull"), 4126);
    MousecfgWidget& w = rig.create();
    auto* gauge = rig.find<TarnProcessbar>("batteryGauge");
    auto* charging = rig.find<QLabel>("chargingIcon");
    ASSERT_TRUE(gauge && charging);
    // (0, 1, 1) until the first report: level 10 on the receiver.
    EXPECT_EQ(gauge->value(), 10);
    EXPECT_TRUE(gauge->isTextVisible());
    EXPECT_EQ(gauge->format(), QStringLiteral("%p%"));
    EXPECT_FALSE(rig.find("receiverIcon")->isHidden());
    EXPECT_TRUE(charging->isHidden());

    struct Case {
        quint8 charge, lo, hi;
        QString caption;  // "MOUSE OFF" while the mouse is off
        int value;
        bool charging;
    };
    const Case cases[] = {
        {0, 0, 0, QStringLiteral("MOUSE OFF"), 10, false},
        {1, 0xE8, 0x03, QString(), 90, true},
        {0, 0xE9, 0x03, QString(), 100, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        w.session().onBatteryReport(c.charge, c.lo, c.hi);
        EXPECT_EQ(gauge->caption(), c.caption);
        EXPECT_EQ(gauge->isTextVisible(), c.caption.isEmpty());
        EXPECT_EQ(gauge->value(), c.value);
        EXPECT_EQ(charging->isHidden(), !c.charging);
    }
}

TEST(BatteryGauge, ACableShowsAFullGaugeHiddenBehindTheCableFrame) {
    WindowRig rig(SimulatedMouse::Options{true, true});
    MousecfgWidget& w = rig.create();
    auto* gauge = rig.find<TarnProcessbar>("batteryGauge");
    EXPECT_EQ(w.session().connectionState(), WindowSession::CableAndReceiver);
    EXPECT_EQ(gauge->value(), 100);
    EXPECT_EQ(gauge->format(), QString());
    EXPECT_TRUE(gauge->isHidden());

    // The cable goes: receiver only, the gauge is back (the same mouse is reopened).
    rig.plug(SimulatedMouse::Path::Cable, false);
    EXPECT_EQ(w.session().connectionState(), WindowSession::ReceiverOnly);
    EXPECT_FALSE(gauge->isHidden());
    EXPECT_EQ(rig.monitorPacer.pauses(), std::vector<int>{500});
}

}  // namespace
