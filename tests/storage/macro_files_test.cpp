#include "storage/macro_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>

#include "folder_snapshot.h"
#include "storage/app_settings.h"
#include "temp_data.h"

using namespace mousecfg;

TEST(MacroFiles, PathStaysInsideTheMacroFolder) {
    test::TempData data;
    EXPECT_EQ(macroFilePath(data.paths(), QStringLiteral("Combo 1")),
              data.root() + QStringLiteral("/Configs/MacroDB/Combo 1.MSMACRO"));
    MacroFileData macro;
    macro.events = {{0x84, 0, 4}};
    const auto before = test::snapshot(data.root());
    for (const QString& bad :
         {QString(), QStringLiteral(".."), QStringLiteral("."), QStringLiteral("../x"), QStringLiteral("a/b"),
          QStringLiteral("../../Config"), QStringLiteral("/etc/passwd"), QStringLiteral("a\\b")}) {
        SCOPED_TRACE(bad.toStdString());
        EXPECT_TRUE(macroFilePath(data.paths(), bad).isEmpty());
        EXPECT_FALSE(writeMacroFile(data.paths(), bad, macro));
        EXPECT_TRUE(readMacroEvents(data.paths(), bad).isEmpty());
    }
    EXPECT_TRUE(test::unchanged(before, test::snapshot(data.root())));
    // A planted file one level up is never read through a crafted name.
    data.writeFile(QStringLiteral("Configs/x.MSMACRO"), "[Setting]\nCount=1\nMap_0=132\n");
    EXPECT_TRUE(readMacroEvents(data.paths(), QStringLiteral("../x")).isEmpty());
}

TEST(MacroFiles, WriteAndReadBackEverySettingAndEventByte) {
    test::TempData data;
    MacroFileData macro;
    macro.defaultDelay = 25;
    macro.delayType = 2;
    macro.loopType = 3;
    macro.loopTime = 255;
    macro.events = {{0x84, 0, 4},  {0x04, 0, 4},  {0x06, 0, 25},      {0x02, 0, 251},
                    {0x81, 0, 16}, {0x01, 0, 16}, {0x06, 0xFF, 0xFF}, {0, 0, 0}};
    ASSERT_TRUE(writeMacroFile(data.paths(), QStringLiteral("m1"), macro));
    const MacroFileData back = readMacroFile(data.paths(), QStringLiteral("m1"));
    EXPECT_EQ(back.defaultDelay, 25);
    EXPECT_EQ(back.delayType, 2);
    EXPECT_EQ(back.loopType, 3);
    EXPECT_EQ(back.loopTime, 255);
    EXPECT_EQ(back.events, macro.events);

    QSettings raw(macroFilePath(data.paths(), QStringLiteral("m1")), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("Setting/Count")).toInt(), 8);
    EXPECT_EQ(raw.value(QStringLiteral("Setting/DataL_3")).toString(), QStringLiteral("251"));
    EXPECT_EQ(raw.value(QStringLiteral("Setting/MacroFilePath")).toString(),
              macroFilePath(data.paths(), QStringLiteral("m1")));
    EXPECT_EQ(raw.value(QStringLiteral("Setting/WriteSign")).toInt(), 1);
}

TEST(MacroFiles, WriteSignIsSetByTheEditorOnlyAndCanBeCleared) {
    test::TempData data;
    MacroFileData macro;
    macro.events = {{0x84, 0, 5}};
    ASSERT_TRUE(writeMacroFile(data.paths(), QStringLiteral("gun"), macro, MacroWriteSign::Leave));
    EXPECT_EQ(readMacroWriteSign(data.paths(), QStringLiteral("gun")), 0);
    ASSERT_TRUE(writeMacroFile(data.paths(), QStringLiteral("ed"), macro));
    ASSERT_TRUE(writeMacroFile(data.paths(), QStringLiteral("ed"), macro));
    EXPECT_EQ(readMacroWriteSign(data.paths(), QStringLiteral("ed")), 1);
    clearMacroWriteSign(data.paths(), QStringLiteral("ed"));
    EXPECT_EQ(readMacroWriteSign(data.paths(), QStringLiteral("ed")), 0);
    EXPECT_EQ(readMacroFile(data.paths(), QStringLiteral("ed")).events, macro.events);
    // Clearing the flag of a macro that does not exist creates no file.
    clearMacroWriteSign(data.paths(), QStringLiteral("none"));
    EXPECT_FALSE(QFile::exists(macroFilePath(data.paths(), QStringLiteral("none"))));
}

