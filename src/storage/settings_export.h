#pragma once

#include <QString>

#include "storage/config_state.h"
#include "storage/save_status.h"

namespace mousecfg {

class Paths;

// Settings export files (*.conf): "MouseName/Name", the four Config values and the five profiles
// as groups "PROFILE_0" .. "PROFILE_4" (without LedMoveOFF and LedSleepTime).

// Writes the four Config values and the five profiles into `file`, keeping its other keys; the
// file is replaced whole, never written through a link.
SaveStatus exportSettings(const QString& file, const ConfigState& state);
// Reads the four Config values, "Config/Profile1..5" into the names (empty in files this program
// writes) and the five profiles. LedMoveOFF and LedSleepTime keep the values `state` had. A
// missing or refused file changes nothing.
void importSettings(const QString& file, ConfigState& state);

enum class ImportResult {
    Imported = 0,
    WrongProduct,  // "MouseName/Name" is not the current product: nothing changed
    Incomplete,    // not all five profiles and global values (an exported profile, a cut file)
    Unreadable,    // missing, a FIFO or device, too large (or a link inside the data folder)
};

// A new file holding the current product's stamp ("Config/CurrentProductName") and the settings,
// which replaces `file` only once it is complete: an interrupted export leaves the old file or
// none, never a stamp alone. A target that is a link or not a regular file is refused.
SaveStatus exportSettingsFile(const Paths& paths, const QString& file, const ConfigState& state);
// Imports only a complete settings set whose product equals the current product exactly
// (case-sensitive); anything else changes nothing. `detail` receives an English reason.
ImportResult importSettingsFile(const Paths& paths, const QString& file, ConfigState& state,
                                QString* detail = nullptr);

}  // namespace mousecfg
