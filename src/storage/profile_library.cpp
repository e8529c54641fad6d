#include "storage/profile_library.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "storage/paths.h"
#include "storage/profile_files.h"

namespace mousecfg {

namespace {

int boundedCount(const QVariant& v) {
    const int n = v.toInt();
    if (n < 0) return 0;
    return n < kMaxLibraryEntries ? n : kMaxLibraryEntries;
}

}  // namespace

QStringList loadLibraryList(const Paths& paths, const QString& product) {
    QSettings s(paths.productConfigFile(product), QSettings::IniFormat);
    s.beginGroup(QStringLiteral("PROFILE_LIST"));
    const int n = boundedCount(s.value(QStringLiteral("Count")));
    QStringList names;
    names.reserve(n);
    for (int i = 1; i <= n; ++i) names << s.value(QString::number(i)).toString();
    return names;
}

void saveLibraryList(const Paths& paths, const QString& product, const QStringList& names) {
    QSettings s(paths.productConfigFile(product), QSettings::IniFormat);
    s.beginGroup(QStringLiteral("PROFILE_LIST"));
    s.setValue(QStringLiteral("Count"), names.size());
    for (int i = 0; i < names.size(); ++i) s.setValue(QString::number(i + 1), names[i]);
}

bool isBuiltInLibraryName(const Paths& paths, const QString& product, const QString& name) {
    QSettings s(paths.productConfigFile(product), QSettings::IniFormat);
    s.beginGroup(QStringLiteral("PROFILE_LIST"));
    const int n = boundedCount(s.value(QStringLiteral("SCount")));
    for (int i = 1; i <= n; ++i)
        if (s.value(QStringLiteral("S") + QString::number(i)).toString() == name) return true;
    return false;
}

LibraryResult exportLibraryProfile(const Paths& paths, const QString& product, const QString& name,
                                   const QString& target) {
    const QString source = libraryProfileFile(paths, product, name);
    if (source.isEmpty()) return LibraryResult::UnsafeName;
    stampProductName(source, product);
    if (QFileInfo(source).absoluteFilePath() == QFileInfo(target).absoluteFilePath())
        return LibraryResult::Ok;
    QFile::remove(target);
    return QFile::copy(source, target) ? LibraryResult::Ok : LibraryResult::CopyFailed;
}

LibraryResult importLibraryProfile(const Paths& paths, const QString& product, const QString& source,
                                   MouseProfile& profile, QString* baseName) {
    if (readProductName(source) != product) return LibraryResult::WrongProduct;
    const QString name = QFileInfo(source).completeBaseName();
    if (baseName) *baseName = name;
    const QString target = libraryProfileFile(paths, product, name);
    if (target.isEmpty()) return LibraryResult::UnsafeName;
    if (QFileInfo::exists(target)) return LibraryResult::Exists;
    QDir().mkpath(QFileInfo(target).absolutePath());
    if (!QFile::copy(source, target)) return LibraryResult::CopyFailed;
    loadProfileFromPath(profile, target);
    return LibraryResult::Ok;
}

}  // namespace mousecfg
