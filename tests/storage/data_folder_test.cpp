// The data folder is written only through whole saves that never follow a link, never open a
// FIFO, and hold the folder's lock.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QSettings>
#include <functional>
#include <map>
#include <thread>

#include "folder_snapshot.h"
#include "random_state.h"
#include "storage/app_settings.h"
#include "storage/data_lock.h"
#include "storage/folder_problems.h"
#include "storage/languages.h"
#include "storage/macro_files.h"
#include "storage/profile_files.h"
#include "storage/profile_library.h"
#include "storage/save_batch.h"
#include "storage/settings_export.h"
#include "storage/settings_file.h"
#include "temp_data.h"

namespace mousecfg {
namespace {

using test::snapshot;

const QString kProduct = QStringLiteral("FARROW");

QStringList leftovers(const QString& dir) {
    QStringList found;
    QDirIterator it(dir, {QStringLiteral(".mcfg-save-*")}, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) found << it.next();
    return found;
}

// A seeded data folder below `outer`/data, beside `outer`/outside with bait files and a folder.
struct PlantRig {
    PlantRig()
        : root(outer.path() + "/data"), outside(outer.path() + "/outside"), paths(Paths::singleFolder(root)) {
        Paths(test::sourceDataDir(), root).seedDataDir();
        QDir().mkpath(outside + "/dir");
        for (const QString& f : {outside + "/bait.ini", outside + "/dir/Profile 1.prof"}) {
            QFile file(f);
            if (file.open(QIODevice::WriteOnly))
                file.write("[Config]\nProfile1=bait\n[PROFILE]\npollrate=77\n");
        }
    }
    // Replaces `relative` (below the data folder) by a link to `target` or by a FIFO.
    void link(const QString& relative, const QString& target) const {
        const QString p = root + "/" + relative;
        QDir(p).removeRecursively();
        QFile::remove(p);
        ASSERT_TRUE(QFile::link(target, p)) << p.toStdString();
    }
    void fifo(const QString& relative) const {
        const QString p = root + "/" + relative;
        QFile::remove(p);
        ASSERT_EQ(::mkfifo(QFile::encodeName(p).constData(), 0644), 0) << p.toStdString();
    }

