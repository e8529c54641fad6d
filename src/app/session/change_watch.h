#pragma once

#include <QFileSystemWatcher>
#include <QObject>

#include "storage/paths.h"
#include "storage/save_batch.h"

namespace mousecfg {

// Notices saves of the data folder made by another program (the command-line tool, or a second
// window on the same folder). Every save advances the folder's change stamp and this process
// counts its own advances, so a stamp that moved further than our own saves explain was moved by
// someone else as well. The folder of the stamp is watched, so the window hears of a save soon;
// whoever is about to save over the files asks foreignChange() first all the same.
class ChangeWatch : public QObject {
    Q_OBJECT
public:
    explicit ChangeWatch(const Paths& paths, QObject* parent = nullptr);

    // Starts watching; what the folder holds now counts as seen.
    void start();
    // Another program saved since the stamp was last taken as seen.
    bool foreignChange() const;
    // Takes the stamp as it is now as seen (the files were reloaded, or the user keeps ours).
    void acknowledge();
    // Takes the stamp as it was at `seen` (loadStampSeen before the files were read) as seen:
    // saves after it still count.
    void acknowledge(const StampSeen& seen);

Q_SIGNALS:
    // Something in the settings folder changed (perhaps our own save): look at foreignChange().
    void folderChanged();

private:
    Paths paths_;
    QFileSystemWatcher watcher_;
    quint64 seenGeneration_ = 0;
    quint64 seenOwn_ = 0;
};

}  // namespace mousecfg
