#pragma once

#include "device/button_table.h"
#include "device/device_link.h"
#include "device/macro_upload.h"
#include "storage/config_state.h"
#include "storage/paths.h"

namespace mousecfg {

class StatusReporter;

// The product facts a profile write depends on.
struct WriteProduct {
    int sensorCode = 0;     // "MouseSenSor/1"
    int dpiStageCount = 0;  // decoded descriptor count (8 is sent when outside 1..8)
    ButtonLayout buttons;   // button count, matrix, wheel swap, sensor
};
// Reads them from Config.ini and the product descriptor.
WriteProduct loadWriteProduct(const Paths& paths);

// Reprograms the mouse from a profile set: configuration mode, the groups named by the changes,
// section reloads, the macro memory, and back to normal mode. Every frame goes through the
// link's checked transaction and the first failure ends the sequence with its result code.
//
// The mouse keeps one settings section for all profiles and a DPI, button and lighting table per
// profile; a table write lands in the bank of the profile the mouse has selected. So every table
// is encoded from the profile it is written for, and the order is:
//   enter; the settings section (it also selects the active profile); for each profile with
//   changed tables, the profiles that are not active first, then the active one: a select frame
//   (0x44) unless that profile is already selected in this sequence, then its button, DPI and
//   lighting tables; the active profile selected again when it is not; the five reloads; the
//   macro memory; leave.
// The active profile is selected before its tables even without a settings write, since the mouse
// may have been switched with its own button since the last status report. A change of the button
// group in any profile writes the button tables of all five: macro numbers are handed out over all
// five profiles in one map (profile order, button order) for the one macro memory they share.
//
// The writer owns the device image (what was last encoded for the mouse) and the macro number
// map; both live as long as the writer, which the application keeps for the whole run. With a
// status reporter, the status thread is stopped before a profile write and started again after a
// successful one (the same stop/start the main window uses).
class ProfileWriter {
public:
    ProfileWriter(DeviceLink& link, Paths paths, StatusReporter* status = nullptr);

    // The product facts the writes encode for: read at construction; whoever can switch mice sets
    // them again before a write.
    void setProduct(const WriteProduct& product) { product_ = product; }
    const WriteProduct& product() const { return product_; }

    TxResult WriteProfileSet(const ConfigState& state, const ProfileChanges& changes);
    // flags: change::kBasic, kDpi, kButtons, kLighting (any combination), for the settings section
    // and the active profile's tables (kButtons still writes all five button tables).
    TxResult WriteProfileSet(const ConfigState& state, ChangeMask flags);

    TxResult SetConfigMode(bool enter);
    TxResult ReloadAllSections();
    // Selects the active profile (an index outside 0..4 selects profile 0) and reloads the
    // global settings; the frames' results are not looked at and 1 is always returned.
    int SelectProfile(int index);
    // A profile chosen in the window: the two frames of SelectProfile, then ReloadAllSections;
    // the first failing frame ends it with its result code.
    TxResult SwitchProfile(int index);

    // The single sections, encoded from the device image. A table goes to whatever bank the mouse
    // has selected; WriteButtonTable numbers the macros of all five profiles first.
    TxResult WriteGlobalSettings();
    TxResult WriteDpiTable(int profile);
    TxResult WriteButtonTable(int profile);
    TxResult WriteLedTable(int profile);
    TxResult UploadMacros();

    const ConfigState& deviceImage() const { return image_; }
    const MacroNumberMap& macroNumbers() const { return macros_; }
    // The macro memory of the last upload.
    const MacroMemory& macroMemory() const { return memory_; }

private:
    TxResult sendAll(const FrameList& frames);
    TxResult writeTables(int profile, ChangeMask groups);

    DeviceLink& link_;
    Paths paths_;
    StatusReporter* status_;
    WriteProduct product_;
    ConfigState image_;
    MacroNumberMap macros_;
    ButtonBuffers buttons_{};
    MacroMemory memory_{};
};

}  // namespace mousecfg
