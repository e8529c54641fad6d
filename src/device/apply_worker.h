#pragma once

#include "device/device_link.h"
#include "storage/config_state.h"
#include "storage/paths.h"

namespace mousecfg {

class ProfileWriter;

// Result of an apply besides the transaction codes: the mouse had reported itself off, so
// nothing was sent.
inline constexpr uint8_t kApplyMouseOff = 5;

struct ApplyOutcome {
    uint8_t result = TxOk;            // TxOk, a transaction code, or kApplyMouseOff
    ChangeMask mask = change::kNone;  // the groups written (0: nothing was sent)
};

// The work behind "Apply" (and `mousecfg-cli apply`): save the edited set, find what changed
// against the stored set, together with the groups recorded as pending (see pending_changes.h),
// (everything after a failed write or when asked), write it, take the
// edited set as the stored one and remember a failure in "Config/Diff" for the next apply.
//
// Runs on the write thread while the GUI waits; it touches `working`, `stored` and the settings
// files, so nothing else may use them until it returns.
ApplyOutcome runApply(const Paths& paths, ProfileWriter& writer, ConfigState& working, ConfigState& stored,
                      bool writeAll, bool mouseOff);

}  // namespace mousecfg
