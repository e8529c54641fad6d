#include "storage/macro_library.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "folder_snapshot.h"
#include "storage/app_settings.h"
#include "temp_data.h"

using namespace mousecfg;

namespace {

using R = MacroLibraryResult;

struct Library {
    test::TempData data;
    MacroLibrary lib{data.paths()};

    MacroFileData oneKey(std::uint8_t usage = 4) const {
        MacroFileData d;
        d.events = {{0x84, 0, usage}, {0x04, 0, usage}};
        return d;
    }
    // A file in the macro folder without a list entry.
    void orphanFile(const QString& name) const { ASSERT_TRUE(writeMacroFile(data.paths(), name, oneKey())); }
    QString slot(int i) const { return appsettings::loadMacroListEntry(data.paths(), i); }
};

}  // namespace

TEST(MacroLibrary, NewNamesAndRenamesNeverTakeAUsedName) {
    Library l;
    EXPECT_EQ(l.lib.newMacroName(), QStringLiteral("name_1"));
    l.orphanFile(QStringLiteral("name_1"));
    l.orphanFile(QStringLiteral("name_2"));
    EXPECT_EQ(l.lib.newMacroName(), QStringLiteral("name_3"));
    appsettings::saveMacroListEntry(l.data.paths(), 4, QStringLiteral("name_3"));  // listed, no file
    EXPECT_EQ(l.lib.newMacroName(), QStringLiteral("name_4"));

    ASSERT_EQ(l.lib.create(QStringLiteral("A"), l.oneKey(9)), R::Ok);
    EXPECT_EQ(l.slot(0), QStringLiteral("A"));  // the first free slot
    EXPECT_EQ(l.lib.create(QStringLiteral("A"), l.oneKey()), R::Exists);
    l.orphanFile(QStringLiteral("B"));
    l.orphanFile(QStringLiteral("B_2"));

    QString final;
    EXPECT_EQ(l.lib.rename(QStringLiteral("A"), QStringLiteral("A"), &final), R::Unchanged);
    EXPECT_EQ(l.lib.rename(QStringLiteral("A"), QStringLiteral("B"), &final), R::Ok);
    EXPECT_EQ(final, QStringLiteral("B_3"));
    EXPECT_EQ(l.slot(0), QStringLiteral("B_3"));
    EXPECT_FALSE(l.lib.fileExists(QStringLiteral("A")));
    EXPECT_EQ(readMacroEvents(l.data.paths(), QStringLiteral("B_3")), l.oneKey(9).events);
    EXPECT_EQ(l.lib.rename(QStringLiteral("B_3"), QStringLiteral("name_3"), &final), R::Ok);
    EXPECT_EQ(final, QStringLiteral("name_3_2"));  // "name_3" is listed
    EXPECT_EQ(l.lib.rename(QStringLiteral("name_3_2"), QStringLiteral("C"), &final), R::Ok);
    EXPECT_EQ(final, QStringLiteral("C"));

    for (const QString& bad :
         {QString(), QStringLiteral("a/b"), QStringLiteral(".."), QStringLiteral("x\\y")}) {
        EXPECT_EQ(l.lib.rename(QStringLiteral("C"), bad, &final), R::BadName) << bad.toStdString();
        EXPECT_EQ(l.lib.create(bad, l.oneKey()), R::BadName) << bad.toStdString();
    }
    EXPECT_EQ(final, QStringLiteral("C"));
    EXPECT_EQ(l.lib.names(), (QStringList{QStringLiteral("C"), QStringLiteral("name_3")}));

    EXPECT_EQ(l.lib.remove(QStringLiteral("C")), R::Ok);
    EXPECT_FALSE(l.lib.fileExists(QStringLiteral("C")));
    EXPECT_EQ(l.lib.names(), QStringList{QStringLiteral("name_3")});
}

TEST(MacroLibrary, FullListRefusesNewNamesAndImports) {
    Library l;
    for (int i = 0; i < appsettings::kMacroListSize; ++i)
        appsettings::saveMacroListEntry(l.data.paths(), i, QStringLiteral("m%1").arg(i));
    EXPECT_TRUE(l.lib.isFull());
    EXPECT_EQ(l.lib.create(QStringLiteral("x"), l.oneKey()), R::Full);
    l.data.writeFile(QStringLiteral("in/y.MSMACRO"), "[Setting]\nCount=0\n");
    QString name;
    EXPECT_EQ(l.lib.importFile(l.data.path(QStringLiteral("in/y.MSMACRO")), &name), R::Full);
    // Nothing reached the folder: no file without a name.
    EXPECT_TRUE(test::unchanged(test::FolderSnapshot(), test::snapshot(l.data.paths().macroDir())));
}

