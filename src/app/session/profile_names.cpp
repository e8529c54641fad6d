#include "app/session/profile_names.h"

namespace mousecfg::profilenames {

bool isDefaultName(const QString& name) {
    for (int i = 1; i <= kProfileCount; ++i)
        if (name == QString::asprintf("Profile %d", i)) return true;
    return false;
}

bool isInUse(const ConfigState& state, const QString& name) {
    const int current = currentProfileIndex(state);
    for (int i = 0; i < kProfileCount; ++i)
        if (i != current && state.profileNames[static_cast<size_t>(i)] == name) return true;
    return false;
}

QString firstFreeProfileName(const Exists& exists) {
    for (int d = 1; d <= kMaxNumber; ++d) {
        const QString name = QString::asprintf("Profile %d", d);
        if (!exists(name)) return name;
    }
    return QString();
}

QString copyName(const QString& source, const Exists& exists) {
    const QString first = source + QStringLiteral(" copy");
    if (!exists(first)) return first;
    for (int n = 2; n <= kMaxNumber; ++n) {
        const QString name = first + QStringLiteral(" %1").arg(n);
        if (!exists(name)) return name;
    }
    return QString();
}

int deleteReplacement(const QStringList& list, int index, const std::function<bool(const QString&)>& inUse) {
    const int count = static_cast<int>(list.size());
    if (index < 0 || index >= count || count < 2) return -1;
    int candidate = index + 1 < count ? index + 1 : index - 1;
    while (candidate > 0 && (candidate == index || inUse(list.at(candidate)))) --candidate;
    // At the first entry: take it unless it is the deleted one, then the entry after it.
    if (candidate == index) candidate = index + 1;
    return candidate;
}

}  // namespace mousecfg::profilenames
