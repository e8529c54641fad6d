#include "storage/paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace mousecfg {

Paths::Paths(QString installDir, QString dataDir)
    : installDir_(std::move(installDir)), dataDir_(std::move(dataDir)) {}

namespace {

bool isWritableDir(const QString& dir) {
    QFileInfo info(dir);
    if (!info.isDir()) return false;
    // QFileInfo::isWritable looks at permission bits only; a read-only mount or a root-owned
    // folder is found by actually creating a file: a new one of a unique name, so that nothing
    // already there (a link planted under a fixed name) is ever opened for writing.
    QTemporaryFile probe(dir + QStringLiteral("/.mousecfg-write-probe-XXXXXX"));
    return probe.open();
}

bool isEmptyOrMissing(const QString& dir) {
    QDir d(dir);
    return !d.exists() || d.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

bool copyIfMissing(const QString& from, const QString& to) {
    if (QFileInfo::exists(to)) return true;
    if (!QDir().mkpath(QFileInfo(to).absolutePath())) return false;
    return QFile::copy(from, to);
}

}  // namespace

QString Paths::installedDataFromBin() {
#ifdef MOUSECFG_DATA_FROM_BIN
    return QStringLiteral(MOUSECFG_DATA_FROM_BIN);
#else
    return QStringLiteral("../share/mousecfg");
#endif
}

Paths::Installation Paths::locateInstallation(const QString& programDir, const QString& dataFromBin) {
    static const QString kMarker = QStringLiteral("/DefaultProfile.bin");
    const QString program = QDir::cleanPath(QDir(programDir).absolutePath());
    // The build folder wins: a build folder inside a prefix (build/bin next to build/share) stays
    // a build folder.
    if (QFileInfo(program + kMarker).isFile()) return {program, false};
    const QString shared = QDir::cleanPath(program + QLatin1Char('/') + dataFromBin);
    if (!dataFromBin.isEmpty() && QFileInfo(shared + kMarker).isFile()) return {shared, true};
    // Neither: the program folder, as before (the descriptor is then reported missing).
    return {program, false};
}

Paths Paths::forProgram(const QString& programDir, const QString& dataDirOverride) {
    const Installation installation = locateInstallation(programDir);
    const QString& installDir = installation.dir;
    QString data = dataDirOverride;
    if (data.isEmpty()) data = QString::fromLocal8Bit(qgetenv("MOUSECFG_DATA_DIR"));
    if (data.isEmpty()) {
        if (!installation.installed && isWritableDir(installDir)) return Paths(installDir, installDir);
        data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               QStringLiteral("/mousecfg");
    }
    data = QDir(data).absolutePath();
    Paths paths(installDir, data);
    if (isEmptyOrMissing(data) && QDir::cleanPath(data) != QDir::cleanPath(installDir)) paths.seedDataDir();
    return paths;
}

bool Paths::seedDataDir() const {
    bool ok = QDir().mkpath(dataDir_);
    const QString seedDescriptor = installDir_ + QStringLiteral("/DefaultProfile.bin");
    if (QFileInfo::exists(seedDescriptor)) ok = copyIfMissing(seedDescriptor, descriptorFile()) && ok;
    const QString seedConfigs = installDir_ + QStringLiteral("/Configs");
    QDirIterator it(seedConfigs, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString rel = QDir(seedConfigs).relativeFilePath(from);
        ok = copyIfMissing(from, configDir() + QLatin1Char('/') + rel) && ok;
    }
    QDir().mkpath(configDir() + QStringLiteral("/Profile"));
    QDir().mkpath(configDir() + QStringLiteral("/MacroDB"));
    return ok;
}

QString Paths::descriptorFile() const {
    return dataDir_ + QStringLiteral("/DefaultProfile.bin");
}
QString Paths::configDir() const {
    return dataDir_ + QStringLiteral("/Configs");
}
QString Paths::configFile() const {
    return configDir() + QStringLiteral("/Config.ini");
}
QString Paths::langConfigFile() const {
    return configDir() + QStringLiteral("/LangConfig.ini");
}
QString Paths::profileDir() const {
    return configDir() + QStringLiteral("/Profile");
}
QString Paths::macroDir() const {
    return configDir() + QStringLiteral("/MacroDB");
}

QString Paths::productDir(const QString& product) const {
    // An empty product name makes the per-product folder the configuration folder itself. A name
    // that could leave Configs/ is treated the same way.
    if (!isSafeFileName(product)) return configDir();
    return configDir() + QLatin1Char('/') + product;
}
QString Paths::productConfigFile(const QString& product) const {
    return productDir(product) + QStringLiteral("/Config.ini");
}
QString Paths::productProfileDir(const QString& product) const {
    return productDir(product) + QStringLiteral("/Profile");
}
QString Paths::skinDir() const {
    return installDir_ + QStringLiteral("/skin");
}
QString Paths::skinFile(const QString& relative) const {
    return skinDir() + QLatin1Char('/') + relative;
}
QString Paths::langDir() const {
    return installDir_ + QStringLiteral("/lang");
}

bool Paths::isSafeFileName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
    for (QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() == 0) return false;
    }
    return true;
}

}  // namespace mousecfg
