#pragma once

#include <QString>

#include "storage/config_state.h"
#include "storage/save_status.h"

class QSettings;

namespace mousecfg {

class IniRecords;
class Paths;
class SaveBatch;

// Number of keys one profile occupies in a file.
constexpr int kProfileKeyCount = 8453;
constexpr int kExportedProfileKeyCount = 8451;  // settings exports leave out LedMoveOFF/LedSleepTime

enum class ProfileKeySet {
    Full,            // profile files
    SettingsExport,  // "PROFILE_%d" groups of a settings export: no LedMoveOFF, no LedSleepTime
};

// Writes one profile as the keys of `group` into an open settings object; reads one from the
// records of a file. Reading assigns every field of the key set (a missing key gives 0, empty or
// an invalid colour); with SettingsExport, LedMoveOFF and LedSleepTime are left as they were.
void writeProfileGroup(QSettings& settings, const QString& group, const MouseProfile& profile,
                       ProfileKeySet keys = ProfileKeySet::Full);
void readProfileGroup(const IniRecords& records, const QString& group, MouseProfile& profile,
                      ProfileKeySet keys = ProfileKeySet::Full);

// True when the file already holds `profile` as writeProfileGroup would write it, so writing it
// again would change nothing.
bool profileGroupHolds(const IniRecords& records, const QString& group, const MouseProfile& profile,
                       ProfileKeySet keys = ProfileKeySet::Full);

// How many keys of the set `group` holds, counting up to `enough` (a file holds "profile keys"
// when this is above 0; a complete profile holds all of them).
int countProfileKeys(const IniRecords& records, const QString& group, ProfileKeySet keys, int enough);

// Files named after a profile. A name that could leave its folder ("", ".", "..", a path
// separator) gives an empty path; the operations below then read nothing and write nothing.
QString currentProfileFile(const Paths& paths, const QString& name);  // Configs/Profile/<name>.prof
QString libraryProfileFile(const Paths& paths, const QString& product, const QString& name);
QString defaultProfileFile(const Paths& paths);  // Configs/Profile/DefaultProfile.prof

// The current profile file of `name`, group "PROFILE". save returns false when the name was refused
// or the save failed.
bool saveProfileFile(const Paths& paths, const MouseProfile& profile, const QString& name);

enum class ProfileLoad {
    Loaded,    // read from the file
    Defaults,  // the file was missing, refused, or held no profile keys: the product defaults
};
// Reads the current profile file of `name`. A file that is missing or damaged does not give an
// all-zero profile (every button unassigned, which the next Apply would send to the mouse): it
// gives the product defaults, with `name` as ProfileName, and a log line (mousecfg.storage).
ProfileLoad loadProfileFile(const Paths& paths, MouseProfile& profile, const QString& name);
// The same for any profile file of the data folder (library profiles) or elsewhere.
ProfileLoad loadProfileFromPath(const Paths& paths, MouseProfile& profile, const QString& file,
                                const QString& name);
// Group "PROFILE" of a file chosen elsewhere (imported and exported profiles). A missing or refused
// file reads as all zeros, empty strings and invalid colours.
void loadProfileFromPath(MouseProfile& profile, const QString& file);
// Writes group "PROFILE" into `file` (whole or not at all). With `paths`, a file in the data
// folder gets the folder's checks and lock; without, `file` is treated as a file outside it.
SaveStatus saveProfileToPath(const Paths& paths, const MouseProfile& profile, const QString& file);
SaveStatus saveProfileToPath(const MouseProfile& profile, const QString& file);
// Adds group "PROFILE" of `file` to a save (left out of it when the file holds the profile already).
void addProfileFile(SaveBatch& batch, const QString& file, const MouseProfile& profile);
// Writes only "PROFILE/dpi" of the current profile file of `name` (nothing when it holds the value).
bool saveDpiIndex(const Paths& paths, const QString& name, int value);

// Regenerates Configs/Profile/DefaultProfile.prof from the product defaults, when it is missing or
// holds anything else.
SaveStatus writeDefaultProfileFile(const Paths& paths);

// "MouseName/Name": the product an exported file belongs to. Stamping keeps the file's other keys.
SaveStatus stampProductName(const Paths& paths, const QString& file, const QString& product);
SaveStatus stampProductName(const QString& file, const QString& product);
QString readProductName(const QString& file);

}  // namespace mousecfg
