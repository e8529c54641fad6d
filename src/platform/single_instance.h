#pragma once

#include <QString>
#include <memory>

namespace mousecfg {

// One running instance per product. The lock is named after the product's mutex name
// (product name + " Wireless Gaming Mouse Mutex1"), so instances of different products may run
// side by side. It is held until the object is destroyed or the process ends; a lock left behind
// by a crashed process, or a lock file that names no process at all (empty or garbled), is
// recognised as stale and taken over. On Windows the lock is the named mutex itself, which the
// system releases with its process.
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

private:
    struct Lock;  // a QLockFile, or the named mutex on Windows
    std::unique_ptr<Lock> lock_;
    bool owner_ = false;
};

}  // namespace mousecfg
