#include "storage/pending_changes.h"

#include <QSettings>

#include "storage/paths.h"

namespace mousecfg::pending {

namespace {

const QString kSettingsKey = QStringLiteral("Pending/Settings");
constexpr ChangeMask kTables = change::kDpi | change::kButtons | change::kLighting;

QString profileKey(int profile) {
    return QStringLiteral("Pending/Profile%1").arg(profile + 1);
}

}  // namespace

void add(const Paths& paths, int profile, ChangeMask mask) {
    if ((mask & change::kAll) == change::kNone) return;
    QSettings s(paths.configFile(), QSettings::IniFormat);
    if (mask & change::kBasic) s.setValue(kSettingsKey, 1);
    if ((mask & kTables) && profile >= 0 && profile < kProfileCount) {
        const QString key = profileKey(profile);
        s.setValue(key, (s.value(key).toInt() | mask) & kTables);
    }
}

ChangeMask load(const Paths& paths) {
    QSettings s(paths.configFile(), QSettings::IniFormat);
    ChangeMask mask = s.value(kSettingsKey).toInt() != 0 ? change::kBasic : change::kNone;
    for (int p = 0; p < kProfileCount; ++p) mask |= s.value(profileKey(p)).toInt() & kTables;
    return mask;
}

void clear(const Paths& paths) {
    QSettings s(paths.configFile(), QSettings::IniFormat);
    s.remove(QStringLiteral("Pending"));
}

}  // namespace mousecfg::pending
