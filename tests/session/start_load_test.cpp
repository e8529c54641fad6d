// The settings the program begins loading before its window, and the factory profile file written
// after the first frame, on threads of their own.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/session/change_watch.h"
#include "app/session/window_session.h"
#include "session_rig.h"
#include "storage/config_state_load.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"

using namespace mousecfg;
using test::SessionRig;

namespace {

TEST(StartLoad, ABegunLoadGivesThePlainStartsSetsAndASaveMeanwhileIsNotMissed) {
    // Whether another program saved a DPI stage between the load's start and the session's.
    for (const bool savedMeanwhile : {false, true}) {
        SCOPED_TRACE(savedMeanwhile);
        SessionRig rig;
        ConfigState expected;
        loadConfigState(rig.paths, expected);
        ConfigStateLoad load(rig.paths);
        if (savedMeanwhile) {
            MouseProfile& p = expected.profiles[currentProfileIndex(expected)];
            p.dpi = p.dpi == 2 ? 3 : 2;
            ASSERT_TRUE(saveDpiIndex(rig.paths, expected.profileNames[currentProfileIndex(expected)], p.dpi));
        }
        rig.services.startLoad = &load;
        WindowSession& session = rig.startSession();
        EXPECT_TRUE(session.stored() == expected);
        EXPECT_FALSE(session.hasUnappliedEdits());
        ConfigState again;
        EXPECT_FALSE(load.take(again)) << "the state is handed over once";
    }
}

TEST(StartLoad, TheFactoryProfileIsWrittenAfterStartOnItsOwnThread) {
    SessionRig rig;
    const QString file = QStringLiteral("Configs/Profile/DefaultProfile.prof");
    rig.data.writeFile(file, "damaged");
    WindowSession& session = rig.startSession();
    EXPECT_EQ(rig.data.readFile(file), "damaged");
    session.writeFactoryProfile();
    rig.session.reset();  // waits for the write
    MouseProfile defaults;
    resetProfileToDefaults(defaults, rig.paths);
    MouseProfile written;
    loadProfileFromPath(written, rig.paths.dataDir() + QLatin1Char('/') + file);
    EXPECT_TRUE(written == defaults);
}

TEST(StartLoad, SavesOnAnotherThreadOfTheProgramAreNeverTakenForAnotherProgramsSaves) {
    SessionRig rig;
    ChangeWatch watch(rig.paths);
    watch.start();
    std::atomic<bool> done{false};
    std::thread saver([&] {
        const QString name = QStringLiteral("Profile 1");
        for (int i = 0; i < 16; ++i) saveDpiIndex(rig.paths, name, i % 4);
        done = true;
    });
    int looks = 0;
    int foreign = 0;
    while (!done.load()) {
        ++looks;
        if (watch.foreignChange()) ++foreign;
    }
    saver.join();
    EXPECT_EQ(foreign, 0) << "of " << looks << " looks";
    EXPECT_FALSE(watch.foreignChange());
}

}  // namespace
