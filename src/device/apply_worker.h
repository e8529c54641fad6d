#pragma once

#include "device/device_link.h"
#include "storage/config_state.h"
#include "storage/paths.h"
#include "storage/save_status.h"

namespace mousecfg {

class ProfileWriter;

// Result of an apply besides the transaction codes: the mouse had reported itself off, so
// nothing was sent.
inline constexpr uint8_t kApplyMouseOff = 5;
// The settings could not be saved (see ApplyOutcome::save): nothing was sent, and the sets in
// memory are as they were.
inline constexpr uint8_t kApplySaveFailed = 6;

struct ApplyOutcome {
    uint8_t result = TxOk;            // TxOk, a transaction code, kApplyMouseOff or kApplySaveFailed
    ChangeMask mask = change::kNone;  // the groups written (0: nothing was sent)
    ProfileChanges changes;           // the same, by profile
    SaveStatus save;                  // how saving the settings went
};

// The work behind "Apply" (and `mousecfg-cli apply`): save the edited set together with
// "Config/Diff" = 1, find what changed against the stored set, profile by profile, together with
// the groups recorded as pending (pending_changes.h; everything, all five profiles, after a failed
// or interrupted write, or when asked), write it, take the edited set as the stored one, and set
// "Config/Diff" back to 0 only once the write succeeded. A save that fails ends the apply before
// anything is sent. The data folder's lock is held throughout.
//
// Runs on the write thread while the GUI waits; it touches `working`, `stored` and the settings
// files, so nothing else may use them until it returns.
ApplyOutcome runApply(const Paths& paths, ProfileWriter& writer, ConfigState& working, ConfigState& stored,
                      bool writeAll, bool mouseOff);

}  // namespace mousecfg
