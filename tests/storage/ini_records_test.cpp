// The one-pass INI reader against QSettings: every shipped file, hundreds of files from the
// program's own writers with random content, hand edits it must hand back, and random damage.
#include <gtest/gtest.h>

#include <QDataStream>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <random>

#include "random_state.h"
#include "storage/app_settings.h"
#include "storage/ini_file.h"
#include "storage/macro_files.h"
#include "storage/profile_files.h"
#include "storage/settings_export.h"
#include "storage/settings_file.h"
#include "temp_data.h"

namespace mousecfg {
namespace {

using test::RandomState;
using test::TempData;

// Type, null-ness and content all count.
QByteArray serialised(const QVariant& v) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << v;
    return bytes;
}

QByteArray fileBytes(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Reads `file` both ways and compares every record. Returns whether the one-pass reader took it;
// when it did not, IniRecords::read must have handed it to QSettings.
bool expectSameAsQSettings(const QString& file, const std::string& where) {
    SCOPED_TRACE(where);
    const QByteArray bytes = fileBytes(file);
    const IniRecords reference = IniRecords::readWithQSettings(file, bytes);
    IniRecords onePass;
    const bool taken = IniRecords::readOnePass(bytes, readsAsUtf8(bytes), onePass);
    EXPECT_EQ(IniRecords::read(file, bytes).source(),
              taken ? IniRecords::Source::OnePass : IniRecords::Source::QSettings);
    if (!taken) return false;
    const QStringList keys = reference.keys();
    EXPECT_EQ(onePass.keys(), keys);
    for (const QString& key : keys) {
        EXPECT_TRUE(onePass.contains(key)) << key.toStdString();
        EXPECT_EQ(serialised(onePass.value(key)), serialised(reference.value(key))) << key.toStdString();
    }
    EXPECT_EQ(onePass.value(QStringLiteral("No/SuchKey"), 42), QVariant(42));
    return true;
}

TEST(IniRecords, ShippedFilesAreReadInOnePassAsQSettingsReadsThem) {
    int files = 0;
    QDirIterator it(test::sourceDataDir(),
                    {QStringLiteral("*.ini"), QStringLiteral("*.prof"), QStringLiteral("*.bin")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        EXPECT_TRUE(expectSameAsQSettings(file, file.toStdString())) << "handed back";
        ++files;
    }
    EXPECT_GE(files, 16);
}

// Every file the program writes is read by the one-pass reader unless the writer quoted a value
// (a name with a blank at either end, a comma, a semicolon or "="), and reads as QSettings reads it.
TEST(IniRecords, FilesOfTheProgramsWritersReadAsQSettingsReadsThem) {
    TempData data;
    const Paths& paths = data.paths();
    int files = 0;
    int taken = 0;
    auto check = [&](const QString& file, uint32_t seed) {
        const bool t = expectSameAsQSettings(file, file.toStdString() + " seed " + std::to_string(seed));
        EXPECT_TRUE(t || fileBytes(file).contains('"')) << file.toStdString() << " handed back";
        ++files;
        taken += t ? 1 : 0;
    };
    for (uint32_t seed = 0; seed < 240; ++seed) {
        RandomState rnd(seed);
        ConfigState state = rnd.state();
        // Half the seeds keep names that need no quotes, so both readers are exercised.
        if (seed % 2 == 0) {
            for (MouseProfile& p : state.profiles) {
                p.ProfileName = p.ProfileName.trimmed();
                for (ButtonAssignment& b : p.buttons) b.macroname = b.macroname.trimmed();
            }
            for (QString& n : state.profileNames) n = n.trimmed();
        }
        switch (seed % 10) {
            case 0: {
                const QString file = data.path(QStringLiteral("p%1.prof").arg(seed));
                ASSERT_TRUE(saveProfileToPath(paths, state.profiles[0], file).ok());
                check(file, seed);
                break;
            }
            case 1:
            case 2:
            case 3:
            case 4: {
                // Config.ini as the program leaves it: profile list, product, macro list.
                ASSERT_TRUE(saveProfileList(paths, state).ok());
                if (seed % 3 == 0)
                    ASSERT_TRUE(appsettings::saveCurrentProductName(paths, rnd.name()).ok());
                else
                    ASSERT_TRUE(appsettings::saveMacroListEntry(paths, seed % 50, rnd.name()).ok());
                check(paths.configFile(), seed);
                break;
            }
            case 5:
            case 6:
            case 7:
            case 8: {
                MacroFileData macro;
                macro.defaultDelay = static_cast<int>(rnd.between(0, 5000));
                macro.loopType = static_cast<int>(rnd.between(0, 3));
                for (int i = 0; i < 40; ++i) macro.events.append({rnd.u8(), rnd.u8(), rnd.u8()});
                const QString name = QStringLiteral("m%1").arg(seed);
                ASSERT_TRUE(writeMacroFile(paths, name, macro));
                check(macroFilePath(paths, name), seed);
                break;
            }
            default:
                if (seed % 60 == 9) {  // five profiles in one file: a few are enough
                    const QString file = data.path(QStringLiteral("e%1.conf").arg(seed));
                    ASSERT_TRUE(exportSettingsFile(paths, file, state).ok());
                    check(file, seed);
                }
                break;
        }
    }
    EXPECT_GE(files, 215);
    EXPECT_GE(taken, files / 3);
}

// Hand edits: what the one-pass reader takes and what it leaves to QSettings, and that lookups
// of unusual key spellings find what QSettings finds.
TEST(IniRecords, HandsBackWhatItDoesNotFullyUnderstand) {
    struct Case {
        const char* content;
        bool taken;
    };
    const Case cases[] = {
        {"[A]\nk=1\n", true},
        {"[A]\r\nk=1\r\nx=2\r", true},
        {"[A]\nk=\n", true},
        {"[A]\nk=a=b\n", true},
        {"[A]\nk=1\nk=2\nK=3\n", true},
        {"[A]\nk=1\n[B]\nk=2\n[A]\nk=3\n", true},
        {"[A]\nLedMode\\LED_MODE_0_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\0\\0\\0\\0\\0\\0\\0\\0)\n",
         true},
        {"[A]\nk=\\x7b80\\x4f53 x\\t\\\"\\\\\\0\\x31\\101\n", true},
        {"[A]\nk=@@at\nj=@Invalid()\n", true},
        {"[Mouse.LED-Mode]\nDUNMOR%20FPS=1\nx%U00e9=2\n", true},
        {"[A]\nk=caf\xc3\xa9 \xf0\x9f\x98\x80\n", true},
        {"[A]\nk=caf\xe9\n", true},
        {"[A]\nk=\"quoted\"\n", false},
        {"[A]\nk=a, b\n", false},
        {"[A]\nk=1 ; note\n", false},
        {"; note\n[A]\nk=1\n", false},
        {"[A]\n  k=1\n", false},
        {"[A]\nk = 1\n", false},
        {"[General]\nk=1\n", false},
        {"[general]\nk=1\n", false},
        {"k=1\n[A]\nj=2\n", false},
        {"[A]\nk=@Rect(1 2 3 4)\n", false},
        {"[A]\nk=@ByteArray(xyz)\n", false},
        {"[A]\nk=a\\\nb\n", false},
        {"\xef\xbb\xbf[A]\nk=1\n", false},
        {"[A]\nk=a\\;b\n", false},
        {"[A]\nk=\\x12345\n", false},
        {"[A]\nk=\\x\n", false},
        {"[A b]\nk=1\n", false},
        {"[A\\B]\nk=1\n", false},
        {"[A]\nk%2Fx=1\n", false},
        {"[A]\nk\\\\x=1\n", false},
        {"[A]\nk\\=1\n", false},
        {"[A]\nno equals sign\n", false},
        {"[A]\nk=tab\there\n", false},
        {"[A]\nk=\xef\xbb\xbfx\n", false},
    };
    const QStringList probes{
        QStringLiteral("A/k"), QStringLiteral("/A//k/"), QStringLiteral("a/k"),
        QStringLiteral("A/K"), QStringLiteral("A"),      QStringLiteral("A/k/x"),
        QStringLiteral("A/x"), QStringLiteral("k"),      QStringLiteral("A/LedMode/LED_MODE_0_RGB"),
        QStringLiteral("A/j")};
    TempData data;
    int n = 0;
    for (const Case& c : cases) {
        const std::string where = std::string("content: ") + c.content;
        const QString file = data.path(QStringLiteral("case%1.ini").arg(n++));
        data.writeFile(QFileInfo(file).fileName(), QByteArray(c.content));
        EXPECT_EQ(expectSameAsQSettings(file, where), c.taken) << where;
        const QByteArray bytes = fileBytes(file);
        const IniRecords records = IniRecords::read(file, bytes);
        IniSettings settings(file, bytes);
        for (const QString& key : probes) {
            EXPECT_EQ(records.contains(key), settings.contains(key)) << where << " key " << key.toStdString();
            EXPECT_EQ(serialised(records.value(key, -1)), serialised(settings.value(key, -1)))
                << where << " key " << key.toStdString();
        }
        const IniRecords::Group group(records, QStringLiteral("/A/"));
        EXPECT_EQ(serialised(group.value(QStringLiteral("k"))),
                  serialised(records.value(QStringLiteral("A/k"))));
    }
    // A variant of another type than a colour (here a polygon with a garbage count) is never
    // loaded by this reader: loading it asks for gigabytes.
    IniRecords polygon;
    EXPECT_FALSE(IniRecords::readOnePass(QByteArray("[A]\nk=@Variant(\\0\\0\\0GI\\x43()\n"), false, polygon));
}

// Random damage to a file of every kind of line the writer produces: whatever the one-pass reader
// takes reads as QSettings reads it.
TEST(IniRecords, DamagedFilesReadAsQSettingsReadsThem) {
    const QByteArray original =
        "[Config]\nCount=5\nName=Profile 1\nLangName_1=\\x7b80\\x4f53\\x4e2d\\x6587\nEmpty=\nAt=@@x\n"
        "\n[MouseLEDMode]\nDUNMOR%20FPS=0\n\n[PROFILE]\nLedMode\\LED_MODE_0_RGB="
        "@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0)\nBUTTON_INFO_0_KeyInfo_0_=8454\n";
    const QByteArray alphabet = "\"\\;,=[]@%\r\n\t x0aUV/()";
    std::mt19937 rng(2024);
    auto pick = [&rng](int n) { return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(rng)); };
    TempData data;
    int taken = 0;
    for (int round = 0; round < 400; ++round) {
        QByteArray bytes = original;
        for (int edits = 1 + pick(3); edits > 0; --edits) {
            const int at = pick(bytes.size());
            const char c = pick(4) == 0 ? static_cast<char>(pick(256)) : alphabet.at(pick(alphabet.size()));
            switch (pick(3)) {
                case 0:
                    bytes[at] = c;
                    break;
                case 1:
                    bytes.insert(at, c);
                    break;
                default:
                    bytes.remove(at, 1);
                    break;
            }
        }
        const QString name = QStringLiteral("damaged%1.ini").arg(round);
        data.writeFile(name, bytes);
        if (expectSameAsQSettings(data.path(name),
                                  "round " + std::to_string(round) + ": " + bytes.toStdString()))
            ++taken;
        if (::testing::Test::HasFailure()) break;
    }
    EXPECT_GT(taken, 50);
}

}  // namespace
}  // namespace mousecfg
