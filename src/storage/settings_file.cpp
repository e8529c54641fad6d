#include "storage/settings_file.h"

#include <QSettings>

#include "storage/ini_file.h"
#include "storage/paths.h"
#include "storage/product_descriptor.h"
#include "storage/profile_files.h"
#include "storage/save_batch.h"
#include "storage/value_conv.h"

namespace mousecfg {

namespace {

QString profileNameKey(int i) {
    return QStringLiteral("Config/Profile") + QString::number(i + 1);
}

}  // namespace

void addConfigState(SaveBatch& batch, const Paths& paths, const ConfigState& state) {
    batch.editIni(paths.configFile(), [&state](QSettings& s) {
        s.setValue(QStringLiteral("Config/ProfileID"), static_cast<int>(state.ProfileID));
        s.setValue(QStringLiteral("Config/AngleValue"), static_cast<int>(state.AngleValue));
        s.setValue(QStringLiteral("Config/LiftHigh"), static_cast<int>(state.LiftHigh));
        s.setValue(QStringLiteral("Config/Count"), static_cast<int>(state.Count));
        s.setValue(profileNameKey(0), state.profileNames[0]);
    });
    // Every slot is saved, not only the first: the current slot may be any of the five, and its
    // edits would otherwise be lost at the next start.
    for (int i = 0; i < kProfileCount; ++i) {
        const QString file = currentProfileFile(paths, state.profileNames[i]);
        if (!file.isEmpty()) addProfileFile(batch, file, state.profiles[i]);
    }
}

SaveStatus saveConfigState(const Paths& paths, const ConfigState& state) {
    SaveBatch batch(paths);
    addConfigState(batch, paths, state);
    return batch.commit();
}

void loadConfigState(const Paths& paths, ConfigState& state, ButtonMatrix* matrix) {
    finishInterruptedSave(paths);
    {
        IniReader s(paths, paths.configFile());
        state.ProfileID = conv::toU8(s.value(QStringLiteral("Config/ProfileID")));
        state.AngleValue = conv::toU8(s.value(QStringLiteral("Config/AngleValue")));
        state.LiftHigh = conv::toU8(s.value(QStringLiteral("Config/LiftHigh")));
        state.Count = conv::toU8(s.value(QStringLiteral("Config/Count")));
        for (int i = 0; i < kProfileCount; ++i) state.profileNames[i] = s.value(profileNameKey(i)).toString();
    }
    for (int i = 0; i < kProfileCount; ++i) loadProfileFile(paths, state.profiles[i], state.profileNames[i]);
    if (matrix) loadButtonMatrix(paths, *matrix);
}

SaveStatus saveProfileList(const Paths& paths, const ConfigState& state) {
    SaveBatch batch(paths);
    batch.editIni(paths.configFile(), [&state](QSettings& s) {
        s.setValue(QStringLiteral("Config/ProfileID"), static_cast<int>(state.ProfileID));
        s.setValue(QStringLiteral("Config/Count"), static_cast<int>(state.Count));
        for (int i = 0; i < kProfileCount; ++i) s.setValue(profileNameKey(i), state.profileNames[i]);
    });
    return batch.commit();
}

void reloadStoredSettings(const Paths& paths, ConfigState& stored, ConfigState& working,
                          ButtonMatrix* matrix) {
    loadConfigState(paths, stored, matrix);
    working = stored;
    writeDefaultProfileFile(paths);
}

}  // namespace mousecfg
