#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "storage/config_state.h"
#include "storage/paths.h"
#include "storage/save_status.h"

namespace mousecfg {

class DataFolderLock;

// The saved settings as the command line reads and edits them: the five profile files and
// Config.ini, the same files the window loads. An edit is saved over what was loaded in one save
// that lands whole: the files whose part changed, and the groups it changed recorded as pending
// for the next apply (pending_changes.h).
class SavedSettings {
public:
    // Reads the saved settings. With `lockWaitMs` given, the data folder is locked first and stays
    // locked while the object lives, so that no other program's save lands between the read and
    // save(); see lockStatus().
    explicit SavedSettings(Paths paths, std::optional<int> lockWaitMs = std::nullopt);
    ~SavedSettings();

    // Whether the lock asked for is held (always ok without one); nothing was read otherwise.
    const SaveStatus& lockStatus() const { return lockStatus_; }
    const Paths& paths() const { return paths_; }
    const ConfigState& loaded() const { return loaded_; }
    // The set being edited (starts as what was loaded).
    ConfigState& edited() { return edited_; }
    const ConfigState& edited() const { return edited_; }

    // The groups the edit changes, by profile (the window's comparison; no file is read).
    ProfileChanges changes() const;
    // Writes the edit. Returns why nothing was written (a changed profile has no name its file
    // could take, or the save failed), or nothing.
    std::optional<QString> save();

private:
    Paths paths_;
    std::unique_ptr<DataFolderLock> lock_;
    SaveStatus lockStatus_;
    ConfigState loaded_;
    ConfigState edited_;
};

}  // namespace mousecfg
