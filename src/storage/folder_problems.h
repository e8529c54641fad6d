#pragma once

#include <QString>
#include <QVector>

#include "storage/file_checks.h"

namespace mousecfg {

class Paths;

// A file of the data folder that the program will not read or replace.
struct FolderProblem {
    QString file;
    FileIssue issue = FileIssue::None;
    // One English line: "<file> is a symbolic link ...".
    QString message() const { return file + QLatin1Char(' ') + describeFileIssue(issue); }
};

// The files the program loads at start (descriptor, Config.ini, LangConfig.ini, the product's
// Config.ini, the five current profile files and the listed macro files) that are present but
// refused: a link, not a regular file, larger than kMaxSettingsFileSize, or unreadable. Such a
// file reads as missing (defaults), and saves over it fail; the window shows this list once at
// start so the user learns why. Missing files are not problems.
QVector<FolderProblem> findFolderProblems(const Paths& paths);

}  // namespace mousecfg
