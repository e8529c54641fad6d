#include "storage/macro_library.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "storage/app_settings.h"
#include "storage/data_lock.h"
#include "storage/file_checks.h"
#include "storage/ini_file.h"
#include "storage/save_batch.h"
#include "storage/storage_log.h"

namespace mousecfg {

namespace {

const QString kSuffix = QStringLiteral(".MSMACRO");

QString slotKey(int i) {
    return QStringLiteral("MACRO_LIST/%1").arg(i);
}

}  // namespace

QStringList MacroLibrary::names() const {
    return macroNames(paths_);
}

bool MacroLibrary::contains(const QString& name) const {
    return names().contains(name);
}

bool MacroLibrary::isFull() const {
    return firstFreeMacroSlot(paths_) < 0;
}

bool MacroLibrary::fileExists(const QString& name) const {
    const QString path = macroFilePath(paths_, name);
    return !path.isEmpty() && QFileInfo::exists(path);
}

QString MacroLibrary::newMacroName() const {
    const QStringList listed = names();
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("name_%1").arg(n);
        if (!fileExists(name) && !listed.contains(name)) return name;
    }
}

QString MacroLibrary::freeName(const QString& typed, const QString& except) const {
    const QStringList listed = names();
    auto taken = [&](const QString& n) { return n != except && (fileExists(n) || listed.contains(n)); };
    if (!taken(typed)) return typed;
    for (int n = 2;; ++n) {
        const QString name = typed + QStringLiteral("_%1").arg(n);
        if (!taken(name)) return name;
    }
}

QVector<int> MacroLibrary::slotsHolding(const QString& name, int limit) const {
    IniReader s(paths_, paths_.configFile());
    QVector<int> found;
    for (int i = 0; i < appsettings::kMacroListSize && found.size() < limit; ++i)
        if (s.value(slotKey(i)).toString() == name) found << i;
    return found;
}

void MacroLibrary::stageSlots(SaveBatch& batch, const QVector<int>& slotList, const QString& name) const {
    batch.editIni(paths_.configFile(), [slotList, name](QSettings& s) {
        for (int i : slotList) s.setValue(slotKey(i), name);
    });
}

MacroLibraryResult MacroLibrary::commit(SaveBatch& batch) const {
    const SaveStatus status = batch.commit();
    if (status.ok()) return MacroLibraryResult::Ok;
    qCWarning(lcStorage) << status.message();
    return status.file == paths_.configFile() ? MacroLibraryResult::ListError : MacroLibraryResult::FileError;
}

MacroLibraryResult MacroLibrary::create(const QString& name, const MacroFileData& data, MacroWriteSign sign) {
    if (!Paths::isSafeFileName(name)) return MacroLibraryResult::BadName;
    DataFolderLock lock(paths_);
    if (!lock.isLocked()) return MacroLibraryResult::FileError;
    const QVector<int> free = slotsHolding(QString(), 1);
    if (free.isEmpty()) return MacroLibraryResult::Full;
    if (fileExists(name) || contains(name)) return MacroLibraryResult::Exists;
    // The file and its name land together or not at all.
    SaveBatch batch(paths_);
    if (!stageMacroFile(batch, paths_, name, data, sign)) return MacroLibraryResult::FileError;
    stageSlots(batch, free, name);
    return commit(batch);
}

MacroLibraryResult MacroLibrary::rename(const QString& oldName, const QString& typed, QString* finalName) {
    if (finalName) *finalName = oldName;
    if (typed == oldName) return MacroLibraryResult::Unchanged;
    if (!Paths::isSafeFileName(typed) || !Paths::isSafeFileName(oldName)) return MacroLibraryResult::BadName;
    DataFolderLock lock(paths_);
    if (!lock.isLocked()) return MacroLibraryResult::FileError;
    const QString name = freeName(typed, oldName);
    if (name == oldName) return MacroLibraryResult::Unchanged;
    const QString from = macroFilePath(paths_, oldName);
    SaveBatch batch(paths_);
    const bool hadFile = QFileInfo::exists(from);
    if (hadFile) {
        QByteArray bytes;
        if (readCheckedFile(paths_.dataDir(), from, bytes) != FileIssue::None)
            return MacroLibraryResult::FileError;
        batch.replaceBytes(macroFilePath(paths_, name), bytes);
    }
    stageSlots(batch, slotsHolding(oldName, appsettings::kMacroListSize), name);
    const MacroLibraryResult r = commit(batch);
    if (r != MacroLibraryResult::Ok) return r;
    // The new file and list are in place; an old file that stays behind is only a spare copy.
    if (hadFile && !QFile::remove(from)) qCWarning(lcStorage) << "old macro file left:" << from;
    if (finalName) *finalName = name;
    return MacroLibraryResult::Ok;
}

