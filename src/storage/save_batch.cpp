#include "storage/save_batch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QSet>
#include <QSettings>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <mutex>

#include "storage/file_checks.h"
#include "storage/ini_file.h"
#include "storage/ini_guard.h"
#include "storage/ini_records.h"
#include "storage/storage_log.h"

namespace mousecfg {

namespace {

const QString kTempPrefix = QStringLiteral(".mcfg-save-");

QString manifestFile(const Paths& paths) {
    return paths.configDir() + QStringLiteral("/.mousecfg-save");
}

QString cleanAbsolute(const QString& file) {
    return QDir::cleanPath(QFileInfo(file).absoluteFilePath());
}

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

QString randomTag() {
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString tag;
    for (int i = 0; i < 10; ++i) tag += QLatin1Char(kChars[QRandomGenerator::global()->bounded(36)]);
    return tag;
}

bool writeAll(int fd, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

bool renameFile(const QString& from, const QString& to) {
    return ::rename(encoded(from).constData(), encoded(to).constData()) == 0;
}

void removeFile(const QString& file) {
    ::unlink(encoded(file).constData());
}

// QSettings keeps parsed files by name and takes a file as unchanged while its size and its
// modification time (in milliseconds) are: a file renamed into place in the same millisecond as
// the one it replaces, and of the same size, would read as the old one. The new file's time is
// therefore always later than the old one's.
void advanceModificationTime(const QString& temp, const struct stat& old) {
    const qint64 oldMs = static_cast<qint64>(old.st_mtim.tv_sec) * 1000 + old.st_mtim.tv_nsec / 1000000;
    struct stat now {};
    if (::lstat(encoded(temp).constData(), &now) != 0) return;
    const qint64 nowMs = static_cast<qint64>(now.st_mtim.tv_sec) * 1000 + now.st_mtim.tv_nsec / 1000000;
    if (nowMs > oldMs) return;
    const qint64 ms = oldMs + 1;
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = static_cast<time_t>(ms / 1000);
    times[1].tv_nsec = static_cast<long>((ms % 1000) * 1000000);
    ::utimensat(AT_FDCWD, encoded(temp).constData(), times, AT_SYMLINK_NOFOLLOW);
}

// The stamps this process advanced, by data folder (the write thread and the GUI thread both save).
std::mutex gOwnMutex;
QHash<QString, quint64> gOwnChanges;

QString folderKey(const Paths& paths) {
    return cleanAbsolute(paths.dataDir());
}

// Called with gOwnMutex held.
void countOwnChange(const Paths& paths) {
    ++gOwnChanges[folderKey(paths)];
}

SaveStatus interrupted() {
    return SaveStatus::failure(SaveResult::Failed, QString(), QStringLiteral("interrupted"));
}

// Leftovers of saves killed before they recorded their renames. Only called with the lock held,
// so no save of any program is writing temporary files now.
void removeLeftovers(const QString& folder) {
    const QStringList names =
        QDir(folder).entryList({kTempPrefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) removeFile(folder + QLatin1Char('/') + name);
}

// The renames recorded by a save that did not get to the end; the lock is held.
void finishRecordedRenames(const Paths& paths) {
    const QString manifest = manifestFile(paths);
    struct stat st {};
    if (::lstat(encoded(manifest).constData(), &st) != 0) return;
    const QString root = paths.dataDir();
    QByteArray bytes;
    if (readCheckedFile(root, manifest, bytes) == FileIssue::None) {
        int finished = 0;
        for (const QByteArray& line : bytes.split('\n')) {
            const int tab = line.indexOf('\t');
            if (tab < 0) continue;
            // The record lies in a folder anyone may have edited: only our own temporary files,
            // each renamed within its folder of the data folder, are taken from it.
            const QString temp = cleanAbsolute(root + QLatin1Char('/') + QString::fromUtf8(line.left(tab)));
            const QString target =
                cleanAbsolute(root + QLatin1Char('/') + QString::fromUtf8(line.mid(tab + 1)));
            if (!isBelow(root, temp) || !isBelow(root, target)) continue;
            if (!QFileInfo(temp).fileName().startsWith(kTempPrefix)) continue;
            if (QFileInfo(temp).absolutePath() != QFileInfo(target).absolutePath()) continue;
            if (checkDataFile(root, temp) != FileIssue::None) continue;
            if (checkDataTarget(root, target) != FileIssue::None) continue;
            if (renameFile(temp, target)) ++finished;
        }
        qCWarning(lcStorage) << "finished an interrupted save:" << finished << "files renamed";
    }
    removeFile(manifest);
}

ChangeStamp parseStamp(const QByteArray& bytes) {
    ChangeStamp stamp;
    const QList<QByteArray> parts = bytes.simplified().split(' ');
    if (parts.size() >= 2) {
        stamp.generation = parts[0].toULongLong();
        stamp.process = parts[1].toLongLong();
    }
    return stamp;
}

}  // namespace

SaveBatch::SaveBatch(const Paths& paths, int lockWaitMs) : paths_(paths), lockWaitMs_(lockWaitMs) {}

SaveBatch::~SaveBatch() = default;

SaveBatch::Entry& SaveBatch::entryFor(const QString& file) {
    const QString clean = cleanAbsolute(file);
    for (Entry& e : entries_)
        if (e.file == clean) return e;
    entries_.push_back(Entry());
    entries_.back().file = clean;
    return entries_.back();
}

void SaveBatch::editIni(const QString& file, IniEdit edit, IniCheck unchanged) {
    Entry& e = entryFor(file);
    // A check counts only while every edit of the file has one.
    if (unchanged && e.checks.size() == e.edits.size())
        e.checks.push_back(std::move(unchanged));
    else
        e.checks.clear();
    e.edits.push_back(std::move(edit));
}

bool SaveBatch::unchanged(const Entry& entry) const {
    if (entry.fresh || entry.edits.empty() || entry.checks.size() != entry.edits.size()) return false;
    const QString root = isBelow(paths_.dataDir(), entry.file) ? paths_.dataDir() : QString();
    QByteArray bytes;
    if (readCheckedFile(root, entry.file, bytes) != FileIssue::None) return false;
    const IniRecords records = IniRecords::read(entry.file, bytes);
    for (const IniCheck& check : entry.checks)
        if (!check(records)) return false;
    return true;
}

void SaveBatch::replaceIni(const QString& file, IniEdit write) {
    Entry& e = entryFor(file);
    e.fresh = true;
    e.haveBytes = false;
    e.bytes.clear();
    e.edits.clear();
    e.checks.clear();
    e.edits.push_back(std::move(write));
}

void SaveBatch::replaceBytes(const QString& file, const QByteArray& bytes) {
    Entry& e = entryFor(file);
    e.fresh = true;
    e.haveBytes = true;
    e.bytes = bytes;
    e.edits.clear();
    e.checks.clear();
}

SaveStatus SaveBatch::stage(const Entry& entry, bool inside, Staged& out) const {
    const QString root = inside ? paths_.dataDir() : QString();
    const QString folder = QFileInfo(entry.file).absolutePath();
    QByteArray content = entry.bytes;
    if (!entry.fresh) {
        const FileIssue issue = readCheckedFile(root, entry.file, content);
        if (issue != FileIssue::None && issue != FileIssue::Missing)
            return SaveStatus::failure(SaveResult::Refused, entry.file, describeFileIssue(issue));
    }
    // New files are written without a text codec, as they always were: QSettings' UTF-8 writer
    // encodes one UTF-16 unit at a time and drops every character outside the BMP, while its
    // "\x" escapes keep them all. A hand-edited UTF-8 file is therefore read with its encoding
    // first and its keys carried over into a new file.
    std::vector<std::pair<QString, QVariant>> carried;
    if (!entry.fresh && !entry.edits.empty()) {
        // QSettings would decode stored objects with garbage counts in a hand-made file; what it
        // cannot read safely is left out of the new file, as it was left out when read.
        const QStringList dropped = dropUnsafeVariants(content);
        if (!dropped.isEmpty())
            qCWarning(lcStorage).noquote()
                << "leaving" << dropped.join(QStringLiteral(", ")) << "out of" << entry.file;
        if (readsAsUtf8(content)) {
            const IniRecords old = IniRecords::read(entry.file, content);
            if (old.source() == IniRecords::Source::None)
                return SaveStatus::failure(SaveResult::Failed, entry.file,
                                           QStringLiteral("the file could not be read"));
            for (const QString& key : old.keys()) carried.emplace_back(key, old.value(key));
            content.clear();
        }
    }
    // The new file keeps the permissions of the one it replaces.
    struct stat st {};
    const bool keepMode = ::lstat(encoded(entry.file).constData(), &st) == 0 && S_ISREG(st.st_mode);
    int fd = -1;
    for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
        out.temp = folder + QLatin1Char('/') + kTempPrefix + randomTag() + QStringLiteral(".tmp");
        fd = ::open(encoded(out.temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    keepMode ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return SaveStatus::failure(SaveResult::Failed, folder, systemErrorText(errno));
    out.target = entry.file;
    out.inside = inside;
    if (keepMode) ::fchmod(fd, st.st_mode & 07777);
    bool ok = writeAll(fd, content);
    int error = errno;
    if (ok && entry.edits.empty() && entry.durable) {
        ok = ::fsync(fd) == 0;
        error = errno;
    }
    ::close(fd);
    if (ok && !entry.edits.empty()) {
        QSettings::Status status = QSettings::NoError;
        {
            QSettings settings(out.temp, QSettings::IniFormat);
            for (const auto& kv : carried) settings.setValue(kv.first, kv.second);
            for (const IniEdit& edit : entry.edits) edit(settings);
            settings.sync();
            status = settings.status();
        }
        // A format error only says the old content had unreadable lines; what could be read
        // was kept and the new keys were written all the same. QSettings flushed the file to
        // disk itself.
        ok = status != QSettings::AccessError;
        error = ok ? 0 : EIO;
    }
    if (!ok) {
        removeFile(out.temp);
        return SaveStatus::failure(
            SaveResult::Failed, entry.file,
            error == EIO ? QStringLiteral("the file could not be written") : systemErrorText(error));
    }
    if (keepMode) advanceModificationTime(out.temp, st);
    return SaveStatus();
}

SaveStatus SaveBatch::renameAll(std::vector<Staged>& staged, int& n) {
    auto discardFrom = [&staged](size_t first) {
        for (size_t i = first; i < staged.size(); ++i) removeFile(staged[i].temp);
    };
    QByteArray record;
    int insideCount = 0;
    const QDir root(paths_.dataDir());
    for (const Staged& s : staged) {
        if (!s.inside) continue;
        ++insideCount;
        record +=
            root.relativeFilePath(s.temp).toUtf8() + '\t' + root.relativeFilePath(s.target).toUtf8() + '\n';
    }
    // One rename is whole by itself; several are recorded first, so that they can be finished.
    const QString manifest = manifestFile(paths_);
    const bool recorded = insideCount > 1;
    if (recorded) {
        Entry list;
        list.file = manifest;
        list.fresh = list.haveBytes = true;
        list.bytes = record;
        Staged listFile;
        SaveStatus s = stage(list, true, listFile);
        if (s.ok() && !renameFile(listFile.temp, manifest)) {
            s = SaveStatus::failure(SaveResult::Failed, manifest, systemErrorText(errno));
            removeFile(listFile.temp);
        }
        if (!s.ok()) {
            discardFrom(0);
            return s;
        }
    }
    for (size_t i = 0; i < staged.size(); ++i) {
        if (!step(n++)) return interrupted();
        if (!renameFile(staged[i].temp, staged[i].target)) {
            const SaveStatus failed =
                SaveStatus::failure(SaveResult::Failed, staged[i].target, systemErrorText(errno));
            // Before the first rename nothing has changed yet; after it, the record stays so the
            // next save or load can finish what is left.
            if (i == 0 || !recorded) {
                discardFrom(i);
                if (recorded) removeFile(manifest);
            }
            return failed;
        }
    }
    if (recorded) removeFile(manifest);
    return SaveStatus();
}

SaveStatus SaveBatch::commit() {
    if (entries_.empty()) return SaveStatus();
    const QString root = paths_.dataDir();
    bool anyInside = false;
    for (const Entry& e : entries_) anyInside = anyInside || isBelow(root, e.file);
    std::unique_ptr<DataFolderLock> lock;
    if (anyInside) {
        lock = std::make_unique<DataFolderLock>(paths_, lockWaitMs_);
        if (!lock->isLocked()) return lock->status();
        finishRecordedRenames(paths_);
    }
    qCDebug(lcStorage) << "saving" << entries_.size() << "files";
    std::vector<Staged> staged;
    auto discard = [&staged] {
        for (const Staged& s : staged) removeFile(s.temp);
    };
    int n = 0;
    for (const Entry& e : entries_) {
        if (!step(n++)) return interrupted();
        if (unchanged(e)) continue;
        const bool inside = isBelow(root, e.file);
        const FileIssue issue = inside ? checkDataTarget(root, e.file) : checkUserTarget(e.file);
        if (issue != FileIssue::None) {
            discard();
            return SaveStatus::failure(SaveResult::Refused, e.file, describeFileIssue(issue));
        }
        const QString folder = QFileInfo(e.file).absolutePath();
        SaveStatus s =
            inside ? makeDataFolders(root, folder)
            : QDir().mkpath(folder)
                ? SaveStatus()
                : SaveStatus::failure(SaveResult::Failed, folder, QStringLiteral("cannot create the folder"));
        Staged file;
        if (s.ok()) s = stage(e, inside, file);
        if (!s.ok()) {
            discard();
            qCDebug(lcStorage).noquote() << s.message();
            return s;
        }
        staged.push_back(file);
    }
    const SaveStatus renamed = staged.empty() ? SaveStatus() : renameAll(staged, n);
    if (!renamed.ok()) {
        qCDebug(lcStorage).noquote() << renamed.message();
        return renamed;
    }
    if (anyInside) {
        // Leftovers of killed saves go at the next save in their folder, written or not.
        QSet<QString> folders{paths_.configDir()};
        for (const Entry& e : entries_)
            if (isBelow(root, e.file)) folders.insert(QFileInfo(e.file).absolutePath());
        for (const QString& folder : folders) removeLeftovers(folder);
    }
    if (staged.empty()) {
        qCDebug(lcStorage) << "nothing to save: the files hold these values already";
        return SaveStatus();
    }
    if (anyInside) {
        // The stamp only tells other programs that something changed; a stamp that cannot be
        // written does not undo the save.
        const ChangeStamp before = loadChangeStamp(paths_);
        Entry stamp;
        stamp.file = changeStampFile(paths_);
        stamp.fresh = stamp.haveBytes = true;
        stamp.durable = false;
        stamp.bytes = QByteArray::number(before.generation + 1) + ' ' +
                      QByteArray::number(QCoreApplication::applicationPid()) + '\n';
        Staged stampFile;
        if (checkDataTarget(root, stamp.file) == FileIssue::None && stage(stamp, true, stampFile).ok()) {
            // The new stamp and our count of it appear together to loadStampSeen() on another
            // thread, which would otherwise take our own save for another program's.
            std::lock_guard<std::mutex> lock(gOwnMutex);
            if (renameFile(stampFile.temp, stamp.file))
                countOwnChange(paths_);
            else
                removeFile(stampFile.temp);
        }
    }
    qCDebug(lcStorage) << "saved" << staged.size() << "files";
    return SaveStatus();
}

void finishInterruptedSave(const Paths& paths) {
    struct stat st {};
    if (::lstat(encoded(manifestFile(paths)).constData(), &st) != 0) return;
    DataFolderLock lock(paths);
    if (lock.isLocked()) finishRecordedRenames(paths);
}

QString changeStampFile(const Paths& paths) {
    return paths.configDir() + QStringLiteral("/.mousecfg-stamp");
}

ChangeStamp loadChangeStamp(const Paths& paths) {
    QByteArray bytes;
    if (readCheckedFile(paths.dataDir(), changeStampFile(paths), bytes) != FileIssue::None)
        return ChangeStamp();
    return parseStamp(bytes);
}

quint64 ownChangeCount(const Paths& paths) {
    std::lock_guard<std::mutex> lock(gOwnMutex);
    return gOwnChanges.value(folderKey(paths));
}

StampSeen loadStampSeen(const Paths& paths) {
    std::lock_guard<std::mutex> lock(gOwnMutex);
    return {loadChangeStamp(paths).generation, gOwnChanges.value(folderKey(paths))};
}

SaveStatus removeDataFile(const Paths& paths, const QString& file) {
    const QString root = paths.dataDir();
    if (file.isEmpty() || !isBelow(root, file))
        return SaveStatus::failure(SaveResult::Refused, file,
                                   QStringLiteral("not a file of the data folder"));
    DataFolderLock lock(paths);
    if (!lock.isLocked()) return lock.status();
    // As for a file about to be replaced: absent or a regular file, whatever its size, with no
    // link on the way.
    const FileIssue issue = checkDataTarget(root, file);
    if (issue != FileIssue::None)
        return SaveStatus::failure(SaveResult::Refused, file, describeFileIssue(issue));
    if (::unlink(encoded(file).constData()) != 0 && errno != ENOENT)
        return SaveStatus::failure(SaveResult::Failed, file, systemErrorText(errno));
    return SaveStatus();
}

}  // namespace mousecfg
