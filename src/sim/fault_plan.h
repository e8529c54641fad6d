#pragma once

#include <QCommandLineOption>
#include <QString>
#include <optional>

namespace mousecfg {

class SimulatedMouse;

// A fault the simulated mouse develops at a chosen frame, so that testers can walk the programs'
// failure paths without writing code: `--simulate-fault KIND[@N]`.
//
// Frames are counted from 1 over everything the program writes to the mouse, status requests
// included (the `mousecfg.wire` log shows them in order); frame N is the first to meet the fault,
// and the fault stays until the program ends.
struct FaultPlan {
    enum class Kind {
        None,
        Silent,      // nothing answers, status requests included; writes do not land
        NoEcho,      // echoes are dropped; status requests are still answered
        BadEcho,     // echoes carry different data bytes (a header-only echo still passes)
        BadHeader,   // echoes carry a different header
        ReadError,   // every read fails
        WriteError,  // every write fails
        Unplug,      // the mouse is pulled out (for good)
        Asleep,      // the status answer says the mouse is off; nothing else answers
    };
    Kind kind = Kind::None;
    int startFrame = 1;

    bool active() const { return kind != Kind::None; }
    // "KIND" or "KIND@N" with N from 1; nothing (and a one-line reason in `error`) otherwise.
    static std::optional<FaultPlan> parse(const QString& text, QString* error = nullptr);
    // The kinds as the option spells them, separated by ", ".
    static QString kindList();
    // Makes `mouse` develop the fault at frame startFrame. Nothing for Kind::None.
    void installOn(SimulatedMouse& mouse) const;
    // The fault itself, at once.
    void strike(SimulatedMouse& mouse) const;
};

// The option both programs take.
QCommandLineOption simulateFaultOption();

}  // namespace mousecfg
