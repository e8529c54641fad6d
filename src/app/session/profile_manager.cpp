#include "app/session/profile_manager.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "app/session/app_log.h"
#include "app/session/profile_dialogs.h"
#include "app/session/profile_names.h"
#include "app/session/window_session.h"
#include "storage/app_settings.h"
#include "storage/file_checks.h"
#include "storage/profile_files.h"
#include "storage/profile_library.h"
#include "storage/save_batch.h"
#include "storage/settings_export.h"
#include "storage/settings_file.h"

namespace mousecfg {

const char* const ProfileManager::kAlreadyUsed =
    QT_TRANSLATE_NOOP("mousecfg::ProfileManager", "Profile is Already Used!");
const char* const ProfileManager::kExists = QT_TRANSLATE_NOOP("mousecfg::ProfileManager", "Profile Exist!");
const char* const ProfileManager::kDefaultName =
    QT_TRANSLATE_NOOP("mousecfg::ProfileManager", "The default Profile cannot be deleted or renamed.");
const char* const ProfileManager::kConfirmDelete =
    QT_TRANSLATE_NOOP("mousecfg::ProfileManager", "Are you sure you want delete this profile?");
const char* const ProfileManager::kKeepOne =
    QT_TRANSLATE_NOOP("mousecfg::ProfileManager", "AT LEAST ONE PROFILE TO BE RETAINED.");
const char* const ProfileManager::kConfirmReset =
    QT_TRANSLATE_NOOP("mousecfg::ProfileManager", "Are you sure you want reset this profile?");
const char* const ProfileManager::kConfirmResetAll =
    QT_TRANSLATE_NOOP("mousecfg::ProfileManager", "Are you sure you want reset all profiles?");
const char* const ProfileManager::kWrongMouse =
    QT_TRANSLATE_NOOP("mousecfg::ProfileManager", "The file is not match current mouse!");
const char* const ProfileManager::kBadName =
    QT_TRANSLATE_NOOP("mousecfg::ProfileManager",
                      "The name is not valid: it must not be empty, \".\" or \"..\", nor contain / or \\.");
const char* const ProfileManager::kNotSaved = QT_TRANSLATE_NOOP("mousecfg::ProfileManager", "Saving failed:");
const char* const ProfileManager::kOtherMouseConfig =
    QT_TRANSLATE_NOOP("mousecfg::ProfileManager", "This configuration file belongs to another mouse.");
const char* const ProfileManager::kIncompleteConfig = QT_TRANSLATE_NOOP(
    "mousecfg::ProfileManager", "This file does not hold a complete configuration, so nothing was loaded.");
const char* const ProfileManager::kUnreadableConfig =
    QT_TRANSLATE_NOOP("mousecfg::ProfileManager", "This file cannot be read, so nothing was loaded.");

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("mousecfg::ProfileManager", text);
}

const QString kProfileFilter = QStringLiteral("Profile File(*.prof)");
const QString kConfigFilter = QStringLiteral("Config File(*.conf)");

// A name typed without an extension gets the filter's, so the open dialog lists the file later.
QString withSuffix(const QString& file, const QString& suffix) {
    if (file.isEmpty() || !QFileInfo(file).suffix().isEmpty()) return file;
    return file + QLatin1Char('.') + suffix;
}

}  // namespace

ProfileManager::ProfileManager(WindowSession& session, ProfileDialogs& dialogs)
    : session_(session), working_(session.working()), stored_(session.stored()), dialogs_(&dialogs) {}

const Paths& ProfileManager::paths() const {
    return session_.paths();
}

QString ProfileManager::product() const {
    return appsettings::loadCurrentProductName(paths());
}

QStringList ProfileManager::library() const {
    return loadLibraryList(paths(), product());
}

QStringList ProfileManager::libraryMenu() const {
    return library().mid(0, kMenuEntries);
}

QString ProfileManager::libraryFile(const QString& name) const {
    return libraryProfileFile(paths(), product(), name);
}

MouseProfile& ProfileManager::current() {
    return currentProfile(working_);
}

QString& ProfileManager::currentName() {
    return working_.profileNames[static_cast<size_t>(currentProfileIndex(working_))];
}

void ProfileManager::warn(const char* text) {
    dialogs_->warn(tr(text));
}
bool ProfileManager::confirm(const char* text) {
    return dialogs_->confirm(tr(text));
}
bool ProfileManager::saved(const SaveStatus& status) {
    if (status.ok()) return true;
    dialogs_->warn(tr(kNotSaved) + QLatin1Char('\n') + status.message());
    return false;
}

