#include "storage/pending_changes.h"

#include <QSettings>

#include "storage/ini_file.h"
#include "storage/paths.h"
#include "storage/save_batch.h"

namespace mousecfg::pending {

namespace {

const QString kGroup = QStringLiteral("Pending");
const QString kSettingsKey = QStringLiteral("Pending/Settings");

QString profileKey(int profile) {
    return QStringLiteral("Pending/Profile%1").arg(profile + 1);
}

}  // namespace

void add(QSettings& config, const ProfileChanges& changes) {
    if (changes.global & change::kBasic) config.setValue(kSettingsKey, 1);
    for (int p = 0; p < kProfileCount; ++p) {
        const ChangeMask mask = changes.perProfile[static_cast<size_t>(p)] & change::kTables;
        if (mask == change::kNone) continue;
        const QString key = profileKey(p);
        config.setValue(key, (config.value(key).toInt() | mask) & change::kTables);
    }
}

SaveStatus add(const Paths& paths, const ProfileChanges& changes) {
    SaveBatch batch(paths);
    batch.editIni(paths.configFile(), [&changes](QSettings& s) { add(s, changes); });
    return batch.commit();
}

ProfileChanges load(const Paths& paths) {
    const IniReader config(paths, paths.configFile());
    ProfileChanges changes;
    changes.global = config.value(kSettingsKey).toInt() != 0 ? change::kBasic : change::kNone;
    for (int p = 0; p < kProfileCount; ++p)
        changes.perProfile[static_cast<size_t>(p)] = config.value(profileKey(p)).toInt() & change::kTables;
    return changes;
}

void clear(QSettings& config) {
    config.remove(kGroup);
}

}  // namespace mousecfg::pending
