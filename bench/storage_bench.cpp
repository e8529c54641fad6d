// Cost of loading and saving the whole stored state (Config.ini + five profile files of 8453 keys
// each), against the cost of merely reading the same bytes from disk.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "storage/config_state.h"
#include "storage/paths.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"

namespace {

using namespace mousecfg;

// A state like a user's: default profiles with macros and combo keys on a few buttons.
ConfigState sampleState() {
    ConfigState s;
    s.LiftHigh = 2;
    s.Count = 5;
    for (int i = 0; i < kProfileCount; ++i) {
        MouseProfile& p = s.profiles[i];
        resetProfileToDefaults(p, static_cast<const ProductDescriptor*>(nullptr));
        s.profileNames[i] = QStringLiteral("Profile %1").arg(i + 1);
        p.ProfileName = s.profileNames[i];
        p.dpi = static_cast<uint8_t>(i);
        for (int b = 8; b < 12; ++b) {
            p.buttons[b].Fun = kFunMacro;
            p.buttons[b].macroname = QStringLiteral("macro %1").arg(b);
            p.buttons[b].KeyNumber = kKeyInfoEntries;
            for (int e = 0; e < kKeyInfoEntries; ++e)
                p.buttons[b].KeyInfo[e] = {uint8_t(0x84), uint8_t(4 + e % 26), uint8_t(e % 3)};
        }
    }
    return s;
}

struct Fixture {
    QTemporaryDir dir;
    Paths paths = Paths::singleFolder(dir.path());
    ConfigState state = sampleState();
    Fixture() {
        QDir().mkpath(paths.profileDir());
        saveProfileList(paths, state);
        saveConfigState(paths, state);
    }
    QStringList files() const {
        QStringList f{paths.configFile()};
        for (const QString& n : state.profileNames) f << currentProfileFile(paths, n);
        return f;
    }
};

void BM_LoadStoredState(benchmark::State& st) {
    Fixture fx;
    ConfigState loaded;
    for (auto _ : st) {
        loadConfigState(fx.paths, loaded);
        benchmark::DoNotOptimize(loaded.profiles[4].buttons[11].KeyInfo[62].low);
    }
    if (!(loaded == fx.state)) st.SkipWithError("loaded state differs from the saved one");
}
BENCHMARK(BM_LoadStoredState)->Unit(benchmark::kMillisecond);

void BM_SaveStoredState(benchmark::State& st) {
    Fixture fx;
    for (auto _ : st) {
        saveProfileList(fx.paths, fx.state);
        saveConfigState(fx.paths, fx.state);
    }
}
BENCHMARK(BM_SaveStoredState)->Unit(benchmark::kMillisecond);

void BM_ReadBytesOnly(benchmark::State& st) {
    Fixture fx;
    const QStringList files = fx.files();
    qint64 bytes = 0;
    for (auto _ : st) {
        bytes = 0;
        for (const QString& name : files) {
            QFile f(name);
            if (!f.open(QIODevice::ReadOnly)) st.SkipWithError("cannot read a stored file");
            bytes += f.readAll().size();
        }
        benchmark::DoNotOptimize(bytes);
    }
    st.counters["bytes"] = static_cast<double>(bytes);
    st.SetBytesProcessed(st.iterations() * bytes);
}
BENCHMARK(BM_ReadBytesOnly)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
