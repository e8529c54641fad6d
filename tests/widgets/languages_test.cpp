#include "storage/languages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QToolButton>
#include <QTranslator>

#include "widget_test_support.h"
#include "widgets/language_switcher.h"
#include "widgets/tarn_message_box.h"
#include "widgets/ui_context.h"

namespace mousecfg {
namespace {

using namespace languages;

QString yesInCurrentLanguage() {
    return QCoreApplication::translate("mousecfg::SkinnedDialog", "Yes");
}

TEST(LanguageTableTest, ReadsAllTenEntriesWhateverTheCount) {
    test::TempData data;
    data.writeFile(QStringLiteral("Configs/Config.ini"),
                   "[FONT_LIST]\nLANGNUM=2\nLangName_0=English\nLangFile_0=mousecfg_en\n"
                   "LangName_1=Deutsch\nLangFile_1=mousecfg_de\nLangName_9=Nine\nLangFile_9=nine\n"
                   "LangName_09=Leading zero\nFONT_1=DejaVu Sans\nFONT_SIZE_1=14\n");
    const LanguageTable t = loadLanguageTable(data.paths());
    EXPECT_EQ(t.count, 2);
    EXPECT_EQ(t.usableCount(), 2);
    EXPECT_EQ(t.names[1], QStringLiteral("Deutsch"));
    EXPECT_EQ(t.files[1], QStringLiteral("mousecfg_de"));
    EXPECT_EQ(t.names[9], QStringLiteral("Nine"));  // plain decimal key, read beyond the count
    EXPECT_EQ(t.files[9], QStringLiteral("nine"));
    EXPECT_TRUE(t.names[2].isEmpty());
    const LanguageFont f = loadLanguageFont(data.paths(), 1);
    EXPECT_EQ(f.family, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(f.pixelSize, 14);
    EXPECT_EQ(loadLanguageFont(data.paths(), 2).pixelSize, 0);
}

// A size of 2147483647 overflowed once scaled and kept the text fitting busy for hours.
TEST(LanguageTableTest, StoredFontSizesAreBroughtIntoASaneRange) {
    const struct {
        const char* stored;
        int loaded;
    } cases[] = {{"2147483647", kMaxFontPixelSize},
                 {"100000", kMaxFontPixelSize},
                 {"4294967295", kMaxFontPixelSize},
                 {"3", kMinFontPixelSize},
                 {"12", 12},
                 {"-5", 0},
                 {"x", 0}};
    for (const auto& c : cases) {
        test::TempData data;  // a new file each time: two written in one millisecond look alike to QSettings
        data.writeFile(QStringLiteral("Configs/Config.ini"),
                       QByteArray("[FONT_LIST]\nFONT_SIZE_0=") + c.stored);
        EXPECT_EQ(loadLanguageFont(data.paths(), 0).pixelSize, c.loaded) << c.stored;
    }
    test::TempData data;
    data.writeFile(QStringLiteral("Configs/Config.ini"), "[FONT_LIST]\nFONT_SIZE_0=2147483647\n");
    EXPECT_EQ(UiContext::fromPaths(data.paths(), 0, 5.0).font().pixelSize(), kMaxFontPixelSize * 5);
}

TEST(LanguageTableTest, StoredIndexOutsideTheTableFallsBackToLanguageZero) {
    LanguageTable t;
    t.count = 3;
    const struct { int stored, used; } cases[] = {{0, 0}, {2, 2}, {3, 0}, {9, 0}, {-1, 0}, {100000, 0}};
    for (const auto& c : cases) EXPECT_EQ(effectiveLanguageId(c.stored, t), c.used) << c.stored;
    t.count = 40;  // a damaged count never reaches beyond the ten entries
    EXPECT_EQ(t.usableCount(), kMaxLanguages);
    EXPECT_EQ(effectiveLanguageId(10, t), 0);
    t.count = -5;
    EXPECT_EQ(effectiveLanguageId(0, t), 0);
    EXPECT_EQ(t.usableCount(), 0);
}

TEST(LanguageTableTest, TranslationFileStaysInTheLangFolder) {
    test::TempData data;
    LanguageTable t;
    t.count = 4;
    t.files[0] = QStringLiteral("mousecfg_en");
    t.files[1] = QStringLiteral("../../etc/passwd");
    t.files[2] = QString();
    t.files[3] = QStringLiteral("..");
    EXPECT_EQ(translationFile(data.paths(), t, 0),
              data.paths().langDir() + QStringLiteral("/mousecfg_en.qm"));
    EXPECT_TRUE(translationFile(data.paths(), t, 1).isEmpty());
    EXPECT_TRUE(translationFile(data.paths(), t, 2).isEmpty());
    EXPECT_TRUE(translationFile(data.paths(), t, 3).isEmpty());
    EXPECT_TRUE(translationFile(data.paths(), t, 10).isEmpty());
    EXPECT_TRUE(translationFile(data.paths(), t, -1).isEmpty());
}

TEST(LanguageIdTest, MissingFileReadsZeroAndSavingCreatesIt) {
    test::TempData data;
    QDir(data.paths().configDir()).removeRecursively();
    EXPECT_EQ(loadLanguageId(data.paths()), 0);
    saveLanguageId(data.paths(), 2);
    ASSERT_TRUE(QFile::exists(data.paths().langConfigFile()));
    EXPECT_EQ(loadLanguageId(data.paths()), 2);
    QSettings raw(data.paths().langConfigFile(), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("Config/LangID")).toInt(), 2);
}

class LanguageSwitcherTest : public ::testing::Test {
protected:
    LanguageSwitcherTest() : ui_(UiContext()) {}
    test::TempData data;
    test::ScopedUiContext ui_;
};

TEST_F(LanguageSwitcherTest, StartUpInstallsTheStoredLanguage) {
    test::writeLanguageTable(data, 3);
    saveLanguageId(data.paths(), 2);
    LanguageSwitcher switcher(data.paths());
    EXPECT_TRUE(switcher.loadAtStartup());
    EXPECT_EQ(switcher.currentIndex(), 2);
    EXPECT_EQ(yesInCurrentLanguage(), QStringLiteral("Ja"));
    EXPECT_EQ(UiContext::current().languageIndex, 2);
    EXPECT_EQ(UiContext::current().fontPixelSize, 14);  // FONT_SIZE_2 of the test table
}

TEST_F(LanguageSwitcherTest, OneLanguageOrNoneOffersNoChoice) {
    for (int count : {0, 1}) {
        test::TempData local;
        test::writeLanguageTable(local, count);
        saveLanguageId(local.paths(), 0);
        LanguageSwitcher switcher(local.paths());
        // Language 0's file is installed when it loads all the same; there is nothing to switch to.
        EXPECT_TRUE(switcher.loadAtStartup());
        EXPECT_FALSE(switcher.hasChoice());
        EXPECT_FALSE(switcher.switchTo(1));
        EXPECT_EQ(yesInCurrentLanguage(), QStringLiteral("Yes"));
    }
}

TEST_F(LanguageSwitcherTest, StoredIndexBeyondTheTableStartsInLanguageZero) {
    test::writeLanguageTable(data, 3);
    saveLanguageId(data.paths(), 7);
    LanguageSwitcher switcher(data.paths());
    switcher.loadAtStartup();
    EXPECT_EQ(switcher.currentIndex(), 0);
    EXPECT_EQ(yesInCurrentLanguage(), QStringLiteral("Yes"));
}

TEST_F(LanguageSwitcherTest, SwitchingRetranslatesOpenWidgetsAndChangesTheFont) {
    test::writeLanguageTable(data, 3);
    LanguageSwitcher switcher(data.paths());
    switcher.loadAtStartup();
    TarnMessageBox box(1, QString(), QStringLiteral("Warning"), QStringLiteral("x"));
    ASSERT_EQ(box.confirmButton()->text(), QStringLiteral("Yes"));
    QSignalSpy changed(&switcher, &LanguageSwitcher::languageChanged);

    EXPECT_TRUE(switcher.switchTo(2));
    EXPECT_EQ(box.confirmButton()->text(), QStringLiteral("Ja"));
    EXPECT_EQ(box.cancelButton()->text(), QStringLiteral("Nein"));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 2);
    EXPECT_EQ(loadLanguageId(data.paths()), 2);

