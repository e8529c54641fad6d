#include "storage/profile_library.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>

#include "random_state.h"
#include "state_compare.h"
#include "storage/paths.h"
#include "storage/profile_files.h"
#include "temp_data.h"

namespace mousecfg {
namespace {

using test::TempData;

const QString kProduct = QStringLiteral("FARROW");

TEST(ProfileLibrary, ListSaveKeepsEntriesAboveTheNewCount) {
    TempData data;
    saveLibraryList(data.paths(), kProduct, {"a", "b", "c", "ä 配置"});
    EXPECT_EQ(loadLibraryList(data.paths(), kProduct), QStringList({"a", "b", "c", "ä 配置"}));
    saveLibraryList(data.paths(), kProduct, {"x"});
    EXPECT_EQ(loadLibraryList(data.paths(), kProduct), QStringList({"x"}));
    QSettings s(data.paths().productConfigFile(kProduct), QSettings::IniFormat);
    EXPECT_EQ(s.value("PROFILE_LIST/3").toString(), QStringLiteral("c"));

    // Empty product: the list sits in the main Config.ini beside [Config].
    saveLibraryList(data.paths(), QString(), {"solo"});
    QSettings main(data.paths().configFile(), QSettings::IniFormat);
    EXPECT_EQ(main.value("PROFILE_LIST/1").toString(), QStringLiteral("solo"));
}

TEST(ProfileLibrary, BuiltInQueryAndDamagedCounts) {
    TempData data;
    data.writeFile("Configs/FARROW/Config.ini",
                   "[PROFILE_LIST]\nCount=2147483647\n1=one\nSCount=2\nS1=DefaultProfile\nS2=Base\n");
    const QStringList list = loadLibraryList(data.paths(), kProduct);
    EXPECT_EQ(list.size(), kMaxLibraryEntries);
    EXPECT_EQ(list[0], QStringLiteral("one"));
    EXPECT_TRUE(isBuiltInLibraryName(data.paths(), kProduct, "Base"));
    EXPECT_TRUE(isBuiltInLibraryName(data.paths(), kProduct, "DefaultProfile"));
    EXPECT_FALSE(isBuiltInLibraryName(data.paths(), kProduct, "defaultprofile"));
    data.writeFile("Configs/FARROW/Config.ini", "[PROFILE_LIST]\nCount=-4\nSCount=0\nS1=DefaultProfile\n");
    EXPECT_TRUE(loadLibraryList(data.paths(), kProduct).isEmpty());
    EXPECT_FALSE(isBuiltInLibraryName(data.paths(), kProduct, "DefaultProfile"));
}

TEST(ProfileLibrary, ExportStampsAndImportChecksTheProduct) {
    TempData data;
    const MouseProfile work = test::RandomState(21).profile();
    saveProfileToPath(work, libraryProfileFile(data.paths(), kProduct, "Work"));
    const QString out = data.path("outside/Work.prof");
    data.writeFile("outside/Work.prof", "old");
    ASSERT_EQ(exportLibraryProfile(data.paths(), kProduct, "Work", out), LibraryResult::Ok);
    EXPECT_EQ(readProductName(out), kProduct);
    MouseProfile exported;
    loadProfileFromPath(exported, out);
    test::expectSameProfile(exported, work, "exported");

    // Same name in the library: refused, nothing loaded.
    MouseProfile slot = test::RandomState(22).profile();
    const MouseProfile before = slot;
    EXPECT_EQ(importLibraryProfile(data.paths(), kProduct, out, slot), LibraryResult::Exists);
    EXPECT_TRUE(slot == before);

    QFile::rename(out, data.path("outside/Travel.prof"));
    const QString travel = data.path("outside/Travel.prof");
    stampProductName(travel, "OTHER");
    EXPECT_EQ(importLibraryProfile(data.paths(), kProduct, travel, slot), LibraryResult::WrongProduct);
    EXPECT_TRUE(slot == before);

    stampProductName(travel, kProduct);
    QString name;
    EXPECT_EQ(importLibraryProfile(data.paths(), kProduct, travel, slot, &name), LibraryResult::Ok);
    EXPECT_EQ(name, QStringLiteral("Travel"));
    test::expectSameProfile(slot, work, "imported");
    EXPECT_TRUE(QFile::exists(libraryProfileFile(data.paths(), kProduct, "Travel")));
}

}  // namespace
}  // namespace mousecfg
