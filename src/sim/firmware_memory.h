#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>
#include <vector>

namespace mousecfg {

// Everything the simulated mouse keeps in its memory, as plain data (what its state file holds).
struct FirmwareState {
    static constexpr int kProfiles = 5;
    static constexpr int kBankedSections = 3;  // 0x02 DPI, 0x03 buttons, 0x04 lighting

    QByteArray settings;  // section 0x01, shared by all profiles
    // Sections 0x02..0x04 of each profile: banks[profile][command - 2].
    std::array<std::array<QByteArray, kBankedSections>, kProfiles> banks;
    QByteArray macros;                        // section 0x05: the 20 macro slots of all profiles
    uint8_t selected = 0;                     // the bank that table writes land in
    std::array<uint8_t, kProfiles> stages{};  // DPI stage remembered per profile
    // In effect since the last reload of the settings section or change on the mouse: what
    // the status report gives.
    uint8_t activeProfile = 0;
    uint8_t activeStage = 0;
    uint8_t activeRate = 0;
};

// The mouse's firmware memory: the settings section, five banks of the DPI, button and
// lighting sections (one per on-board profile), the shared macro section, and which profile is
// selected and in effect. Not thread-safe: the simulated mouse calls it under its own lock.
//
// - Section writes land only in configuration mode (0x46 byte 5 = 0 enters, 1 leaves). A write of
//   section 0x02, 0x03 or 0x04 lands in the bank of the selected profile.
// - The selected profile changes at once with a 0x44 frame (byte 5, 0..4), with a write of the
//   settings section that covers its byte 6 (the active profile index), and with a switch on the
//   mouse. A settings write that covers byte 17 stores the DPI stage of the profile its byte 6
//   names.
// - A reload of the settings section (0x40, mask 0x01) puts the selected profile in effect, with
//   its remembered DPI stage and its report rate (settings bytes 11..15). Until then the status
//   report keeps giving the profile, stage and rate in effect before, so a 0x44 switch is reported
//   after the reload that follows it. A reload never falls back to settings byte 6: a 0x44 switch
//   holds until the next settings write names another profile. The other reload masks are only
//   recorded: the tables have no effect the host can read back.
// - Changes on the mouse take effect at once and are kept in memory, so a later reload keeps them:
//   a profile switch selects that profile's bank and its remembered stage and rate; a stage or rate
//   change is remembered for the profile in effect.
class FirmwareMemory {
public:
    static constexpr int kSectionSize = 128;
    static constexpr int kMacroSectionSize = 4096;
    static constexpr int kProfiles = FirmwareState::kProfiles;

    // The factory state: empty tables, profile 1 at stage 2 and report-rate code 1.
    FirmwareMemory();
    static FirmwareState factoryState();

    // What a frame did, so the caller knows when the memory is worth keeping.
    enum class Effect {
        None,
        Changed,         // memory changed (a write or reload inside configuration mode)
        SequenceEnded,   // configuration mode left
        ChangedOutside,  // a selection or reload outside configuration mode
    };
    // Runs one well-formed host frame (report ID first, 33 bytes) through the memory. Status
    // requests and unknown commands do nothing here.
    Effect receive(const QByteArray& frame);

    void changeProfileOnMouse(uint8_t profile);  // ignored outside 0..4
    void changeDpiStageOnMouse(uint8_t stage);
    void changeRateOnMouse(uint8_t rate);

    bool inConfigMode() const { return configMode_; }
    void leaveConfigMode() { configMode_ = false; }  // power lost, unplugged
    const std::vector<uint8_t>& reloadMasks() const { return reloads_; }

    // Section `command` (0x01..0x05); for 0x02..0x04 the bank of `profile`, or of the selected
    // profile when profile is -1. Empty for an unknown section or profile.
    QByteArray section(uint8_t command, int profile = -1) const;
    // Replaces a section, cut or zero-padded to its size.
    void setSection(uint8_t command, const QByteArray& bytes, int profile = -1);

    uint8_t selectedProfile() const { return s_.selected; }
    uint8_t activeProfile() const { return s_.activeProfile; }
    uint8_t dpiStage() const { return s_.activeStage; }
    uint8_t rate() const { return s_.activeRate; }

    const FirmwareState& state() const { return s_; }
    // Takes a state read back from a file; false (and nothing changed) when it is not whole.
    bool restore(const FirmwareState& state);

private:
    QByteArray* sectionRef(uint8_t command, int profile);
    void storeSectionWrite(const QByteArray& frame);
    void putInEffect(uint8_t profile);

    FirmwareState s_;
    bool configMode_ = false;
    std::vector<uint8_t> reloads_;
};

}  // namespace mousecfg
