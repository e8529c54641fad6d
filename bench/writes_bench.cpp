// Cost of a full write (all five profiles) against the simulated mouse: the CPU the encoders and the
// transaction take (instant pacer), and the wall time with the real pauses, as a ratio to the
// floor that the fixed 10 ms pause after every frame sets.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <chrono>

#include "device/pacer.h"
#include "device/profile_writer.h"
#include "sim/simulated_mouse.h"
#include "storage/macro_files.h"

using namespace mousecfg;

namespace {

struct Rig {
    explicit Rig(Pacer& pacer, int macros) : paths(Paths::singleFolder(dir.path())), link(sim, pacer) {
        paths.seedDataDir();
        link.InitDeviceList(paths);
        link.EnumerateDevices();
        link.OpenDevice(link.currentProductName());
        WriteProduct product;
        product.sensorCode = 3327;
        product.dpiStageCount = 6;
        product.buttons.buttonCount = 16;
        for (int i = 0; i < 16; ++i) product.buttons.matrix.deviceButton[i] = static_cast<uint8_t>(i);
        product.buttons.sensorCode = product.sensorCode;
        writer = std::make_unique<ProfileWriter>(link, paths);
        writer->setProduct(product);
        for (MouseProfile& p : state.profiles) {
            for (int b = 0; b < kButtonSlots; ++b) p.buttons[b].Fun = 1 + b % 5;
            for (DpiStage& s : p.dpiStages) s.used = 1, s.x = s.y = 40;
        }
        for (int m = 0; m < macros; ++m) {
            MacroFileData file;
            for (int e = 0; e < 30; ++e)
                file.events.push_back({static_cast<uint8_t>(e % 2 ? 0x04 : 0x84), 0, 4});
            const QString name = QStringLiteral("macro%1").arg(m);
            writeMacroFile(paths, name, file);
            state.profiles[0].buttons[m].Fun = kFunMacro;
            state.profiles[0].buttons[m].macroname = name;
        }
    }
    int write() {
        sim.clearFrameLog();
        if (writer->WriteProfileSet(state, ProfileChanges::all()) != TxOk) return -1;
        return static_cast<int>(sim.frameLog().size());
    }

    QTemporaryDir dir;
    Paths paths;
    SimulatedMouse sim;
    DeviceLink link;
    std::unique_ptr<ProfileWriter> writer;
    ConfigState state;
};

void BM_FullWriteCpu(benchmark::State& st) {
    InstantPacer pacer;
    Rig rig(pacer, static_cast<int>(st.range(0)));
    int frames = 0;
    for (auto _ : st) frames = rig.write();
    if (frames < 0) st.SkipWithError("write failed");
    st.counters["frames"] = frames;
    st.counters["us_per_frame"] = benchmark::Counter(
        frames, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FullWriteCpu)->Arg(0)->Arg(10)->Unit(benchmark::kMicrosecond);

void BM_FullWriteWall(benchmark::State& st) {
    SleepPacer pacer;
    Rig rig(pacer, static_cast<int>(st.range(0)));
    int frames = 0;
    double seconds = 0;
    for (auto _ : st) {
        const auto start = std::chrono::steady_clock::now();
        frames = rig.write();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    if (frames < 0) st.SkipWithError("write failed");
    const double perWrite = seconds / static_cast<double>(st.iterations());
    st.counters["frames"] = frames;
    st.counters["floor_ms"] = frames * 10.0;
    st.counters["ratio_to_floor"] = perWrite / (frames * 0.010);
}
BENCHMARK(BM_FullWriteWall)->Arg(0)->Arg(10)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
