#include "device/apply_worker.h"

#include <QSettings>

#include "device/device_log.h"
#include "device/profile_writer.h"
#include "storage/app_settings.h"
#include "storage/data_lock.h"
#include "storage/pending_changes.h"
#include "storage/save_batch.h"
#include "storage/settings_file.h"

namespace mousecfg {

ApplyOutcome runApply(const Paths& paths, ProfileWriter& writer, ConfigState& working, ConfigState& stored,
                      bool writeAll, bool mouseOff) {
    ApplyOutcome outcome;
    // The whole apply holds the data folder: another program's save cannot slip in between the
    // save, the write and the difference flag.
    DataFolderLock lock(paths);
    outcome.save = lock.status();
    if (!outcome.save.ok()) {
        outcome.result = kApplySaveFailed;
        return outcome;
    }
    const bool diffBefore = appsettings::loadDiff(paths) == 1;
    // Edits saved without a window (mousecfg-cli set) are recorded as pending groups.
    const ProfileChanges pendingBefore = pending::load(paths);
    // The settings and "Config/Diff" = 1 land together, before anything is sent: a program
    // killed during the write leaves the flag set, and the next apply writes everything. A mouse
    // that reports itself off gets nothing now, so the flag stays set for the next apply too.
    // The flag covers the pending groups from here on, so they are forgotten in the same save.
    SaveBatch save(paths);
    addConfigState(save, paths, working);
    save.editIni(paths.configFile(), [](QSettings& s) {
        s.setValue(QStringLiteral("Config/Diff"), 1);
        pending::clear(s);
    });
    outcome.save = save.commit();
    if (!outcome.save.ok()) {
        qCDebug(lcDevice).noquote() << "apply: settings not saved, nothing written -"
                                    << outcome.save.message();
        outcome.result = kApplySaveFailed;
        return outcome;
    }
    if (mouseOff) {
        outcome.result = kApplyMouseOff;
        return outcome;
    }
    ProfileChanges changes = computeProfileChanges(working, stored, paths);
    changes |= pendingBefore;
    if (diffBefore || writeAll) changes = ProfileChanges::all();
    if (changes.empty()) {
        // Nothing to send: the flag goes back to what it was.
        appsettings::saveDiff(paths, 0);
        return outcome;
    }

    outcome.mask = changes.combined();
    outcome.changes = changes;
    qCDebug(lcDevice) << "apply: writing mask" << outcome.mask;
    outcome.result = writer.WriteProfileSet(working, changes);
    stored = working;
    if (outcome.result != TxOk) {
        qCDebug(lcDevice) << "profile write failed with" << outcome.result
                          << "- next apply writes everything";
        return outcome;
    }
    qCDebug(lcDevice) << "profile write finished";
    const SaveStatus cleared = appsettings::saveDiff(paths, 0);
    if (!cleared.ok())
        qCDebug(lcDevice).noquote() << "apply: difference flag stays set -" << cleared.message();
    return outcome;
}

}  // namespace mousecfg
