#pragma once

#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

namespace mousecfg {

// One running instance per product. The lock is named after the product's mutex name
// (product name + " Wireless Gaming Mouse Mutex1"), so instances of different products may run
// side by side. It is held until the object is destroyed or the process ends; a lock left behind
// by a crashed process, or a lock file that names no process at all (empty or garbled), is
// recognised as stale and taken over. On Windows the lock is the named mutex itself, which the
// system releases with its process.
//
// The owner also listens on a local socket named from the same hash, so that a later start can
// ask it to show its window before that start ends.
class SingleInstance {
public:
    explicit SingleInstance(const QString& productName);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    static QString mutexName(const QString& productName);
    // The lock file that stands for the mutex (not on Windows); lives in the user's runtime folder.
    static QString lockFilePath(const QString& productName);

    // True when this process now owns the product's lock; false when another instance runs.
    bool tryAcquire();
    bool isOwner() const { return owner_; }

    // A lock file younger than this that names no process may be one being written right now.
    static constexpr qint64 kUnfinishedLockMs = 2000;

    // The local socket of the owner: a file beside the lock, or a pipe name on Windows.
    static QString activationServerName(const QString& productName);
    // Owner only: `onRequest` runs on this thread, in its event loop, for every later start that
    // asks. A socket file left by a killed owner is removed first (the lock proves it is stale).
    // False when nothing can listen; later starts then end without being seen.
    bool listenForActivation(std::function<void()> onRequest);
    // A later start: asks the owner to show its window. Blocks for a second at most (this start
    // has no window yet); false when no owner listens. The owner listens right after it took
    // the lock, so a start that finds the lock taken finds the listener too.
    static bool requestActivation(const QString& productName);

private:
    struct Lock;  // a QLockFile, or the named mutex on Windows
    QString productName_;
    std::unique_ptr<Lock> lock_;
    std::unique_ptr<QLocalServer> server_;
    bool owner_ = false;
};

}  // namespace mousecfg
