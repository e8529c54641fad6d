// Cost of the checked transaction: per echoed frame with an instant pacer (the code's own cost,
// through the simulated mouse), and the wall time of one echoed frame with the real pacer, whose
// 10 ms pause after the write bounds it from below.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <chrono>

#include "device/device_link.h"
#include "device/pacer.h"
#include "sim/simulated_mouse.h"
#include "storage/paths.h"

namespace {

using namespace mousecfg;

struct Rig {
    explicit Rig(Pacer& pacer) : link(sim, pacer) {
        link.InitDeviceList(Paths::singleFolder(dir.path()));
        link.EnumerateDevices();
        link.OpenDevice(link.currentProductName());
    }
    QTemporaryDir dir;
    SimulatedMouse sim;
    DeviceLink link;
};

CommandFrame frame() {
    uint8_t data[20];
    for (int i = 0; i < 20; ++i) data[i] = static_cast<uint8_t>(i * 7);
    return makeFrame(0x03, 2, 0, 20, 0xD2, data, sizeof data);
}

void BM_EchoedFrameInstantPacer(benchmark::State& state) {
    InstantPacer pacer;
    Rig rig(pacer);
    const CommandFrame f = frame();
    int n = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rig.link.WriteAndVerify(f));
        if (++n % 4096 == 0) rig.sim.clearFrameLog();  // keep the simulated mouse's log small
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EchoedFrameInstantPacer);

// The same with 64 motion reports queued ahead of every echo on the hidraw node.
void BM_EchoedFrameBehindMotion(benchmark::State& state) {
    InstantPacer pacer;
    Rig rig(pacer);
    const CommandFrame f = frame();
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        rig.sim.moveMouse(63);
        state.ResumeTiming();
        benchmark::DoNotOptimize(rig.link.WriteAndVerify(f));
        if (++n % 4096 == 0) rig.sim.clearFrameLog();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EchoedFrameBehindMotion);

void BM_EchoedFrameRealPacer(benchmark::State& state) {
    SleepPacer pacer;
    Rig rig(pacer);
    const CommandFrame f = frame();
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(rig.link.WriteAndVerify(f));
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const double perFrameMs = 1000.0 * seconds / static_cast<double>(state.iterations());
    state.counters["ms_per_frame"] = perFrameMs;
    state.counters["ratio_to_10ms_pause"] = perFrameMs / 10.0;
}
BENCHMARK(BM_EchoedFrameRealPacer)->Iterations(100)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