TEST(MacroLibrary, ImportsSkipTakenNamesAndExportsKeepFiles) {
    Library l;
    ASSERT_EQ(l.lib.create(QStringLiteral("A"), l.oneKey(9)), R::Ok);
    l.data.writeFile(QStringLiteral("in/A.MSMACRO"), "[Setting]\nCount=1\nMap_0=132\nDataL_0=5\n");
    l.data.writeFile(QStringLiteral("in/two.parts.MSMACRO"), "[Setting]\nCount=1\nMap_0=132\nDataL_0=6\n");
    l.data.writeFile(QStringLiteral("in/new.MSMACRO"), "[Setting]\nCount=1\nMap_0=132\nDataL_0=7\n");
    const QString in = l.data.path(QStringLiteral("in/"));

    QString name;
    EXPECT_EQ(l.lib.importFile(in + QStringLiteral("A.MSMACRO"), &name), R::Exists);
    EXPECT_EQ(readMacroEvents(l.data.paths(), QStringLiteral("A")), l.oneKey(9).events);  // not replaced
    EXPECT_EQ(l.lib.importFile(in + QStringLiteral("two.parts.MSMACRO"), &name), R::Ok);
    EXPECT_EQ(name, QStringLiteral("two.parts"));
    EXPECT_EQ(readMacroEvents(l.data.paths(), name).value(0).dataL, 6);
    EXPECT_EQ(l.lib.importFile(in + QStringLiteral("missing.MSMACRO"), &name), R::Missing);
    EXPECT_FALSE(l.lib.contains(QStringLiteral("missing")));

    const MacroLibrary::BatchImport batch =
        l.lib.importFiles({in + QStringLiteral("A.MSMACRO"), in + QStringLiteral("new.MSMACRO"),
                           in + QStringLiteral("two.parts.MSMACRO")});
    EXPECT_EQ(batch.imported, QStringList{QStringLiteral("new")});
    EXPECT_EQ(batch.existing, (QStringList{QStringLiteral("A"), QStringLiteral("two.parts")}));
    EXPECT_EQ(l.lib.names(),
              (QStringList{QStringLiteral("A"), QStringLiteral("two.parts"), QStringLiteral("new")}));

    // A single export replaces the chosen file (the save dialog asked); a folder export never does.
    const QString out = l.data.path(QStringLiteral("out"));
    QDir().mkpath(out);
    l.data.writeFile(QStringLiteral("out/A.MSMACRO"), "old");
    EXPECT_EQ(l.lib.exportTo(QStringLiteral("new"), out + QStringLiteral("/chosen.MSMACRO")), R::Ok);
    EXPECT_EQ(l.lib.exportTo(QStringLiteral("gone"), out + QStringLiteral("/gone.MSMACRO")), R::Missing);
    EXPECT_EQ(l.lib.exportToFolder({QStringLiteral("A"), QStringLiteral("new")}, out),
              QStringList{QStringLiteral("A")});
    EXPECT_EQ(l.data.readFile(QStringLiteral("out/A.MSMACRO")), QByteArray("old"));
    EXPECT_EQ(l.data.readFile(QStringLiteral("out/new.MSMACRO")),
              l.data.readFile(QStringLiteral("in/new.MSMACRO")));
    EXPECT_EQ(l.data.readFile(QStringLiteral("out/new.MSMACRO")),
              l.data.readFile(QStringLiteral("out/chosen.MSMACRO")));
    EXPECT_EQ(l.lib.exportTo(QStringLiteral("A"), out + QStringLiteral("/A.MSMACRO")), R::Ok);
    EXPECT_NE(l.data.readFile(QStringLiteral("out/A.MSMACRO")), QByteArray("old"));
}

TEST(MacroLibrary, AMacroFolderThatCannotBeWrittenChangesNothing) {
    Library l;
    ASSERT_EQ(l.lib.create(QStringLiteral("A"), l.oneKey()), R::Ok);
    // A file named like a macro that cannot be removed (a folder with content), even by root.
    QDir().mkpath(l.data.paths().macroDir() + QStringLiteral("/B.MSMACRO/x"));
    appsettings::saveMacroListEntry(l.data.paths(), 7, QStringLiteral("B"));
    EXPECT_EQ(l.lib.remove(QStringLiteral("B")), R::FileError);
    EXPECT_EQ(l.slot(7), QStringLiteral("B"));  // listed where it was

    // The macro folder replaced by a file: nothing can be written into it.
    QDir(l.data.paths().macroDir()).removeRecursively();
    l.data.writeFile(QStringLiteral("Configs/MacroDB"), "not a folder");
    EXPECT_EQ(l.lib.create(QStringLiteral("C"), l.oneKey()), R::FileError);
    l.data.writeFile(QStringLiteral("in/D.MSMACRO"), "[Setting]\nCount=0\n");
    QString name;
    EXPECT_EQ(l.lib.importFile(l.data.path(QStringLiteral("in/D.MSMACRO")), &name), R::FileError);
    EXPECT_EQ(l.lib.names(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(l.data.readFile(QStringLiteral("Configs/MacroDB")), QByteArray("not a folder"));
}
