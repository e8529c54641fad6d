// Linux: the display listens on a local socket in the user's runtime folder.
#include <QLocalSocket>
#include <QLoggingCategory>

#include "platform/osd_delivery.h"

Q_DECLARE_LOGGING_CATEGORY(lcOsdDelivery)

namespace mousecfg {

namespace {

class LocalSocketOsdEndpoint : public OsdEndpoint {
public:
    explicit LocalSocketOsdEndpoint(const QString& path) : path_(path) {
        connect(&socket_, &QLocalSocket::connected, this, &OsdEndpoint::found);
        connect(&socket_, &QLocalSocket::errorOccurred, this, [this](QLocalSocket::LocalSocketError error) {
            // Errors of a connection that was up (the display ended) wait for the next probe.
            if (probing_) {
                probing_ = false;
                qCDebug(lcOsdDelivery) << "no display on" << path_ << error;
                Q_EMIT notFound();
            }
        });
        connect(&socket_, &QLocalSocket::connected, this, [this] { probing_ = false; });
    }

    void probe() override {
        socket_.abort();
        probing_ = true;
        // Connecting to a local socket either succeeds or fails at once; the answer still comes
        // as a signal, which may be emitted before connectToServer returns.
        socket_.connectToServer(path_);
    }

    bool ready() const override { return socket_.state() == QLocalSocket::ConnectedState; }

    bool send(const QByteArray& record) override {
        if (!ready()) return false;
        if (socket_.write(record) != record.size()) {
            socket_.abort();
            return false;
        }
        socket_.flush();  // writes what the socket takes now, never waits
        return true;
    }

private:
    QString path_;
    QLocalSocket socket_;
    bool probing_ = false;
};

}  // namespace

std::unique_ptr<OsdEndpoint> makeLocalSocketOsdEndpoint(const QString& socketPath) {
    return std::make_unique<LocalSocketOsdEndpoint>(socketPath.isEmpty() ? osd::socketPath() : socketPath);
}

}  // namespace mousecfg
