#pragma once

#include "storage/config_state.h"
#include "storage/save_status.h"

namespace mousecfg {

class Paths;
class SaveBatch;
struct ButtonMatrix;

// The profile set in Configs/Config.ini and the current profile files.

// Apply-time save: ProfileID, AngleValue, LiftHigh, Count and the first profile name go to
// Config.ini (the other four names only change through saveProfileList); then every profile goes
// to the file named after its slot name (a refused name is skipped). The six files are one save:
// all of them change or none does.
SaveStatus saveConfigState(const Paths& paths, const ConfigState& state);
// The same files added to a larger save.
void addConfigState(SaveBatch& batch, const Paths& paths, const ConfigState& state);

// Reads ProfileID, AngleValue, LiftHigh, Count and the five names from Config.ini and each profile
// from the file of its name; a profile whose file is missing, damaged or refused (or whose name
// is) gets the product defaults. A save that a killed program left half done is finished first.
// When `matrix` is given, the descriptor's button matrix is reloaded into it (left as it was
// without a descriptor).
void loadConfigState(const Paths& paths, ConfigState& state, ButtonMatrix* matrix = nullptr);

// Profile switch and profile-list save: ProfileID, Count and all five names.
SaveStatus saveProfileList(const Paths& paths, const ConfigState& state);

// Load of the stored settings: loadConfigState into `stored`, whole copy into `working`, and
// Configs/Profile/DefaultProfile.prof regenerated from the product defaults.
void reloadStoredSettings(const Paths& paths, ConfigState& stored, ConfigState& working,
                          ButtonMatrix* matrix = nullptr);

}  // namespace mousecfg
