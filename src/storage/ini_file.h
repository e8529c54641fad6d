#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>

#include "storage/file_checks.h"
#include "storage/ini_records.h"

namespace mousecfg {

class Paths;

// QSettings in INI format for reading, whose text encoding follows the file: UTF-8 when the file
// holds non-ASCII bytes that are valid UTF-8 (what a current editor saves), Latin-1 otherwise
// (QSettings' own default, so older hand edits read the way they always did). Files this program
// writes are plain ASCII, with "\x" escapes for other characters, and read the same either way.
// Every INI file of the program is read through this class: QSettings caches parsed files by
// name, and a file parsed once with each encoding would read differently depending on who opened
// it first.
class IniSettings : public QSettings {
public:
    // `content`: the file's bytes as they were checked; they select the encoding.
    IniSettings(const QString& file, const QByteArray& content);
};

// True when `bytes` hold non-ASCII text that is valid UTF-8.
bool readsAsUtf8(const QByteArray& bytes);

// A settings file read after the file checks, its records as QSettings would give them
// (IniRecords). When the file is missing or refused, nothing is read and every value is its
// default; a refusal is logged (mousecfg.storage).
class IniReader {
public:
    // A file of the data folder (checkDataFile below paths.dataDir()).
    IniReader(const Paths& paths, const QString& file);
    // A file the user chose (checkUserFile).
    explicit IniReader(const QString& file);
    ~IniReader();
    IniReader(const IniReader&) = delete;
    IniReader& operator=(const IniReader&) = delete;

    bool isOpen() const { return issue_ == FileIssue::None; }
    FileIssue issue() const { return issue_; }
    // Empty unless isOpen().
    const IniRecords& records() const { return records_; }
    QVariant value(const QString& key, const QVariant& def = QVariant()) const;

private:
    void open(const QString& root, const QString& file);

    IniRecords records_;
    FileIssue issue_ = FileIssue::Missing;
};

}  // namespace mousecfg
