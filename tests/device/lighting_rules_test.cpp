#include "device/lighting_rules.h"

#include <gtest/gtest.h>

#include <QSettings>

#include "temp_data.h"

namespace mousecfg {
namespace {

TEST(LightingRules, ShownProfileFollowsTheProductRule) {
    const struct {
        const char* product;
        int profileId;
        int shown;
    } cases[] = {{"7450", 3, 0}, {"FARROW", 3, 3}, {"74500", 2, 2}, {"7450 ", 4, 4}, {"FARROW", 9, 0}};
    for (const auto& c : cases) {
        ConfigState state;
        state.ProfileID = static_cast<uint8_t>(c.profileId);
        EXPECT_EQ(lighting::lightingProfileIndex(state, QLatin1String(c.product)), c.shown) << c.product;
    }
}

TEST(LightingRules, ProductFactsFromTheDescriptor) {
    test::TempData data(true);
    const lighting::LightingProduct shipped = lighting::loadLightingProduct(data.paths());
    EXPECT_EQ(shipped.sleep.min, 1);  // the descriptor names no range
    EXPECT_EQ(shipped.sleep.max, 9);
    EXPECT_TRUE(shipped.showSleep);

    {
        QSettings d(data.paths().descriptorFile(), QSettings::IniFormat);
        d.setValue(QStringLiteral("PROFILE/SleepMin"), 30);
        d.setValue(QStringLiteral("PROFILE/SleepMax"), 2);
        d.setValue(QStringLiteral("PROFILE/ShowSleep"), 0);
    }
    const lighting::LightingProduct odd = lighting::loadLightingProduct(data.paths());
    EXPECT_EQ(odd.sleep.min, 2);  // a reversed pair is swapped
    EXPECT_EQ(odd.sleep.max, 30);
    EXPECT_FALSE(odd.showSleep);
}

}  // namespace
}  // namespace mousecfg
