// The status thread and its owner against the simulated mouse, paced by a recording pacer.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <condition_variable>
#include <future>
#include <thread>

#include "device/device_log.h"
#include "device/status_reporter.h"
#include "device/tarn_get_battery_thread.h"
#include "link_fixture.h"

namespace mousecfg {
namespace {

using test::SimLink;
using Battery = std::array<int, 3>;
using Status = std::array<int, 4>;

// Records the thread's signals in the thread that emits them.
struct SignalLog {
    explicit SignalLog(TarnGetBatteryThread& t) {
        QObject::connect(
            &t, &TarnGetBatteryThread::RefreshBatteryStatus, &t,
            [this](quint8 c, quint8 lo, quint8 hi) {
                add(battery, Battery{c, lo, hi});
            },
            Qt::DirectConnection);
        QObject::connect(
            &t, &TarnGetBatteryThread::RefreshStatus, &t,
            [this](quint8 p, quint8 d, quint8 r, quint8 m) {
                add(status, Status{p, d, r, m});
            },
            Qt::DirectConnection);
        QObject::connect(
            &t, &TarnGetBatteryThread::RefreshWriteStatus, &t, [this](quint8 s) { add(writeStatus, int(s)); },
            Qt::DirectConnection);
    }
    template <typename T>
    void add(std::vector<T>& v, T value) {
        std::lock_guard<std::mutex> lock(mutex);
        v.push_back(value);
    }
    std::mutex mutex;
    std::vector<Battery> battery;
    std::vector<Status> status;
    std::vector<int> writeStatus;
};

// Runs a thread until the pacer's pause number `stopAt` (counted from 0), where the stop arrives.
void runUntilPause(SimLink& t, TarnGetBatteryThread& thread, int stopAt,
                   std::function<void(int)> extra = nullptr) {
    t.pacer.setHook([&thread, stopAt, extra](int index, int) {
        if (extra) extra(index);
        if (index >= stopAt) thread.requestStop();
    });
    thread.start();
    ASSERT_TRUE(thread.waitForEnd(60000)) << "thread did not end";
}

Battery simBattery(const SimulatedMouse& sim, int charge) {
    return {charge, sim.batteryRaw() & 0xFF, sim.batteryRaw() >> 8};
}

std::vector<int> cadence(int requests, int extraListening) {
    std::vector<int> v;
    for (int r = 0; r < requests; ++r) {
        v.push_back(TarnGetBatteryThread::kRequestPause);
        v.push_back(TarnGetBatteryThread::kAfterRequestPause);
        v.insert(v.end(), 56, TarnGetBatteryThread::kListenPause);
    }
    v.insert(v.end(), static_cast<size_t>(extraListening), TarnGetBatteryThread::kListenPause);
    return v;
}

TEST(StatusThread, DecodedValuesAndLinkMode) {
    SimLink t;
    t.sim.setBatteryMillivolts(4020);
    t.sim.setCharging(true);
    t.sim.setWriteStatus(0);
    t.sim.setLinkMode(8);
    t.sim.setMode(3);
    ASSERT_TRUE(t.open());
    // Reported unasked just before the first request: the request's read takes it and, being
    // no battery report, lets it go; the request's own status report follows on a listening read.
    t.sim.changeProfileOnMouse(2);
    TarnGetBatteryThread thread(t.link, t.pacer);
    SignalLog log(thread);
    runUntilPause(t, thread, 3);

    EXPECT_EQ(t.pacer.pauses(), (std::vector<int>{10, 450, 400, 400}));
    EXPECT_EQ(log.battery, std::vector<Battery>{simBattery(t.sim, 1)});
    EXPECT_EQ(log.writeStatus, std::vector<int>{0});
    EXPECT_EQ(log.status, (std::vector<Status>{Status{2, t.sim.dpiStage(), t.sim.rate(), 3}}));
    EXPECT_EQ(t.link.linkMode(), 8);
}

TEST(StatusThread, RequestCadence) {
    SimLink t;
    ASSERT_TRUE(t.open());
    TarnGetBatteryThread thread(t.link, t.pacer);
    SignalLog log(thread);
    // Two full cycles and the first listening read of the third.
    const std::vector<int> expected = cadence(2, 0);
    runUntilPause(t, thread, static_cast<int>(expected.size()) + 2);

    std::vector<int> pauses = t.pacer.pauses();
    ASSERT_EQ(pauses.size(), expected.size() + 3);
    EXPECT_EQ(std::vector<int>(pauses.begin(), pauses.begin() + expected.size()), expected);
    EXPECT_EQ(std::vector<int>(pauses.begin() + expected.size(), pauses.end()),
              (std::vector<int>{10, 450, 400}));
    // Three requests, nothing else written; each exactly the status request frame.
    const CommandFrame request = statusRequestFrame();
    const auto frames = t.sim.frameLog();
    ASSERT_EQ(frames.size(), 3u);
    for (const QByteArray& f : frames)
        EXPECT_EQ(f, QByteArray(reinterpret_cast<const char*>(request.data() + 1), kFrameLength));
    // One read after each request, one per listening pass.
    EXPECT_EQ(t.sim.readCount(), 3 + 2 * 56 + 1);
    EXPECT_EQ(log.battery.size(), 3u);
    EXPECT_EQ(log.status.size(), 3u);
}

TEST(StatusThread, ReadErrorsAndMouseOff) {
    {
        SimLink t;
        ASSERT_TRUE(t.open());
        t.sim.failReads(-1);
        TarnGetBatteryThread thread(t.link, t.pacer);
        SignalLog log(thread);
        runUntilPause(t, thread, 4);
        EXPECT_EQ(t.pacer.pauses(), (std::vector<int>{10, 450, 450, 450, 450}));
        EXPECT_EQ(log.battery, (std::vector<Battery>{Battery{0, 0, 0}}));
        EXPECT_TRUE(log.writeStatus.empty());
        EXPECT_TRUE(log.status.empty());
    }
    {
        SimLink t;
        t.sim.setMouseOff(true);
        ASSERT_TRUE(t.open());
        TarnGetBatteryThread thread(t.link, t.pacer);
        SignalLog log(thread);
        runUntilPause(t, thread, 4);
        EXPECT_EQ(log.battery, (std::vector<Battery>{Battery{0, 0, 0}}));
        EXPECT_TRUE(log.writeStatus.empty());
        EXPECT_TRUE(log.status.empty());
    }
}

TEST(StatusThread, ChangesOnTheMouseAreFollowed) {
    SimLink t;
    ASSERT_TRUE(t.open());
    TarnGetBatteryThread thread(t.link, t.pacer);
    SignalLog log(thread);
    runUntilPause(t, thread, 8, [&](int index) {
        if (index == 4) t.sim.changeProfileOnMouse(4);
        if (index == 6) t.sim.changeRateOnMouse(8);
    });
    ASSERT_GE(log.status.size(), 3u);
    EXPECT_EQ(log.status[log.status.size() - 2][0], 4);
    EXPECT_EQ(log.status.back(), (Status{4, t.sim.dpiStage(), 8, 0}));
}

TEST(StatusThread, StopDuringThePauseAfterARequestTouchesNothingMore) {
    SimLink t;
    ASSERT_TRUE(t.open());
    TarnGetBatteryThread thread(t.link, t.pacer);
    runUntilPause(t, thread, 1);
    EXPECT_EQ(t.pacer.pauses(), (std::vector<int>{10, 450}));
    EXPECT_EQ(t.sim.readCount(), 1);  // the request's read, no listening read after the stop
    EXPECT_EQ(t.sim.writeCount(), 1);
}

std::mutex gMessagesMutex;
QStringList gMessages;
void captureMessage(QtMsgType, const QMessageLogContext&, const QString& text) {
    std::lock_guard<std::mutex> lock(gMessagesMutex);
    gMessages << text;
}

TEST(StatusThread, WithoutCommandHandleEndsAtOnce) {
    SimulatedMouse::Options none;
    none.receiver = false;
    SimLink t(none);
    EXPECT_FALSE(t.open());
    QLoggingCategory& category = const_cast<QLoggingCategory&>(lcDevice());
    const bool wasEnabled = category.isDebugEnabled();
    category.setEnabled(QtDebugMsg, true);
    gMessages.clear();
    QtMessageHandler old = qInstallMessageHandler(captureMessage);
    TarnGetBatteryThread thread(t.link, t.pacer);
    SignalLog log(thread);
    thread.start();
    ASSERT_TRUE(thread.waitForEnd(60000));
    qInstallMessageHandler(old);
    category.setEnabled(QtDebugMsg, wasEnabled);
    EXPECT_TRUE(t.pacer.pauses().empty());
    EXPECT_EQ(t.sim.writeCount() + t.sim.readCount(), 0);
    EXPECT_TRUE(log.battery.empty() && log.status.empty() && log.writeStatus.empty());
    std::lock_guard<std::mutex> lock(gMessagesMutex);
    EXPECT_EQ(gMessages, QStringList{QStringLiteral("TarnGetBatteryThread.\n")});
}

TEST(StatusThread, UnplugWhileRunningKeepsGoingUntilStopped) {
    SimLink t;
    ASSERT_TRUE(t.open());
    TarnGetBatteryThread thread(t.link, t.pacer);
    SignalLog log(thread);
    const int stopAt = static_cast<int>(cadence(1, 0).size()) + 1;  // the pause after the 2nd request's read
    runUntilPause(t, thread, stopAt, [&](int index) {
        if (index == 3) t.sim.unplug();
    });
    const std::vector<int> pauses = t.pacer.pauses();
    // After the unplug every listening read fails and pauses 450 ms.
    EXPECT_EQ(std::vector<int>(pauses.begin() + 4, pauses.begin() + 58), std::vector<int>(54, 450));
    // The second request cannot be written; its read fails: the gauge is told (0, 0, 0).
    ASSERT_EQ(log.battery.size(), 2u);
    EXPECT_EQ(log.battery.back(), (Battery{0, 0, 0}));
}

// The real pacer waits without waking up in between, so a stop must wake it: a pause of ten
// minutes ends as soon as the flag is set and wake() called (a lost wake-up hangs here).
TEST(StatusThread, AStopEndsAPauseOfTheRealPacer) {
    SleepPacer pacer;
    for (int round = 0; round < 5; ++round) {
        std::atomic<bool> stop{false};
        std::atomic<bool> entering{false};
        auto paused = std::async(std::launch::async, [&] {
            entering.store(true);
            return pacer.pauseUnlessCancelled(10 * 60 * 1000, stop);
        });
        while (!entering.load()) std::this_thread::yield();
        stop.store(true);
        pacer.wake();
        ASSERT_EQ(paused.wait_for(std::chrono::seconds(60)), std::future_status::ready);
        EXPECT_FALSE(paused.get());
    }
    const std::atomic<bool> never{false};
    EXPECT_TRUE(pacer.pauseUnlessCancelled(0, never));
}

TEST(StatusReporter, StopJoinsRelaysSignalsAndRestarts) {
    SimLink t;
    ASSERT_TRUE(t.open());
    std::mutex m;
    std::condition_variable cv;
    int seen = 0;
    t.pacer.setHook([&](int, int) {
        {
            std::lock_guard<std::mutex> lock(m);
            ++seen;
        }
        cv.notify_all();
        std::this_thread::yield();
    });
    auto waitForPauses = [&](int n) {
        std::unique_lock<std::mutex> lock(m);
        return cv.wait_for(lock, std::chrono::seconds(60), [&] { return seen >= n; });
    };

    StatusReporter reporter(t.link, t.pacer);
    QSignalSpy battery(&reporter, &StatusReporter::RefreshBatteryStatus);
    QSignalSpy writeStatus(&reporter, &StatusReporter::RefreshWriteStatus);
    reporter.stop();  // nothing running: nothing happens
    reporter.start();
    ASSERT_TRUE(waitForPauses(3));
    // Stopped from another thread, as the profile write does.
    std::thread writer([&] { reporter.stop(); });
    writer.join();
    EXPECT_FALSE(reporter.isRunning());
    reporter.stop();  // a second stop does nothing

    // Nothing of the thread is left: a transaction now is alone on the handle (answers the
    // thread asked for may still be queued; the transaction reads past them).
    const size_t logged = t.sim.frameLog().size();
    const CommandFrame frame = test::dataFrame(0x01, 4);
    EXPECT_EQ(t.link.WriteAndVerify(frame), TxOk);
    QCoreApplication::processEvents();
    const auto frames = t.sim.frameLog();
    ASSERT_EQ(frames.size(), logged + 1);
    EXPECT_EQ(static_cast<uint8_t>(frames.back().at(3)), frame[frame_byte::kCommand]);

    // The queued signals arrive in the reporter's thread.
    QCoreApplication::processEvents();
    ASSERT_GE(battery.count(), 1);
    EXPECT_EQ(battery.at(0).at(1).value<quint8>(), t.sim.batteryRaw() & 0xFF);
    EXPECT_EQ(battery.at(0).at(2).value<quint8>(), t.sim.batteryRaw() >> 8);
    ASSERT_GE(writeStatus.count(), 1);

    // A restart makes a new thread that sends a new request; so does a start while one runs
    // (the old one is stopped and freed first).
    auto requests = [&] { return t.sim.framesWithCommand(command::kStatusRequest).size(); };
    auto waitForRequests = [&](size_t n) {
        std::unique_lock<std::mutex> lock(m);
        return cv.wait_for(lock, std::chrono::seconds(60), [&] { return requests() >= n; });
    };
    const size_t before = requests();
    reporter.start();
    ASSERT_TRUE(waitForRequests(before + 1));
    reporter.start();
    ASSERT_TRUE(waitForRequests(before + 2));
    reporter.stop();
    EXPECT_FALSE(reporter.isRunning());
}

}  // namespace
}  // namespace mousecfg
