#include "cli/cli_saved_settings.h"

#include <QSettings>

#include "storage/data_lock.h"
#include "storage/pending_changes.h"
#include "storage/profile_files.h"
#include "storage/save_batch.h"
#include "storage/settings_file.h"

namespace mousecfg {

SavedSettings::SavedSettings(Paths paths, std::optional<int> lockWaitMs) : paths_(std::move(paths)) {
    if (lockWaitMs) {
        lock_ = std::make_unique<DataFolderLock>(paths_, *lockWaitMs);
        lockStatus_ = lock_->status();
        if (!lockStatus_.ok()) return;
    }
    loadConfigState(paths_, loaded_);
    edited_ = loaded_;
}

SavedSettings::~SavedSettings() = default;

ProfileChanges SavedSettings::changes() const {
    return compareProfileChanges(edited_, loaded_);
}

std::optional<QString> SavedSettings::save() {
    if (edited_ == loaded_) return std::nullopt;
    std::array<bool, kProfileCount> profileChanged{};
    for (int p = 0; p < kProfileCount; ++p) {
        const auto i = static_cast<size_t>(p);
        profileChanged[i] =
            edited_.profiles[i] != loaded_.profiles[i] || edited_.profileNames[i] != loaded_.profileNames[i];
        if (profileChanged[i] && currentProfileFile(paths_, edited_.profileNames[i]).isEmpty())
            return QStringLiteral("profile %1 has no name its file could take (\"%2\" in Config.ini)")
                .arg(p + 1)
                .arg(edited_.profileNames[i]);
    }
    const ProfileChanges pendingNow = changes();
    const bool list = edited_.profileNames != loaded_.profileNames || edited_.ProfileID != loaded_.ProfileID;
    const bool lift = edited_.LiftHigh != loaded_.LiftHigh;

    SaveBatch batch(paths_);
    batch.editIni(paths_.configFile(), [&](QSettings& s) {
        pending::add(s, pendingNow);
        if (list) {
            s.setValue(QStringLiteral("Config/ProfileID"), static_cast<int>(edited_.ProfileID));
            for (int p = 0; p < kProfileCount; ++p)
                s.setValue(QStringLiteral("Config/Profile%1").arg(p + 1),
                           edited_.profileNames[static_cast<size_t>(p)]);
        }
        if (lift) s.setValue(QStringLiteral("Config/LiftHigh"), static_cast<int>(edited_.LiftHigh));
    });
    for (int p = 0; p < kProfileCount; ++p) {
        const auto i = static_cast<size_t>(p);
        if (profileChanged[i])
            addProfileFile(batch, currentProfileFile(paths_, edited_.profileNames[i]), edited_.profiles[i]);
    }
    const SaveStatus saved = batch.commit();
    if (!saved.ok()) return saved.message();
    loaded_ = edited_;
    return std::nullopt;
}

}  // namespace mousecfg
