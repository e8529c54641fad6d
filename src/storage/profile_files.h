#pragma once

#include <QString>

#include "storage/config_state.h"

class QSettings;

namespace mousecfg {

class Paths;

// Number of keys one profile occupies in a file.
constexpr int kProfileKeyCount = 8453;
constexpr int kExportedProfileKeyCount = 8451;  // settings exports leave out LedMoveOFF/LedSleepTime

enum class ProfileKeySet {
    Full,            // profile files
    SettingsExport,  // "PROFILE_%d" groups of a settings export: no LedMoveOFF, no LedSleepTime
};

// Writes / reads one profile as the keys of `group` in an open settings object. Reading assigns
// every field of the key set (a missing key gives 0, empty or an invalid colour); with
// SettingsExport, LedMoveOFF and LedSleepTime are left as they were.
void writeProfileGroup(QSettings& settings, const QString& group, const MouseProfile& profile,
                       ProfileKeySet keys = ProfileKeySet::Full);
void readProfileGroup(QSettings& settings, const QString& group, MouseProfile& profile,
                      ProfileKeySet keys = ProfileKeySet::Full);

// Files named after a profile. A name that could leave its folder ("", ".", "..", a path
// separator) gives an empty path; the operations below then read nothing and write nothing.
QString currentProfileFile(const Paths& paths, const QString& name);  // Configs/Profile/<name>.prof
QString libraryProfileFile(const Paths& paths, const QString& product, const QString& name);
QString defaultProfileFile(const Paths& paths);  // Configs/Profile/DefaultProfile.prof

// The current profile file of `name`, group "PROFILE". save returns false when the name was refused.
bool saveProfileFile(const Paths& paths, const MouseProfile& profile, const QString& name);
void loadProfileFile(const Paths& paths, MouseProfile& profile, const QString& name);
// Group "PROFILE" of any file (library, imported and exported profiles).
void loadProfileFromPath(MouseProfile& profile, const QString& file);
void saveProfileToPath(const MouseProfile& profile, const QString& file);
// Writes only "PROFILE/dpi" of the current profile file of `name`.
bool saveDpiIndex(const Paths& paths, const QString& name, int value);

// Regenerates Configs/Profile/DefaultProfile.prof from the product defaults.
void writeDefaultProfileFile(const Paths& paths);

// "MouseName/Name": the product an exported file belongs to.
void stampProductName(const QString& file, const QString& product);
QString readProductName(const QString& file);

}  // namespace mousecfg
