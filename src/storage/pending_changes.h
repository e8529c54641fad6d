#pragma once

#include "storage/config_state.h"
#include "storage/save_status.h"

class QSettings;

namespace mousecfg {

class Paths;

// Groups changed in the saved settings that the mouse has not been sent yet: edits made without
// a window (mousecfg-cli set, use). The window compares its edited set with the set it loaded;
// an edit saved straight to the files leaves no such difference, so it is recorded here, in
// Config.ini, until the next apply (of the window or the command line) writes it:
// "Pending/Settings" = 1 for the settings group shared by all profiles, and "Pending/Profile1"
// .. "Pending/Profile5" the DPI, button and lighting groups (2, 4, 8) of each profile.
namespace pending {

// Adds the groups of `changes` to Config.ini open in a save.
void add(QSettings& config, const ProfileChanges& changes);
// The same as a save of its own.
SaveStatus add(const Paths& paths, const ProfileChanges& changes);
// Every recorded group; bits outside the groups are ignored.
ProfileChanges load(const Paths& paths);
// Forgets them, in Config.ini open in a save (an apply that sends them, or that leaves
// "Config/Diff" set so that the next one writes everything).
void clear(QSettings& config);

}  // namespace pending
}  // namespace mousecfg
