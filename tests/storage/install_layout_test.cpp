// Where a running program finds its installation data and keeps the user's data: a build folder
// works in place, an installed tree is only read and the user's data go to the XDG data folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "folder_snapshot.h"
#include "storage/paths.h"
#include "temp_data.h"

namespace mousecfg {
namespace {

void touch(const QString& file, const QByteArray& bytes = "x") {
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << file.toStdString();
    f.write(bytes);
}

// Sets an environment variable for the life of the object and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

TEST(InstallLayout, TellsBuildFolderFromInstalledTree) {
    // Files created below a fresh root, the program folder, and what should be found.
    const struct {
        const char* what;
        QStringList files;
        const char* program;
        const char* expectedDir;
        bool installed;
    } cases[] = {
        {"build folder", {"build/bin/DefaultProfile.bin"}, "build/bin", "build/bin", false},
        {"installed tree", {"usr/share/mousecfg/DefaultProfile.bin"}, "usr/bin", "usr/share/mousecfg", true},
        {"build folder inside a prefix",
         {"p/bin/DefaultProfile.bin", "p/share/mousecfg/DefaultProfile.bin"},
         "p/bin",
         "p/bin",
         false},
        {"installed data of another program only",
         {"usr/share/other/DefaultProfile.bin"},
         "usr/bin",
         "usr/bin",
         false},
        {"marker is a folder", {"usr/share/mousecfg/DefaultProfile.bin/x"}, "usr/bin", "usr/bin", false},
        {"nothing anywhere", {}, "opt/bin", "opt/bin", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir root;
        for (const QString& f : c.files) touch(root.filePath(f));
        QDir().mkpath(root.filePath(QString::fromLatin1(c.program)));
        // A trailing slash and a "." in the program folder change nothing.
        const Paths::Installation found = Paths::locateInstallation(
            root.filePath(QString::fromLatin1(c.program)) + "/./", "../share/mousecfg");
        EXPECT_EQ(found.dir, QDir::cleanPath(root.filePath(QString::fromLatin1(c.expectedDir))));
        EXPECT_EQ(found.installed, c.installed);
    }
}

// A copy of the shipped data as an installed tree (<root>/usr/bin, <root>/usr/share/mousecfg) and
// a fresh XDG data folder.
struct InstalledRig {
    QTemporaryDir root;
    QString bin = root.filePath("usr/bin");
    QString share = root.filePath("usr/share/mousecfg");
    QString xdg = root.filePath("home/.local/share");
    ScopedEnv xdgEnv{"XDG_DATA_HOME", xdg.toLocal8Bit()};
    ScopedEnv dataEnv{"MOUSECFG_DATA_DIR", QByteArray()};

    InstalledRig() {
        QDir().mkpath(bin);
        Paths(test::sourceDataDir(), share).seedDataDir();
    }
};

TEST(InstallLayout, InstalledTreeIsOnlyReadAndSeedsTheUserFolder) {
    InstalledRig rig;
    const auto before = test::snapshot(rig.root.filePath("usr"));
    ASSERT_TRUE(before.count("share/mousecfg/Configs/Config.ini"));

    // Twice: the first start seeds the user's folder, the second finds it and changes nothing.
    for (int start = 0; start < 2; ++start) {
        const Paths paths = Paths::forProgram(rig.bin);
        EXPECT_EQ(paths.installDir(), rig.share);
        EXPECT_EQ(paths.dataDir(), rig.xdg + "/mousecfg");
        EXPECT_EQ(paths.skinDir(), rig.share + "/skin");
        EXPECT_EQ(paths.langDir(), rig.share + "/lang");
        EXPECT_TRUE(QFileInfo(paths.descriptorFile()).isFile());
        EXPECT_TRUE(QFileInfo(paths.configFile()).isFile());
        EXPECT_TRUE(QFileInfo(paths.productProfileDir("FARROW") + "/Profile 1.prof").isFile());
        // The user's edits survive the next start.
        touch(paths.configFile(), "[Config]\nedited=1\n");
    }
    QFile config(rig.xdg + "/mousecfg/Configs/Config.ini");
    ASSERT_TRUE(config.open(QIODevice::ReadOnly));
    EXPECT_EQ(config.readAll(), QByteArray("[Config]\nedited=1\n"));

    // The install tree, though writable here (as an unpacked package is), is exactly as it was.
    EXPECT_TRUE(test::unchanged(before, test::snapshot(rig.root.filePath("usr"))));

    // An explicit data folder still wins.
    QTemporaryDir own;
    EXPECT_EQ(Paths::forProgram(rig.bin, own.path()).dataDir(), QDir(own.path()).absolutePath());
    EXPECT_TRUE(test::unchanged(before, test::snapshot(rig.root.filePath("usr"))));
}

TEST(InstallLayout, BuildFolderKeepsItsDataInPlace) {
    InstalledRig rig;  // only for the XDG folder, which must stay untouched
    QTemporaryDir build;
    Paths(test::sourceDataDir(), build.path()).seedDataDir();
    const Paths paths = Paths::forProgram(build.path());
    EXPECT_EQ(paths.installDir(), QDir::cleanPath(build.path()));
    EXPECT_EQ(paths.dataDir(), QDir::cleanPath(build.path()));
    EXPECT_FALSE(QFileInfo::exists(rig.xdg + "/mousecfg"));
}

}  // namespace
}  // namespace mousecfg
