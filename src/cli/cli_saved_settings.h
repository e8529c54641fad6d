#pragma once

#include <QString>
#include <optional>

#include "storage/config_state.h"
#include "storage/paths.h"

namespace mousecfg {

// The saved settings as the command line reads and edits them: the five profile files and
// Config.ini, the same files the window loads. An edit is saved over what was loaded: only the
// files whose part changed are written, and the groups it changed are recorded as pending for the
// next apply (pending_changes.h) before anything else is written.
class SavedSettings {
public:
    explicit SavedSettings(Paths paths);

    const Paths& paths() const { return paths_; }
    const ConfigState& loaded() const { return loaded_; }
    // The set being edited (starts as what was loaded).
    ConfigState& edited() { return edited_; }
    const ConfigState& edited() const { return edited_; }

    // The groups the edit changes (the window's comparison; no file is read).
    ChangeMask changes() const;
    // Writes the edit, with the groups it changed recorded as pending for each profile. Returns
    // why nothing was written (a changed profile has no name its file could take), or nothing.
    std::optional<QString> save();

private:
    Paths paths_;
    ConfigState loaded_;
    ConfigState edited_;
};

}  // namespace mousecfg
