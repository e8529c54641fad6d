#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <map>

#include "device/key_codes.h"
#include "sim/memory_decoder.h"
#include "sim/table_decoder.h"
#include "writes_fixture.h"

using namespace mousecfg;

namespace {

struct SensorRange {
    int sensor;
    uint32_t low, high;  // DPI codes the DPI page offers
};
// Codes 159/160 and 199/200 of sensors 3335/33352 share a register value (the table repeats 188),
// and the mouse cannot tell them apart, so the generator leaves out 160 and 200 and everything
// above the table.
const SensorRange kSensors[] = {
    {3104, 14, 105}, {31042, 14, 158}, {3212, 16, 111}, {3311, 1, 120},  {33112, 1, 180},   {3325, 1, 90},
    {33252, 1, 90},  {3327, 1, 106},   {3333, 2, 120},  {3335, 1, 159},  {33352, 161, 199}, {3360, 1, 180},
    {3370, 1, 290},  {3389, 2, 480},   {3395, 0, 519},  {33952, 0, 779}, {3399, 0, 599},
};

const int kFixedFuns[] = {1,  2,  3,  4,  5,  13, 49, 48, 52, 53, 17, 18, 19, 20, 21, 22, 23, 24,
                          25, 26, 27, 28, 29, 62, 30, 31, 32, 33, 34, 35, 36, 37, 38, 40, 39, 41,
                          42, 43, 44, 45, 46, 16, 47, 63, 50, 51, 59, 57, 58, 54, 60, 61};
const int kCompletedFuns[] = {6, 7, 12, 55, 200, 510};

class Generator {
public:
    explicit Generator(quint32 seed) : rng_(seed) {}
    int in(int low, int high) { return rng_.bounded(low, high + 1); }
    uint8_t byte() { return static_cast<uint8_t>(in(0, 255)); }

    QVector<MacroEvent> macro() {
        const bool withDelay = in(0, 1) == 1;
        const int count = withDelay ? in(1, 66) : in(0, 39);
        const uint8_t maps[] = {0x84, 0x04, 0x81, 0x01, 0x02};
        QVector<MacroEvent> events;
        for (int i = 0; i < count; ++i)
            events.push_back({maps[in(0, 4)], byte(), static_cast<uint8_t>(in(1, 255))});
        if (withDelay) events[in(0, count - 1)] = {6, byte(), static_cast<uint8_t>(in(1, 255))};
        return events;
    }

    void button(ButtonAssignment& a, const QStringList& macroNames) {
        a = ButtonAssignment{};
        if (in(0, 2) == 0) {
            a.Fun = kCompletedFuns[in(0, 5)];
        } else {
            a.Fun = kFixedFuns[in(0, static_cast<int>(std::size(kFixedFuns)) - 1)];
        }
        a.Res1 = byte();
        a.LoopNumber = in(0, 0xFFFF);
        a.KeyNumber = in(0, 2550);
        if (a.Fun == 6) a.Res1 = keycodes::keyUsagePairs()[static_cast<size_t>(in(0, 103))].code;
        if (a.Fun == 7)
            for (int i = 0; i < 6; ++i)
                a.KeyInfo[static_cast<size_t>(i)].map = static_cast<uint8_t>(in(4, 231));
        if (a.Fun == 55) a.Res1 = static_cast<uint8_t>(in(1, 50));
        if (a.Fun == 200 || a.Fun == 510) {
            a.Res1 = static_cast<uint8_t>(in(0, 2));
            a.macroname = macroNames[in(0, macroNames.size() - 1)];
        }
    }

    ConfigState state(const SensorRange& sensor, const QStringList& macroNames) {
        ConfigState s;
        s.ProfileID = static_cast<uint8_t>(in(0, 4));
        s.LiftHigh = byte();
        for (MouseProfile& p : s.profiles) {
            p.pollrate = byte();
            p.scrollspeed = byte();
            p.dpi = static_cast<uint8_t>(in(0, 7));
            p.LedMode = static_cast<uint8_t>(in(0, 13));
            p.LedMoveOFF = in(0, 1) ? 255 : 0;
            p.LedSleepTime = static_cast<uint8_t>(in(1, 9));
            for (DpiStage& st : p.dpiStages) {
                st.used = static_cast<uint8_t>(in(0, 1));
                st.x = static_cast<uint32_t>(in(static_cast<int>(sensor.low), static_cast<int>(sensor.high)));
                st.y = static_cast<uint32_t>(in(static_cast<int>(sensor.low), static_cast<int>(sensor.high)));
            }
            for (ButtonAssignment& a : p.buttons) button(a, macroNames);
            for (LedModeSetting& m : p.ledModes) {
                m.RGB = QColor(byte(), byte(), byte());
                m.bright = static_cast<uint32_t>(in(0, 1000));
                m.breath = static_cast<uint32_t>(in(0, 1000));
            }
        }
        return s;
    }

private:
    QRandomGenerator rng_;
};

// What slot `number` must hold for a macro: its events, plus the one-unit delays the mouse needs
// when the macro has none of its own.
QVector<MacroEvent> onMouse(const QVector<MacroEvent>& events) {
    const bool hasDelay =
        std::any_of(events.begin(), events.end(), [](const MacroEvent& e) { return e.map == 6; });
    if (hasDelay) return events;
    QVector<MacroEvent> out;
    for (int i = 0; i < events.size(); ++i) {
        out.push_back(events[i]);
        if ((i + 1) % 4 == 0) out.push_back({6, 0, 1});
    }
    out.push_back({6, 0, 1});
    return out;
}

}  // namespace

