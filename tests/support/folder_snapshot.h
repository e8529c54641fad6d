#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStringList>
#include <map>

#include "qt_print.h"
#include "storage/data_lock.h"
#include "temp_data.h"

namespace mousecfg::test {

// Relative path -> "mode inode what" of every entry below a folder. The mode holds the type and
// the permissions; what is a regular file's SHA-1 (or "unreadable") or a link's target as
// stored. Links are not followed, FIFOs and sockets are never opened.
using FolderSnapshot = std::map<QString, QString>;

// `skip`: relative paths left out together with everything below them.
inline FolderSnapshot snapshot(const QString& dir, const QStringList& skip = {}) {
    FolderSnapshot out;
    const QDir base(dir);
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = base.relativeFilePath(path);
        bool skipped = false;
        for (const QString& s : skip)
            skipped = skipped || relative == s || relative.startsWith(s + QLatin1Char('/'));
        if (skipped) continue;
        const QByteArray native = QFile::encodeName(path);
        struct stat st {};
        if (::lstat(native.constData(), &st) != 0) continue;
        QString what = QStringLiteral("%1 %2 ").arg(st.st_mode, 0, 8).arg(st.st_ino);
        if (S_ISLNK(st.st_mode)) {
            QByteArray target(4096, '\0');
            const ssize_t n =
                ::readlink(native.constData(), target.data(), static_cast<size_t>(target.size()));
            what +=
                n < 0 ? QStringLiteral("unreadable") : QFile::decodeName(target.left(static_cast<int>(n)));
        } else if (S_ISREG(st.st_mode)) {
            QFile f(path);
            what += f.open(QIODevice::ReadOnly)
                        ? QString::fromLatin1(
                              QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1).toHex())
                        : QStringLiteral("unreadable");
        }
        out[relative] = what;
    }
    return out;
}

// A data folder without its lock file, which the first save creates empty and leaves in place.
inline FolderSnapshot dataSnapshot(const TempData& data) {
    return snapshot(data.root(),
                    {QDir(data.root()).relativeFilePath(DataFolderLock::lockFile(data.paths()))});
}

// The paths whose entry is new, gone or different, in path order.
inline QStringList changedEntries(const FolderSnapshot& before, const FolderSnapshot& after) {
    QStringList changed;
    for (const auto& [path, what] : after) {
        const auto it = before.find(path);
        if (it == before.end() || it->second != what) changed << path;
    }
    for (const auto& entry : before)
        if (!after.count(entry.first)) changed << entry.first;
    changed.sort();
    return changed;
}

// For EXPECT_TRUE: a failure names the entries that differ instead of printing both folders.
inline ::testing::AssertionResult unchanged(const FolderSnapshot& before, const FolderSnapshot& after) {
    const QStringList changed = changedEntries(before, after);
    if (changed.isEmpty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "new, gone or changed: " << changed.join(QStringLiteral(", ")).toStdString();
}

}  // namespace mousecfg::test
