#include "storage/settings_export.h"

#include <QSettings>

#include "storage/app_settings.h"
#include "storage/profile_files.h"
#include "storage/value_conv.h"

namespace mousecfg {

namespace {
QString exportGroup(int i) {
    return QStringLiteral("PROFILE_") + QString::number(i);
}
}  // namespace

void exportSettings(const QString& file, const ConfigState& state) {
    if (file.isEmpty()) return;
    QSettings s(file, QSettings::IniFormat);
    s.setValue(QStringLiteral("Config/ProfileID"), static_cast<int>(state.ProfileID));
    s.setValue(QStringLiteral("Config/AngleValue"), static_cast<int>(state.AngleValue));
    s.setValue(QStringLiteral("Config/LiftHigh"), static_cast<int>(state.LiftHigh));
    s.setValue(QStringLiteral("Config/Count"), static_cast<int>(state.Count));
    for (int i = 0; i < kProfileCount; ++i)
        writeProfileGroup(s, exportGroup(i), state.profiles[i], ProfileKeySet::SettingsExport);
}

void importSettings(const QString& file, ConfigState& state) {
    if (file.isEmpty()) return;
    QSettings s(file, QSettings::IniFormat);
    state.ProfileID = conv::toU8(s.value(QStringLiteral("Config/ProfileID")));
    state.AngleValue = conv::toU8(s.value(QStringLiteral("Config/AngleValue")));
    state.LiftHigh = conv::toU8(s.value(QStringLiteral("Config/LiftHigh")));
    state.Count = conv::toU8(s.value(QStringLiteral("Config/Count")));
    for (int i = 0; i < kProfileCount; ++i) {
        state.profileNames[i] = s.value(QStringLiteral("Config/Profile") + QString::number(i + 1)).toString();
        readProfileGroup(s, exportGroup(i), state.profiles[i], ProfileKeySet::SettingsExport);
    }
}

void exportSettingsFile(const Paths& paths, const QString& file, const ConfigState& state) {
    stampProductName(file, appsettings::loadCurrentProductName(paths));
    exportSettings(file, state);
}

ImportResult importSettingsFile(const Paths& paths, const QString& file, ConfigState& state) {
    if (readProductName(file) != appsettings::loadCurrentProductName(paths))
        return ImportResult::WrongProduct;
    importSettings(file, state);
    return ImportResult::Imported;
}

}  // namespace mousecfg
