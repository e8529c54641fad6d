#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QLoggingCategory>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include "platform/win32_named_mutex.h"
#endif

Q_LOGGING_CATEGORY(lcInstance, "mousecfg.platform.instance")

namespace mousecfg {

QString SingleInstance::mutexName(const QString& productName) {
    return productName + QStringLiteral(" Wireless Gaming Mouse Mutex1");
}

namespace {

// The product name may hold anything; a hash keeps file names safe and the mapping 1:1.
QString hashedName(const QString& productName) {
    const QByteArray hash =
        QCryptographicHash::hash(SingleInstance::mutexName(productName).toUtf8(), QCryptographicHash::Sha1)
            .toHex();
    return QStringLiteral("mousecfg-") + QString::fromLatin1(hash.left(16));
}

QString runtimeDir() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return dir;
}

// What a later start sends; anything else on the socket is ignored.
const QByteArray kShowRequest = QByteArrayLiteral("show\n");

}  // namespace

QString SingleInstance::lockFilePath(const QString& productName) {
    return runtimeDir() + QLatin1Char('/') + hashedName(productName) + QStringLiteral(".lock");
}

QString SingleInstance::activationServerName(const QString& productName) {
#ifdef Q_OS_WIN
    return hashedName(productName);
#else
    return runtimeDir() + QLatin1Char('/') + hashedName(productName) + QStringLiteral(".socket");
#endif
}

#ifdef Q_OS_WIN

struct SingleInstance::Lock {
    explicit Lock(const QString& productName) : name(mutexName(productName).toStdWString()) {}
    bool tryLock() {
        switch (mutex.acquire(name)) {
            case win32::NamedMutex::Result::Acquired:
                return true;
            case win32::NamedMutex::Result::HeldElsewhere:
                return false;
            case win32::NamedMutex::Result::Failed:
                break;
        }
        // Nothing tells that another instance runs: this one may.
        qCWarning(lcInstance) << "CreateMutexW failed, error" << mutex.lastError();
        return true;
    }
    std::wstring name;
    win32::NamedMutex mutex;
};

#else

struct SingleInstance::Lock {
    explicit Lock(const QString& productName) : path(lockFilePath(productName)), file(path) {
        // Never treat a live owner's lock as stale because of its age; QLockFile still detects a
        // lock whose process is gone (killed, crashed) and removes it.
        file.setStaleLockTime(0);
    }
    bool tryLock() {
        if (file.tryLock(0)) return true;
        if (file.error() != QLockFile::LockFailedError || !namesNoOwner()) return false;
        qCDebug(lcInstance).noquote() << "removing a lock file that names no process:" << path;
        file.removeStaleLockFile();
        return file.tryLock(0);
    }
    // QLockFile itself takes over a lock whose process is gone or is another program, but with
    // no stale time it keeps an empty or garbled file for ever, and every later start would
    // quietly exit. Such a file can only be a fresh one that its owner has not filled in yet (a
    // matter of microseconds) or one that never will be.
    bool namesNoOwner() const {
        qint64 pid = 0;
        QString host, app;
        if (file.getLockInfo(&pid, &host, &app)) return false;
        const QFileInfo info(path);
        if (!info.exists()) return false;
        const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
        return qAbs(age) >= kUnfinishedLockMs;
    }
    QString path;
    QLockFile file;  // unlocks on destruction
};

#endif

SingleInstance::SingleInstance(const QString& productName)
    : productName_(productName), lock_(std::make_unique<Lock>(productName)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryAcquire() {
    if (owner_) return true;
    owner_ = lock_->tryLock();
    return owner_;
}

bool SingleInstance::listenForActivation(std::function<void()> onRequest) {
    if (!owner_) return false;
    const QString name = activationServerName(productName_);
    QLocalServer::removeServer(name);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name)) {
        qCWarning(lcInstance) << "cannot listen for later starts on" << name << server_->errorString();
        server_.reset();
        return false;
    }
    QLocalServer* server = server_.get();
    QObject::connect(server, &QLocalServer::newConnection, server, [server, onRequest] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, onRequest] {
                if (!socket->canReadLine()) {
                    // Never more than a request's worth is kept from one caller.
                    if (socket->bytesAvailable() > kShowRequest.size()) socket->abort();
                    return;
                }
                const QByteArray line = socket->readLine(kShowRequest.size() + 1);
                socket->disconnectFromServer();
                if (line != kShowRequest) return;
                qCDebug(lcInstance) << "a later start asked for the window";
                onRequest();
            });
        }
    });
    return true;
}

bool SingleInstance::requestActivation(const QString& productName) {
    const QString name = activationServerName(productName);
    constexpr int kWaitMs = 1000;
    QLocalSocket socket;
    socket.connectToServer(name);
    socket.waitForConnected(kWaitMs);
    if (socket.state() != QLocalSocket::ConnectedState) {
        qCDebug(lcInstance) << "no running instance answers on" << name;
        return false;
    }
    socket.write(kShowRequest);
    const bool written = socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kWaitMs);
    return written;
}

}  // namespace mousecfg
