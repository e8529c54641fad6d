#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

#include "storage/data_lock.h"
#include "storage/paths.h"
#include "storage/save_status.h"

class QSettings;

namespace mousecfg {

class IniRecords;

// A save of one or more files that lands whole or not at all.
//
// commit() takes the data folder's lock (DataFolderLock) and writes every file under a temporary
// name beside its target (".mcfg-save-*"). Only when all of them are complete does it record the
// pairs in Configs/.mousecfg-save and rename them over their targets; a program killed during the
// renames leaves that record behind, and the next save or load finishes them
// (finishInterruptedSave). Targets are checked first: a link, FIFO, device node or a file where a
// folder should be refuses the whole save, so nothing is written through a link or outside the
// data folder, and a link is never replaced either. Every commit inside the data folder advances
// its change stamp (loadChangeStamp).
//
// Files outside the data folder (an export the user asked for) are written the same way, beside
// their target, without the lock; such a target must be absent or a regular file.
class SaveBatch {
public:
    using IniEdit = std::function<void(QSettings&)>;
    // Whether a file's records hold what an edit would write already.
    using IniCheck = std::function<bool(const IniRecords&)>;

    // A default Paths (no data folder) treats every file as outside the data folder.
    explicit SaveBatch(const Paths& paths, int lockWaitMs = DataFolderLock::kDefaultWaitMs);
    ~SaveBatch();

    // `file` with the keys it holds now, changed by `edit` (an absent file starts empty). Edits
    // run inside commit(), in the order given: what they capture must live until then.
    // With `unchanged`: when every edit of the file comes with one and each says the file holds
    // its values already (looked at under the lock), the file is left as it is.
    void editIni(const QString& file, IniEdit edit, IniCheck unchanged = nullptr);
    // `file` as a new INI file holding only what `write` puts in.
    void replaceIni(const QString& file, IniEdit write);
    // `file` replaced by exactly `bytes`.
    void replaceBytes(const QString& file, const QByteArray& bytes);

    bool isEmpty() const { return entries_.empty(); }
    SaveStatus commit();

    // Tests: called before each step of commit() (writing file 0, 1 ..., then renaming file 0,
    // 1 ...; files left as they are count as steps too); returning false ends the commit there,
    // leaving the files as a program killed at that moment would.
    void setStepProbe(std::function<bool(int step)> probe) { probe_ = std::move(probe); }

private:
    struct Entry {
        QString file;
        bool fresh = false;      // start from nothing instead of the file's keys
        bool haveBytes = false;  // start from `bytes`
        QByteArray bytes;
        std::vector<IniEdit> edits;
        std::vector<IniCheck> checks;  // one per edit while every edit has one
        bool durable = true;           // flushed to disk before the renames
    };
    struct Staged {
        QString target;
        QString temp;
        bool inside = false;
    };

    Entry& entryFor(const QString& file);
    bool unchanged(const Entry& entry) const;
    SaveStatus stage(const Entry& entry, bool inside, Staged& out) const;
    SaveStatus renameAll(std::vector<Staged>& staged, int& step);
    bool step(int n) const { return !probe_ || probe_(n); }

    Paths paths_;
    int lockWaitMs_;
    std::vector<Entry> entries_;
    std::function<bool(int)> probe_;
};

// Finishes the renames of a save that a killed program left half done. Cheap when there is
// nothing to do (one look at Configs/.mousecfg-save); loads call it before they read.
void finishInterruptedSave(const Paths& paths);

// Advanced by every save in the data folder, so a program can notice files changed by another
// one: compare the generation with the one it saw last, and the process with its own.
struct ChangeStamp {
    quint64 generation = 0;  // 0: nothing saved yet
    qint64 process = 0;      // id of the process that saved last
};
ChangeStamp loadChangeStamp(const Paths& paths);
QString changeStampFile(const Paths& paths);  // Configs/.mousecfg-stamp
// How many times this process has advanced the stamp of that data folder. A stamp that moved
// further than this count did since it was last looked at was advanced by another program too
// (the stamp itself only names the last one).
quint64 ownChangeCount(const Paths& paths);
// The stamp's generation and ownChangeCount() read together: a save on another thread of this
// process shows up in both or in neither.
struct StampSeen {
    quint64 generation = 0;
    quint64 own = 0;
};
StampSeen loadStampSeen(const Paths& paths);

// Removes a file of the data folder under the folder's lock. Only a regular file reached without
// a link is removed; a link, FIFO or device node is refused and left as it is. An absent file is
// not an error.
SaveStatus removeDataFile(const Paths& paths, const QString& file);

}  // namespace mousecfg
