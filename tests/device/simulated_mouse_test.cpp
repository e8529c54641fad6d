// The simulated mouse as firmware: memory, configuration mode, echoes, routing, decoding.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <functional>

#include "device/status_answer.h"
#include "device/status_query.h"
#include "link_fixture.h"
#include "sim/fault_plan.h"
#include "sim/memory_decoder.h"

namespace mousecfg {
namespace {

using test::SimLink;

TxResult send(SimLink& t, uint8_t command, uint16_t offset, const std::vector<uint8_t>& data,
              uint8_t phase = phase::kMiddle) {
    return t.link.WriteAndVerify(
        makeFrame(command, static_cast<uint8_t>(offset & 0xFF), static_cast<uint8_t>(offset >> 8),
                  static_cast<uint8_t>(data.size()), phase, data.data(), data.size()));
}

TxResult configMode(SimLink& t, bool enter) {
    return t.link.WriteAndVerify(makeFrame(command::kConfigMode, enter ? 0 : 1, 0, 0, 0));
}

TEST(SimulatedMouse, SectionWritesLandOnlyInConfigurationMode) {
    SimLink t;
    ASSERT_TRUE(t.open());
    EXPECT_EQ(send(t, 0x04, 10, {1, 2, 3}), TxOk);  // echoed, but not stored
    EXPECT_EQ(t.sim.section(0x04), QByteArray(SimulatedMouse::kSectionSize, '\0'));

    ASSERT_EQ(configMode(t, true), TxOk);
    EXPECT_TRUE(t.sim.inConfigMode());
    EXPECT_EQ(send(t, 0x04, 10, {1, 2, 3}), TxOk);
    EXPECT_EQ(t.sim.section(0x04).mid(9, 5), QByteArray::fromHex("0001020300"));
    // The last byte of a section and past it: what fits is kept, the rest is dropped.
    EXPECT_EQ(send(t, 0x03, 126, {7, 8, 9}), TxOk);
    EXPECT_EQ(t.sim.section(0x03).size(), SimulatedMouse::kSectionSize);
    EXPECT_EQ(t.sim.section(0x03).right(2), QByteArray::fromHex("0708"));
    // The macro section takes a 16-bit offset up to 0x0FFF.
    EXPECT_EQ(send(t, 0x05, 0x0FFF, {0x1A}, phase::kClosing), TxOk);
    EXPECT_EQ(send(t, 0x05, 0x0300, {4, 5}), TxOk);
    const QByteArray macros = t.sim.section(0x05);
    EXPECT_EQ(macros.size(), SimulatedMouse::kMacroSectionSize);
    EXPECT_EQ(static_cast<uint8_t>(macros.at(0x0FFF)), 0x1A);
    EXPECT_EQ(macros.mid(0x0300, 2), QByteArray::fromHex("0405"));
    // In the 128-byte sections byte 6 is no offset: 0x01 0x02 lands at offset 2.
    EXPECT_EQ(send(t, 0x02, 0x0102, {0x33}), TxOk);
    EXPECT_EQ(static_cast<uint8_t>(t.sim.section(0x02).at(2)), 0x33);

    ASSERT_EQ(configMode(t, false), TxOk);
    EXPECT_FALSE(t.sim.inConfigMode());
    EXPECT_EQ(send(t, 0x04, 0, {9}), TxOk);
    EXPECT_EQ(static_cast<uint8_t>(t.sim.section(0x04).at(0)), 0);
}

TEST(SimulatedMouse, GlobalSettingsRoundTripAndReload) {
    SimLink t;
    ASSERT_TRUE(t.open());
    ASSERT_EQ(configMode(t, true), TxOk);
    // scroll 1..5, lift 2, profile 3, move-off 0xFF, sleep 6, 1, 1, rates 8 4 2 1 8, 0x1F, stage 4,
    // effect 7.
    const std::vector<uint8_t> settings = {1, 2, 3, 4, 5, 2, 3, 0xFF, 6, 1, 1, 8, 4, 2, 1, 8, 0x1F, 4, 7};
    ASSERT_EQ(send(t, 0x01, 0, settings, phase::kFirst), TxOk);
    ASSERT_EQ(send(t, 0x01, 0x7F, {0x1A}, phase::kClosing), TxOk);
    const simdecode::GlobalSettings g = simdecode::decodeGlobalSettings(t.sim.section(0x01));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(g.scrollSpeed[static_cast<size_t>(i)], settings[static_cast<size_t>(i)]);
        EXPECT_EQ(g.pollRate[static_cast<size_t>(i)], settings[static_cast<size_t>(11 + i)]);
    }
    EXPECT_EQ(g.liftHigh, 2);
    EXPECT_EQ(g.profileId, 3);
    EXPECT_EQ(g.ledMoveOff, 0xFF);
    EXPECT_EQ(g.ledSleepTime, 6);
    EXPECT_EQ(g.dpiStage, 4);
    EXPECT_EQ(g.ledEffect, 7);
    EXPECT_TRUE(g.closed);