bool ProfileManager::libraryExists(const QString& name) const {
    const QString file = libraryFile(name);
    // A name that cannot be a file counts as taken, so no search ever hands it out.
    return file.isEmpty() || QFileInfo::exists(file);
}

bool ProfileManager::libraryUsable() const {
    // No (or no usable) current product: there is no library folder to work in.
    return Paths::isSafeFileName(product());
}

void ProfileManager::loadFromLibrary(const QString& name) {
    const QString file = libraryFile(name);
    if (file.isEmpty()) return;
    // A damaged or missing library file gives the product defaults, never an all-zero profile.
    loadProfileFromPath(paths(), current(), file, name);
    current().ProfileName = name;
}

bool ProfileManager::saveLibrary(const QStringList& list) {
    return saved(saveLibraryList(paths(), product(), list));
}

void ProfileManager::addLibraryFile(SaveBatch& batch, const QString& name, const QString& source,
                                    const MouseProfile& fallback) const {
    // The source's bytes as they are; without a readable source, `fallback`.
    QByteArray bytes;
    if (!source.isEmpty() && readCheckedFile(paths().dataDir(), source, bytes) == FileIssue::None)
        batch.replaceBytes(libraryFile(name), bytes);
    else
        addProfileFile(batch, libraryFile(name), fallback);
}

MouseProfile ProfileManager::productDefaults() const {
    MouseProfile defaults;
    resetProfileToDefaults(defaults, paths());
    return defaults;
}

ProfileResult ProfileManager::chooseLibraryProfile(const QString& name) {
    session_.settle();
    if (profilenames::isInUse(working_, name)) {
        warn(kAlreadyUsed);
        return ProfileResult::Refused;
    }
    if (!Paths::isSafeFileName(name)) {
        warn(kBadName);
        return ProfileResult::Refused;
    }
    session_.announceName(name);
    currentName() = name;
    loadFromLibrary(name);
    session_.announceRecord();
    return ProfileResult::Done;
}

ProfileResult ProfileManager::add() {
    session_.settle();
    if (!libraryUsable()) return ProfileResult::Refused;
    const QString name =
        profilenames::firstFreeProfileName([this](const QString& n) { return libraryExists(n); });
    if (name.isEmpty()) return ProfileResult::Refused;
    // The factory file's copy and the list entry land together; without a factory file the new
    // profile starts from the product defaults all the same.
    QStringList list = library();
    list.append(name);
    SaveBatch batch(paths());
    addLibraryFile(batch, name, libraryFile(QStringLiteral("DefaultProfile")), productDefaults());
    addLibraryList(batch, paths(), product(), list);
    if (!saved(batch.commit())) return ProfileResult::Refused;
    session_.announceName(name);
    currentName() = name;
    session_.announceLibrary();
    loadFromLibrary(name);
    session_.announceRecord();
    return ProfileResult::Done;
}

ProfileResult ProfileManager::copy() {
    session_.settle();
    if (!libraryUsable()) return ProfileResult::Refused;
    const QString source = currentName();
    if (!Paths::isSafeFileName(source)) {
        warn(kBadName);
        return ProfileResult::Refused;
    }
    const QString name =
        profilenames::copyName(source, [this](const QString& n) { return libraryExists(n); });
    if (name.isEmpty() || !Paths::isSafeFileName(name)) return ProfileResult::Refused;
    // A slot whose profile never reached the library is copied from what it holds now.
    QStringList list = library();
    list.append(name);
    SaveBatch batch(paths());
    addLibraryFile(batch, name, libraryFile(source), current());
    addLibraryList(batch, paths(), product(), list);
    if (!saved(batch.commit())) return ProfileResult::Refused;
    currentName() = name;
    session_.announceName(name);
    session_.announceLibrary();
    return ProfileResult::Done;
}

