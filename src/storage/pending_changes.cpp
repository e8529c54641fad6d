#include "storage/pending_changes.h"

#include <QSettings>

#include "storage/ini_file.h"
#include "storage/paths.h"
#include "storage/save_batch.h"

namespace mousecfg::pending {

namespace {

const QString kGroup = QStringLiteral("Pending");
const QString kSettingsKey = QStringLiteral("Pending/Settings");
constexpr ChangeMask kTables = change::kDpi | change::kButtons | change::kLighting;

QString profileKey(int profile) {
    return QStringLiteral("Pending/Profile%1").arg(profile + 1);
}

}  // namespace

void add(QSettings& config, int profile, ChangeMask mask) {
    if (mask & change::kBasic) config.setValue(kSettingsKey, 1);
    if ((mask & kTables) && profile >= 0 && profile < kProfileCount) {
        const QString key = profileKey(profile);
        config.setValue(key, (config.value(key).toInt() | mask) & kTables);
    }
}

SaveStatus add(const Paths& paths, int profile, ChangeMask mask) {
    SaveBatch batch(paths);
    batch.editIni(paths.configFile(), [profile, mask](QSettings& s) { add(s, profile, mask); });
    return batch.commit();
}

ChangeMask load(const Paths& paths) {
    const IniReader config(paths, paths.configFile());
    ChangeMask mask = config.value(kSettingsKey).toInt() != 0 ? change::kBasic : change::kNone;
    for (int p = 0; p < kProfileCount; ++p) mask |= config.value(profileKey(p)).toInt() & kTables;
    return mask;
}

void clear(QSettings& config) {
    config.remove(kGroup);
}

}  // namespace mousecfg::pending
