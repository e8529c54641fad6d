#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "device/profile_writer.h"
#include "link_fixture.h"
#include "storage/macro_files.h"

namespace mousecfg::test {

// A backend in front of the simulated mouse that counts every report written to any of its
// handles and can make write number `failAt` (0-based) fail.
class FaultyBackend : public HidBackend {
public:
    explicit FaultyBackend(SimulatedMouse& sim) : sim_(sim) {}
    int init() override { return sim_.init(); }
    std::vector<HidDeviceInfo> enumerate() override { return sim_.enumerate(); }
    int exit() override { return sim_.exit(); }
    std::unique_ptr<HidHandle> open(const QByteArray& path) override {
        auto inner = sim_.open(path);
        if (!inner) return nullptr;
        return std::make_unique<Handle>(*this, std::move(inner));
    }
    // Write number failAt (0-based) fails, and so does the next write of command failCommand.
    std::atomic<int> failAt{-1};
    std::atomic<int> failCommand{-1};
    std::atomic<int> writes{0};

private:
    class Handle : public HidHandle {
    public:
        Handle(FaultyBackend& owner, std::unique_ptr<HidHandle> inner)
            : owner_(owner), inner_(std::move(inner)) {}
        int write(const uint8_t* data, size_t length) override {
            const int index = owner_.writes++;
            if (index == owner_.failAt) return -1;
            if (length > 3 && data[3] == owner_.failCommand) {
                owner_.failCommand = -1;
                return -1;
            }
            return inner_->write(data, length);
        }
        int readTimeout(uint8_t* data, size_t length, int ms) override {
            return inner_->readTimeout(data, length, ms);
        }

    private:
        FaultyBackend& owner_;
        std::unique_ptr<HidHandle> inner_;
    };
    SimulatedMouse& sim_;
};

// A write in short, frame by frame: E and X enter and leave configuration mode, P<n> selects
// profile n, Q is a status request, and each run of section frames is a letter with its frame
// count: S settings, D DPI, B buttons, L lighting, M macros, R reloads.
inline std::string sequenceOf(const std::vector<QByteArray>& frames) {
    std::string out;
    auto add = [&out](const std::string& token) { out += (out.empty() ? "" : " ") + token; };
    char run = 0;
    int count = 0;
    auto endRun = [&] {
        if (run) add(run + std::to_string(count));
        run = 0;
        count = 0;
    };
    for (const QByteArray& f : frames) {
        const uint8_t cmd = static_cast<uint8_t>(f.at(3));
        const uint8_t arg = static_cast<uint8_t>(f.at(4));
        const char* letters = "?SDBLM";
        const char letter = cmd >= 1 && cmd <= 5 ? letters[cmd] : cmd == 0x40 ? 'R' : 0;
        if (letter && letter == run) {
            ++count;
            continue;
        }
        endRun();
        if (letter) {
            run = letter;
            count = 1;
        } else if (cmd == 0x46) {
            add(arg == 0 ? "E" : "X");
        } else if (cmd == 0x44) {
            add("P" + std::to_string(arg));
        } else {
            add(cmd == 0x48 ? "Q" : "?");
        }
    }
    endRun();
    return out;
}

// The simulated mouse behind a faulty backend, listed and opened, with a profile writer.
struct WriterRig {
    explicit WriterRig(const WriteProduct& product)
        : faulty(sim), link(faulty, pacer), writer(link, data.paths()) {
        link.InitDeviceList(data.paths());
        link.EnumerateDevices();
        link.OpenDevice(link.currentProductName());
        writer.setProduct(product);
        sim.clearFrameLog();
        faulty.writes = 0;
    }
    std::vector<uint8_t> commands() const {
        std::vector<uint8_t> c;
        for (const QByteArray& f : sim.frameLog()) c.push_back(static_cast<uint8_t>(f.at(3)));
        return c;
    }
    std::string sequence() const { return sequenceOf(sim.frameLog()); }

    TempData data;
    SimulatedMouse sim;
    FaultyBackend faulty;
    RecordingPacer pacer;
    DeviceLink link;
    ProfileWriter writer;
};

inline WriteProduct sampleProduct(int sensor = 3325) {
    WriteProduct p;
    p.sensorCode = sensor;
    p.dpiStageCount = 6;
    p.buttons.buttonCount = 6;
    p.buttons.matrix.deviceButton = {0, 1, 2, 4, 3, 6};
    p.buttons.sensorCode = sensor;
    return p;
}

// A plain profile set: clicks on every button, one stage table, two macros on buttons 2 and 5.
inline ConfigState sampleState(const Paths& paths) {
    ConfigState s;
    for (MouseProfile& p : s.profiles) {
        for (int b = 0; b < kButtonSlots; ++b) p.buttons[b].Fun = 1 + b % 5;
        for (int i = 0; i < kDpiStageSlots; ++i) {
            p.dpiStages[i].used = 1;
            p.dpiStages[i].x = p.dpiStages[i].y = static_cast<uint32_t>(8 * (i + 1));
        }
        p.LedMode = 2;
        p.pollrate = 1;
        p.scrollspeed = 3;
    }
    s.profileNames = {QStringLiteral("P1"), QStringLiteral("P2"), QStringLiteral("P3"), QStringLiteral("P4"),
                      QStringLiteral("P5")};
    for (int b : {2, 5}) {
        s.profiles[0].buttons[b].Fun = kFunMacro;
        s.profiles[0].buttons[b].macroname = QStringLiteral("m%1").arg(b);
        MacroFileData m;
        m.events = {{0x84, 0, static_cast<uint8_t>(4 + b)}, {0x04, 0, static_cast<uint8_t>(4 + b)}};
        writeMacroFile(paths, s.profiles[0].buttons[b].macroname, m);
    }
    return s;
}

}  // namespace mousecfg::test