TEST(WritesRoundTrip, RandomProfileSetsComeBackFromTheMouse) {
    quint32 seed = 1;
    for (const SensorRange& sensor : kSensors) {
        for (int round = 0; round < 3; ++round, ++seed) {
            SCOPED_TRACE(testing::Message() << "sensor " << sensor.sensor << " seed " << seed);
            Generator gen(seed);
            WriteProduct product = test::sampleProduct(sensor.sensor);
            product.dpiStageCount = gen.in(0, 9);
            product.buttons.buttonCount = gen.in(1, 16);
            product.buttons.scrollRev = gen.in(0, 1) == 1;
            // A permutation of device places 0..15, so no two UI slots share a place.
            std::array<uint8_t, 16> places{};
            for (int i = 0; i < 16; ++i) places[i] = static_cast<uint8_t>(i);
            for (int i = 15; i > 0; --i) std::swap(places[i], places[gen.in(0, i)]);
            product.buttons.matrix.deviceButton = places;
            test::WriterRig rig(product);
            const uint8_t linkMode = round == 2 ? 8 : 0;
            rig.link.setLinkMode(linkMode);

            QStringList names;
            std::map<QString, QVector<MacroEvent>> macros;
            for (int i = 0; i < 5; ++i) {
                names << QStringLiteral("macro %1").arg(i);
                MacroFileData file;
                file.events = gen.macro();
                macros[names.back()] = file.events;
                ASSERT_TRUE(writeMacroFile(rig.data.paths(), names.back(), file));
            }
            const ConfigState state = gen.state(sensor, names);
            ASSERT_EQ(rig.writer.WriteProfileSet(state, ProfileChanges::all()), TxOk);

            // Global settings.
            const int active = state.ProfileID;
            const auto g = simdecode::decodeGlobalSettings(rig.sim.section(0x01));
            for (int i = 0; i < 5; ++i) {
                EXPECT_EQ(g.scrollSpeed[i], state.profiles[i].scrollspeed);
                EXPECT_EQ(g.pollRate[i], state.profiles[i].pollrate);
            }
            EXPECT_EQ(g.liftHigh, state.LiftHigh);
            EXPECT_EQ(g.profileId, active);
            EXPECT_EQ(g.ledMoveOff, state.profiles[active].LedMoveOFF);
            EXPECT_EQ(g.ledSleepTime, state.profiles[active].LedSleepTime);
            EXPECT_EQ(g.dpiStage, state.profiles[active].dpi);
            EXPECT_TRUE(g.closed);

            // Every profile in its own bank; macro numbers count over all five.
            std::set<int> numbers;
            for (int bank = 0; bank < 5; ++bank) {
                SCOPED_TRACE(testing::Message() << "profile " << bank);
                const MouseProfile& profile = state.profiles[bank];
                // DPI stages, as the sensor reads them.
                const int n =
                    (product.dpiStageCount < 1 || product.dpiStageCount > 8) ? 8 : product.dpiStageCount;
                EXPECT_EQ(simdecode::decodeDpiTable(rig.sim.section(0x02, bank)).stageCount, n);
                const auto stages = simdecode::decodeDpiStages(rig.sim.section(0x02, bank), sensor.sensor);
                for (int i = 0; i < 8; ++i) {
                    SCOPED_TRACE(i);
                    const DpiStage& st = profile.dpiStages[i];
                    uint32_t x = st.x, y = sensor.sensor == 3335 || sensor.sensor == 33352 ? st.x : st.y;
                    if (sensor.sensor == 3395 && linkMode == 8) x = std::min(x, 399u), y = std::min(y, 399u);
                    if (sensor.sensor == 3399) x = y = 0;
                    EXPECT_EQ(stages[i].used, i < n ? st.used : 0);
                    EXPECT_EQ(stages[i].x, x);
                    EXPECT_EQ(stages[i].y, y);
                }

                // Buttons at their places; every macro button finds its events behind its number.
                const auto table = simdecode::decodeButtonTable(rig.sim.section(0x03, bank));
                EXPECT_EQ(table.header0, 0x0A);
                EXPECT_TRUE(table.tailMarked);
                EXPECT_TRUE(table.closed);
                std::vector<std::pair<int, int>> placed;  // (UI slot, device place)
                for (int b = 0; b < product.buttons.buttonCount; ++b) placed.push_back({b, places[b]});
                placed.push_back({40, product.buttons.scrollRev ? 23 : 22});
                placed.push_back({41, product.buttons.scrollRev ? 22 : 23});
                for (const auto& [slot, place] : placed) {
                    SCOPED_TRACE(testing::Message() << "button " << slot);
                    ButtonAssignment a = profile.buttons[slot];
                    const auto& got = table.functions[place];
                    if (a.Fun == 200 || a.Fun == 510) {
                        EXPECT_EQ(got[0], a.Fun == 200 ? 0x91 : 0x9D);
                        const int number = got[1] & 0x3F;
                        EXPECT_EQ(got[1] & 0xC0, a.Res1 == 1 ? 0x80 : a.Res1 == 2 ? 0x40 : 0);
                        EXPECT_EQ(rig.writer.deviceImage().profiles[bank].buttons[slot].Res4, number);
                        EXPECT_EQ(simdecode::decodeMacroSlot(rig.sim.section(0x05), number),
                                  onMouse(macros[a.macroname]));
                        numbers.insert(number);
                    } else {
                        MacroNumberMap unused;
                        const SlotBytes want = encodeButtonFunction(a, sensor.sensor, unused);
                        EXPECT_EQ(got, want) << "Fun " << a.Fun;
                    }
                }
                // Lighting entries from the profile's effects.
                const auto leds = simdecode::decodeLedTable(rig.sim.section(0x04, bank));
                const auto& modes = profile.ledModes;
                const int modeOfEntry[10] = {0, 1, 2, 3, 4, 9, 11, 10, 12, 13};
                for (int k = 0; k < 10; ++k) EXPECT_EQ(leds.entries[k].flag, 0x80);
                for (int k : {1, 2}) {
                    EXPECT_EQ(leds.entries[k].r, modes[k].RGB.red());
                    EXPECT_EQ(leds.entries[k].g, modes[k].RGB.green());
                    EXPECT_EQ(leds.entries[k].b, modes[k].RGB.blue());
                }
                for (int k : {2, 3, 4, 5, 7, 8, 9})
                    EXPECT_EQ(leds.entries[k].speed, modes[modeOfEntry[k]].breath & 0xFF);
                for (int k : {1, 4, 5, 6, 7, 8, 9})
                    EXPECT_EQ(leds.entries[k].brightness, modes[modeOfEntry[k]].bright & 0xFF);
                EXPECT_TRUE(leds.closed);
            }
            // Numbers are 0..k-1 without gaps; no other slot is in use.
            for (int i = 0; i < static_cast<int>(numbers.size()); ++i) EXPECT_TRUE(numbers.count(i)) << i;
            for (int i = static_cast<int>(numbers.size()); i < 20; ++i)
                EXPECT_TRUE(simdecode::decodeMacroSlot(rig.sim.section(0x05), i).isEmpty()) << i;
            EXPECT_EQ(simdecode::macroSectionClosed(rig.sim.section(0x05)), !numbers.empty());

            EXPECT_FALSE(rig.sim.inConfigMode());
        }
    }
}

