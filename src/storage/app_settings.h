#pragma once

#include <QColor>
#include <QString>

#include "storage/save_status.h"

namespace mousecfg {

class Paths;

// Single values of Configs/Config.ini. Every call opens the file, reads or writes one key and
// closes it again; nothing is cached. Missing keys read as their defaults (0 or empty unless said),
// and so does every key of a file that is refused (a link, not a regular file, too large). A save
// replaces the file whole and says whether it could (SaveBatch).
namespace appsettings {

int loadProfileId(const Paths& p);
SaveStatus saveProfileId(const Paths& p, int id);
int loadDiff(const Paths& p);
SaveStatus saveDiff(const Paths& p, int diff);
QString loadCurrentProductName(const Paths& p);
SaveStatus saveCurrentProductName(const Paths& p, const QString& name);
QString loadModel(const Paths& p);
int loadThemeColourId(const Paths& p);
// The theme colour table entry for "Config/GColorID"; an index outside the table gives entry 0.
QColor themeColour(int id);
QColor loadThemeColour(const Paths& p);
int loadBattery(const Paths& p);
SaveStatus saveBattery(const Paths& p, int percent);
int loadBatteryFull(const Paths& p);  // default 4200 mV
// "Config/ShowProfileBar": the profile bar laid out in the window (default), or 0: only "Reset
// All", "LOAD" and "SAVE", the rest of the bar without size as in the original layout.
bool loadShowProfileBar(const Paths& p);
// "Config/BatteryAlert": tell the user when the battery level falls below this percentage
// (0 .. 100, 0 = never); 15 when missing or not a number.
int loadBatteryAlert(const Paths& p);
// "Config/OSD": 0 keeps the on-screen display off; on when missing or not a number.
bool loadOsdEnabled(const Paths& p);
int loadSensorId(const Paths& p);           // "MouseSenSor/1"
int loadLedVariant(const Paths& p);         // "MouseLEDMode/" + current product
QString loadMouseListName(const Paths& p);  // "Mouse_List/0"

// The macro list "MACRO_LIST/0" .. "MACRO_LIST/49".
constexpr int kMacroListSize = 50;
QString loadMacroListEntry(const Paths& p, int index);
SaveStatus saveMacroListEntry(const Paths& p, int index, const QString& name);

}  // namespace appsettings
}  // namespace mousecfg
