// The checked transaction against the simulated mouse: every retry path with its writes, reads,
// pauses and result code.
#include <gtest/gtest.h>

#include <numeric>

#include "device/command_report_filter.h"
#include "link_fixture.h"

namespace mousecfg {
namespace {

using Fault = SimulatedMouse::EchoFault;
using test::SimLink;

struct RetryCase {
    const char* name;
    uint8_t command;
    Fault fault;
    int faultCount;  // -1: every echo
    int failReads;   // -1: every read
    int failWrites;
    TxResult result;
    int writes;
    int reads;
    std::vector<int> pauses;
};

std::vector<int> repeat(std::initializer_list<std::pair<int, int>> runs) {
    std::vector<int> v;
    for (auto [value, times] : runs) v.insert(v.end(), static_cast<size_t>(times), value);
    return v;
}

TEST(Transaction, RetryPathsAgainstTheSimulatedMouse) {
    const std::vector<RetryCase> cases = {
        {"clean echo", 0x02, Fault::None, 0, 0, 0, TxOk, 1, 1, {10}},
        {"unechoed select profile", 0x44, Fault::None, 0, 0, 0, TxOk, 1, 0, {10}},
        {"unechoed status request", 0x48, Fault::None, 0, 0, 0, TxOk, 1, 0, {10}},
        {"control echo differing in data only", 0x46, Fault::ControlData, 1, 0, 0, TxOk, 1, 1, {10}},
        {"reload echo differing in data only", 0x40, Fault::ControlData, 1, 0, 0, TxOk, 1, 1, {10}},
        {"data mismatch once, then a clean echo", 0x02, Fault::WrongData, 1, 0, 0, TxOk, 2, 2, {10, 10}},
        {"data mismatch every time", 0x02, Fault::WrongData, -1, 0, 0, TxNoEcho, 3, 3, {10, 10, 10}},
        {"every read failing", 0x03, Fault::None, 0, -1, 0, TxNoEcho, 3, 32,
         // the frame's pause, 29 re-read pauses, then each rewrite's pause
         repeat({{10, 1}, {50, 29}, {10, 2}})},
        // Silence is never taken for an echo: six writes, then the no-echo code.
        {"every read timing out", 0x01, Fault::Drop, -1, 0, 0, TxNoEcho, 6, 6, repeat({{10, 6}})},
        {"control frame never answered", 0x46, Fault::Drop, -1, 0, 0, TxNoEcho, 6, 6, repeat({{10, 6}})},
        // An all-zero report has no command report ID: the filter drops it (one read) and the
        // read then times out (a second one), which leaves the buffer all zero as before.
        {"every echo all zero", 0x04, Fault::AllZero, -1, 0, 0, TxNoEcho, 6, 12, repeat({{10, 6}})},
        {"five silent tries, then an echo", 0x02, Fault::Drop, 5, 0, 0, TxOk, 6, 6, repeat({{10, 6}})},
        {"write error", 0x02, Fault::None, 0, 0, -1, TxWriteError, 1, 0, {}},
        {"echo differing only in the checksum", 0x02, Fault::ChecksumOnly, 1, 0, 0, TxOk, 1, 1, {10}},
        {"echo differing only in the phase", 0x02, Fault::PhaseOnly, 1, 0, 0, TxOk, 1, 1, {10}},
        {"header mismatch every time", 0x02, Fault::WrongHeader, -1, 0, 0, TxNoEcho, 3, 22,
         repeat({{10, 1}, {50, 19}, {10, 2}})},
        {"header mismatch on a control frame", 0x46, Fault::WrongHeader, -1, 0, 0, TxNoEcho, 3, 22,
         repeat({{10, 1}, {50, 19}, {10, 2}})},
        {"read failures below the limit", 0x02, Fault::None, 0, 5, 0, TxOk, 1, 6, repeat({{10, 1}, {50, 5}})},
    };
    for (const RetryCase& c : cases) {
        SCOPED_TRACE(c.name);
        SimLink t;
        ASSERT_TRUE(t.open());
        t.sim.injectEchoFault(c.fault, c.faultCount);
        t.sim.failReads(c.failReads);
        t.sim.failWrites(c.failWrites);
        const CommandFrame frame = test::dataFrame(c.command, 7);
        EXPECT_EQ(t.link.WriteAndVerify(frame), c.result);
        EXPECT_EQ(t.sim.writeCount(), c.writes);
        EXPECT_EQ(t.sim.readCount(), c.reads);
        EXPECT_EQ(t.pacer.pauses(), c.pauses);
        // Whatever went on the wire went unchanged, with its checksum stamped.
        for (const QByteArray& sent : t.sim.frameLog()) {
            CommandFrame expected = frame;
            expected[frame_byte::kChecksum] = frameChecksum(frame);
            EXPECT_EQ(sent, QByteArray(reinterpret_cast<const char*>(expected.data() + 1), kFrameLength));
        }
    }
}

TEST(Transaction, NoCommandInterfaceLeavesTheDeviceAlone) {
    SimulatedMouse::Options none;
    none.receiver = false;
    SimLink t(none);
    EXPECT_FALSE(t.open());
    t.sim.setPresent(SimulatedMouse::Path::Receiver, true);  // plugged in, but never opened
    EXPECT_EQ(t.link.WriteAndVerify(test::dataFrame(0x02, 4)), TxNoDevice);
    EXPECT_EQ(t.sim.writeCount(), 0);
    EXPECT_EQ(t.sim.readCount(), 0);
    EXPECT_TRUE(t.pacer.pauses().empty());
}

TEST(Transaction, StaleAnswerIsReadPastAndFramesLandInMemory) {
    SimLink t;
    ASSERT_TRUE(t.open());
    // An answer to an earlier frame still queued: header differs, re-read after 50 ms.
    QByteArray stale(kFrameLength, '\0');
    stale[0] = 0x05;
    stale[2] = static_cast<char>(0xFA);
    stale[3] = 0x03;
    t.sim.queueCommandReport(stale);
    EXPECT_EQ(t.link.WriteAndVerify(makeFrame(command::kConfigMode, 0, 0, 0, 0)), TxOk);
    EXPECT_EQ(t.pacer.pauses(), (std::vector<int>{10, 50}));
    EXPECT_EQ(t.sim.readCount(), 2);
    EXPECT_TRUE(t.sim.inConfigMode());

    const CommandFrame f = test::dataFrame(0x02, 5, 6);
    EXPECT_EQ(t.link.WriteAndVerify(f), TxOk);
    const QByteArray dpi = t.sim.section(0x02);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(static_cast<uint8_t>(dpi.at(6 + i)), f[static_cast<size_t>(9 + i)]);
}

TEST(Transaction, StaleEchoIsComparedAgainAfterATimeOut) {
    // A time-out leaves the read buffer as it was, so a wrong echo followed by silence counts as
    // a data mismatch on every read: two rewrites, then code 2.
    SimLink t;
    ASSERT_TRUE(t.open());
    t.sim.injectEchoFault(Fault::WrongData, 1);
    t.pacer.setHook([&](int index, int) {
        if (index == 0) t.sim.injectEchoFault(Fault::Drop, -1);
    });
    EXPECT_EQ(t.link.WriteAndVerify(test::dataFrame(0x02, 3)), TxNoEcho);
    EXPECT_EQ(t.sim.writeCount(), 3);
}

TEST(Transaction, WrongLengthsAreRefusedWithoutTouchingTheDevice) {
    SimLink t;
    ASSERT_TRUE(t.open());
    for (int length : {-1, 0, 7, 64, 1000}) {
        SCOPED_TRACE(length);
        EXPECT_EQ(t.link.WriteAndVerify(test::dataFrame(0x02, 3), length), TxWriteError);
    }
    EXPECT_EQ(t.sim.writeCount(), 0);
}

TEST(Transaction, UnplugMidTransactionFailsAndNeverHangs) {
    for (int afterWrites : {1, 2, 3}) {
        SCOPED_TRACE(afterWrites);
        SimLink t;
        ASSERT_TRUE(t.open());
        // A section write of several frames; the plug goes after `afterWrites` frames.
        t.sim.unplugAfterWrites(afterWrites);
        TxResult result = TxOk;
        int frames = 0;
        for (uint8_t offset = 0; offset < 100 && result == TxOk; offset += 20, ++frames)
            result = t.link.WriteAndVerify(test::dataFrame(0x01, 20, offset));
        EXPECT_NE(result, TxOk);
        EXPECT_EQ(frames, afterWrites);
        // The failing frame spent its reads and rewrites, then stopped: bounded work.
        EXPECT_LE(t.sim.readCount(), 32);
        EXPECT_LE(t.sim.writeCount(), afterWrites + 2);
        // Replugged, the old handles stay dead until the program re-opens.
        t.sim.replug();
        EXPECT_NE(t.link.WriteAndVerify(test::dataFrame(0x01, 1)), TxOk);
        t.link.CloseDevice();
        EXPECT_TRUE(t.open());
        EXPECT_EQ(t.link.WriteAndVerify(test::dataFrame(0x01, 1)), TxOk);
    }
}

TEST(Transaction, MouseMotionOnTheHidrawNodeNeverReachesTheTransaction) {
    SimLink t;  // hidraw style: one node for both collections
    ASSERT_TRUE(t.open());
    t.sim.moveMouse(40);
    EXPECT_EQ(t.link.WriteAndVerify(test::dataFrame(0x02, 8)), TxOk);
    EXPECT_EQ(t.sim.writeCount(), 1);
    EXPECT_EQ(t.pacer.pauses(), std::vector<int>{10});  // no header-mismatch re-reads
}

// A handle that plays back a list of read results.
class ScriptedHandle : public HidHandle {
public:
    struct Read {
        int result;
        QByteArray bytes;
    };
    explicit ScriptedHandle(std::vector<Read> reads) : reads_(std::move(reads)) {}
    int write(const uint8_t*, size_t length) override { return static_cast<int>(length); }
    int readTimeout(uint8_t* data, size_t length, int) override {
        ++reads;
        if (next_ >= reads_.size()) return 0;
        const Read& r = reads_[next_++];
        std::copy_n(r.bytes.constData(), std::min(length, static_cast<size_t>(r.bytes.size())), data);
        return r.result;
    }
    int reads = 0;

private:
    std::vector<Read> reads_;
    size_t next_ = 0;
};

TEST(CommandReportFilter, PassesOnlyCommandReportsAndKeepsTheBufferOnTimeOut) {
    const QByteArray motion = QByteArray::fromHex("0100050000000000");
    const QByteArray keyboard = QByteArray::fromHex("0300040000");
    QByteArray command = QByteArray::fromHex("0524fa48");
    command.resize(kFrameLength);
    QByteArray second = command;
    second[0] = 0x06;
    struct Case {
        const char* name;
        std::vector<ScriptedHandle::Read> reads;
        int result;
        QByteArray delivered;  // empty: the buffer is left alone
    };
    const std::vector<Case> cases = {
        {"command report", {{kFrameLength, command}}, kFrameLength, command},
        {"motion then command", {{8, motion}, {5, keyboard}, {kFrameLength, command}}, kFrameLength, command},
        {"second command ID", {{8, motion}, {kFrameLength, second}}, kFrameLength, second},
        {"motion then time-out", {{8, motion}, {0, {}}}, 0, {}},
        {"motion then error", {{8, motion}, {-1, {}}}, -1, {}},
        {"time-out", {{0, {}}}, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CommandReportFilter filter(std::make_unique<ScriptedHandle>(c.reads),
                                   std::vector<uint8_t>{kReportId, 0x06});
        std::array<uint8_t, 64> buffer;
        buffer.fill(0xEE);
        EXPECT_EQ(filter.readTimeout(buffer.data(), kFrameLength, 150), c.result);
        if (!c.delivered.isEmpty()) {
            EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(buffer.data()), kFrameLength), c.delivered);
        } else {
            EXPECT_TRUE(std::all_of(buffer.begin(), buffer.end(), [](uint8_t b) { return b == 0xEE; }));
        }
    }
}

TEST(CommandReportFilter, EndlessForeignReportsEndTheRead) {
    std::vector<ScriptedHandle::Read> flood(1000, {8, QByteArray::fromHex("0100050000000000")});
    auto inner = std::make_unique<ScriptedHandle>(flood);
    ScriptedHandle* raw = inner.get();
    CommandReportFilter filter(std::move(inner), kReportId);
    std::array<uint8_t, 64> buffer{};
    EXPECT_EQ(filter.readTimeout(buffer.data(), kFrameLength, 0), 0);
    EXPECT_LE(raw->reads, CommandReportFilter::kMaxDiscarded + 1);
}

}  // namespace
}  // namespace mousecfg