MacroLibraryResult MacroLibrary::remove(const QString& name) {
    if (name.isEmpty()) return MacroLibraryResult::BadName;
    DataFolderLock lock(paths_);
    if (!lock.isLocked()) return MacroLibraryResult::FileError;
    const QString path = macroFilePath(paths_, name);
    const bool hasFile = !path.isEmpty() && QFileInfo::exists(path);
    // A read-only folder would keep the file: find out before the name leaves the list.
    if (hasFile && !QFileInfo(paths_.macroDir()).isWritable()) return MacroLibraryResult::FileError;
    const QVector<int> listed = slotsHolding(name, appsettings::kMacroListSize);
    SaveBatch batch(paths_);
    stageSlots(batch, listed, QString());
    const MacroLibraryResult r = commit(batch);
    if (r != MacroLibraryResult::Ok) return r;
    if (hasFile && !QFile::remove(path)) {
        SaveBatch undo(paths_);
        stageSlots(undo, listed, name);
        commit(undo);
        return MacroLibraryResult::FileError;
    }
    return MacroLibraryResult::Ok;
}

QString MacroLibrary::nameOfFile(const QString& path) {
    QString file = QFileInfo(path).fileName();
    if (file.endsWith(kSuffix, Qt::CaseInsensitive)) file.chop(kSuffix.size());
    return file;
}

MacroLibraryResult MacroLibrary::importFile(const QString& source, QString* name) {
    const QString n = nameOfFile(source);
    if (name) *name = n;
    if (!Paths::isSafeFileName(n)) return MacroLibraryResult::BadName;
    DataFolderLock lock(paths_);
    if (!lock.isLocked()) return MacroLibraryResult::FileError;
    if (fileExists(n) || contains(n)) return MacroLibraryResult::Exists;
    const QVector<int> free = slotsHolding(QString(), 1);
    if (free.isEmpty()) return MacroLibraryResult::Full;
    QByteArray bytes;
    const FileIssue issue = readCheckedFile(QString(), source, bytes);
    if (issue == FileIssue::Missing) return MacroLibraryResult::Missing;
    if (issue != FileIssue::None) return MacroLibraryResult::FileError;
    SaveBatch batch(paths_);
    batch.replaceBytes(macroFilePath(paths_, n), bytes);
    stageSlots(batch, free, n);
    return commit(batch);
}

MacroLibrary::BatchImport MacroLibrary::importFiles(const QStringList& sources) {
    BatchImport out;
    for (const QString& source : sources) {
        QString n;
        switch (importFile(source, &n)) {
            case MacroLibraryResult::Ok:
                out.imported << n;
                break;
            case MacroLibraryResult::Exists:
                out.existing << n;
                break;
            case MacroLibraryResult::Full:
                out.overflow << n;
                break;
            default:
                out.failed << n;
                break;
        }
    }
    return out;
}

MacroLibraryResult MacroLibrary::exportTo(const QString& name, const QString& target) const {
    const QString path = macroFilePath(paths_, name);
    if (path.isEmpty()) return MacroLibraryResult::BadName;
    if (QFileInfo(target).absoluteFilePath() == QFileInfo(path).absoluteFilePath())
        return MacroLibraryResult::Ok;
    QByteArray bytes;
    const FileIssue issue = readCheckedFile(paths_.dataDir(), path, bytes);
    if (issue == FileIssue::Missing) return MacroLibraryResult::Missing;
    if (issue != FileIssue::None) return MacroLibraryResult::FileError;
    // Written beside the target and renamed over it: a failed export never costs the file there.
    SaveBatch batch(paths_);
    batch.replaceBytes(target, bytes);
    return commit(batch) == MacroLibraryResult::Ok ? MacroLibraryResult::Ok : MacroLibraryResult::FileError;
}

QStringList MacroLibrary::exportToFolder(const QStringList& names, const QString& folder) const {
    QStringList failed;
    for (const QString& n : names) {
        const QString target = folder + QLatin1Char('/') + n + kSuffix;
        if (QFileInfo::exists(target) || exportTo(n, target) != MacroLibraryResult::Ok) failed << n;
    }
    return failed;
}

}  // namespace mousecfg
