// What the session's storage work costs the GUI thread: the DPI stage the mouse reports (saved to
// the slot's profile file), "Cancel" (the slot's library profile read again) and another mouse
// becoming current (both profile sets read again). Each is timed as the GUI thread runs it; work
// the session hands to its storage queue runs outside the timing, between iterations.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/session/profile_manager.h"
#include "session_rig.h"

namespace {

using namespace mousecfg;
using test::ScriptedDialogs;
using test::SessionRig;

// A started session with its status thread stopped, so no report arrives in between.
struct Fixture {
    SessionRig rig;
    WindowSession& session;
    Fixture() : session(rig.startSession()) {
        rig.status.stop();
        QCoreApplication::processEvents();
    }
    // The session's queued work done and its hand-backs delivered, outside the timing.
    void settle(benchmark::State& st) {
        st.PauseTiming();
        rig.storage.drain();
        QCoreApplication::processEvents();
        st.ResumeTiming();
    }
};

void BM_StatusReportNewStage(benchmark::State& st) {
    Fixture fx;
    WindowSession& s = fx.session;
    const quint8 slot = static_cast<quint8>(s.currentSlot());
    const quint8 rate = s.currentRecord().pollrate;
    quint8 stage = s.currentRecord().dpi;
    for (auto _ : st) {
        stage = stage == 1 ? 2 : 1;
        s.onStatusReport(slot, stage, rate, 0);
        fx.settle(st);
    }
}
BENCHMARK(BM_StatusReportNewStage)->Unit(benchmark::kMicrosecond)->Iterations(40);

void BM_CancelReload(benchmark::State& st) {
    Fixture fx;
    ScriptedDialogs dialogs;
    ProfileManager profiles(fx.session, dialogs);
    for (auto _ : st) {
        profiles.reloadCurrent();
        fx.settle(st);
    }
}
BENCHMARK(BM_CancelReload)->Unit(benchmark::kMicrosecond)->Iterations(40);

// The user picks the mouse on the selector: the device is closed and opened again (simulated,
// no pauses) and both sets are read again.
void BM_DeviceChangeReload(benchmark::State& st) {
    Fixture fx;
    const QString name = fx.rig.link.currentProductName();
    for (auto _ : st) {
        fx.session.switchToMouse(name);
        fx.rig.status.stop();
        fx.settle(st);
    }
}
BENCHMARK(BM_DeviceChangeReload)->Unit(benchmark::kMicrosecond)->Iterations(40);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
