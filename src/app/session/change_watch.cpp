#include "app/session/change_watch.h"

#include "app/session/app_log.h"
#include "storage/save_batch.h"

namespace mousecfg {

ChangeWatch::ChangeWatch(const Paths& paths, QObject* parent) : QObject(parent), paths_(paths) {
    // The stamp is replaced by a rename, which a watch on the file itself would not survive.
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &ChangeWatch::folderChanged);
}

void ChangeWatch::start() {
    acknowledge();
    if (watcher_.directories().isEmpty() && !watcher_.addPath(paths_.configDir()))
        qCDebug(lcApp).noquote() << "cannot watch" << paths_.configDir();
}

bool ChangeWatch::foreignChange() const {
    const StampSeen now = loadStampSeen(paths_);
    return now.generation != seenGeneration_ + (now.own - seenOwn_);
}

void ChangeWatch::acknowledge() {
    acknowledge(loadStampSeen(paths_));
}

void ChangeWatch::acknowledge(const StampSeen& seen) {
    seenOwn_ = seen.own;
    seenGeneration_ = seen.generation;
}

}  // namespace mousecfg
