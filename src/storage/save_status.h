#pragma once

#include <QString>

namespace mousecfg {

// How a save of settings files ended.
enum class SaveResult {
    Saved = 0,
    Busy,     // another program (or thread) held the data folder's lock for the whole wait
    Refused,  // a link, FIFO, device or a file where a folder should be: nothing was written
    Failed,   // the system refused the write (read-only, full, no permission)
};

struct SaveStatus {
    SaveResult result = SaveResult::Saved;
    QString file;    // the file or folder concerned
    QString reason;  // what went wrong, in English

    bool ok() const { return result == SaveResult::Saved; }
    // One English line for the command line and the log: "cannot save <file>: <reason>".
    QString message() const {
        if (ok()) return QString();
        return QStringLiteral("cannot save %1: %2").arg(file, reason);
    }

    static SaveStatus failure(SaveResult result, const QString& file, const QString& reason) {
        SaveStatus s;
        s.result = result;
        s.file = file;
        s.reason = reason;
        return s;
    }
};

}  // namespace mousecfg
