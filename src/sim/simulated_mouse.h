#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "device/hid_backend.h"
#include "sim/firmware_memory.h"

namespace mousecfg {

// The mouse and its receiver as seen through HID, behind the same backend seam as hidapi.
//
// Paths: the receiver (0x248A:0xFA02) and the cable (0x248A:0xFB01), each with a mouse
// collection (usage page 1, usage 2) and a command collection (usage page 1, usage 0). With
// PathStyle::Hidraw both collections share one path and every input report reaches every handle
// opened on it (as a Linux hidraw node does); with PathStyle::Windows each collection has its own
// "...&col01" / "...&col04" path and only sees its own reports.
//
// Firmware model (FirmwareMemory): the 128-byte settings section 0x01, the DPI, button and
// lighting sections 0x02..0x04 once per on-board profile (five banks; a table write lands in the
// bank of the selected profile), and the 4096-byte macro section 0x05 shared by all profiles;
// writes land only in configuration mode. 0x44, a settings write of byte 6 and a switch on the
// mouse select a profile; the reload of the settings section (0x40 mask 0x01) puts it in effect
// with its own DPI stage and report rate. firmware_memory.h has the details.
//
// Echo rules: commands 0x00..0x0A are echoed whole, 0x40 and 0x46 with their header only, 0x44
// and 0x48 not at all; frames with a wrong report ID, marker or checksum are ignored. 0x48 queues
// a battery report (0x48) and, unless the mouse is off, a status report (0x49) with the profile,
// stage and rate in effect. Profile, DPI stage and rate changed "on the mouse" are reported
// unasked. Each handle queues at most 64 input reports; later ones are dropped.
//
// Memory across runs: with Options::stateFile the mouse starts from that file (the factory state
// when it is missing or damaged) and writes it, atomically, whenever configuration mode is left,
// after a profile selection or reload outside configuration mode, and after a change on the
// mouse, so a restarted program finds the mouse as it was left.
//
// Thread-safe: the status thread and a test may use it at the same time.
class SimulatedMouse : public HidBackend {
public:
    enum class PathStyle { Hidraw, Windows };
    enum class Path { Receiver = 0, Cable = 1 };
    struct Options {
        bool receiver = true;
        bool cable = false;
        PathStyle style = PathStyle::Hidraw;
        uint16_t receiverRelease = 0x0100;
        uint16_t cableRelease = 0x0100;
        QString stateFile = QString();  // where the memory is kept across runs; empty: nowhere
    };
    static constexpr int kSectionSize = FirmwareMemory::kSectionSize;
    static constexpr int kMacroSectionSize = FirmwareMemory::kMacroSectionSize;
    static constexpr int kQueueLimit = 64;
    static constexpr uint8_t kMotionReportId = 0x01;

    SimulatedMouse();
    explicit SimulatedMouse(Options options);
    ~SimulatedMouse() override;

    // HidBackend
    int init() override;
    std::vector<HidDeviceInfo> enumerate() override;
    std::unique_ptr<HidHandle> open(const QByteArray& path) override;
    int exit() override;

    // --- Plugging and enumeration
    // Called, on the thread that made it, after every change of what enumerate() lists (plugs,
    // listed collections, release numbers, init failure, other devices; an unplug during a write
    // included). Empty: nobody is told.
    void setEnumerationListener(std::function<void()> listener);
    void setPresent(Path path, bool present);
    // Lists only some collections of a path (a half-enumerated device).
    void setCollectionsListed(Path path, bool mouseCollection, bool commandCollection);
    void setRelease(Path path, uint16_t release);
    // Pulls both plugs: every handle open now fails from here on, even after replug().
    void unplug();
    void replug();
    // Unplugs right after the next n frames have been written (n >= 1).
    void unplugAfterWrites(int n);
    void setInitFails(bool fails);
    // Records appended to every enumeration (other devices).
    void setExtraDevices(std::vector<HidDeviceInfo> devices);
    QByteArray mousePath(Path path) const;
    QByteArray commandPath(Path path) const;
    int openHandleCount() const;

    // --- Memory
    // Section 0x01..0x05; for the banked sections 0x02..0x04 the bank of `profile` (0..4), or of
    // the selected profile with -1. Empty for an unknown section or profile.
    QByteArray section(uint8_t command, int profile = -1) const;
    void setSection(uint8_t command, const QByteArray& bytes, int profile = -1);
    bool inConfigMode() const;
    std::vector<uint8_t> reloadMasks() const;  // byte 6 of every 0x40 received, in order

    // --- Live state
    void setBatteryMillivolts(int millivolts);  // stored as the raw reading the mouse reports
    void setBatteryRaw(uint16_t raw);
    uint16_t batteryRaw() const;
    void setCharging(bool charging);
    void setLinkMode(uint8_t mode);
    void setWriteStatus(uint8_t status);
    void setMouseOff(bool off);  // battery answers all zero, no status answer
    void setMode(uint8_t mode);
    // The profile, DPI stage and rate in effect (what the status report gives).
    uint8_t activeProfile() const;
    uint8_t dpiStage() const;
    uint8_t rate() const;
    uint8_t selectedProfile() const;  // the bank that table writes land in
    // Changes "on the mouse": each reports itself unasked with a status report.
    void changeProfileOnMouse(uint8_t profile);
    void changeDpiStageOnMouse(uint8_t stage);
    void changeRateOnMouse(uint8_t rate);
    // Mouse motion reports on the mouse collection.
    void moveMouse(int reports);
    // Queues a raw input report on the command collection (report ID first).
    void queueCommandReport(const QByteArray& report);

    // --- Fault injection (count -1: until cleared with count 0)
    enum class EchoFault {
        None,
        Drop,          // no echo: reads time out
        WrongHeader,   // byte 5 (offset) altered
        WrongData,     // byte 9 altered
        AllZero,       // an all-zero report
        ChecksumOnly,  // byte 2 altered
        PhaseOnly,     // byte 8 altered
        ControlData,   // a control echo carrying data bytes
    };
    void injectEchoFault(EchoFault fault, int count);
    void failReads(int count);
    void failWrites(int count);
    // The mouse hears nothing: frames are taken by the HID layer but neither acted on nor
    // answered, status requests included.
    void setSilent(bool silent);
    // Called with the 1-based number of every frame written to any handle (failed writes
    // included), before the mouse sees the frame and outside its lock, so the hook may inject a
    // fault that this very frame meets. Runs in the writing thread.
    using FrameHook = std::function<void(int frame)>;
    void setFrameHook(FrameHook hook);

    // --- Frame log: every report written to any handle, 33 bytes each, in order.
    std::vector<QByteArray> frameLog() const;
    std::vector<QByteArray> framesWithCommand(uint8_t command) const;
    void clearFrameLog();
    int writeCount() const;  // write calls on any handle, failed ones included
    int readCount() const;   // read calls on any handle, failed ones included
    void resetCounters();

private:
    struct Impl;
    class Handle;
    std::shared_ptr<Impl> d_;
};

}  // namespace mousecfg
