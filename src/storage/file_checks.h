#pragma once

#include <QByteArray>
#include <QString>

#include "storage/save_status.h"

namespace mousecfg {

// The largest settings, profile, macro, descriptor or settings export file the program reads or
// rewrites. An export of five profiles is about 1.3 MB; a file far beyond that is not one this
// program wrote, and parsing it would hold up the start for seconds or minutes.
constexpr qint64 kMaxSettingsFileSize = 4 * 1024 * 1024;

// What stands in the way of reading or replacing a file.
enum class FileIssue {
    None = 0,    // usable: a regular file of a sane size (a write target may also be absent)
    Missing,     // nothing there
    Link,        // a symbolic link where a file or one of the folders on the way should be
    NotRegular,  // a FIFO, socket, device node or folder where a file should be
    NotAFolder,  // a file (or anything but a folder) where a folder should be
    TooLarge,    // above kMaxSettingsFileSize
    Unreadable,  // the system would not let us look (permissions, I/O error)
};

// A short English phrase for messages and log lines ("is a symbolic link").
QString describeFileIssue(FileIssue issue);

// True when `file` lies below the folder `root` (both taken absolute and clean; no file access).
bool isBelow(const QString& root, const QString& file);

// Checks made before a file is opened, so that a FIFO or device node never blocks a read and a
// link never leads a write out of its folder. Nothing is opened or created.
//
// Files of the data folder `root`: every folder between `root` and the file must be a real folder
// and the file a regular file; none of them may be a link (`root` itself may be: the user chose
// it). A file outside `root` is checked as a user file.
FileIssue checkDataFile(const QString& root, const QString& file);
// A data file about to be replaced: as checkDataFile, but the file and folders on the way may be
// absent (they are created), and its size does not matter.
FileIssue checkDataTarget(const QString& root, const QString& file);
// A file the user named (an import): links are followed, since the user chose the path, but they
// must end at a regular file of a sane size.
FileIssue checkUserFile(const QString& file);
// A file the user names as a target (an export): absent, or a regular file that is not a link.
// The file is replaced, never written through; the folders on the way are the user's.
FileIssue checkUserTarget(const QString& file);

// Creates what is missing of `folder` (a folder below `root`, or `root` itself), one folder at a
// time, never through a link and never over anything that is not a folder.
SaveStatus makeDataFolders(const QString& root, const QString& folder);

// The text of the system error `errorNumber` (strerror).
QString systemErrorText(int errorNumber);

// Reads a whole file after checkDataFile (inside `root`) or checkUserFile (elsewhere; an empty
// root means elsewhere). The open itself never follows a link at the file and never blocks.
// Returns FileIssue::None and the bytes, or the issue and nothing.
FileIssue readCheckedFile(const QString& root, const QString& file, QByteArray& bytes);

}  // namespace mousecfg
