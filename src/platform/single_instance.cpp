#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace mousecfg {

QString SingleInstance::mutexName(const QString& productName) {
    return productName + QStringLiteral(" Wireless Gaming Mouse Mutex1");
}

QString SingleInstance::lockFilePath(const QString& productName) {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    // The product name may hold anything; a hash keeps the file name safe and the mapping 1:1.
    const QByteArray hash =
        QCryptographicHash::hash(mutexName(productName).toUtf8(), QCryptographicHash::Sha1).toHex();
    return dir + QStringLiteral("/mousecfg-") + QString::fromLatin1(hash.left(16)) + QStringLiteral(".lock");
}

SingleInstance::SingleInstance(const QString& productName)
    : lock_(std::make_unique<QLockFile>(lockFilePath(productName))) {
    // Never treat a live owner's lock as stale because of its age; QLockFile still detects a
    // lock whose process is gone (killed, crashed) and removes it.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;  // QLockFile unlocks on destruction

bool SingleInstance::tryAcquire() {
    if (owner_) return true;
    owner_ = lock_->tryLock(0);
    return owner_;
}

}  // namespace mousecfg
