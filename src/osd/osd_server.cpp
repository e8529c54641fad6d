#include "osd/osd_server.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QWidget>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

Q_LOGGING_CATEGORY(lcOsd, "mousecfg.osd")

namespace mousecfg::osd {

namespace {

#ifdef Q_OS_WIN
// Hidden, but a real top-level window: FindWindowW finds it by its title.
class CopyDataWindow : public QWidget {
public:
    explicit CopyDataWindow(OsdServer* server) : server_(server) {
        setWindowTitle(windowTitle());
        winId();  // creates the native window without showing it
    }

protected:
    bool nativeEvent(const QByteArray& eventType, void* message, long* result) override {
        Q_UNUSED(eventType);
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->message != WM_COPYDATA) return false;
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(msg->lParam);
        const bool ok = data && data->dwData == 0 && data->cbData == static_cast<DWORD>(kRecordSize);
        if (ok) server_->receive(QByteArray(static_cast<const char*>(data->lpData), kRecordSize));
        *result = ok ? 1 : 0;
        return true;
    }

private:
    OsdServer* server_;
};
#endif

}  // namespace

OsdServer::OsdServer(QObject* parent) : QObject(parent), lock_(lockPath()) {
    // Never treat a running display's lock as stale because of its age; a dead owner's lock is
    // still recognised and removed.
    lock_.setStaleLockTime(0);
    idle_.setSingleShot(true);
    idle_.setInterval(kIdleMs);
    idle_.setObjectName(QStringLiteral("osdIdleTimer"));
    connect(&idle_, &QTimer::timeout, this, &OsdServer::idle);
}

OsdServer::~OsdServer() = default;

OsdServer::Start OsdServer::start() {
    if (!lock_.tryLock(0)) {
        if (lock_.error() == QLockFile::LockFailedError) return Start::AlreadyRunning;
        qCWarning(lcOsd) << "cannot create the lock" << lockPath();
        return Start::Failed;
    }
#ifdef Q_OS_WIN
    window_ = std::make_unique<CopyDataWindow>(this);
    return Start::Listening;
#else
    // We own the lock, so a socket file that is there belongs to a display that died.
    QLocalServer::removeServer(socketPath());
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socketPath())) {
        qCWarning(lcOsd) << "cannot listen on" << socketPath() << server_->errorString();
        return Start::Failed;
    }
    connect(server_, &QLocalServer::newConnection, this, &OsdServer::acceptConnections);
    idle_.start();
    qCDebug(lcOsd) << "listening on" << socketPath();
    return Start::Listening;
#endif
}

void OsdServer::acceptConnections() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        ++connections_;
        idle_.stop();
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            socket->deleteLater();
            if (--connections_ == 0) idle_.start();
        });
        // The stream is a sequence of whole records; a part of one waits in the socket's own
        // buffer until the rest is there, so nothing grows beyond one record here.
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->bytesAvailable() >= kRecordSize) receive(socket->read(kRecordSize));
        });
    }
}

void OsdServer::receive(const QByteArray& record) {
    const std::optional<OsdMessage> m = decodeRecord(record);
    if (!m) {
        qCDebug(lcOsd) << "dropped a record of" << record.size() << "bytes";
        return;
    }
    Q_EMIT messageReceived(*m);
}

}  // namespace mousecfg::osd
