#include "app/session/profile_manager.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <memory>

#include "app/session/apply_runner.h"
#include "app/session/profile_dialogs.h"
#include "folder_snapshot.h"
#include "session_rig.h"
#include "storage/app_settings.h"
#include "storage/profile_files.h"
#include "storage/profile_library.h"
#include "storage/settings_export.h"
#include "storage/settings_file.h"

namespace mousecfg {
namespace {

using test::ScriptedDialogs;

// Remembers the write flows the operations start and writes nothing.
struct RecordingRunner : ApplyRunner {
    quint8 run(const TarnProcessThread::Job&, bool writeAll) override {
        writes.push_back(writeAll);
        return 0;
    }
    std::vector<bool> writes;
};

class ProfileOps : public ::testing::Test {
protected:
    void SetUp() override {
        reloadStoredSettings(paths(), stored, working);
        session.setApplyRunner(&runner);
        QObject::connect(&session, &WindowSession::recordChanged, [this] { ++refreshes; });
        QObject::connect(&session, &WindowSession::nameShown, [this](const QString& n) { field = n; });
        QObject::connect(&session, &WindowSession::libraryChanged, [this] { ++menus; });
        manager = std::make_unique<ProfileManager>(session, dialogs);
    }

    const Paths& paths() const { return data.paths(); }
    QString lib(const QString& name) const {
        return data.path(QStringLiteral("Configs/FARROW/Profile/%1.prof").arg(name));
    }
    QStringList listOnDisk() const { return loadLibraryList(paths(), QStringLiteral("FARROW")); }
    void setList(const QStringList& l) const { saveLibraryList(paths(), QStringLiteral("FARROW"), l); }
    QString& slotName(int i) { return working.profileNames[static_cast<size_t>(i)]; }
    // A library profile with a recognisable pointer speed.
    void makeLibraryProfile(const QString& name, uint8_t speed) const {
        MouseProfile p;
        p.mousespeed = speed;
        p.ProfileName = name;
        saveProfileToPath(p, lib(name));
    }
    // Everything a refused operation must leave alone.
    struct Snapshot {
        QStringList list;
        test::FolderSnapshot files;
        ConfigState working;
        bool operator==(const Snapshot& o) const {
            return list == o.list && files == o.files && working == o.working;
        }
    };
    Snapshot snapshot() const { return {listOnDisk(), test::dataSnapshot(data), working}; }

