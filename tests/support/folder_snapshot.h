#pragma once

#include <sys/stat.h>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <map>

namespace mousecfg::test {

// Type, inode and content hash (or link target) of every entry below `dir`, links not followed.
inline std::map<QString, QString> snapshot(const QString& dir) {
    std::map<QString, QString> out;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat st {};
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0) continue;
        QString what = QStringLiteral("%1 %2 ").arg(st.st_mode, 0, 8).arg(st.st_ino);
        if (S_ISLNK(st.st_mode)) {
            what += QFile::symLinkTarget(path);
        } else if (S_ISREG(st.st_mode)) {
            QFile f(path);
            if (f.open(QIODevice::ReadOnly))
                what += QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1).toHex();
        }
        out[QDir(dir).relativeFilePath(path)] = what;
    }
    return out;
}

}  // namespace mousecfg::test
