#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QLoggingCategory>
#include <QStandardPaths>

namespace mousecfg {

namespace {
Q_LOGGING_CATEGORY(lcInstance, "mousecfg.platform.instance")
}  // namespace

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
    : path_(lockFilePath(productName)), lock_(std::make_unique<QLockFile>(path_)) {
    // Never treat a live owner's lock as stale because of its age; QLockFile still detects a
    // lock whose process is gone (killed, crashed) and removes it.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;  // QLockFile unlocks on destruction

bool SingleInstance::tryAcquire() {
    if (owner_) return true;
    owner_ = lock_->tryLock(0);
    if (!owner_ && lock_->error() == QLockFile::LockFailedError && namesNoOwner()) {
        qCDebug(lcInstance).noquote() << "removing a lock file that names no process:" << path_;
        lock_->removeStaleLockFile();
        owner_ = lock_->tryLock(0);
    }
    return owner_;
}

bool SingleInstance::namesNoOwner() const {
    // QLockFile itself takes over a lock whose process is gone or is another program, but with
    // no stale time it keeps an empty or garbled file for ever, and every later start would
    // quietly exit. Such a file can only be a fresh one that its owner has not filled in yet (a
    // matter of microseconds) or one that never will be.
    qint64 pid = 0;
    QString host, app;
    if (lock_->getLockInfo(&pid, &host, &app)) return false;
    const QFileInfo info(path_);
    if (!info.exists()) return false;
    const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
    return qAbs(age) >= kUnfinishedLockMs;
}

}  // namespace mousecfg
