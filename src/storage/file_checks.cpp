#include "storage/file_checks.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <cerrno>
#include <cstring>

namespace mousecfg {

namespace {

QString clean(const QString& path) {
    return QDir::cleanPath(QDir(path).absolutePath());
}

enum class Kind { Absent, Folder, Regular, Link, Other, Error };

Kind kindOf(const struct stat& st) {
    if (S_ISLNK(st.st_mode)) return Kind::Link;
    if (S_ISDIR(st.st_mode)) return Kind::Folder;
    if (S_ISREG(st.st_mode)) return Kind::Regular;
    return Kind::Other;
}

Kind lstatKind(const QString& path, struct stat& st) {
    if (::lstat(QFile::encodeName(path).constData(), &st) == 0) return kindOf(st);
    return errno == ENOENT ? Kind::Absent : Kind::Error;
}

FileIssue regularFileIssue(Kind kind, const struct stat& st, bool checkSize) {
    switch (kind) {
        case Kind::Absent:
            return FileIssue::Missing;
        case Kind::Link:
            return FileIssue::Link;
        case Kind::Folder:
        case Kind::Other:
            return FileIssue::NotRegular;
        case Kind::Error:
            return FileIssue::Unreadable;
        case Kind::Regular:
            break;
    }
    return checkSize && st.st_size > kMaxSettingsFileSize ? FileIssue::TooLarge : FileIssue::None;
}

// Walks from `root` down to `file`; `absentOk` lets the walk end early at a missing entry.
FileIssue walk(const QString& root, const QString& file, bool absentOk, bool checkSize) {
    const QString r = clean(root);
    const QString f = clean(file);
    struct stat st {};
    if (::stat(QFile::encodeName(r).constData(), &st) != 0) {
        if (errno != ENOENT) return FileIssue::Unreadable;
        return absentOk ? FileIssue::None : FileIssue::Missing;
    }
    if (!S_ISDIR(st.st_mode)) return FileIssue::NotAFolder;
    const QStringList parts = f.mid(r.size() + 1).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path = r;
    for (int i = 0; i < parts.size(); ++i) {
        path += QLatin1Char('/') + parts[i];
        const Kind kind = lstatKind(path, st);
        const bool last = i == parts.size() - 1;
        if (kind == Kind::Absent) return absentOk ? FileIssue::None : FileIssue::Missing;
        if (last) return regularFileIssue(kind, st, checkSize);
        if (kind == Kind::Link) return FileIssue::Link;
        if (kind == Kind::Error) return FileIssue::Unreadable;
        if (kind != Kind::Folder) return FileIssue::NotAFolder;
    }
    return FileIssue::NotRegular;  // `file` is `root` itself: a folder
}

}  // namespace

QString describeFileIssue(FileIssue issue) {
    switch (issue) {
        case FileIssue::None:
            return QStringLiteral("is usable");
        case FileIssue::Missing:
            return QStringLiteral("does not exist");
        case FileIssue::Link:
            return QStringLiteral("is a symbolic link or lies in a linked folder");
        case FileIssue::NotRegular:
            return QStringLiteral("is not a regular file");
        case FileIssue::NotAFolder:
            return QStringLiteral("lies below something that is not a folder");
        case FileIssue::TooLarge:
            return QStringLiteral("is larger than %1 MB").arg(kMaxSettingsFileSize / (1024 * 1024));
        case FileIssue::Unreadable:
            return QStringLiteral("cannot be examined");
    }
    return QString();
}

bool isBelow(const QString& root, const QString& file) {
    if (root.isEmpty()) return false;
    const QString r = clean(root);
    const QString f = clean(file);
    return f.startsWith(r) && f.size() > r.size() &&
           (r.endsWith(QLatin1Char('/')) || f.at(r.size()) == QLatin1Char('/'));
}

FileIssue checkDataFile(const QString& root, const QString& file) {
    if (!isBelow(root, file)) return checkUserFile(file);
    return walk(root, file, false, true);
}

FileIssue checkDataTarget(const QString& root, const QString& file) {
    if (!isBelow(root, file)) return checkUserTarget(file);
    return walk(root, file, true, false);
}

FileIssue checkUserFile(const QString& file) {
    if (file.isEmpty()) return FileIssue::Missing;
    struct stat st {};
    if (::stat(QFile::encodeName(file).constData(), &st) != 0)
        return errno == ENOENT ? FileIssue::Missing : FileIssue::Unreadable;
    return regularFileIssue(kindOf(st), st, true);
}

FileIssue checkUserTarget(const QString& file) {
    if (file.isEmpty()) return FileIssue::Missing;
    struct stat st {};
    const Kind kind = lstatKind(file, st);
    if (kind == Kind::Absent) return FileIssue::None;
    return regularFileIssue(kind, st, false);
}

QString systemErrorText(int errorNumber) {
    return QString::fromLocal8Bit(::strerror(errorNumber));
}

SaveStatus makeDataFolders(const QString& root, const QString& folder) {
    const QString r = clean(root);
    if (!QDir().mkpath(r))
        return SaveStatus::failure(SaveResult::Failed, r, QStringLiteral("cannot create the folder"));
    const QString f = clean(folder);
    if (f != r && !isBelow(r, f))
        return SaveStatus::failure(SaveResult::Refused, f, QStringLiteral("is outside the data folder"));
    const QStringList parts = f.mid(r.size() + 1).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path = r;
    struct stat st {};
    if (::stat(QFile::encodeName(r).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return SaveStatus::failure(SaveResult::Refused, r, describeFileIssue(FileIssue::NotAFolder));
    for (const QString& part : parts) {
        path += QLatin1Char('/') + part;
        Kind kind = lstatKind(path, st);
        if (kind == Kind::Absent) {
            if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0 && errno != EEXIST)
                return SaveStatus::failure(SaveResult::Failed, path, systemErrorText(errno));
            kind = lstatKind(path, st);
        }
        if (kind == Kind::Link)
            return SaveStatus::failure(SaveResult::Refused, path, describeFileIssue(FileIssue::Link));
        if (kind == Kind::Error) return SaveStatus::failure(SaveResult::Failed, path, systemErrorText(errno));
        if (kind != Kind::Folder)
            return SaveStatus::failure(SaveResult::Refused, path, QStringLiteral("is not a folder"));
    }
    return SaveStatus();
}

FileIssue readCheckedFile(const QString& root, const QString& file, QByteArray& bytes) {
    bytes.clear();
    const bool inside = isBelow(root, file);
    const FileIssue issue = inside ? checkDataFile(root, file) : checkUserFile(file);
    if (issue != FileIssue::None) return issue;
    // The checks above ran on the path; the open re-checks what it got, so a file swapped in
    // between is still never a link (inside the data folder), a FIFO or a device.
    const int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | (inside ? O_NOFOLLOW : 0);
    const int fd = ::open(QFile::encodeName(file).constData(), flags);
    if (fd < 0) return errno == ELOOP ? FileIssue::Link : FileIssue::Unreadable;
    struct stat st {};
    FileIssue result = FileIssue::None;
    if (::fstat(fd, &st) != 0)
        result = FileIssue::Unreadable;
    else
        result = regularFileIssue(kindOf(st), st, true);
    if (result == FileIssue::None) {
        bytes.resize(static_cast<int>(st.st_size));
        qint64 done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            done += n;
        }
        bytes.truncate(static_cast<int>(done));
    }
    ::close(fd);
    return result;
}

}  // namespace mousecfg
