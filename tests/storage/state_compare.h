#pragma once

#include <gtest/gtest.h>

#include "qt_print.h"
#include "storage/config_state.h"

namespace mousecfg::test {

// Field-by-field comparison, so a failure names the field that differs.
inline void expectSameProfile(const MouseProfile& a, const MouseProfile& b, const std::string& where) {
    SCOPED_TRACE(where);
    EXPECT_EQ(a.pollrate, b.pollrate);
    EXPECT_EQ(a.dpi, b.dpi);
    EXPECT_EQ(a.LedMode, b.LedMode);
    EXPECT_EQ(a.LedMoveOFF, b.LedMoveOFF);
    EXPECT_EQ(a.LedSleepTime, b.LedSleepTime);
    for (int i = 0; i < kDpiStageSlots; ++i) {
        SCOPED_TRACE("stage " + std::to_string(i));
        EXPECT_EQ(a.dpiStages[i].used, b.dpiStages[i].used);
        EXPECT_EQ(a.dpiStages[i].link, b.dpiStages[i].link);
        EXPECT_EQ(a.dpiStages[i].xy, b.dpiStages[i].xy);
        EXPECT_EQ(a.dpiStages[i].x, b.dpiStages[i].x);
        EXPECT_EQ(a.dpiStages[i].y, b.dpiStages[i].y);
    }
    EXPECT_EQ(a.mousespeed, b.mousespeed);
    EXPECT_EQ(a.dbclickspeed, b.dbclickspeed);
    EXPECT_EQ(a.scrollispage, b.scrollispage);
    EXPECT_EQ(a.scrollspeed, b.scrollspeed);
    EXPECT_EQ(a.accelenable, b.accelenable);
    EXPECT_EQ(a.acee, b.acee);
    for (int i = 0; i < kButtonSlots; ++i) {
        SCOPED_TRACE("button " + std::to_string(i));
        const ButtonAssignment& x = a.buttons[i];
        const ButtonAssignment& y = b.buttons[i];
        EXPECT_EQ(x.ID, y.ID);
        EXPECT_EQ(x.Fun, y.Fun);
        EXPECT_EQ(x.LoopNumber, y.LoopNumber);
        EXPECT_EQ(x.KeyNumber, y.KeyNumber);
        EXPECT_EQ(x.Res1, y.Res1);
        EXPECT_EQ(x.Res2, y.Res2);
        EXPECT_EQ(x.Res3, y.Res3);
        EXPECT_EQ(x.Res4, y.Res4);
        EXPECT_EQ(x.macroname, y.macroname);
        for (int e = 0; e < kKeyInfoEntries; ++e) {
            EXPECT_EQ(x.KeyInfo[e].map, y.KeyInfo[e].map) << "entry " << e;
            EXPECT_EQ(x.KeyInfo[e].low, y.KeyInfo[e].low) << "entry " << e;
            EXPECT_EQ(x.KeyInfo[e].high, y.KeyInfo[e].high) << "entry " << e;
        }
    }
    for (int i = 0; i < kLedModes; ++i) {
        SCOPED_TRACE("effect " + std::to_string(i));
        EXPECT_EQ(a.ledModes[i].RGB, b.ledModes[i].RGB);
        EXPECT_EQ(a.ledModes[i].RGB.alpha(), b.ledModes[i].RGB.alpha());
        EXPECT_EQ(a.ledModes[i].h, b.ledModes[i].h);
        EXPECT_EQ(a.ledModes[i].s, b.ledModes[i].s);
        EXPECT_EQ(a.ledModes[i].v, b.ledModes[i].v);
        EXPECT_EQ(a.ledModes[i].bright, b.ledModes[i].bright);
        EXPECT_EQ(a.ledModes[i].breath, b.ledModes[i].breath);
    }
    EXPECT_EQ(a.ProfileName, b.ProfileName);
    EXPECT_EQ(a.ProfilePath, b.ProfilePath);
    // The operator must agree with the field comparison above.
    EXPECT_TRUE(a == b);
}

inline void expectSameState(const ConfigState& a, const ConfigState& b) {
    EXPECT_EQ(a.ProfileID, b.ProfileID);
    EXPECT_EQ(a.AngleValue, b.AngleValue);
    EXPECT_EQ(a.LiftHigh, b.LiftHigh);
    EXPECT_EQ(a.Count, b.Count);
    for (int i = 0; i < kProfileCount; ++i) {
        EXPECT_EQ(a.profileNames[i], b.profileNames[i]) << "slot " << i;
        expectSameProfile(a.profiles[i], b.profiles[i], "profile " + std::to_string(i));
    }
    EXPECT_TRUE(a == b);
}

}  // namespace mousecfg::test
