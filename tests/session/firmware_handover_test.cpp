#include "app/session/firmware_handover.h"

#include <gtest/gtest.h>

#include <QDir>

#include "session_rig.h"

using namespace mousecfg;
using test::SessionRig;

TEST(FirmwareHandover, TheUpdaterOfTheLanguageStartsWithTheStatusThreadStopped) {
    struct Case {
        const char* name;
        int language;
        const char* file;  // the updater that is installed, if any
        bool starts;
        firmware::Start result;
        const char* started;  // what was started
        bool statusRuns;      // the status thread afterwards
    };
    const char* en = "R540-8812-20230727-en.exe";
    const char* other = "R540-8812-20230727.exe";
    const Case cases[] = {
        {"English", 0, en, true, firmware::Start::Started, en, false},
        {"Chinese", 1, other, true, firmware::Start::Started, other, false},
        {"German", 2, other, true, firmware::Start::Started, other, false},
        {"only the other language's file", 0, other, true, firmware::Start::NoUpdater, nullptr, true},
        {"none installed", 1, nullptr, true, firmware::Start::NoUpdater, nullptr, true},
        {"it does not start", 0, en, false, firmware::Start::Failed, en, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SessionRig rig;
        test::TempData install;
        if (c.file) install.writeFile(QStringLiteral("skin/mouse/bin/") + QLatin1String(c.file), "MZ");
        rig.services.paths = Paths(install.root(), rig.data.root());
        QStringList started;
        rig.services.startDetached = [&](const QString& program) {
            started << program;
            // The mouse is free by then: no status request may be under way.
            EXPECT_FALSE(rig.status.isRunning());
            return c.starts;
        };
        rig.startSession();
        ASSERT_TRUE(rig.status.isRunning());

        EXPECT_EQ(firmware::startUpdater(rig.services, c.language), c.result);
        EXPECT_EQ(started, c.started
                               ? QStringList{install.path(QStringLiteral("skin/mouse/bin/")) + c.started}
                               : QStringList());
        EXPECT_EQ(rig.status.isRunning(), c.statusRuns);
    }
}
