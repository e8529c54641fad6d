#include "temp_data.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace mousecfg::test {

QString sourceDataDir() {
    return QStringLiteral(MOUSECFG_SOURCE_DIR "/data");
}

TempData::TempData(bool withInstallData) {
    paths_ = Paths(withInstallData ? sourceDataDir() : dir_.path(), dir_.path());
    if (withInstallData) paths_.seedDataDir();
    QDir().mkpath(paths_.profileDir());
    QDir().mkpath(paths_.macroDir());
}

void TempData::writeFile(const QString& relative, const QByteArray& bytes) const {
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

QByteArray TempData::readFile(const QString& relative) const {
    QFile f(path(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace mousecfg::test

namespace mousecfg::test {

RuntimeDir::RuntimeDir() : old_(qgetenv("XDG_RUNTIME_DIR")) {
    QFile::setPermissions(dir_.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", dir_.path().toLocal8Bit());
}

RuntimeDir::~RuntimeDir() {
    qputenv("XDG_RUNTIME_DIR", old_);
}

}  // namespace mousecfg::test