TEST(MacroFiles, UntrustedCountNeverReadsMoreThanTheCallerCanUse) {
    test::TempData data;
    const struct {
        const char* count;
        int maxEvents;
        int expected;
    } cases[] = {
        {"3", 1024, 3},
        {"3", 2, 2},
        {"2147483647", 63, 63},
        {"2147483647", 1 << 30, kMacroFileEventLimit},
        {"-5", 63, 0},
        {"abc", 63, 0},
        {"99999999999999", 63, 63},  // wider than an int: still bounded
        {"10", -1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        data.writeFile(QStringLiteral("Configs/MacroDB/h.MSMACRO"),
                       QByteArray("[Setting]\nCount=") + c.count +
                           "\nMap_0=132\nDataL_0=4\nMap_1=4\nDataL_1=4\nMap_2=6\nDataL_2=x\nDataH_2=300\n");
        const QVector<MacroEvent> events = readMacroEvents(data.paths(), QStringLiteral("h"), c.maxEvents);
        EXPECT_EQ(events.size(), c.expected);
        if (events.size() >= 3) {
            EXPECT_EQ(events[0], (MacroEvent{132, 0, 4}));
            EXPECT_EQ(events[1], (MacroEvent{4, 0, 4}));
            // Non-numeric text reads 0; a value above a byte is truncated.
            EXPECT_EQ(events[2], (MacroEvent{6, 300 & 0xFF, 0}));
        }
        for (int i = 3; i < events.size(); ++i) EXPECT_EQ(events[i], MacroEvent{}) << i;
    }
    EXPECT_TRUE(readMacroEvents(data.paths(), QStringLiteral("missing")).isEmpty());
}

TEST(MacroFiles, MacroListCountsNonEmptySlotsAndFillsTheFirstFree) {
    test::TempData data;
    EXPECT_EQ(countMacros(data.paths()), 0);
    EXPECT_EQ(firstFreeMacroSlot(data.paths()), 0);
    for (int i = 0; i < 7; ++i)
        appsettings::saveMacroListEntry(data.paths(), i, QStringLiteral("m%1").arg(i));
    appsettings::saveMacroListEntry(data.paths(), 8, QStringLiteral("m8"));
    EXPECT_EQ(countMacros(data.paths()), 8);
    EXPECT_EQ(firstFreeMacroSlot(data.paths()), 7);
    ASSERT_TRUE(addMacroName(data.paths(), QStringLiteral("new")));
    EXPECT_EQ(appsettings::loadMacroListEntry(data.paths(), 7), QStringLiteral("new"));
    EXPECT_EQ(macroNames(data.paths()).mid(6, 3),
              (QStringList{QStringLiteral("m6"), QStringLiteral("new"), QStringLiteral("m8")}));
    for (int i = 9; i < 50; ++i)
        appsettings::saveMacroListEntry(data.paths(), i, QStringLiteral("x%1").arg(i));
    EXPECT_EQ(countMacros(data.paths()), 50);
    EXPECT_EQ(firstFreeMacroSlot(data.paths()), -1);
    EXPECT_FALSE(addMacroName(data.paths(), QStringLiteral("51st")));
    EXPECT_FALSE(macroNames(data.paths()).contains(QStringLiteral("51st")));
}