ProfileResult ProfileManager::remove(const QString& name) {
    session_.settle();
    QStringList list = library();
    if (list.size() <= 1) {
        warn(kKeepOne);
        return ProfileResult::Refused;
    }
    if (profilenames::isDefaultName(name)) {
        warn(kDefaultName);
        return ProfileResult::Refused;
    }
    if (!Paths::isSafeFileName(name)) {
        warn(kBadName);
        return ProfileResult::Refused;
    }
    const int index = static_cast<int>(list.indexOf(name));
    if (index < 0) return ProfileResult::Refused;  // not a library entry: nothing to delete
    if (!confirm(kConfirmDelete)) return ProfileResult::Cancelled;
    auto inUse = [this](const QString& n) { return profilenames::isInUse(working_, n); };
    const int r = profilenames::deleteReplacement(list, index, inUse);
    QString replacement = r < 0 ? QString() : list.at(r);
    list.removeAt(index);
    SaveBatch batch(paths());
    if (replacement.isEmpty() || inUse(replacement)) {
        // Every other entry belongs to another slot: two slots of one name would share one file
        // and one's edits be lost, so the slot gets a new entry from the factory file.
        replacement = profilenames::firstFreeProfileName(
            [&](const QString& n) { return n == name || libraryExists(n) || list.contains(n) || inUse(n); });
        if (replacement.isEmpty()) return ProfileResult::Refused;
        list.append(replacement);
        addLibraryFile(batch, replacement, libraryFile(QStringLiteral("DefaultProfile")), productDefaults());
    }
    addLibraryList(batch, paths(), product(), list);
    if (!saved(batch.commit())) return ProfileResult::Refused;
    // The entry is gone from the list; a file that cannot be removed (a link) only stays behind.
    const SaveStatus removed = removeDataFile(paths(), libraryFile(name));
    if (!removed.ok()) qCDebug(lcApp).noquote() << removed.message();
    session_.announceName(replacement);
    currentName() = replacement;
    session_.announceLibrary();
    loadFromLibrary(replacement);
    session_.announceRecord();
    return ProfileResult::Done;
}

ProfileResult ProfileManager::rename(const QString& newName) {
    session_.settle();
    const QString old = currentName();
    if (profilenames::isDefaultName(old)) {
        warn(kDefaultName);
        session_.announceName(old);
        return ProfileResult::Refused;
    }
    if (!Paths::isSafeFileName(newName) || !Paths::isSafeFileName(old)) {
        warn(kBadName);
        session_.announceName(old);
        return ProfileResult::Refused;
    }
    if (libraryExists(newName)) {
        warn(kExists);
        session_.announceName(old);
        return ProfileResult::Refused;
    }
    QStringList list = library();
    const int index = static_cast<int>(list.indexOf(old));
    if (index >= 0) list[index] = newName;
    // The files under the new name and the list land together; the old files go afterwards. The
    // slot's current profile file follows its name, so the next start finds it.
    const QString root = paths().dataDir();
    const QString oldCurrent = currentProfileFile(paths(), old);
    const QString newCurrent = currentProfileFile(paths(), newName);
    const bool moveCurrent = QFileInfo::exists(oldCurrent) && !QFileInfo::exists(newCurrent);
    SaveBatch batch(paths());
    QByteArray bytes;
    if (readCheckedFile(root, libraryFile(old), bytes) == FileIssue::None)
        batch.replaceBytes(libraryFile(newName), bytes);
    if (moveCurrent && readCheckedFile(root, oldCurrent, bytes) == FileIssue::None)
        batch.replaceBytes(newCurrent, bytes);
    addLibraryList(batch, paths(), product(), list);
    if (!saved(batch.commit())) {
        session_.announceName(old);
        return ProfileResult::Refused;
    }
    currentName() = newName;
    current().ProfileName = newName;
    stored_.profileNames[static_cast<size_t>(currentProfileIndex(working_))] = newName;
    saved(saveProfileList(paths(), working_));
    for (const QString& file : {libraryFile(old), moveCurrent ? oldCurrent : QString()}) {
        if (file.isEmpty()) continue;
        const SaveStatus removed = removeDataFile(paths(), file);
        if (!removed.ok()) qCDebug(lcApp).noquote() << removed.message();
    }
    session_.announceLibrary();
    return ProfileResult::Done;
}

ProfileResult ProfileManager::reset() {
    session_.settle();
    if (!confirm(kConfirmReset)) return ProfileResult::Cancelled;
    const int slot = currentProfileIndex(working_);
    qCDebug(lcApp, "Accepted %d", slot);
    const QString name = current().ProfileName;
    resetProfileToDefaults(current(), paths());
    current().ProfileName = name;
    session_.announceRecord();
    session_.announceName(currentName());
    session_.runWriteFlow(false);
    return ProfileResult::Done;
}

ProfileResult ProfileManager::resetAll() {
    session_.settle();
    if (!confirm(kConfirmResetAll)) return ProfileResult::Cancelled;
    resetAllToDefaults(working_, paths());
    session_.announceRecord();
    session_.announceName(currentName());
    session_.announceLibrary();
    session_.runWriteFlow(true);
    return ProfileResult::Done;
}

