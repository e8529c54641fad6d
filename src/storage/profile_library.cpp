#include "storage/profile_library.h"

#include <QFileInfo>
#include <QSettings>

#include "storage/ini_file.h"
#include "storage/paths.h"
#include "storage/profile_files.h"
#include "storage/save_batch.h"

namespace mousecfg {

namespace {

int boundedCount(const QVariant& v) {
    const int n = v.toInt();
    if (n < 0) return 0;
    return n < kMaxLibraryEntries ? n : kMaxLibraryEntries;
}

}  // namespace

QStringList loadLibraryList(const Paths& paths, const QString& product) {
    IniReader s(paths, paths.productConfigFile(product));
    const int n = boundedCount(s.value(QStringLiteral("PROFILE_LIST/Count")));
    QStringList names;
    names.reserve(n);
    for (int i = 1; i <= n; ++i)
        names << s.value(QStringLiteral("PROFILE_LIST/") + QString::number(i)).toString();
    return names;
}

SaveStatus saveLibraryList(const Paths& paths, const QString& product, const QStringList& names) {
    SaveBatch batch(paths);
    batch.editIni(paths.productConfigFile(product), [&names](QSettings& s) {
        s.beginGroup(QStringLiteral("PROFILE_LIST"));
        s.setValue(QStringLiteral("Count"), names.size());
        for (int i = 0; i < names.size(); ++i) s.setValue(QString::number(i + 1), names[i]);
        s.endGroup();
    });
    return batch.commit();
}

bool isBuiltInLibraryName(const Paths& paths, const QString& product, const QString& name) {
    IniReader s(paths, paths.productConfigFile(product));
    const int n = boundedCount(s.value(QStringLiteral("PROFILE_LIST/SCount")));
    for (int i = 1; i <= n; ++i)
        if (s.value(QStringLiteral("PROFILE_LIST/S") + QString::number(i)).toString() == name) return true;
    return false;
}

LibraryResult exportLibraryProfile(const Paths& paths, const QString& product, const QString& name,
                                   const QString& target) {
    const QString source = libraryProfileFile(paths, product, name);
    if (source.isEmpty()) return LibraryResult::UnsafeName;
    if (!stampProductName(paths, source, product).ok()) return LibraryResult::CopyFailed;
    if (QFileInfo(source).absoluteFilePath() == QFileInfo(target).absoluteFilePath())
        return LibraryResult::Ok;
    QByteArray bytes;
    if (readCheckedFile(paths.dataDir(), source, bytes) != FileIssue::None) return LibraryResult::Unreadable;
    SaveBatch batch(paths);
    batch.replaceBytes(target, bytes);
    return batch.commit().ok() ? LibraryResult::Ok : LibraryResult::CopyFailed;
}

LibraryResult importLibraryProfile(const Paths& paths, const QString& product, const QString& source,
                                   MouseProfile& profile, QString* baseName) {
    QByteArray bytes;
    {
        IniReader reader(source);
        if (!reader.isOpen()) return LibraryResult::Unreadable;
        if (reader.value(QStringLiteral("MouseName/Name")).toString() != product)
            return LibraryResult::WrongProduct;
        if (countProfileKeys(reader.records(), QStringLiteral("PROFILE"), ProfileKeySet::Full, 1) == 0)
            return LibraryResult::NotAProfile;
    }
    const QString name = QFileInfo(source).completeBaseName();
    if (baseName) *baseName = name;
    const QString target = libraryProfileFile(paths, product, name);
    if (target.isEmpty()) return LibraryResult::UnsafeName;
    if (QFileInfo(target).exists() || QFileInfo(target).isSymLink()) return LibraryResult::Exists;
    if (readCheckedFile(QString(), source, bytes) != FileIssue::None) return LibraryResult::Unreadable;
    SaveBatch batch(paths);
    batch.replaceBytes(target, bytes);
    if (!batch.commit().ok()) return LibraryResult::CopyFailed;
    loadProfileFromPath(paths, profile, target, name);
    return LibraryResult::Ok;
}

}  // namespace mousecfg
