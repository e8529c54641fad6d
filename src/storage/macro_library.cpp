#include "storage/macro_library.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "storage/app_settings.h"
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

bool MacroLibrary::writeSlots(const QString& from, const QString& to, int limit,
                              QVector<int>* changed) const {
    QSettings s(paths_.configFile(), QSettings::IniFormat);
    QVector<int> written;
    for (int i = 0; i < appsettings::kMacroListSize && written.size() < limit; ++i) {
        if (s.value(slotKey(i)).toString() != from) continue;
        s.setValue(slotKey(i), to);
        written << i;
    }
    s.sync();
    if (s.status() != QSettings::NoError) {
        qCWarning(lcStorage) << "macro list not written:" << paths_.configFile();
        return false;
    }
    if (changed) *changed = written;
    return true;
}

void MacroLibrary::restoreSlots(const QVector<int>& written, const QString& name) const {
    QSettings s(paths_.configFile(), QSettings::IniFormat);
    for (int i : written) s.setValue(slotKey(i), name);
}

MacroLibraryResult MacroLibrary::addName(const QString& name) const {
    QVector<int> written;
    if (!writeSlots(QString(), name, 1, &written)) return MacroLibraryResult::ListError;
    return written.isEmpty() ? MacroLibraryResult::Full : MacroLibraryResult::Ok;
}

MacroLibraryResult MacroLibrary::create(const QString& name, const MacroFileData& data, MacroWriteSign sign) {
    if (!Paths::isSafeFileName(name)) return MacroLibraryResult::BadName;
    if (isFull()) return MacroLibraryResult::Full;
    if (fileExists(name) || contains(name)) return MacroLibraryResult::Exists;
    if (!writeMacroFile(paths_, name, data, sign)) {
        QFile::remove(macroFilePath(paths_, name));
        return MacroLibraryResult::FileError;
    }
    const MacroLibraryResult r = addName(name);
    if (r != MacroLibraryResult::Ok) QFile::remove(macroFilePath(paths_, name));
    return r;
}

MacroLibraryResult MacroLibrary::rename(const QString& oldName, const QString& typed, QString* finalName) {
    if (finalName) *finalName = oldName;
    if (typed == oldName) return MacroLibraryResult::Unchanged;
    if (!Paths::isSafeFileName(typed) || !Paths::isSafeFileName(oldName)) return MacroLibraryResult::BadName;
    const QString name = freeName(typed, oldName);
    if (name == oldName) return MacroLibraryResult::Unchanged;
    const QString from = macroFilePath(paths_, oldName);
    const QString to = macroFilePath(paths_, name);
    const bool hadFile = QFileInfo::exists(from);
    if (hadFile && !QFile::rename(from, to)) return MacroLibraryResult::FileError;
    if (!writeSlots(oldName, name, appsettings::kMacroListSize)) {
        if (hadFile) QFile::rename(to, from);
        return MacroLibraryResult::ListError;
    }
    if (finalName) *finalName = name;
    return MacroLibraryResult::Ok;
}

MacroLibraryResult MacroLibrary::remove(const QString& name) {
    if (name.isEmpty()) return MacroLibraryResult::BadName;
    const QString path = macroFilePath(paths_, name);
    // A read-only folder would keep the file: find out before the name leaves the list.
    if (!path.isEmpty() && QFileInfo::exists(path) && !QFileInfo(paths_.macroDir()).isWritable())
        return MacroLibraryResult::FileError;
    QVector<int> written;
    if (!writeSlots(name, QString(), appsettings::kMacroListSize, &written))
        return MacroLibraryResult::ListError;
    if (!path.isEmpty() && QFileInfo::exists(path) && !QFile::remove(path)) {
        restoreSlots(written, name);
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
    if (fileExists(n) || contains(n)) return MacroLibraryResult::Exists;
    if (isFull()) return MacroLibraryResult::Full;
    QDir().mkpath(paths_.macroDir());
    const QString target = macroFilePath(paths_, n);
    if (!QFile::copy(source, target)) return MacroLibraryResult::FileError;
    const MacroLibraryResult r = addName(n);
    if (r != MacroLibraryResult::Ok) QFile::remove(target);
    return r;
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
    if (!QFileInfo::exists(path)) return MacroLibraryResult::Missing;
    if (QFileInfo(target).absoluteFilePath() == QFileInfo(path).absoluteFilePath())
        return MacroLibraryResult::Ok;
    // Copy beside the target first, so a failed copy never costs the file that was there.
    const QString temp = target + QStringLiteral(".part");
    QFile::remove(temp);
    if (!QFile::copy(path, temp)) return MacroLibraryResult::FileError;
    if (QFileInfo::exists(target) && !QFile::remove(target)) {
        QFile::remove(temp);
        return MacroLibraryResult::FileError;
    }
    if (!QFile::rename(temp, target)) {
        QFile::remove(temp);
        return MacroLibraryResult::FileError;
    }
    return MacroLibraryResult::Ok;
}

QStringList MacroLibrary::exportToFolder(const QStringList& names, const QString& folder) const {
    QStringList failed;
    for (const QString& n : names) {
        const QString path = macroFilePath(paths_, n);
        const QString target = folder + QLatin1Char('/') + n + kSuffix;
        if (path.isEmpty() || QFileInfo::exists(target) || !QFile::copy(path, target)) failed << n;
    }
    return failed;
}

}  // namespace mousecfg
