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

// Reprograms the mouse from a profile set: configuration mode, the sections named by the change
// mask, section reloads, the macro memory, and back to normal mode. Every frame goes through the
// link's checked transaction and the first failure ends the sequence with its result code.
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

    // flags: change::kBasic, kDpi, kButtons, kLighting (any combination).
    TxResult WriteProfileSet(const ConfigState& state, ChangeMask flags);

    TxResult SetConfigMode(bool enter);
    TxResult ReloadAllSections();
    // Selects the active profile (an index outside 0..4 selects profile 0) and reloads the
    // global settings; the frames' results are not looked at and 1 is always returned.
    int SelectProfile(int index);

    // The single sections, encoded from the device image.
    TxResult WriteGlobalSettings();
    TxResult WriteDpiTable(int profile);
    TxResult WriteButtonTable();
    TxResult WriteLedTable();
    TxResult UploadMacros();

    const ConfigState& deviceImage() const { return image_; }
    const MacroNumberMap& macroNumbers() const { return macros_; }
    // The macro memory of the last upload.
    const MacroMemory& macroMemory() const { return memory_; }

private:
    TxResult sendAll(const FrameList& frames);

    DeviceLink& link_;
    Paths paths_;
    StatusReporter* status_;
    WriteProduct product_;
    ConfigState image_;
    MacroNumberMap macros_;
    MacroMemory memory_{};
};

}  // namespace mousecfg
