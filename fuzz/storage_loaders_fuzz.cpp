// libFuzzer target: arbitrary bytes as one of the files the program loads. The first byte picks
// the file (settings, profile, product descriptor, macro, settings export); the rest is its
// content. No loader may crash or read out of bounds, and what they return stays in its range.
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <cstdlib>

#include "storage/app_settings.h"
#include "storage/languages.h"
#include "storage/macro_files.h"
#include "storage/paths.h"
#include "storage/product_descriptor.h"
#include "storage/profile_files.h"
#include "storage/profile_library.h"
#include "storage/settings_export.h"
#include "storage/settings_file.h"

namespace {

using namespace mousecfg;

void check(bool ok) {
    if (!ok) std::abort();
}

// QSettings caches parsed files by name, size and modification time: every input gets its own
// modification time, so two inputs of one size never read as the first.
void write(const QString& file, const uint8_t* data, size_t size, int run) {
    QDir().mkpath(file.left(file.lastIndexOf(QLatin1Char('/'))));
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly)) return;
    f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    f.flush();
    f.setFileTime(QDateTime::fromSecsSinceEpoch(1000000000LL + run), QFileDevice::FileModificationTime);
}

void loadSettings(const Paths& paths) {
    ConfigState state;
    ButtonMatrix matrix;
    loadConfigState(paths, state, &matrix);
    check(currentProfileIndex(state) >= 0 && currentProfileIndex(state) < kProfileCount);
    const languages::LanguageTable table = languages::loadLanguageTable(paths);
    const int language = languages::effectiveLanguageId(languages::loadLanguageId(paths), table);
    check(language >= 0 && language < languages::kMaxLanguages);
    const int size = languages::loadLanguageFont(paths, language).pixelSize;
    check(size == 0 || (size >= languages::kMinFontPixelSize && size <= languages::kMaxFontPixelSize));
    check(macroNames(paths).size() <= appsettings::kMacroListSize);
    check(loadLibraryList(paths, QString()).size() <= kMaxLibraryEntries);
    appsettings::loadThemeColour(paths);
    appsettings::loadLedVariant(paths);
}

void loadProfile(const Paths& paths) {
    MouseProfile profile;
    loadProfileFile(paths, profile, QStringLiteral("fuzz"));
    loadProfileFromPath(profile, currentProfileFile(paths, QStringLiteral("fuzz")));
}

void loadDescriptor(const Paths& paths) {
    ProductDescriptor d;
    loadProductDescriptor(paths, d);
    std::array<uint8_t, kDescriptorButtons> matrix2{};
    const int count = loadButtonMatrix2(paths, matrix2);
    const int shown = shownButtonCount(matrix2, count);
    check(shown >= 0 && (count <= 0 || shown <= count));
    MouseProfile profile;
    resetProfileToDefaults(profile, paths);
    dpiStageCount(paths);
}

void loadMacro(const Paths& paths) {
    const MacroFileData m = readMacroFile(paths, QStringLiteral("fuzz"));
    check(m.events.size() <= kMacroFileEventLimit);
    check(readMacroEvents(paths, QStringLiteral("fuzz"), 63).size() <= 63);
    readMacroWriteSign(paths, QStringLiteral("fuzz"));
}

void importExport(const Paths& paths, const QString& file) {
    ConfigState state;
    const ConfigState before = state;
    const ImportResult r = importSettingsFile(paths, file, state);
    check(r == ImportResult::Imported || state == before);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_storage_loaders";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static const bool quiet = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.*=false"));
        return true;
    }();
    (void)quiet;
    static QTemporaryDir root;
    static int run = 0;
    if (size < 1) return 0;
    ++run;
    const QString dir = root.path();
    const Paths paths = Paths::singleFolder(dir);
    const uint8_t* body = data + 1;
    const size_t length = size - 1;
    QString file;
    switch (data[0] % 5) {
        case 0:
            file = paths.configFile();
            write(file, body, length, run);
            loadSettings(paths);
            break;
        case 1:
            file = currentProfileFile(paths, QStringLiteral("fuzz"));
            write(file, body, length, run);
            loadProfile(paths);
            break;
        case 2:
            file = paths.descriptorFile();
            write(file, body, length, run);
            loadDescriptor(paths);
            break;
        case 3:
            file = macroFilePath(paths, QStringLiteral("fuzz"));
            write(file, body, length, run);
            loadMacro(paths);
            break;
        default:
            file = dir + QStringLiteral("/in.conf");
            write(file, body, length, run);
            importExport(paths, file);
            break;
    }
    QFile::remove(file);
    return 0;
}