    test::SessionRig rig;
    test::TempData& data = rig.data;
    WindowSession session{rig.services};
    ConfigState& working = session.working();
    ConfigState& stored = session.stored();
    ScriptedDialogs dialogs;
    RecordingRunner runner;
    std::vector<bool>& writes = runner.writes;
    std::unique_ptr<ProfileManager> manager;
    int refreshes = 0;
    int menus = 0;
    QString field;
};

TEST_F(ProfileOps, LibraryProfileLoadsIntoTheCurrentSlotUnlessAnotherSlotUsesIt) {
    makeLibraryProfile(QStringLiteral("Work"), 13);
    setList(listOnDisk() << QStringLiteral("Work"));
    EXPECT_EQ(manager->chooseLibraryProfile(slotName(2)), ProfileResult::Refused);
    EXPECT_EQ(dialogs.warnings, QStringList{QStringLiteral("Profile is Already Used!")});
    EXPECT_EQ(slotName(0), QStringLiteral("Profile 1"));

    EXPECT_EQ(manager->chooseLibraryProfile(QStringLiteral("Work")), ProfileResult::Done);
    EXPECT_EQ(slotName(0), QStringLiteral("Work"));
    EXPECT_EQ(field, QStringLiteral("Work"));
    EXPECT_EQ(working.profiles[0].mousespeed, 13);
    EXPECT_EQ(working.profiles[0].ProfileName, QStringLiteral("Work"));
    EXPECT_TRUE(writes.empty());  // reaches the mouse on Apply
}

TEST_F(ProfileOps, AddPicksTheFirstFreeDefaultNameAndCopiesTheFactoryFile) {
    QFile::remove(lib(QStringLiteral("Profile 3")));
    setList({QStringLiteral("Profile 1"), QStringLiteral("Profile 2")});
    QFile factory(lib(QStringLiteral("DefaultProfile")));
    ASSERT_TRUE(factory.open(QIODevice::ReadOnly));
    const QByteArray factoryBytes = factory.readAll();

    EXPECT_EQ(manager->add(), ProfileResult::Done);
    QFile created(lib(QStringLiteral("Profile 3")));
    ASSERT_TRUE(created.open(QIODevice::ReadOnly));
    EXPECT_EQ(created.readAll(), factoryBytes);
    EXPECT_EQ(listOnDisk(), (QStringList{QStringLiteral("Profile 1"), QStringLiteral("Profile 2"),
                                         QStringLiteral("Profile 3")}));
    EXPECT_EQ(slotName(0), QStringLiteral("Profile 3"));
    EXPECT_EQ(field, QStringLiteral("Profile 3"));
    MouseProfile expected;
    loadProfileFromPath(expected, lib(QStringLiteral("Profile 3")));
    expected.ProfileName = QStringLiteral("Profile 3");
    EXPECT_EQ(working.profiles[0], expected);
    EXPECT_TRUE(writes.empty());

    // Without a factory file the next one starts from the product defaults.
    QFile::remove(lib(QStringLiteral("DefaultProfile")));
    working.profiles[0].mousespeed = 99;
    EXPECT_EQ(manager->add(), ProfileResult::Done);
    EXPECT_EQ(slotName(0), QStringLiteral("Profile 6"));
    MouseProfile defaults;
    resetProfileToDefaults(defaults, paths());
    defaults.ProfileName = QStringLiteral("Profile 6");
    EXPECT_EQ(working.profiles[0], defaults);
}

TEST_F(ProfileOps, CopyCountsOnFromTheCopiesThatExist) {
    makeLibraryProfile(QStringLiteral("Work"), 13);
    makeLibraryProfile(QStringLiteral("Work copy"), 1);
    makeLibraryProfile(QStringLiteral("Work copy 2"), 2);
    slotName(0) = QStringLiteral("Work");
    const MouseProfile before = working.profiles[0];

    EXPECT_EQ(manager->copy(), ProfileResult::Done);
    EXPECT_EQ(slotName(0), QStringLiteral("Work copy 3"));
    EXPECT_EQ(field, QStringLiteral("Work copy 3"));
    EXPECT_TRUE(listOnDisk().endsWith(QStringLiteral("Work copy 3")));
    MouseProfile copied;
    loadProfileFromPath(copied, lib(QStringLiteral("Work copy 3")));
    EXPECT_EQ(copied.mousespeed, 13);
    EXPECT_EQ(working.profiles[0], before);  // the record itself is unchanged
    EXPECT_TRUE(writes.empty());
}

TEST_F(ProfileOps, DeletePicksAReplacementRemovesTheFileAndLoadsTheReplacement) {
    makeLibraryProfile(QStringLiteral("A"), 11);
    makeLibraryProfile(QStringLiteral("B"), 12);
    makeLibraryProfile(QStringLiteral("C"), 13);
    setList({QStringLiteral("Profile 1"), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    slotName(0) = QStringLiteral("C");

    // The last entry: the one before it.
    EXPECT_EQ(manager->remove(QStringLiteral("C")), ProfileResult::Done);
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Are you sure you want delete this profile?")});
    EXPECT_FALSE(QFile::exists(lib(QStringLiteral("C"))));
    EXPECT_EQ(listOnDisk(),
              (QStringList{QStringLiteral("Profile 1"), QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(slotName(0), QStringLiteral("B"));
    EXPECT_EQ(field, QStringLiteral("B"));
    EXPECT_EQ(working.profiles[0].mousespeed, 12);

    // The next entry is another slot's: one step back, over the deleted entry itself.
    slotName(1) = QStringLiteral("B");
    slotName(0) = QStringLiteral("A");
    EXPECT_EQ(manager->remove(QStringLiteral("A")), ProfileResult::Done);
    EXPECT_EQ(slotName(0), QStringLiteral("Profile 1"));
    EXPECT_EQ(listOnDisk(), (QStringList{QStringLiteral("Profile 1"), QStringLiteral("B")}));
    EXPECT_TRUE(writes.empty());
}

TEST_F(ProfileOps, DeleteWhenEveryOtherEntryIsInUseGivesTheSlotAFreshEntry) {
    makeLibraryProfile(QStringLiteral("A"), 11);
    makeLibraryProfile(QStringLiteral("B"), 12);
    makeLibraryProfile(QStringLiteral("X"), 20);
    setList({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("X")});
    slotName(0) = QStringLiteral("X");
    slotName(1) = QStringLiteral("A");
    slotName(2) = QStringLiteral("B");
    QFile factory(lib(QStringLiteral("DefaultProfile")));
    ASSERT_TRUE(factory.open(QIODevice::ReadOnly));
    const QByteArray factoryBytes = factory.readAll();
    EXPECT_EQ(manager->remove(QStringLiteral("X")), ProfileResult::Done);
    // Two slots of one name would share one file: the slot gets a new entry from the factory file.
    const QString fresh = slotName(0);
    for (int i = 1; i < kProfileCount; ++i) EXPECT_NE(slotName(i), fresh) << i;
    EXPECT_TRUE(fresh.startsWith(QStringLiteral("Profile "))) << fresh.toStdString();
    EXPECT_EQ(listOnDisk(), (QStringList{QStringLiteral("A"), QStringLiteral("B"), fresh}));
    QFile created(lib(fresh));
    ASSERT_TRUE(created.open(QIODevice::ReadOnly));
    EXPECT_EQ(created.readAll(), factoryBytes);
    EXPECT_FALSE(QFile::exists(lib(QStringLiteral("X"))));
    EXPECT_EQ(field, fresh);
}

TEST_F(ProfileOps, DeleteRefusals) {
    setList({QStringLiteral("Profile 1"), QStringLiteral("Profile 2")});
    const Snapshot before = snapshot();
    EXPECT_EQ(manager->remove(QStringLiteral("Profile 2")), ProfileResult::Refused);
    EXPECT_EQ(dialogs.warnings.value(0), QStringLiteral("The default Profile cannot be deleted or renamed."));
    EXPECT_TRUE(QFile::exists(lib(QStringLiteral("Profile 2"))));

    makeLibraryProfile(QStringLiteral("Keep"), 3);
    setList({QStringLiteral("Keep")});
    const Snapshot one = snapshot();
    EXPECT_EQ(manager->remove(QStringLiteral("Keep")), ProfileResult::Refused);
    EXPECT_EQ(dialogs.warnings.value(1), QStringLiteral("AT LEAST ONE PROFILE TO BE RETAINED."));
    EXPECT_TRUE(snapshot() == one);

    setList({QStringLiteral("Keep"), QStringLiteral("Profile 1")});
    dialogs.answer = false;
    const Snapshot declined = snapshot();
    EXPECT_EQ(manager->remove(QStringLiteral("Keep")), ProfileResult::Cancelled);
    EXPECT_TRUE(snapshot() == declined);
    EXPECT_EQ(before.working, working);

    // Names that would reach outside the library are refused before any question.
    dialogs.answer = true;
    data.writeFile(QStringLiteral("Configs/FARROW/victim.prof"), "keep me");
    data.writeFile(QStringLiteral("Configs/victim.prof"), "keep me");
    for (const char* bad : {"../victim", "../../victim", "", ".", "..", "a/b", "a\\b"}) {
        setList({QStringLiteral("Keep"), QString::fromLatin1(bad)});
        dialogs.warnings.clear();
        dialogs.questions.clear();
        EXPECT_EQ(manager->remove(QString::fromLatin1(bad)), ProfileResult::Refused) << bad;
        EXPECT_EQ(dialogs.warnings.size(), 1) << bad;
        EXPECT_TRUE(dialogs.questions.isEmpty()) << bad;
    }
    EXPECT_EQ(data.readFile(QStringLiteral("Configs/FARROW/victim.prof")), QByteArray("keep me"));
    EXPECT_EQ(data.readFile(QStringLiteral("Configs/victim.prof")), QByteArray("keep me"));
    EXPECT_TRUE(writes.empty());
}

TEST_F(ProfileOps, RenameMovesTheFilesAndTheNames) {
    // A default name cannot be renamed; the field shows it again.
    field = QStringLiteral("typed");
    EXPECT_EQ(manager->rename(QStringLiteral("Other")), ProfileResult::Refused);
    EXPECT_EQ(dialogs.warnings.value(0), QStringLiteral("The default Profile cannot be deleted or renamed."));
    EXPECT_EQ(field, QStringLiteral("Profile 1"));

    makeLibraryProfile(QStringLiteral("Work"), 13);
    makeLibraryProfile(QStringLiteral("Taken"), 1);
    setList({QStringLiteral("Profile 2"), QStringLiteral("Work"), QStringLiteral("Taken")});
    slotName(0) = QStringLiteral("Work");
    saveProfileList(paths(), working);
    saveConfigState(paths(), working);  // the slot's current profile file
    EXPECT_EQ(manager->rename(QStringLiteral("Taken")), ProfileResult::Refused);
    EXPECT_EQ(dialogs.warnings.value(1), QStringLiteral("Profile Exist!"));
    EXPECT_EQ(field, QStringLiteral("Work"));

    const Snapshot before = snapshot();
    for (const char* bad : {"../escape", "", ".", "..", "a/b", "a\\b"}) {
        EXPECT_EQ(manager->rename(QString::fromLatin1(bad)), ProfileResult::Refused) << bad;
        EXPECT_EQ(field, QStringLiteral("Work"));
    }
    EXPECT_EQ(dialogs.warnings.size(), 8);
    EXPECT_TRUE(snapshot() == before);
    EXPECT_FALSE(QFile::exists(data.path(QStringLiteral("Configs/FARROW/escape.prof"))));

    EXPECT_EQ(manager->rename(QStringLiteral("Gaming")), ProfileResult::Done);
    EXPECT_EQ(listOnDisk(),
              (QStringList{QStringLiteral("Profile 2"), QStringLiteral("Gaming"), QStringLiteral("Taken")}));
    EXPECT_FALSE(QFile::exists(lib(QStringLiteral("Work"))));
    MouseProfile moved;
    loadProfileFromPath(moved, lib(QStringLiteral("Gaming")));
    EXPECT_EQ(moved.mousespeed, 13);
    EXPECT_EQ(slotName(0), QStringLiteral("Gaming"));
    EXPECT_EQ(working.profiles[0].ProfileName, QStringLiteral("Gaming"));
    // The slot names in Config.ini and the current profile file follow, so a restart finds them.
    ConfigState reloaded;
    loadConfigState(paths(), reloaded);
    EXPECT_EQ(reloaded.profileNames[0], QStringLiteral("Gaming"));
    EXPECT_TRUE(QFile::exists(currentProfileFile(paths(), QStringLiteral("Gaming"))));
    EXPECT_FALSE(QFile::exists(currentProfileFile(paths(), QStringLiteral("Work"))));
    EXPECT_TRUE(writes.empty());
}

TEST_F(ProfileOps, ResetAndResetAllRunTheWriteFlow) {
    working.profiles[0].mousespeed = 19;
    working.profiles[0].dpiStages[0].x = 77;
    dialogs.answer = false;
    EXPECT_EQ(manager->reset(), ProfileResult::Cancelled);
    EXPECT_EQ(working.profiles[0].mousespeed, 19);
    EXPECT_TRUE(writes.empty());

    dialogs.answer = true;
    EXPECT_EQ(manager->reset(), ProfileResult::Done);
    MouseProfile defaults;
    resetProfileToDefaults(defaults, paths());
    EXPECT_EQ(working.profiles[0].dpiStages, defaults.dpiStages);
    EXPECT_EQ(writes, std::vector<bool>{false});
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("Are you sure you want reset this profile?"));

    slotName(2) = QStringLiteral("Mine");
    working.LiftHigh = 1;
    working.ProfileID = 2;
    EXPECT_EQ(manager->resetAll(), ProfileResult::Done);
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("Are you sure you want reset all profiles?"));
    EXPECT_EQ(slotName(2), QStringLiteral("Profile 3"));
    EXPECT_EQ(working.ProfileID, 0);
    EXPECT_EQ(working.LiftHigh, 2);
    EXPECT_EQ(field, QStringLiteral("Profile 1"));
    EXPECT_EQ(writes, (std::vector<bool>{false, true}));
}

TEST_F(ProfileOps, ExportStampsTheProductAndImportChecksIt) {
    const QString out = data.path(QStringLiteral("out/Shared.prof"));
    QDir().mkpath(data.path(QStringLiteral("out")));
    dialogs.file.clear();
    EXPECT_EQ(manager->exportProfile(), ProfileResult::Cancelled);
    EXPECT_EQ(dialogs.titles.value(0), QStringLiteral("Save Profile File|Profile File(*.prof)"));

    dialogs.file = out;
    EXPECT_EQ(manager->exportProfile(), ProfileResult::Done);
    EXPECT_EQ(readProductName(out), QStringLiteral("FARROW"));
    MouseProfile exported, library;
    loadProfileFromPath(exported, out);
    loadProfileFromPath(library, lib(QStringLiteral("Profile 1")));
    EXPECT_EQ(exported, library);

    // Import of the exported file: a new library entry, loaded into the slot, written.
    {
        QSettings s(out, QSettings::IniFormat);
        s.setValue(QStringLiteral("PROFILE/mousespeed"), 6);
    }
    dialogs.titles.clear();
    EXPECT_EQ(manager->importProfile(), ProfileResult::Done);
    EXPECT_EQ(dialogs.titles.value(0), QStringLiteral("Load Profile File|Profile File(*.prof)"));
    EXPECT_TRUE(QFile::exists(lib(QStringLiteral("Shared"))));
    EXPECT_TRUE(listOnDisk().endsWith(QStringLiteral("Shared")));
    EXPECT_EQ(slotName(0), QStringLiteral("Shared"));
    EXPECT_EQ(field, QStringLiteral("Shared"));
    EXPECT_EQ(working.profiles[0].mousespeed, 6);
    EXPECT_EQ(writes, std::vector<bool>{false});

    // The same name again: refused.
    EXPECT_EQ(manager->importProfile(), ProfileResult::Refused);
    EXPECT_EQ(dialogs.warnings.value(0), QStringLiteral("Profile Exist!"));

    // Another product's file: refused, nothing copied.
    const QString foreign = data.path(QStringLiteral("out/Foreign.prof"));
    QFile::copy(out, foreign);
    stampProductName(foreign, QStringLiteral("CASPIAN"));
    dialogs.file = foreign;
    const Snapshot before = snapshot();
    EXPECT_EQ(manager->importProfile(), ProfileResult::Refused);
    EXPECT_EQ(dialogs.warnings.value(1), QStringLiteral("The file is not match current mouse!"));
    EXPECT_TRUE(snapshot() == before);

    // A file whose name gives no usable profile name.
    for (const char* bad : {"out/.prof", "out/..prof"}) {
        const QString hostile = data.path(QString::fromLatin1(bad));
        QFile::copy(out, hostile);
        dialogs.file = hostile;
        const Snapshot beforeBad = snapshot();
        EXPECT_EQ(manager->importProfile(), ProfileResult::Refused) << bad;
        EXPECT_TRUE(snapshot() == beforeBad) << bad;
    }
    EXPECT_EQ(dialogs.warnings.size(), 4);
    EXPECT_EQ(writes.size(), 1u);
}

TEST_F(ProfileOps, WithoutACurrentProductNoLibraryFileIsMade) {
    for (const char* product : {"", "..", "a/b"}) {
        appsettings::saveCurrentProductName(paths(), QString::fromLatin1(product));
        const Snapshot before = snapshot();
        EXPECT_EQ(manager->add(), ProfileResult::Refused) << product;
        EXPECT_EQ(manager->copy(), ProfileResult::Refused) << product;
        EXPECT_TRUE(snapshot() == before) << product;
        EXPECT_FALSE(QFile::exists(data.path(QStringLiteral("Configs/Profile 1.prof"))));
    }
}

TEST_F(ProfileOps, SaveAndLoadConfiguration) {
    const QString conf = data.path(QStringLiteral("mine.conf"));
    dialogs.file = conf;
    working.profiles[1].dpiStages[2].x = 55;
    working.LiftHigh = 1;
    EXPECT_EQ(manager->saveConfiguration(), ProfileResult::Done);
    EXPECT_EQ(dialogs.titles.value(0), QStringLiteral("Save Config File|Config File(*.conf)"));
    EXPECT_EQ(readProductName(conf), QStringLiteral("FARROW"));

    // Edits after saving are replaced by the loaded file, which is then written whole.
    const ConfigState saved = working;
    working.profiles[1].dpiStages[2].x = 9;
    working.LiftHigh = 2;
    EXPECT_EQ(manager->loadConfiguration(), ProfileResult::Done);
    EXPECT_EQ(dialogs.titles.value(1), QStringLiteral("Load Config File|Config File(*.conf)"));
    EXPECT_EQ(working.profiles[1].dpiStages[2].x, 55u);
    EXPECT_EQ(working.LiftHigh, 1);
    EXPECT_EQ(working.profileNames, saved.profileNames);  // the file carries no names
    EXPECT_EQ(stored, working);
    EXPECT_EQ(writes, std::vector<bool>{true});

    // Files that cannot be loaded change nothing and say why.
    working.LiftHigh = 2;
    const ConfigState w = working, s = stored;
    const QString stampOnly = data.path(QStringLiteral("stamp.conf"));
    stampProductName(stampOnly, QStringLiteral("FARROW"));
    const struct {
        QString file;
        const char* product;
        const char* message;
    } refused[] = {
        {conf, "CASPIAN", ProfileManager::kOtherMouseConfig},
        {stampOnly, nullptr, ProfileManager::kIncompleteConfig},
        {data.path(QStringLiteral("none.conf")), nullptr, ProfileManager::kUnreadableConfig},
    };
    for (const auto& r : refused) {
        if (r.product) stampProductName(r.file, QString::fromLatin1(r.product));
        dialogs.file = r.file;
        dialogs.warnings.clear();
        EXPECT_EQ(manager->loadConfiguration(), ProfileResult::Refused) << r.message;
        EXPECT_EQ(dialogs.warnings, QStringList{QString::fromUtf8(r.message)});
        EXPECT_EQ(working, w);
        EXPECT_EQ(stored, s);
        EXPECT_EQ(writes.size(), 1u);
    }
    dialogs.file = conf;
    dialogs.warnings.clear();

    // Slot names in the file that could leave the profile folder refuse the whole file.
    stampProductName(conf, QStringLiteral("FARROW"));
    {
        QSettings f(conf, QSettings::IniFormat);
        f.setValue(QStringLiteral("Config/Profile2"), QStringLiteral("../../evil"));
    }
    EXPECT_EQ(manager->loadConfiguration(), ProfileResult::Refused);
    EXPECT_EQ(dialogs.warnings.size(), 1);
    EXPECT_EQ(working, w);
    EXPECT_EQ(writes.size(), 1u);

    // A name typed without an extension gets ".conf" (the open dialog lists it); another is kept.
    for (const char* typed : {"typed", "typed.cfg"}) {
        dialogs.file = data.path(QString::fromLatin1(typed));
        EXPECT_EQ(manager->saveConfiguration(), ProfileResult::Done);
        const QString expected = dialogs.file + (QFileInfo(dialogs.file).suffix().isEmpty() ? ".conf" : "");
        EXPECT_EQ(readProductName(expected), QStringLiteral("FARROW")) << typed;
    }
    EXPECT_FALSE(QFile::exists(data.path(QStringLiteral("typed"))));

    dialogs.file.clear();
    EXPECT_EQ(manager->loadConfiguration(), ProfileResult::Cancelled);
    EXPECT_EQ(manager->saveConfiguration(), ProfileResult::Cancelled);
}

}  // namespace
}  // namespace mousecfg