    QTemporaryDir outer;
    QString root, outside;
    Paths paths;
};

ConfigState loaded(const Paths& paths) {
    ConfigState s;
    loadConfigState(paths, s);  // reading a FIFO must not block
    s.LiftHigh = 3;
    s.profiles[0].dpi = 4;
    return s;
}

// The saves of the program, each named by what it writes.
using Save = std::function<bool(const Paths&)>;
const std::map<std::string, Save>& saves() {
    static const std::map<std::string, Save> table = {
        {"settings", [](const Paths& p) { return saveConfigState(p, loaded(p)).ok(); }},
        {"profile list", [](const Paths& p) { return saveProfileList(p, loaded(p)).ok(); }},
        {"diff", [](const Paths& p) { return appsettings::saveDiff(p, 1).ok(); }},
        {"language", [](const Paths& p) { return languages::saveLanguageId(p, 1).ok(); }},
        {"macro",
         [](const Paths& p) {
             MacroFileData macro;
             macro.events = {{0x84, 0, 4}, {0x04, 0, 4}};
             return writeMacroFile(p, QStringLiteral("m1"), macro);
         }},
        {"library list",
         [](const Paths& p) { return saveLibraryList(p, kProduct, {QStringLiteral("Work")}).ok(); }},
        {"library export",
         [](const Paths& p) {
             return exportLibraryProfile(p, kProduct, QStringLiteral("Profile 1"),
                                         p.configDir() + "/out.prof") == LibraryResult::Ok;
         }},
        {"export",
         [](const Paths& p) { return exportSettingsFile(p, p.configDir() + "/saved.conf", loaded(p)).ok(); }},
    };
    return table;
}

TEST(DataFolder, PlantedLinksAndFifosLeaveEverythingOutsideUntouched) {
    struct Plant {
        const char* what;
        std::function<void(const PlantRig&)> plant;
        QString planted;   // the entry that must stay as planted
        const char* save;  // the save that meets it and must report failure
    };
    const QString bait = QStringLiteral("/bait.ini");
    const std::vector<Plant> plants = {
        {"Config.ini links elsewhere",
         [&](const PlantRig& r) { r.link("Configs/Config.ini", r.outside + bait); }, "Configs/Config.ini",
         "settings"},
        {"Config.ini dangles",
         [](const PlantRig& r) { r.link("Configs/Config.ini", r.outside + "/new.ini"); },
         "Configs/Config.ini", "diff"},
        {"Profile/ links elsewhere", [](const PlantRig& r) { r.link("Configs/Profile", r.outside + "/dir"); },
         "Configs/Profile", "settings"},
        {"MacroDB/ links elsewhere", [](const PlantRig& r) { r.link("Configs/MacroDB", r.outside + "/dir"); },
         "Configs/MacroDB", "macro"},
        {"product Config.ini links elsewhere",
         [&](const PlantRig& r) { r.link("Configs/FARROW/Config.ini", r.outside + bait); },
         "Configs/FARROW/Config.ini", "library list"},
        {"product library links elsewhere",
         [](const PlantRig& r) { r.link("Configs/FARROW/Profile", r.outside + "/dir"); },
         "Configs/FARROW/Profile", "library export"},
        {"a profile file links elsewhere",
         [&](const PlantRig& r) { r.link("Configs/Profile/Profile 1.prof", r.outside + bait); },
         "Configs/Profile/Profile 1.prof", "settings"},
        {"LangConfig.ini dangles",
         [](const PlantRig& r) { r.link("Configs/LangConfig.ini", r.outside + "/new.ini"); },
         "Configs/LangConfig.ini", "language"},
        {"the export target links elsewhere",
         [&](const PlantRig& r) { r.link("Configs/saved.conf", r.outside + bait); }, "Configs/saved.conf",
         "export"},
        {"the lock file links elsewhere",
         [&](const PlantRig& r) { r.link("Configs/.mousecfg.lock", r.outside + bait); },
         "Configs/.mousecfg.lock", "profile list"},
        {"Config.ini is a FIFO", [](const PlantRig& r) { r.fifo("Configs/Config.ini"); },
         "Configs/Config.ini", "profile list"},
        {"a profile file is a FIFO", [](const PlantRig& r) { r.fifo("Configs/Profile/Profile 2.prof"); },
         "Configs/Profile/Profile 2.prof", "settings"},
    };
    for (const Plant& p : plants) {
        SCOPED_TRACE(p.what);
        PlantRig rig;
        p.plant(rig);
        const auto outsideBefore = snapshot(rig.outside);
        const QString plantedBefore = snapshot(rig.root)[p.planted];
        ASSERT_FALSE(plantedBefore.isEmpty());

        EXPECT_FALSE(saves().at(p.save)(rig.paths));
        EXPECT_TRUE(test::unchanged(outsideBefore, snapshot(rig.outside)));
        EXPECT_EQ(snapshot(rig.root)[p.planted], plantedBefore);
        EXPECT_FALSE(QFileInfo::exists(rig.outside + "/new.ini"));
    }
    // Without a plant, every one of those saves goes through.
    PlantRig clean;
    for (const auto& [what, save] : saves()) EXPECT_TRUE(save(clean.paths)) << what;
}

// A save stopped at any step (a program killed there) leaves the old settings or the new ones,
// never a mix; a save stopped during its renames is finished by the next load.
TEST(DataFolder, AnInterruptedSaveLeavesTheOldSetOrTheNewOneWhole) {
    constexpr int kFiles = 1 + kProfileCount;  // Config.ini and the five profile files
    const ConfigState before = test::RandomState(1).state();
    ConfigState after = test::RandomState(2).state();
    after.profileNames = before.profileNames;
    test::TempData saved;
    ASSERT_TRUE(saveProfileList(saved.paths(), before).ok());
    ASSERT_TRUE(saveConfigState(saved.paths(), before).ok());

    // Steps 0..5 write the temporary files, 6..11 rename them; 12 is never reached.
    for (int stop : {0, 3, kFiles - 1, kFiles, kFiles + 2, 2 * kFiles - 1, 2 * kFiles}) {
        SCOPED_TRACE("stopped before step " + std::to_string(stop));
        test::TempData data;
        const Paths& paths = data.paths();
        QDirIterator files(saved.root(), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString from = files.next();
            QFile::copy(from, data.path(QDir(saved.root()).relativeFilePath(from)));
        }
        SaveBatch batch(paths);
        addConfigState(batch, paths, after);
        bool stopped = false;
        batch.setStepProbe([&](int step) { return !(stopped = step == stop); });
        const bool ok = batch.commit().ok();
        EXPECT_EQ(ok, !stopped);

        ConfigState back;
        loadConfigState(paths, back);
        EXPECT_EQ(back, stop >= kFiles ? after : before);
        // The next saves in those folders clear what the stopped one left.
        ASSERT_TRUE(appsettings::saveDiff(paths, 0).ok());
        ASSERT_TRUE(saveProfileFile(paths, back.profiles[0], back.profileNames[0]));
        EXPECT_EQ(leftovers(data.root()), QStringList());
    }
}

TEST(DataFolder, AFileWhereAFolderShouldBeFailsTheSaveAndKeepsEveryFile) {
    PlantRig rig;
    ConfigState s;
    loadConfigState(rig.paths, s);
    ASSERT_TRUE(saveConfigState(rig.paths, s).ok());
    QDir(rig.root + "/Configs/Profile").removeRecursively();
    QFile blocker(rig.root + "/Configs/Profile");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const auto before = snapshot(rig.root);
    s.LiftHigh = 7;
    const SaveStatus saved = saveConfigState(rig.paths, s);
    EXPECT_EQ(saved.result, SaveResult::Refused);
    EXPECT_TRUE(saved.message().contains(QStringLiteral("Configs/Profile")));
    EXPECT_TRUE(test::unchanged(before, snapshot(rig.root)));  // Config.ini did not change alone

    // A data folder that is a file: nothing can be saved, and the result says so.
    const Paths onFile = Paths::singleFolder(rig.root + "/Configs/Config.ini");
    EXPECT_FALSE(appsettings::saveDiff(onFile, 1).ok());
    EXPECT_FALSE(saveConfigState(onFile, s).ok());
    EXPECT_TRUE(test::unchanged(before, snapshot(rig.root)));
}

TEST(DataFolder, AReadOnlyFolderFailsTheSave) {
    if (::geteuid() == 0)
        GTEST_SKIP()
            << "root writes into read-only folders; the file-in-place-of-a-folder test covers the failure";
    PlantRig rig;
    ConfigState s;
    loadConfigState(rig.paths, s);
    for (const QString& dir : {rig.root + "/Configs", rig.root + "/Configs/Profile"})
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const auto before = snapshot(rig.root);
    EXPECT_EQ(saveConfigState(rig.paths, s).result, SaveResult::Failed);
    EXPECT_TRUE(test::unchanged(before, snapshot(rig.root)));
    for (const QString& dir : {rig.root + "/Configs", rig.root + "/Configs/Profile"})
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Saves of the same size in quick succession: each read sees the save before it (QSettings
// takes a file as unchanged while its size and modification time in milliseconds are).
// On a memory file system several saves fit in one millisecond.
TEST(DataFolder, EverySaveIsSeenByTheNextRead) {
    QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/mousecfg-XXXXXX")
                                                                : QString());
    const Paths paths = Paths::singleFolder(dir.path());
    for (int i = 0; i < 200; ++i) {
        const int value = i % 2 ? 10 : 20;
        ASSERT_TRUE(appsettings::saveBattery(paths, value).ok());
        ASSERT_EQ(appsettings::loadBattery(paths), value) << "save " << i;
    }
}

// What the window can tell the user at start: the files it will neither read nor replace.
TEST(DataFolder, RefusedFilesAreListedForTheStart) {
    PlantRig rig;
    ASSERT_TRUE(addMacroName(rig.paths, QStringLiteral("m1")));
    EXPECT_TRUE(findFolderProblems(rig.paths).isEmpty());
    rig.fifo("Configs/Profile/Profile 2.prof");
    rig.link("Configs/MacroDB/m1.MSMACRO", rig.outside + "/bait.ini");
    rig.link("DefaultProfile.bin", rig.outside + "/bait.ini");
    QFile huge(rig.paths.langConfigFile());
    ASSERT_TRUE(huge.resize(kMaxSettingsFileSize + 1));
    std::map<QString, FileIssue> found;
    for (const FolderProblem& p : findFolderProblems(rig.paths))
        found[QDir(rig.root).relativeFilePath(p.file)] = p.issue;
    const std::map<QString, FileIssue> expected = {{"Configs/Profile/Profile 2.prof", FileIssue::NotRegular},
                                                   {"Configs/MacroDB/m1.MSMACRO", FileIssue::Link},
                                                   {"DefaultProfile.bin", FileIssue::Link},
                                                   {"Configs/LangConfig.ini", FileIssue::TooLarge}};
    EXPECT_EQ(found, expected);
}

TEST(DataFolder, OneSaverAtATimeAndEverySaveAdvancesTheStamp) {
    test::TempData data;
    const Paths& paths = data.paths();
    const ChangeStamp first = loadChangeStamp(paths);
    auto saveFromAnotherThread = [&paths] {
        SaveResult result = SaveResult::Failed;
        std::thread([&] {
            SaveBatch batch(paths, 0);
            batch.editIni(paths.configFile(),
                          [](QSettings& s) { s.setValue(QStringLiteral("Config/Battery"), 5); });
            result = batch.commit().result;
        }).join();
        return result;
    };
    {
        DataFolderLock held(paths, 0);
        ASSERT_TRUE(held.isLocked());
        DataFolderLock again(paths, 0);  // the holder may take it again, and save
        EXPECT_TRUE(again.isLocked());
        EXPECT_TRUE(appsettings::saveDiff(paths, 1).ok());
        EXPECT_EQ(saveFromAnotherThread(), SaveResult::Busy);
        EXPECT_EQ(appsettings::loadBattery(paths), 0);
    }
    EXPECT_EQ(saveFromAnotherThread(), SaveResult::Saved);
    EXPECT_EQ(appsettings::loadBattery(paths), 5);
    const ChangeStamp last = loadChangeStamp(paths);
    EXPECT_EQ(last.generation, first.generation + 2);
    EXPECT_EQ(last.process, QCoreApplication::applicationPid());
}

}  // namespace
}  // namespace mousecfg