ProfileResult ProfileManager::exportProfile() {
    session_.settle();
    const QString target = withSuffix(
        dialogs_->saveFileName(tr(QT_TRANSLATE_NOOP("mousecfg::ProfileManager", "Save Profile File")),
                               kProfileFilter),
        QStringLiteral("prof"));
    if (target.isEmpty()) return ProfileResult::Cancelled;
    const QString name = currentName();
    const QString source = libraryFile(name);
    if (source.isEmpty()) {
        warn(kBadName);
        return ProfileResult::Refused;
    }
    // A slot that has no library file yet exports what it holds.
    if (!QFileInfo::exists(source) && !saved(saveProfileToPath(paths(), current(), source)))
        return ProfileResult::Refused;
    const LibraryResult r = exportLibraryProfile(paths(), product(), name, target);
    if (r != LibraryResult::Ok) {
        saved(SaveStatus::failure(SaveResult::Failed, target,
                                  QStringLiteral("the profile could not be copied")));
        return ProfileResult::Refused;
    }
    return ProfileResult::Done;
}

ProfileResult ProfileManager::importProfile() {
    session_.settle();
    const QString file = dialogs_->openFileName(
        tr(QT_TRANSLATE_NOOP("mousecfg::ProfileManager", "Load Profile File")), kProfileFilter);
    if (file.isEmpty()) return ProfileResult::Cancelled;
    const QString productName = product();
    if (readProductName(file) != productName) {
        warn(kWrongMouse);
        return ProfileResult::Refused;
    }
    const QString base = QFileInfo(file).completeBaseName();
    qCDebug(lcApp).noquote() << base;
    if (!Paths::isSafeFileName(base)) {
        warn(kBadName);
        return ProfileResult::Refused;
    }
    if (QFileInfo::exists(libraryFile(base))) {
        warn(kExists);
        return ProfileResult::Refused;
    }
    MouseProfile loaded = current();
    QString imported;
    const LibraryResult r = importLibraryProfile(paths(), productName, file, loaded, &imported);
    if (r == LibraryResult::Exists) {
        warn(kExists);
        return ProfileResult::Refused;
    }
    if (r != LibraryResult::Ok) {
        warn(r == LibraryResult::WrongProduct ? kWrongMouse : kBadName);
        return ProfileResult::Refused;
    }
    QStringList list = library();
    list.append(imported);
    if (!saveLibrary(list)) return ProfileResult::Refused;
    session_.announceLibrary();
    current() = loaded;
    current().ProfileName = imported;
    session_.announceRecord();
    currentName() = imported;
    session_.announceName(imported);
    session_.runWriteFlow(false);
    return ProfileResult::Done;
}

ProfileResult ProfileManager::saveConfiguration() {
    session_.settle();
    const QString file =
        withSuffix(dialogs_->saveFileName(
                       tr(QT_TRANSLATE_NOOP("mousecfg::ProfileManager", "Save Config File")), kConfigFilter),
                   QStringLiteral("conf"));
    if (file.isEmpty()) return ProfileResult::Cancelled;
    return saved(exportSettingsFile(paths(), file, working_)) ? ProfileResult::Done : ProfileResult::Refused;
}

ProfileResult ProfileManager::loadConfiguration() {
    session_.settle();
    const QString file = dialogs_->openFileName(
        tr(QT_TRANSLATE_NOOP("mousecfg::ProfileManager", "Load Config File")), kConfigFilter);
    if (file.isEmpty()) return ProfileResult::Cancelled;
    ConfigState loaded = stored_;
    QString detail;
    switch (importSettingsFile(paths(), file, loaded, &detail)) {
        case ImportResult::Imported:
            break;
        case ImportResult::WrongProduct:
            warn(kOtherMouseConfig);
            return ProfileResult::Refused;
        case ImportResult::Incomplete:
            qCDebug(lcApp).noquote() << file << detail;
            warn(kIncompleteConfig);
            return ProfileResult::Refused;
        case ImportResult::Unreadable:
            qCDebug(lcApp).noquote() << file << detail;
            warn(kUnreadableConfig);
            return ProfileResult::Refused;
    }
    // The slot names a file carries name files later: one that could leave its folder refuses
    // the whole file. Files this program writes carry none; the slots then keep their names.
    for (int i = 0; i < kProfileCount; ++i) {
        QString& name = loaded.profileNames[static_cast<size_t>(i)];
        if (name.isEmpty()) {
            name = working_.profileNames[static_cast<size_t>(i)];
        } else if (!Paths::isSafeFileName(name)) {
            warn(kBadName);
            return ProfileResult::Refused;
        }
    }
    stored_ = loaded;
    working_ = stored_;
    session_.announceSetReloaded();
    session_.announceName(currentName());
    session_.announceLibrary();
    session_.announceRecord();
    // The stored set now equals the working set, so a compare would find nothing to send: the
    // loaded configuration goes to the mouse whole.
    session_.runWriteFlow(true);
    return ProfileResult::Done;
}

void ProfileManager::reloadCurrent() {
    session_.reloadSlotFromLibrary(currentProfileIndex(working_));
}

}  // namespace mousecfg
