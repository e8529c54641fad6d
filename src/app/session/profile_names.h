#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "storage/config_state.h"

namespace mousecfg::profilenames {

// The naming rules of the profile bar, free of files and widgets.

// "Profile 1" .. "Profile 5": names that cannot be deleted or renamed.
bool isDefaultName(const QString& name);
// A name is in use when a slot other than the current one carries it.
bool isInUse(const ConfigState& state, const QString& name);

using Exists = std::function<bool(const QString& name)>;
// Upper bound of the numbered searches below; a library that full gives an empty name.
constexpr int kMaxNumber = 100000;
// The first "Profile %d" (d = 1, 2, ...) that does not exist.
QString firstFreeProfileName(const Exists& exists);
// "S copy", else "S copy 2", "S copy 3" ... : the first that does not exist.
QString copyName(const QString& source, const Exists& exists);

// The entry that takes the place of entry `index` when it is deleted: the next one (the one
// before when it is the last), then one step back while the candidate is in use. The step back
// skips the deleted entry itself and stops at the first entry, so the result is always another
// entry of the list. -1 when there is no other entry.
int deleteReplacement(const QStringList& list, int index, const std::function<bool(const QString&)>& inUse);

}  // namespace mousecfg::profilenames
