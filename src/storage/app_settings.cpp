#include "storage/app_settings.h"

#include <algorithm>

#include "storage/ini_file.h"
#include "storage/paths.h"
#include "storage/save_batch.h"

namespace mousecfg::appsettings {

namespace {

QVariant read(const Paths& p, const QString& key, const QVariant& def = QVariant()) {
    return IniReader(p, p.configFile()).value(key, def);
}

// A value the file holds already is not written again.
SaveStatus write(const Paths& p, const QString& key, const QVariant& value) {
    SaveBatch batch(p);
    batch.editIni(
        p.configFile(), [&key, &value](QSettings& s) { s.setValue(key, value); },
        [&key, &value](const IniRecords& r) { return r.holds(key, value); });
    return batch.commit();
}

}  // namespace

int loadProfileId(const Paths& p) {
    return read(p, QStringLiteral("Config/ProfileID")).toInt();
}
SaveStatus saveProfileId(const Paths& p, int id) {
    return write(p, QStringLiteral("Config/ProfileID"), id);
}
int loadDiff(const Paths& p) {
    return read(p, QStringLiteral("Config/Diff")).toInt();
}
SaveStatus saveDiff(const Paths& p, int diff) {
    return write(p, QStringLiteral("Config/Diff"), diff);
}

QString loadCurrentProductName(const Paths& p) {
    return read(p, QStringLiteral("Config/CurrentProductName")).toString();
}
SaveStatus saveCurrentProductName(const Paths& p, const QString& name) {
    return write(p, QStringLiteral("Config/CurrentProductName"), name);
}

QString loadModel(const Paths& p) {
    return read(p, QStringLiteral("Config/Model")).toString();
}
int loadThemeColourId(const Paths& p) {
    return read(p, QStringLiteral("Config/GColorID")).toInt();
}

QColor themeColour(int id) {
    static const QRgb table[] = {qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(0, 0, 255),  qRgb(219, 200, 182),
                                 qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 125, 0)};
    constexpr int n = sizeof(table) / sizeof(table[0]);
    return QColor(table[(id >= 0 && id < n) ? id : 0]);
}
QColor loadThemeColour(const Paths& p) {
    return themeColour(loadThemeColourId(p));
}

int loadBattery(const Paths& p) {
    return read(p, QStringLiteral("Config/Battery")).toInt();
}
SaveStatus saveBattery(const Paths& p, int percent) {
    return write(p, QStringLiteral("Config/Battery"), percent);
}
int loadBatteryFull(const Paths& p) {
    return read(p, QStringLiteral("Config/BatteryFull"), 4200).toInt();
}
bool loadShowProfileBar(const Paths& p) {
    return read(p, QStringLiteral("Config/ShowProfileBar"), 1).toInt() != 0;
}
int loadBatteryAlert(const Paths& p) {
    bool ok = false;
    const int percent = read(p, QStringLiteral("Config/BatteryAlert")).toInt(&ok);
    return ok ? std::clamp(percent, 0, 100) : 15;
}
bool loadOsdEnabled(const Paths& p) {
    bool ok = false;
    const int on = read(p, QStringLiteral("Config/OSD")).toInt(&ok);
    return !ok || on != 0;
}
int loadSensorId(const Paths& p) {
    return read(p, QStringLiteral("MouseSenSor/1")).toInt();
}
int loadLedVariant(const Paths& p) {
    IniReader s(p, p.configFile());
    const QString product = s.value(QStringLiteral("Config/CurrentProductName")).toString();
    return s.value(QStringLiteral("MouseLEDMode/") + product).toInt();
}
QString loadMouseListName(const Paths& p) {
    return read(p, QStringLiteral("Mouse_List/0")).toString();
}

QString loadMacroListEntry(const Paths& p, int index) {
    if (index < 0 || index >= kMacroListSize) return QString();
    return read(p, QStringLiteral("MACRO_LIST/%1").arg(index)).toString();
}
SaveStatus saveMacroListEntry(const Paths& p, int index, const QString& name) {
    if (index < 0 || index >= kMacroListSize)
        return SaveStatus::failure(SaveResult::Refused, p.configFile(),
                                   QStringLiteral("no such macro list entry"));
    return write(p, QStringLiteral("MACRO_LIST/%1").arg(index), name);
}

}  // namespace mousecfg::appsettings
