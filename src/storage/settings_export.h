#pragma once

#include <QString>

#include "storage/config_state.h"

namespace mousecfg {

class Paths;

// Settings export files (*.conf): "MouseName/Name", the four Config values and the five profiles
// as groups "PROFILE_0" .. "PROFILE_4" (without LedMoveOFF and LedSleepTime).

void exportSettings(const QString& file, const ConfigState& state);
// Reads the four Config values, "Config/Profile1..5" into the names (empty in files this program
// writes) and the five profiles. LedMoveOFF and LedSleepTime keep the values `state` had.
void importSettings(const QString& file, ConfigState& state);

enum class ImportResult {
    Imported = 0,
    WrongProduct,  // "MouseName/Name" is not the current product: nothing changed
};

// Stamps the current product ("Config/CurrentProductName") into the file, then exports.
void exportSettingsFile(const Paths& paths, const QString& file, const ConfigState& state);
// Imports only when the file's product equals the current product exactly (case-sensitive).
ImportResult importSettingsFile(const Paths& paths, const QString& file, ConfigState& state);

}  // namespace mousecfg
