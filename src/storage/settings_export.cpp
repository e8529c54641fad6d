#include "storage/settings_export.h"

#include <QSettings>

#include "storage/app_settings.h"
#include "storage/ini_file.h"
#include "storage/profile_files.h"
#include "storage/save_batch.h"
#include "storage/value_conv.h"

namespace mousecfg {

namespace {

QString exportGroup(int i) {
    return QStringLiteral("PROFILE_") + QString::number(i);
}

const char* const kGlobalKeys[] = {"Config/ProfileID", "Config/AngleValue", "Config/LiftHigh",
                                   "Config/Count"};

void writeExport(QSettings& s, const ConfigState& state) {
    s.setValue(QStringLiteral("Config/ProfileID"), static_cast<int>(state.ProfileID));
    s.setValue(QStringLiteral("Config/AngleValue"), static_cast<int>(state.AngleValue));
    s.setValue(QStringLiteral("Config/LiftHigh"), static_cast<int>(state.LiftHigh));
    s.setValue(QStringLiteral("Config/Count"), static_cast<int>(state.Count));
    for (int i = 0; i < kProfileCount; ++i)
        writeProfileGroup(s, exportGroup(i), state.profiles[i], ProfileKeySet::SettingsExport);
}

void readExport(const IniRecords& s, ConfigState& state) {
    state.ProfileID = conv::toU8(s.value(QStringLiteral("Config/ProfileID")));
    state.AngleValue = conv::toU8(s.value(QStringLiteral("Config/AngleValue")));
    state.LiftHigh = conv::toU8(s.value(QStringLiteral("Config/LiftHigh")));
    state.Count = conv::toU8(s.value(QStringLiteral("Config/Count")));
    for (int i = 0; i < kProfileCount; ++i) {
        state.profileNames[i] = s.value(QStringLiteral("Config/Profile") + QString::number(i + 1)).toString();
        readProfileGroup(s, exportGroup(i), state.profiles[i], ProfileKeySet::SettingsExport);
    }
}

// What a complete settings set lacks first; empty when nothing is missing.
QString firstMissingPart(const IniRecords& s) {
    for (const char* key : kGlobalKeys)
        if (!s.contains(QLatin1String(key))) return QLatin1String(key);
    for (int i = 0; i < kProfileCount; ++i) {
        if (countProfileKeys(s, exportGroup(i), ProfileKeySet::SettingsExport, kExportedProfileKeyCount) <
            kExportedProfileKeyCount)
            return QStringLiteral("profile %1").arg(i + 1);
    }
    return QString();
}

}  // namespace

SaveStatus exportSettings(const QString& file, const ConfigState& state) {
    if (file.isEmpty()) return SaveStatus::failure(SaveResult::Refused, file, QStringLiteral("no file name"));
    SaveBatch batch{Paths()};
    batch.editIni(file, [&state](QSettings& s) { writeExport(s, state); });
    return batch.commit();
}

void importSettings(const QString& file, ConfigState& state) {
    IniReader reader(file);
    if (reader.isOpen()) readExport(reader.records(), state);
}

SaveStatus exportSettingsFile(const Paths& paths, const QString& file, const ConfigState& state) {
    if (file.isEmpty()) return SaveStatus::failure(SaveResult::Refused, file, QStringLiteral("no file name"));
    const QString product = appsettings::loadCurrentProductName(paths);
    // One new file, stamp and settings together, that replaces the target only when complete.
    SaveBatch batch(paths);
    batch.replaceIni(file, [&product, &state](QSettings& s) {
        s.setValue(QStringLiteral("MouseName/Name"), product);
        writeExport(s, state);
    });
    return batch.commit();
}

ImportResult importSettingsFile(const Paths& paths, const QString& file, ConfigState& state,
                                QString* detail) {
    auto refuse = [detail](ImportResult r, const QString& why) {
        if (detail) *detail = why;
        return r;
    };
    IniReader reader(paths, file);
    if (!reader.isOpen()) return refuse(ImportResult::Unreadable, describeFileIssue(reader.issue()));
    const IniRecords& s = reader.records();
    if (s.value(QStringLiteral("MouseName/Name")).toString() != appsettings::loadCurrentProductName(paths))
        return refuse(ImportResult::WrongProduct, QStringLiteral("belongs to another mouse"));
    const QString missing = firstMissingPart(s);
    if (!missing.isEmpty())
        return refuse(ImportResult::Incomplete,
                      QStringLiteral("is not a complete settings file (%1 is missing)").arg(missing));
    readExport(s, state);
    return ImportResult::Imported;
}

}  // namespace mousecfg
