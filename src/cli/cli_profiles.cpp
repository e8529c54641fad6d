// mousecfg-cli profiles and use: the five slots and the product's profile library.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/cli_command.h"
#include "cli/cli_saved_settings.h"
#include "storage/app_settings.h"
#include "storage/profile_files.h"
#include "storage/profile_library.h"

namespace mousecfg {

namespace {

// The slot other than the current one that carries `name` (a name in use), or -1.
int otherSlotNamed(const ConfigState& state, const QString& name) {
    for (int i = 0; i < kProfileCount; ++i)
        if (i != currentProfileIndex(state) && state.profileNames[static_cast<size_t>(i)] == name) return i;
    return -1;
}

int slotNamed(const ConfigState& state, const QString& name) {
    for (int i = 0; i < kProfileCount; ++i)
        if (state.profileNames[static_cast<size_t>(i)] == name) return i;
    return -1;
}

// {"product": text, "active_profile": 1..5,
//  "slots": [{"profile": 1..5, "name": text, "active": bool}],
//  "library": [{"name": text, "profile": 1..5|null}]}   (profile: the slot that carries it)
QJsonObject profilesView(const ConfigState& state, const QString& product, const QStringList& library) {
    QJsonArray slotList, entries;
    for (int i = 0; i < kProfileCount; ++i)
        slotList.append(QJsonObject{{QStringLiteral("profile"), i + 1},
                                    {QStringLiteral("name"), state.profileNames[static_cast<size_t>(i)]},
                                    {QStringLiteral("active"), i == currentProfileIndex(state)}});
    for (const QString& name : library) {
        const int slot = slotNamed(state, name);
        entries.append(QJsonObject{
            {QStringLiteral("name"), name},
            {QStringLiteral("profile"), slot < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(slot + 1)}});
    }
    return QJsonObject{{QStringLiteral("product"), product},
                       {QStringLiteral("active_profile"), currentProfileIndex(state) + 1},
                       {QStringLiteral("slots"), slotList},
                       {QStringLiteral("library"), entries}};
}

void printProfilesText(QTextStream& out, const QJsonObject& view) {
    for (const QJsonValue& v : view[QStringLiteral("slots")].toArray()) {
        const QJsonObject s = v.toObject();
        out << "profile " << s[QStringLiteral("profile")].toInt() << ": "
            << s[QStringLiteral("name")].toString()
            << (s[QStringLiteral("active")].toBool() ? " (active)" : "") << '\n';
    }
    out << "library of " << view[QStringLiteral("product")].toString() << ":\n";
    for (const QJsonValue& v : view[QStringLiteral("library")].toArray()) {
        const QJsonObject e = v.toObject();
        out << "  " << e[QStringLiteral("name")].toString();
        if (!e[QStringLiteral("profile")].isNull())
            out << " (profile " << e[QStringLiteral("profile")].toInt() << ')';
        out << '\n';
    }
}

}  // namespace

int runProfilesCommand(CliContext& context, const QCommandLineParser& parser) {
    if (!parser.positionalArguments().isEmpty()) {
        context.error(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
        return kCliUsageError;
    }
    const SavedSettings saved(context.paths);
    const QString product = appsettings::loadCurrentProductName(context.paths);
    const QJsonObject view = profilesView(saved.loaded(), product, loadLibraryList(context.paths, product));
    if (parser.isSet(QStringLiteral("json")))
        *context.out << QJsonDocument(view).toJson(QJsonDocument::Indented);
    else
        printProfilesText(*context.out, view);
    return kCliOk;
}

void addUseOptions(QCommandLineParser& parser) {
    parser.addPositionalArgument(QStringLiteral("NAME"),
                                 QStringLiteral("A profile of the library (see profiles)."));
}

// mousecfg-cli use NAME: what choosing NAME in the window's stored-profile menu does: the
// active slot takes the library profile and its name. Like every edit it is saved and recorded as
// pending; apply sends it.
int runUseCommand(CliContext& context, const QCommandLineParser& parser) {
    const QStringList args = parser.positionalArguments();
    if (args.size() != 1) {
        context.error(QStringLiteral("use takes exactly one NAME (see profiles)"));
        return kCliUsageError;
    }
    const QString& name = args.first();
    SavedSettings saved(context.paths, context.lockWaitMs);
    if (!saved.lockStatus().ok()) {
        context.error(saved.lockStatus().message());
        return kCliRefused;
    }
    ConfigState& state = saved.edited();
    const QString product = appsettings::loadCurrentProductName(context.paths);
    const QStringList library = loadLibraryList(context.paths, product);
    auto refuse = [&context](const QString& why) {
        context.error(why);
        return kCliRefused;
    };
    if (!library.contains(name))
        return refuse(
            QStringLiteral("no profile '%1' in the library of %2 (see profiles)").arg(name, product));
    const int other = otherSlotNamed(state, name);
    if (other >= 0)
        return refuse(
            QStringLiteral("Profile is Already Used! (profile %1 is '%2')").arg(other + 1).arg(name));
    const QString file = libraryProfileFile(context.paths, product, name);
    const int slot = currentProfileIndex(state);
    MouseProfile record;
    // A missing or damaged library file would give the slot the product defaults instead.
    if (file.isEmpty() || loadProfileFromPath(context.paths, record, file, name) != ProfileLoad::Loaded)
        return refuse(QStringLiteral("the library file of '%1' is missing or cannot be read").arg(name));
    record.ProfileName = name;
    state.profiles[static_cast<size_t>(slot)] = record;
    state.profileNames[static_cast<size_t>(slot)] = name;
    if (const std::optional<QString> why = saved.save())
        return refuse(*why + QStringLiteral("; nothing was saved"));
    *context.out << "profile " << slot + 1 << ": " << name << '\n';
    return kCliOk;
}

}  // namespace mousecfg
