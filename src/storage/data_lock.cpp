#include "storage/data_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <vector>

#include "storage/file_checks.h"
#include "storage/paths.h"
#include "storage/storage_log.h"

namespace mousecfg {

namespace {

// Locks this thread holds, with their nesting depth. An flock belongs to an open file: another
// thread of this process opens the file anew and so waits like another process would.
struct HeldLock {
    QString path;
    int fd = -1;
    int depth = 0;
};
thread_local std::vector<HeldLock> tHeld;

HeldLock* findHeld(const QString& path) {
    for (HeldLock& h : tHeld)
        if (h.path == path) return &h;
    return nullptr;
}

int openLockFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    // A lock file left by an earlier run in a folder we may no longer write: flock works on a
    // read-only descriptor too, and the save then fails on its own files with a clear reason.
    if (fd < 0 && (errno == EACCES || errno == EROFS))
        fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    return fd;
}

}  // namespace

QString DataFolderLock::lockFile(const Paths& paths) {
    return paths.configDir() + QStringLiteral("/.mousecfg.lock");
}

DataFolderLock::DataFolderLock(const Paths& paths, int waitMs)
    : path_(QDir::cleanPath(QFileInfo(lockFile(paths)).absoluteFilePath())) {
    if (HeldLock* held = findHeld(path_)) {
        ++held->depth;
        return;
    }
    status_ = makeDataFolders(paths.dataDir(), paths.configDir());
    if (!status_.ok()) return;
    const FileIssue issue = checkDataTarget(paths.dataDir(), path_);
    if (issue != FileIssue::None) {
        status_ = SaveStatus::failure(SaveResult::Refused, path_, describeFileIssue(issue));
        return;
    }
    const int fd = openLockFile(path_);
    if (fd < 0) {
        status_ = errno == ELOOP
                      ? SaveStatus::failure(SaveResult::Refused, path_, describeFileIssue(FileIssue::Link))
                      : SaveStatus::failure(SaveResult::Failed, path_, systemErrorText(errno));
        return;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        status_ = SaveStatus::failure(SaveResult::Refused, path_, describeFileIssue(FileIssue::NotRegular));
        return;
    }
    QElapsedTimer waited;
    waited.start();
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EINTR) continue;
        const qint64 left = waitMs - waited.elapsed();
        if (error != EWOULDBLOCK || left <= 0) {
            ::close(fd);
            status_ = error == EWOULDBLOCK
                          ? SaveStatus::failure(SaveResult::Busy, paths.configDir(),
                                                QStringLiteral("another program is saving in this folder"))
                          : SaveStatus::failure(SaveResult::Failed, path_, systemErrorText(error));
            qCDebug(lcStorage).noquote() << "data folder lock:" << status_.message();
            return;
        }
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(left, 20)));
    }
    tHeld.push_back({path_, fd, 1});
}

DataFolderLock::~DataFolderLock() {
    if (!status_.ok()) return;
    HeldLock* held = findHeld(path_);
    if (!held || --held->depth > 0) return;
    ::flock(held->fd, LOCK_UN);
    ::close(held->fd);
    tHeld.erase(
        std::remove_if(tHeld.begin(), tHeld.end(), [this](const HeldLock& h) { return h.path == path_; }),
        tHeld.end());
}

}  // namespace mousecfg
