#pragma once

#include <QLockFile>
#include <QObject>
#include <memory>

#include "osd/osd_record.h"

class QLocalServer;
class QWidget;

namespace mousecfg::osd {

// The receiving end of the display: one per user. On Linux it listens on socketPath() and reads
// the stream of each connection as back-to-back records; on Windows it owns the hidden top-level
// window titled windowTitle() and takes records from WM_COPYDATA.
class OsdServer : public QObject {
    Q_OBJECT
public:
    enum class Start { Listening, AlreadyRunning, Failed };

    explicit OsdServer(QObject* parent = nullptr);
    ~OsdServer() override;

    // Takes the per-user lock (a display killed earlier leaves a lock and a socket file behind:
    // both are taken over), then listens. AlreadyRunning: another display has the lock.
    Start start();

    // One record arrived; damaged records (wrong size) are dropped before this.
    void receive(const QByteArray& record);

Q_SIGNALS:
    void messageReceived(const mousecfg::osd::OsdMessage& message);

private:
    void acceptConnections();

    QLockFile lock_;
    QLocalServer* server_ = nullptr;
    std::unique_ptr<QWidget> window_;  // Windows: the window the main program looks up
};

}  // namespace mousecfg::osd
