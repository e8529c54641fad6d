#pragma once

#include <QString>

#include "storage/save_status.h"

namespace mousecfg {

class Paths;

// The advisory lock every save of the data folder holds: an flock on Configs/.mousecfg.lock, so
// the window and the command line never save at the same time, and an import never lands in the
// middle of an apply. The system drops the lock of a process that dies, so it never goes stale.
//
// The thread that holds it may take it again (a save inside an apply); another thread or process
// waits up to `waitMs` milliseconds and then gives up with SaveResult::Busy.
class DataFolderLock {
public:
    static constexpr int kDefaultWaitMs = 10000;

    explicit DataFolderLock(const Paths& paths, int waitMs = kDefaultWaitMs);
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    bool isLocked() const { return status_.ok(); }
    // Saved when locked; Busy after the wait; Refused or Failed when the lock file cannot be had.
    const SaveStatus& status() const { return status_; }

    static QString lockFile(const Paths& paths);  // Configs/.mousecfg.lock

private:
    QString path_;
    SaveStatus status_;
};

}  // namespace mousecfg
