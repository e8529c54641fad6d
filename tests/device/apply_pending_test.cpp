// Groups recorded as pending (edits saved without a window) are written by the next apply, the
// window's included, even when its edited and stored sets are the same.
#include <gtest/gtest.h>

#include <QSettings>

#include "device/apply_worker.h"
#include "storage/app_settings.h"
#include "storage/pending_changes.h"
#include "writes_fixture.h"

namespace mousecfg {
namespace {

TEST(ApplyPending, PendingGroupsAreWrittenOnce) {
    test::WriterRig rig(test::sampleProduct());
    const Paths& paths = rig.data.paths();
    ConfigState stored = test::sampleState(paths);
    for (const QString& m : {QStringLiteral("m2"), QStringLiteral("m5")}) clearMacroWriteSign(paths, m);
    ConfigState working = stored;
    appsettings::saveDiff(paths, 0);

    ProfileChanges recorded = ProfileChanges::forProfile(3, change::kDpi | change::kBasic);
    recorded |= ProfileChanges::forProfile(1, change::kLighting);
    pending::add(paths, recorded);
    pending::add(paths, ProfileChanges::forProfile(7, change::kButtons));  // no such profile
    EXPECT_EQ(pending::load(paths), recorded);

    // Exactly the recorded groups, each for its profile, and then nothing.
    ApplyOutcome out = runApply(paths, rig.writer, working, stored, false, false);
    EXPECT_EQ(out.result, TxOk);
    EXPECT_EQ(out.changes, recorded);
    EXPECT_TRUE(pending::load(paths).empty());
    rig.sim.clearFrameLog();
    out = runApply(paths, rig.writer, working, stored, false, false);
    EXPECT_TRUE(out.changes.empty());
    EXPECT_TRUE(rig.sim.frameLog().empty());

    // The mouse is off: nothing is sent, and what was pending is covered by "Config/Diff", which
    // makes the next apply write everything.
    pending::add(paths, ProfileChanges::forProfile(0, change::kButtons));
    out = runApply(paths, rig.writer, working, stored, false, true);
    EXPECT_EQ(out.result, kApplyMouseOff);
    EXPECT_TRUE(rig.sim.frameLog().empty());
    EXPECT_EQ(appsettings::loadDiff(paths), 1);
    out = runApply(paths, rig.writer, working, stored, false, false);
    EXPECT_EQ(out.changes, ProfileChanges::all());

    // A damaged record: bits outside the groups mean nothing, the settings flag is 0 or not.
    {
        QSettings s(paths.configFile(), QSettings::IniFormat);
        s.setValue(QStringLiteral("Pending/Profile2"), 0x71);  // 1 (not a table group) + junk
        s.setValue(QStringLiteral("Pending/Settings"), QStringLiteral("x"));
    }
    EXPECT_TRUE(pending::load(paths).empty());
}

}  // namespace
}  // namespace mousecfg
