#include "cli/cli_saved_settings.h"

#include <QSettings>

#include "storage/pending_changes.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"

namespace mousecfg {

SavedSettings::SavedSettings(Paths paths) : paths_(std::move(paths)) {
    loadConfigState(paths_, loaded_);
    edited_ = loaded_;
}

ChangeMask SavedSettings::changes() const {
    return compareConfigStates(edited_, loaded_);
}

std::optional<QString> SavedSettings::save() {
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
    // Pending first: a save cut short then costs at most a section written again. Each profile's
    // tables are compared on their own, so that the groups are recorded for the profile they are in.
    pending::add(paths_, -1, changes() & change::kBasic);
    for (int p = 0; p < kProfileCount; ++p) {
        ConfigState one = loaded_;
        one.profiles[static_cast<size_t>(p)] = edited_.profiles[static_cast<size_t>(p)];
        pending::add(paths_, p, compareConfigStates(one, loaded_) & ~change::kBasic);
    }
    if (edited_.profileNames != loaded_.profileNames || edited_.ProfileID != loaded_.ProfileID)
        saveProfileList(paths_, edited_);
    if (edited_.LiftHigh != loaded_.LiftHigh) {
        QSettings s(paths_.configFile(), QSettings::IniFormat);
        s.setValue(QStringLiteral("Config/LiftHigh"), static_cast<int>(edited_.LiftHigh));
    }
    for (int p = 0; p < kProfileCount; ++p) {
        const auto i = static_cast<size_t>(p);
        if (profileChanged[i]) saveProfileFile(paths_, edited_.profiles[i], edited_.profileNames[i]);
    }
    loaded_ = edited_;
    return std::nullopt;
}

}  // namespace mousecfg
