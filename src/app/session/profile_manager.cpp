#include "app/session/profile_manager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/session/app_log.h"
#include "app/session/profile_dialogs.h"
#include "app/session/profile_names.h"
#include "app/session/window_session.h"
#include "storage/app_settings.h"
#include "storage/profile_files.h"
#include "storage/profile_library.h"
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

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("mousecfg::ProfileManager", text);
}

const QString kProfileFilter = QStringLiteral("Profile File(*.prof)");
const QString kConfigFilter = QStringLiteral("Config File(*.conf)");

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
    loadProfileFromPath(current(), file);
    current().ProfileName = name;
}

void ProfileManager::saveLibrary(const QStringList& list) const {
    saveLibraryList(paths(), product(), list);
}

ProfileResult ProfileManager::chooseLibraryProfile(const QString& name) {
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
    if (!libraryUsable()) return ProfileResult::Refused;
    const QString name =
        profilenames::firstFreeProfileName([this](const QString& n) { return libraryExists(n); });
    if (name.isEmpty()) return ProfileResult::Refused;
    const QString target = libraryFile(name);
    QDir().mkpath(QFileInfo(target).absolutePath());
    const QString factory = libraryFile(QStringLiteral("DefaultProfile"));
    if (!QFile::copy(factory, target)) {
        // No factory file: the new profile starts from the product defaults all the same.
        MouseProfile defaults;
        resetProfileToDefaults(defaults, paths());
        saveProfileToPath(defaults, target);
    }
    QStringList list = library();
    list.append(name);
    saveLibrary(list);
    session_.announceName(name);
    currentName() = name;
    session_.announceLibrary();
    loadFromLibrary(name);
    session_.announceRecord();
    return ProfileResult::Done;
}

ProfileResult ProfileManager::copy() {
    if (!libraryUsable()) return ProfileResult::Refused;
    const QString source = currentName();
    if (!Paths::isSafeFileName(source)) {
        warn(kBadName);
        return ProfileResult::Refused;
    }
    const QString name =
        profilenames::copyName(source, [this](const QString& n) { return libraryExists(n); });
    if (name.isEmpty() || !Paths::isSafeFileName(name)) return ProfileResult::Refused;
    const QString target = libraryFile(name);
    QDir().mkpath(QFileInfo(target).absolutePath());
    // A slot whose profile never reached the library is copied from what it holds now.
    if (!QFile::copy(libraryFile(source), target)) saveProfileToPath(current(), target);
    QStringList list = library();
    list.append(name);
    currentName() = name;
    session_.announceName(name);
    saveLibrary(list);
    session_.announceLibrary();
    return ProfileResult::Done;
}

ProfileResult ProfileManager::remove(const QString& name) {
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
    const int r = profilenames::deleteReplacement(
        list, index, [this](const QString& n) { return profilenames::isInUse(working_, n); });
    if (r < 0) return ProfileResult::Refused;
    const QString replacement = list.at(r);
    list.removeAt(index);
    session_.announceName(replacement);
    currentName() = replacement;
    saveLibrary(list);
    const QString file = libraryFile(name);
    if (QFileInfo::exists(file)) QFile::remove(file);
    session_.announceLibrary();
    loadFromLibrary(replacement);
    session_.announceRecord();
    return ProfileResult::Done;
}

ProfileResult ProfileManager::rename(const QString& newName) {
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
    if (QFileInfo::exists(libraryFile(newName))) {
        warn(kExists);
        session_.announceName(old);
        return ProfileResult::Refused;
    }
    QStringList list = library();
    const int index = static_cast<int>(list.indexOf(old));
    if (index >= 0) list[index] = newName;
    saveLibrary(list);
    currentName() = newName;
    current().ProfileName = newName;
    QFile::rename(libraryFile(old), libraryFile(newName));
    // The slot's current profile file follows its name, so the next start finds it.
    const QString oldCurrent = currentProfileFile(paths(), old);
    const QString newCurrent = currentProfileFile(paths(), newName);
    if (QFileInfo::exists(oldCurrent) && !QFileInfo::exists(newCurrent))
        QFile::rename(oldCurrent, newCurrent);
    stored_.profileNames[static_cast<size_t>(currentProfileIndex(working_))] = newName;
    saveProfileList(paths(), working_);
    session_.announceLibrary();
    return ProfileResult::Done;
}

ProfileResult ProfileManager::reset() {
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
    if (!confirm(kConfirmResetAll)) return ProfileResult::Cancelled;
    resetAllToDefaults(working_, paths());
    session_.announceRecord();
    session_.announceName(currentName());
    session_.announceLibrary();
    session_.runWriteFlow(true);
    return ProfileResult::Done;
}

ProfileResult ProfileManager::exportProfile() {
    const QString target = dialogs_->saveFileName(
        tr(QT_TRANSLATE_NOOP("mousecfg::ProfileManager", "Save Profile File")), kProfileFilter);
    if (target.isEmpty()) return ProfileResult::Cancelled;
    const QString name = currentName();
    const QString source = libraryFile(name);
    if (source.isEmpty()) {
        warn(kBadName);
        return ProfileResult::Refused;
    }
    // A slot that has no library file yet exports what it holds.
    if (!QFileInfo::exists(source)) {
        QDir().mkpath(QFileInfo(source).absolutePath());
        saveProfileToPath(current(), source);
    }
    exportLibraryProfile(paths(), product(), name, target);
    return ProfileResult::Done;
}

ProfileResult ProfileManager::importProfile() {
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
    saveLibrary(list);
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
    const QString file = dialogs_->saveFileName(
        tr(QT_TRANSLATE_NOOP("mousecfg::ProfileManager", "Save Config File")), kConfigFilter);
    if (file.isEmpty()) return ProfileResult::Cancelled;
    exportSettingsFile(paths(), file, working_);
    return ProfileResult::Done;
}

ProfileResult ProfileManager::loadConfiguration() {
    const QString file = dialogs_->openFileName(
        tr(QT_TRANSLATE_NOOP("mousecfg::ProfileManager", "Load Config File")), kConfigFilter);
    if (file.isEmpty()) return ProfileResult::Cancelled;
    ConfigState loaded = stored_;
    if (importSettingsFile(paths(), file, loaded) != ImportResult::Imported) return ProfileResult::Ignored;
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
    loadFromLibrary(currentName());
    session_.announceRecord();
}

}  // namespace mousecfg
