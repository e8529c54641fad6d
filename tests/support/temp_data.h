#pragma once

#include <QString>
#include <QTemporaryDir>

#include "storage/paths.h"

namespace mousecfg::test {

// A fresh data folder for one test, removed afterwards.
class TempData {
public:
    // withInstallData: seed it with the shipped DefaultProfile.bin and Configs/ from data/.
    explicit TempData(bool withInstallData = false);
    const Paths& paths() const { return paths_; }
    QString path(const QString& relative) const { return dir_.path() + QLatin1Char('/') + relative; }
    QString root() const { return dir_.path(); }
    // Writes bytes to a file below the folder, creating folders.
    void writeFile(const QString& relative, const QByteArray& bytes) const;
    QByteArray readFile(const QString& relative) const;

private:
    QTemporaryDir dir_;
    Paths paths_;
};

// Points the user's runtime folder (locks, sockets) at a private temporary folder for the
// object's lifetime.
class RuntimeDir {
public:
    RuntimeDir();
    ~RuntimeDir();
    RuntimeDir(const RuntimeDir&) = delete;
    RuntimeDir& operator=(const RuntimeDir&) = delete;
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QByteArray old_;
};

// Where the shipped installation data lives in the source tree.
QString sourceDataDir();

}  // namespace mousecfg::test
