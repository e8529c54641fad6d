#pragma once

#include <QLockFile>
#include <QObject>
#include <QTimer>
#include <memory>

#include "osd/osd_record.h"

class QLocalServer;
class QWidget;

namespace mousecfg::osd {

// The receiving end of the display: one per user. On Linux it listens on socketPath() and reads
// the stream of each connection as back-to-back records; on Windows it owns the hidden top-level
// window titled windowTitle() and takes records from WM_COPYDATA.
//
// A display nobody talks to ends itself: on Linux every main program keeps its connection open
// while it runs, so a minute without any connection (from the start, or since the last one
// closed) means no program is left to feed it.
class OsdServer : public QObject {
    Q_OBJECT
public:
    enum class Start { Listening, AlreadyRunning, Failed };
    static constexpr int kIdleMs = 60000;

    explicit OsdServer(QObject* parent = nullptr);
    ~OsdServer() override;

    // Takes the per-user lock (a display killed earlier leaves a lock and a socket file behind:
    // both are taken over), then listens. AlreadyRunning: another display has the lock.
    Start start();

    // One record arrived; damaged records (wrong size) are dropped before this.
    void receive(const QByteArray& record);

    const QTimer& idleTimer() const { return idle_; }

Q_SIGNALS:
    void messageReceived(const mousecfg::osd::OsdMessage& message);
    // No connection for kIdleMs: time to end.
    void idle();

private:
    void acceptConnections();

    QLockFile lock_;
    QLocalServer* server_ = nullptr;
    QTimer idle_;
    int connections_ = 0;
    std::unique_ptr<QWidget> window_;  // Windows: the window the main program looks up
};

}  // namespace mousecfg::osd