TEST(WritesRoundTrip, HostileMacroFilesStayWithinTheSlot) {
    test::WriterRig rig(test::sampleProduct());
    ConfigState s = test::sampleState(rig.data.paths());
    // A count far beyond what a slot holds, and a name that tries to leave MacroDB.
    rig.data.writeFile(QStringLiteral("Configs/MacroDB/m2.MSMACRO"),
                       "[Setting]\nCount=2000000000\nMap_0=6\nDataL_0=7\nMap_70=132\n");
    rig.data.writeFile(QStringLiteral("Configs/evil.MSMACRO"), "[Setting]\nCount=1\nMap_0=132\nDataL_0=9\n");
    s.profiles[0].buttons[5].macroname = QStringLiteral("../evil");
    ASSERT_EQ(rig.writer.WriteProfileSet(s, change::kAll), TxOk);
    const QByteArray mem = rig.sim.section(0x05);
    // Slot 0: the delay event, then zero events as far as the 67 read events reach the slot.
    EXPECT_EQ(mem.mid(0, 3), QByteArray("\x06\x07\x00", 3));
    EXPECT_EQ(mem.mid(3, 197), QByteArray(197, '\0'));
    // Slot 1: "../evil" reads as an empty macro (a delay and the end), not the planted file.
    EXPECT_EQ(simdecode::decodeMacroSlot(mem, 1), (QVector<MacroEvent>{{6, 0, 1}}));
}