    // The settings name profile 3 at once (its bank takes table writes from now on), but the mouse
    // runs with them from the reload of section 0x01 only.
    EXPECT_EQ(t.sim.selectedProfile(), 3);
    EXPECT_EQ(t.sim.activeProfile(), 0);
    ASSERT_EQ(t.link.WriteAndVerify(makeFrame(command::kReload, 0xF3, 0x02, 0, 0)), TxOk);
    EXPECT_EQ(t.sim.activeProfile(), 0);
    ASSERT_EQ(t.link.WriteAndVerify(makeFrame(command::kReload, 0xF3, 0x01, 0, 0)), TxOk);
    EXPECT_EQ(t.sim.activeProfile(), 3);
    EXPECT_EQ(t.sim.dpiStage(), 4);
    EXPECT_EQ(t.sim.rate(), settings[11 + 3]);
    EXPECT_EQ(t.sim.reloadMasks(), (std::vector<uint8_t>{0x02, 0x01}));
    const simdecode::DpiTable empty = simdecode::decodeDpiTable(t.sim.section(0x02));
    EXPECT_EQ(empty.stageCount, 0);
    EXPECT_FALSE(empty.closed);
    EXPECT_EQ(simdecode::sectionByte(t.sim.section(0x02), 500), 0);
}

uint8_t dpiByte(const SimulatedMouse& sim, int bank) {
    return static_cast<uint8_t>(sim.section(command::kDpiTable, bank).at(0));
}

TEST(SimulatedMouse, TablesLandInTheBankOfTheSelectedProfile) {
    SimLink t;
    ASSERT_TRUE(t.open());
    auto select = [&](uint8_t profile) {
        return t.link.WriteAndVerify(makeFrame(command::kSelectProfile, profile, 0, 0, 0));
    };
    auto reload = [&] { return t.link.WriteAndVerify(makeFrame(command::kReload, 0xF3, 0x01, 0, 0)); };
    ASSERT_EQ(configMode(t, true), TxOk);
    // Selected with 0x44 (an index past 4 changes nothing), or by settings byte 6: the table write
    // that follows lands in that bank, and the macro memory is one for all.
    struct Step {
        std::function<TxResult()> select;
        uint8_t mark;
        int bank;
    };
    const Step steps[] = {
        {[] { return TxOk; }, 0x10, 0},
        {[&] { return select(3); }, 0x13, 3},
        {[&] { return select(5); }, 0x23, 3},
        {[&] { return send(t, 0x01, 6, {9}); }, 0x33, 3},
        {[&] { return send(t, 0x01, 6, {2}); }, 0x12, 2},
    };
    for (const Step& s : steps) {
        ASSERT_EQ(s.select(), TxOk);
        ASSERT_EQ(send(t, 0x02, 0, {s.mark}), TxOk);
        ASSERT_EQ(send(t, 0x05, 0x0100, {s.mark}), TxOk);
        EXPECT_EQ(dpiByte(t.sim, s.bank), s.mark);
        EXPECT_EQ(t.sim.section(0x05).at(0x100), static_cast<char>(s.mark));
    }
    EXPECT_EQ(dpiByte(t.sim, 1), 0);
    EXPECT_EQ(dpiByte(t.sim, 4), 0);
    EXPECT_EQ(t.sim.section(0x02), t.sim.section(0x02, 2));  // the selected bank
    EXPECT_TRUE(t.sim.section(0x02, 5).isEmpty());

    // A stage written with the settings belongs to the profile they name; each profile keeps its
    // own stage and rate, and a 0x44 switch is reported after the settings reload.
    ASSERT_EQ(send(t, 0x01, 11, {4, 5, 6, 7, 8}), TxOk);
    ASSERT_EQ(send(t, 0x01, 17, {6}), TxOk);  // profile 2 (byte 6): stage 6
    ASSERT_EQ(select(4), TxOk);
    ASSERT_EQ(send(t, 0x01, 17, {3}), TxOk);  // still named by byte 6: profile 2, stage 3
    ASSERT_EQ(configMode(t, false), TxOk);
    EXPECT_EQ(t.sim.activeProfile(), 0);
    ASSERT_EQ(reload(), TxOk);
    EXPECT_EQ(t.sim.activeProfile(), 4);
    EXPECT_EQ(t.sim.dpiStage(), 1);  // never changed for profile 4
    EXPECT_EQ(t.sim.rate(), 8);
    ASSERT_EQ(select(2), TxOk);
    ASSERT_EQ(reload(), TxOk);
    EXPECT_EQ(t.sim.activeProfile(), 2);
    EXPECT_EQ(t.sim.dpiStage(), 3);
    EXPECT_EQ(t.sim.rate(), 6);

    // Changes on the mouse hold at once and through later reloads.
    t.sim.changeProfileOnMouse(1);
    t.sim.changeDpiStageOnMouse(5);
    t.sim.changeRateOnMouse(2);
    t.sim.changeProfileOnMouse(9);  // no such profile
    ASSERT_EQ(reload(), TxOk);
    EXPECT_EQ(t.sim.selectedProfile(), 1);
    EXPECT_EQ(t.sim.activeProfile(), 1);
    EXPECT_EQ(t.sim.dpiStage(), 5);
    EXPECT_EQ(t.sim.rate(), 2);
    t.sim.changeProfileOnMouse(2);
    EXPECT_EQ(t.sim.dpiStage(), 3);
    EXPECT_EQ(t.sim.rate(), 6);
}

// Everything a restart must bring back.
std::vector<QByteArray> memoryOf(const SimulatedMouse& sim) {
    std::vector<QByteArray> m = {sim.section(0x01), sim.section(0x05)};
    for (uint8_t cmd : {0x02, 0x03, 0x04})
        for (int bank = 0; bank < 5; ++bank) m.push_back(sim.section(cmd, bank));
    m.push_back(QByteArray::fromStdString(std::to_string(sim.activeProfile()) + "/" +
                                          std::to_string(sim.selectedProfile()) + "/" +
                                          std::to_string(sim.dpiStage()) + "/" + std::to_string(sim.rate()) +
                                          "/" + std::to_string(sim.batteryRaw())));
    return m;
}

TEST(SimulatedMouse, MemoryIsKeptAcrossRunsAndADamagedFileMeansTheFactoryState) {
    test::TempData dir;
    SimulatedMouse::Options options;
    options.stateFile = dir.path(QStringLiteral("mouse.bin"));
    const std::vector<QByteArray> factory = memoryOf(SimulatedMouse());
    std::vector<QByteArray> kept;
    {
        SimLink t(options);
        ASSERT_TRUE(t.open());
        ASSERT_EQ(configMode(t, true), TxOk);
        ASSERT_EQ(t.link.WriteAndVerify(makeFrame(command::kSelectProfile, 3, 0, 0, 0)), TxOk);
        for (uint8_t cmd : {0x02, 0x03, 0x04}) ASSERT_EQ(send(t, cmd, 1, {cmd, 0x5A}), TxOk);
        ASSERT_EQ(send(t, 0x01, 11, {1, 2, 4, 8, 2, 0x1F, 5}), TxOk);  // rates; stage 5 of profile 0
        ASSERT_EQ(send(t, 0x05, 0x0321, {9, 8, 7}), TxOk);
        ASSERT_EQ(configMode(t, false), TxOk);  // the write sequence is kept here
        EXPECT_TRUE(QFileInfo::exists(options.stateFile));
        ASSERT_EQ(t.link.WriteAndVerify(makeFrame(command::kReload, 0xF3, 0x01, 0, 0)), TxOk);
        t.sim.setBatteryMillivolts(3800);
        t.sim.changeDpiStageOnMouse(6);  // and so is a change on the mouse
        kept = memoryOf(t.sim);
    }
    ASSERT_NE(kept, factory);
    EXPECT_EQ(memoryOf(SimulatedMouse(options)), kept);
    EXPECT_EQ(memoryOf(SimulatedMouse()), factory);  // no file: nothing kept

    const QByteArray good = dir.readFile(QStringLiteral("mouse.bin"));
    auto flipped = [&](int at) {
        QByteArray b = good;
        b[at] = static_cast<char>(b.at(at) ^ 0x01);
        return b;
    };
    const struct {
        const char* what;
        QByteArray bytes;
    } damaged[] = {
        {"empty", QByteArray()},
        {"truncated", good.left(good.size() - 1)},
        {"one byte more", good + '\0'},
        {"another magic", flipped(0)},
        {"another version", flipped(8)},
        {"a bank byte changed", flipped(good.size() / 3)},
        {"the checksum changed", flipped(good.size() - 1)},
    };
    for (const auto& d : damaged) {
        dir.writeFile(QStringLiteral("mouse.bin"), d.bytes);
        EXPECT_EQ(memoryOf(SimulatedMouse(options)), factory) << d.what;
    }
    QFile::remove(options.stateFile);
    EXPECT_EQ(memoryOf(SimulatedMouse(options)), factory);
    // The next change replaces a damaged file with a whole one.
    dir.writeFile(QStringLiteral("mouse.bin"), good.left(40));
    SimulatedMouse(options).changeProfileOnMouse(2);
    EXPECT_EQ(SimulatedMouse(options).activeProfile(), 2);
}

TEST(SimulatedMouse, MalformedFramesAreIgnored) {
    SimLink t;
    ASSERT_TRUE(t.open());
    DeviceLink::CommandAccess access = t.link.lockCommand();
    HidHandle* h = access.handle();
    ASSERT_NE(h, nullptr);
    CommandFrame enter = makeFrame(command::kConfigMode, 0, 0, 0, 0);
    enter[2] = static_cast<uint8_t>(frameChecksum(enter) + 1);  // wrong checksum
    ASSERT_EQ(h->write(enter.data() + 1, kFrameLength), kFrameLength);
    CommandFrame marker = makeFrame(command::kConfigMode, 0, 0, 0, 0);
    marker[3] = 0xFB;
    marker[2] = frameChecksum(marker);
    ASSERT_EQ(h->write(marker.data() + 1, kFrameLength), kFrameLength);
    std::array<uint8_t, 64> answer{};
    EXPECT_EQ(h->readTimeout(answer.data(), kFrameLength, 150), 0);  // no echo for either
    EXPECT_FALSE(t.sim.inConfigMode());
    EXPECT_EQ(t.sim.frameLog().size(), 2u);  // both were received, and logged
}

TEST(SimulatedMouse, InputRoutingQueueLimitAndUnplug) {
    // Windows-style collections: motion reaches the mouse collection handle only.
    SimulatedMouse::Options windows;
    windows.style = SimulatedMouse::PathStyle::Windows;
    SimulatedMouse sim(windows);
    auto mouse = sim.open(sim.mousePath(SimulatedMouse::Path::Receiver));
    auto command = sim.open(sim.commandPath(SimulatedMouse::Path::Receiver));
    ASSERT_TRUE(mouse && command);
    sim.moveMouse(3);
    std::array<uint8_t, 64> r{};
    EXPECT_EQ(command->readTimeout(r.data(), 33, 50), 0);
    EXPECT_EQ(mouse->readTimeout(r.data(), 33, 50), 8);
    EXPECT_EQ(r[0], SimulatedMouse::kMotionReportId);

    // A hidraw node: every handle on it sees every report, 64 at most queued.
    SimulatedMouse node;
    auto a = node.open(node.commandPath(SimulatedMouse::Path::Receiver));
    auto b = node.open(node.mousePath(SimulatedMouse::Path::Receiver));
    ASSERT_TRUE(a && b);
    node.moveMouse(100);
    node.changeProfileOnMouse(2);  // dropped: the queue is full
    int queued = 0;
    while (a->readTimeout(r.data(), 33, 0) > 0) {
        EXPECT_EQ(r[0], SimulatedMouse::kMotionReportId);
        ++queued;
    }
    EXPECT_EQ(queued, SimulatedMouse::kQueueLimit);
    EXPECT_EQ(b->readTimeout(r.data(), 33, 0), 8);

    // Unplugged: open handles fail, the paths vanish; replugged, only new handles work.
    node.unplug();
    EXPECT_TRUE(node.enumerate().empty());
    EXPECT_EQ(a->readTimeout(r.data(), 33, 0), -1);
    EXPECT_EQ(a->write(r.data(), 33), -1);
    EXPECT_EQ(node.open(node.commandPath(SimulatedMouse::Path::Receiver)), nullptr);
    node.replug();
    EXPECT_EQ(a->readTimeout(r.data(), 33, 0), -1);
    auto fresh = node.open(node.commandPath(SimulatedMouse::Path::Receiver));
    ASSERT_TRUE(fresh);
    EXPECT_EQ(fresh->readTimeout(r.data(), 33, 0), 0);
    EXPECT_EQ(node.openHandleCount(), 3);
}

TEST(SimulatedMouse, EveryChangeOfTheEnumerationIsToldAndNothingElse) {
    using P = SimulatedMouse::Path;
    SimulatedMouse sim;
    int told = 0;
    sim.setEnumerationListener([&told] { ++told; });
    const std::vector<std::pair<const char*, std::function<void()>>> changes{
        {"plug", [&] { sim.setPresent(P::Cable, true); }},
        {"collections", [&] { sim.setCollectionsListed(P::Cable, true, false); }},
        {"release", [&] { sim.setRelease(P::Receiver, 0x0200); }},
        {"init", [&] { sim.setInitFails(false); }},
        {"others", [&] { sim.setExtraDevices({}); }},
        {"unplug", [&] { sim.unplug(); }},
        {"replug", [&] { sim.replug(); }},
    };
    for (const auto& [what, change] : changes) {
        const int before = told;
        change();
        EXPECT_EQ(told, before + 1) << what;
    }
    // Frames tell nothing, but the one after which the mouse is pulled does.
    auto handle = sim.open(sim.commandPath(P::Receiver));
    ASSERT_TRUE(handle);
    sim.unplugAfterWrites(2);
    std::array<uint8_t, 64> frame{};
    const int before = told;
    handle->write(frame.data(), 33);
    EXPECT_EQ(told, before);
    handle->write(frame.data(), 33);
    EXPECT_EQ(told, before + 1);
    EXPECT_TRUE(sim.enumerate().empty());
    sim.setEnumerationListener({});
    sim.replug();
    EXPECT_EQ(told, before + 1) << "no listener: nobody told";
}

TEST(SimulatedMouse, StatusRequestAnswers) {
    SimLink t;
    t.sim.setBatteryMillivolts(3700);
    t.sim.setCharging(true);
    t.sim.setWriteStatus(1);
    t.sim.setLinkMode(8);
    ASSERT_TRUE(t.open());
    DeviceLink::CommandAccess access = t.link.lockCommand();
    HidHandle* h = access.handle();
    const CommandFrame request = statusRequestFrame();
    ASSERT_EQ(h->write(request.data() + 1, kFrameLength), kFrameLength);
    std::array<uint8_t, 64> r{};
    ASSERT_EQ(h->readTimeout(r.data(), kFrameLength, 50), kFrameLength);
    const StatusAnswer battery = decodeAnswer(r.data(), kFrameLength);
    ASSERT_EQ(battery.kind, StatusAnswer::Kind::Battery);
    EXPECT_GE(batteryMillivolts(battery.lowByte, battery.hiByte), 3700);
    EXPECT_LT(batteryMillivolts(battery.lowByte, battery.hiByte), 3705);
    EXPECT_EQ(battery.charge, 1);
    EXPECT_EQ(battery.writeStatus, 1);
    EXPECT_EQ(battery.linkMode, 8);
    CommandFrame asFrame{};
    std::copy_n(r.begin(), kFrameLength, asFrame.begin() + 1);
    EXPECT_EQ(asFrame[2], frameChecksum(asFrame));  // the mouse stamps its reports too
    ASSERT_EQ(h->readTimeout(r.data(), kFrameLength, 50), kFrameLength);
    const StatusAnswer status = decodeAnswer(r.data(), kFrameLength);
    ASSERT_EQ(status.kind, StatusAnswer::Kind::Status);
    EXPECT_EQ(status.profile, t.sim.activeProfile());
    EXPECT_EQ(status.dpiStage, t.sim.dpiStage());
    EXPECT_EQ(status.rate, t.sim.rate());
    EXPECT_EQ(h->readTimeout(r.data(), kFrameLength, 50), 0);
}

TEST(SimulatedMouse, PlannedFaultStartsAtItsFrameAndStays) {
    using Kind = FaultPlan::Kind;
    struct Case {
        const char* plan;
        TxResult result;  // of frames 3 and 4
        bool statusAnswered, mouseOff;
    };
    const Case cases[] = {
        {"silent@3", TxNoEcho, false, false},     {"no-echo@3", TxNoEcho, true, false},
        {"bad-echo@3", TxNoEcho, true, false},    {"bad-header@3", TxNoEcho, true, false},
        {"read-error@3", TxNoEcho, false, false}, {"write-error@3", TxWriteError, false, false},
        {"unplug@3", TxWriteError, false, false}, {"asleep@3", TxNoEcho, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.plan);
        const std::optional<FaultPlan> plan = FaultPlan::parse(QLatin1String(c.plan));
        ASSERT_TRUE(plan && plan->kind != Kind::None && plan->startFrame == 3);
        SimLink t;
        ASSERT_TRUE(t.open());
        plan->installOn(t.sim);
        EXPECT_EQ(t.link.WriteAndVerify(test::dataFrame(0x02, 4)), TxOk);
        EXPECT_EQ(queryStatus(t.link).result, TxOk);  // frame 2
        EXPECT_EQ(t.link.WriteAndVerify(test::dataFrame(0x02, 4)), c.result);
        EXPECT_EQ(t.link.WriteAndVerify(test::dataFrame(0x02, 4)), c.result);
        const StatusSnapshot later = queryStatus(t.link);
        EXPECT_EQ(later.haveBattery, c.statusAnswered);
        EXPECT_EQ(later.haveBattery && later.battery.mouseOff(), c.mouseOff);
    }
    const std::optional<FaultPlan> byDefault = FaultPlan::parse(QStringLiteral("unplug"));
    ASSERT_TRUE(byDefault);
    EXPECT_EQ(byDefault->startFrame, 1);
}

}  // namespace
}  // namespace mousecfg
