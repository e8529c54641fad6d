#include "storage/settings_file.h"

#include <QSettings>
#include <algorithm>
#include <future>
#include <memory>
#include <utility>
#include <vector>

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

using Values = std::vector<std::pair<QString, QVariant>>;

// Adds `values` to Config.ini in a save; left out when the file holds them all already.
void addConfigValues(SaveBatch& batch, const Paths& paths, Values values) {
    auto shared = std::make_shared<const Values>(std::move(values));
    batch.editIni(
        paths.configFile(),
        [shared](QSettings& s) {
            for (const auto& kv : *shared) s.setValue(kv.first, kv.second);
        },
        [shared](const IniRecords& r) {
            return std::all_of(shared->begin(), shared->end(),
                               [&r](const auto& kv) { return r.holds(kv.first, kv.second); });
        });
}

}  // namespace

void addConfigState(SaveBatch& batch, const Paths& paths, const ConfigState& state) {
    addConfigValues(batch, paths,
                    {{QStringLiteral("Config/ProfileID"), static_cast<int>(state.ProfileID)},
                     {QStringLiteral("Config/AngleValue"), static_cast<int>(state.AngleValue)},
                     {QStringLiteral("Config/LiftHigh"), static_cast<int>(state.LiftHigh)},
                     {QStringLiteral("Config/Count"), static_cast<int>(state.Count)},
                     {profileNameKey(0), state.profileNames[0]}});
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
    // The five files are read independently of one another (reads take no lock and share no
    // state): the last three on a second thread while this one reads the first two and the button
    // matrix.
    constexpr int kSplit = 2;
    auto rest = std::async(std::launch::async, [&paths, &state] {
        for (int i = kSplit; i < kProfileCount; ++i)
            loadProfileFile(paths, state.profiles[i], state.profileNames[i]);
    });
    for (int i = 0; i < kSplit; ++i) loadProfileFile(paths, state.profiles[i], state.profileNames[i]);
    if (matrix) loadButtonMatrix(paths, *matrix);
    rest.get();
}

SaveStatus saveProfileList(const Paths& paths, const ConfigState& state) {
    SaveBatch batch(paths);
    Values values{{QStringLiteral("Config/ProfileID"), static_cast<int>(state.ProfileID)},
                  {QStringLiteral("Config/Count"), static_cast<int>(state.Count)}};
    for (int i = 0; i < kProfileCount; ++i) values.emplace_back(profileNameKey(i), state.profileNames[i]);
    addConfigValues(batch, paths, std::move(values));
    return batch.commit();
}

void reloadStoredSettings(const Paths& paths, ConfigState& stored, ConfigState& working,
                          ButtonMatrix* matrix) {
    loadConfigState(paths, stored, matrix);
    working = stored;
    writeDefaultProfileFile(paths);
}

}  // namespace mousecfg
