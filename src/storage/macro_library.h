#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <utility>

#include "storage/macro_files.h"
#include "storage/paths.h"

namespace mousecfg {

class SaveBatch;

// What a change of the macro library came to.
enum class MacroLibraryResult {
    Ok,
    Unchanged,  // nothing to do (a rename to the same name)
    Full,       // all 50 names of the list are taken
    Exists,     // a macro of that name is in the folder or the list
    BadName,    // empty, or a name that could leave the macro folder
    Missing,    // the macro's file is not there
    FileError,  // a file in the macro folder could not be written, renamed, copied or removed
    ListError,  // Config.ini could not be written
};

// The macro library: the names "MACRO_LIST/0..49" of Config.ini and one file per name in
// Configs/MacroDB. Every change holds the data folder's lock and either happens completely or
// leaves files and list as they were (a macro file and its list entry are saved in one batch), so
// a read-only folder or settings file never leaves a name without its file or the reverse.
class MacroLibrary {
public:
    explicit MacroLibrary(Paths paths) : paths_(std::move(paths)) {}

    QStringList names() const;
    bool contains(const QString& name) const;
    bool isFull() const;
    bool fileExists(const QString& name) const;

    // "name_1", "name_2", ...: the first that has neither a file nor a list entry.
    QString newMacroName() const;
    // `typed`, else `typed` + "_2", "_3", ...: the first that has neither a file nor a list
    // entry (other than `except`).
    QString freeName(const QString& typed, const QString& except = QString()) const;

    // Writes the macro file and adds the name to the list.
    MacroLibraryResult create(const QString& name, const MacroFileData& data,
                              MacroWriteSign sign = MacroWriteSign::Set);
    // Renames the file and every list entry of `oldName`; a taken name gets a "_2", "_3" ...
    // suffix. `finalName` receives the name used.
    MacroLibraryResult rename(const QString& oldName, const QString& typed, QString* finalName);
    // Removes the name from the list and deletes its file.
    MacroLibraryResult remove(const QString& name);

    // Copies a macro file into the folder under its own file name and lists it; the name is the
    // file name without ".MSMACRO". A name already taken is refused.
    MacroLibraryResult importFile(const QString& source, QString* name);
    struct BatchImport {
        QStringList imported;
        QStringList existing;  // names already in the folder or the list: skipped
        QStringList failed;    // bad names and files that could not be copied
        QStringList overflow;  // not imported because the list was full
    };
    BatchImport importFiles(const QStringList& sources);

    // Copies the macro's file to `target`, replacing a file there (the save dialog asked).
    MacroLibraryResult exportTo(const QString& name, const QString& target) const;
    // Copies each macro's file to `folder`/<name>.MSMACRO, never replacing a file there.
    // Returns the names that were not copied.
    QStringList exportToFolder(const QStringList& names, const QString& folder) const;

    // The macro name of a file path ("a.b.MSMACRO" -> "a.b").
    static QString nameOfFile(const QString& path);

private:
    // The list entries holding `name` (an empty name: the free ones), at most `limit`.
    QVector<int> slotsHolding(const QString& name, int limit) const;
    // Sets the list entries `slotList` to `name` when `batch` commits.
    void stageSlots(SaveBatch& batch, const QVector<int>& slotList, const QString& name) const;
    MacroLibraryResult commit(SaveBatch& batch) const;

    Paths paths_;
};

}  // namespace mousecfg
