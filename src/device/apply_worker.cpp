#include "device/apply_worker.h"

#include "device/device_log.h"
#include "device/profile_writer.h"
#include "storage/app_settings.h"
#include "storage/pending_changes.h"
#include "storage/settings_file.h"

namespace mousecfg {

ApplyOutcome runApply(const Paths& paths, ProfileWriter& writer, ConfigState& working, ConfigState& stored,
                      bool writeAll, bool mouseOff) {
    ApplyOutcome outcome;
    saveConfigState(paths, working);
    if (mouseOff) {
        outcome.result = kApplyMouseOff;
        return outcome;
    }
    // Edits saved without a window (mousecfg-cli set) are recorded as pending groups.
    ChangeMask mask = computeChangeMask(working, stored, paths) | pending::load(paths);
    if (appsettings::loadDiff(paths) == 1 || writeAll) mask = change::kAll;
    if (mask == change::kNone) return outcome;

    // The working set was saved above and has not changed since: no second save before the write.
    outcome.mask = mask;
    outcome.result = writer.WriteProfileSet(working, mask);
    stored = working;
    appsettings::saveDiff(paths, outcome.result == TxOk ? 0 : 1);
    // Sent, or to be sent whole by the next apply after a failure.
    pending::clear(paths);
    if (outcome.result != TxOk)
        qCDebug(lcDevice) << "profile write failed with" << outcome.result
                          << "- next apply writes everything";
    return outcome;
}

}  // namespace mousecfg
