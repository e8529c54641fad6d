#include "platform/pointer_speed.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace mousecfg;

TEST(PointerSpeedMapping, EveryProfileSpeedSurvivesTheDesktopScale) {
    for (int s = 1; s <= 20; ++s) {
        const double d = pointerSpeedToDesktop(s);
        EXPECT_GE(d, -1.0);
        EXPECT_LE(d, 1.0);
        EXPECT_EQ(pointerSpeedFromDesktop(d), s) << s;
        // The value as gsettings prints it back (shortest decimal) still maps home.
        EXPECT_EQ(pointerSpeedFromDesktop(QString::number(d).toDouble()), s) << s;
    }
    EXPECT_DOUBLE_EQ(pointerSpeedToDesktop(1), -1.0);
    EXPECT_DOUBLE_EQ(pointerSpeedToDesktop(10), 0.0);
    EXPECT_DOUBLE_EQ(pointerSpeedToDesktop(20), 1.0);
    // Out-of-range speeds clamp; out-of-range or broken desktop values stay on the scale.
    EXPECT_DOUBLE_EQ(pointerSpeedToDesktop(0), -1.0);
    EXPECT_DOUBLE_EQ(pointerSpeedToDesktop(255), 1.0);
    EXPECT_EQ(pointerSpeedFromDesktop(0.0), 10);
    EXPECT_EQ(pointerSpeedFromDesktop(-7.0), 1);
    EXPECT_EQ(pointerSpeedFromDesktop(3.0), 20);
    EXPECT_EQ(pointerSpeedFromDesktop(std::nan("")), 10);
    // A desktop value between two steps goes to the nearest one.
    EXPECT_EQ(pointerSpeedFromDesktop(0.26), 13);
    EXPECT_EQ(pointerSpeedFromDesktop(-0.5), 6);
}

TEST(GsettingsPointerSpeed, ReadsAndWritesTheGnomeKey) {
    struct Call {
        QString program;
        QStringList args;
    };
    std::vector<Call> calls;
    QByteArray answer;
    bool succeed = true;
    GsettingsPointerSpeed service([&](const QString& program, const QStringList& args, bool* ok) {
        calls.push_back({program, args});
        *ok = succeed;
        return answer;
    });

    answer = "true\n";
    EXPECT_TRUE(service.available());
    answer = "false\n";
    EXPECT_FALSE(service.available());

    answer = "-0.33333333333333331\n";
    EXPECT_EQ(service.read(), 7);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().program, "gsettings");
    EXPECT_EQ(calls.back().args, (QStringList{"get", "org.gnome.desktop.peripherals.mouse", "speed"}));

    answer = "not a number";
    EXPECT_EQ(service.read(), std::nullopt);

    EXPECT_TRUE(service.apply(15));
    ASSERT_EQ(calls.back().args.size(), 4);
    EXPECT_EQ(calls.back().args.mid(0, 3),
              (QStringList{"set", "org.gnome.desktop.peripherals.mouse", "speed"}));
    EXPECT_DOUBLE_EQ(calls.back().args[3].toDouble(), 0.5);

    succeed = false;  // gsettings missing or refusing
    EXPECT_FALSE(service.available());
    EXPECT_EQ(service.read(), std::nullopt);
    EXPECT_FALSE(service.apply(3));
}