    EXPECT_TRUE(switcher.switchTo(1));
    EXPECT_EQ(box.confirmButton()->text(), QString::fromUtf8("是"));
    EXPECT_EQ(UiContext::current().fontFamily, QStringLiteral("Noto Sans CJK SC"));
    EXPECT_EQ(UiContext::current().font().family(), QStringLiteral("Noto Sans CJK SC"));

    EXPECT_TRUE(switcher.switchTo(0));
    EXPECT_EQ(box.confirmButton()->text(), QStringLiteral("Yes"));
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(LanguageSwitcherTest, SwitchToAMissingFileKeepsTheLanguageInUse) {
    test::writeLanguageTable(data, 3);
    QFile::remove(data.paths().langDir() + QStringLiteral("/mousecfg_zh_CN.qm"));
    QFile::remove(data.paths().langConfigFile());
    LanguageSwitcher switcher(data.paths());
    switcher.loadAtStartup();
    ASSERT_TRUE(switcher.switchTo(2));
    QSignalSpy changed(&switcher, &LanguageSwitcher::languageChanged);
    const UiContext before = UiContext::current();

    // The German translation, its font and the stored choice stay: nothing is retranslated.
    EXPECT_FALSE(switcher.switchTo(1));
    EXPECT_EQ(switcher.currentIndex(), 2);
    EXPECT_EQ(loadLanguageId(data.paths()), 2);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(yesInCurrentLanguage(), QStringLiteral("Ja"));
    EXPECT_EQ(UiContext::current().languageIndex, 2);
    EXPECT_EQ(UiContext::current().fontFamily, before.fontFamily);

    // An index outside the table changes nothing at all.
    EXPECT_FALSE(switcher.switchTo(3));
    EXPECT_FALSE(switcher.switchTo(-1));
    EXPECT_EQ(switcher.currentIndex(), 2);
    EXPECT_EQ(loadLanguageId(data.paths()), 2);
}

// Every shipped translation is compiled into the build, loads, and has no untranslated text.
TEST(ShippedTranslationsTest, EveryLanguageIsBuiltAndComplete) {
    const QDir source(test::sourceDataDir() + QStringLiteral("/lang"));
    const QStringList tsFiles = source.entryList({QStringLiteral("*.ts")}, QDir::Files);
    ASSERT_GE(tsFiles.size(), 3);
    for (const QString& ts : tsFiles) {
        SCOPED_TRACE(ts.toStdString());
        const QString base = ts.left(ts.size() - 3);
        QTranslator t;
        EXPECT_TRUE(t.load(test::builtLangDir() + QLatin1Char('/') + base + QStringLiteral(".qm")));
        QFile f(source.filePath(ts));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        EXPECT_FALSE(text.contains(QStringLiteral("type=\"unfinished\""))) << "untranslated text";
        EXPECT_GT(text.count(QStringLiteral("<translation>")), 0);
    }
    // The shipped language table names only files that exist.
    const Paths shipped = Paths(QStringLiteral(MOUSECFG_BIN_DIR), test::sourceDataDir());
    const LanguageTable table = loadLanguageTable(shipped);
    ASSERT_EQ(table.count, 3);
    for (int i = 0; i < table.count; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(table.names[i].isEmpty());
        EXPECT_TRUE(QFile::exists(translationFile(shipped, table, i)));
        EXPECT_FALSE(loadLanguageFont(shipped, i).family.isEmpty());
    }
}

}  // namespace
}  // namespace mousecfg
