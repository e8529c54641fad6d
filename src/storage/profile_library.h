#pragma once

#include <QString>
#include <QStringList>

#include "storage/save_status.h"

namespace mousecfg {

class Paths;
struct MouseProfile;

// The per-product profile library: Configs/<product>/Config.ini holds the ordered list of names
// ("PROFILE_LIST/Count", "PROFILE_LIST/1" ..) and the built-in names ("PROFILE_LIST/SCount",
// "PROFILE_LIST/S1" ..); each name is a file in Configs/<product>/Profile/.

// Entries read from a damaged count are capped here; the stored-profile menu shows 200 at most.
constexpr int kMaxLibraryEntries = 1000;

QStringList loadLibraryList(const Paths& paths, const QString& product);
// Rewrites "PROFILE_LIST/Count" and entries 1..Count; entries above the new count stay in the file.
SaveStatus saveLibraryList(const Paths& paths, const QString& product, const QStringList& names);
// True when `name` is one of the "S" entries (a count below 1 means none is).
bool isBuiltInLibraryName(const Paths& paths, const QString& product, const QString& name);

enum class LibraryResult {
    Ok = 0,
    UnsafeName,    // the name could leave the library folder: nothing read or written
    WrongProduct,  // the file belongs to another product
    Exists,        // a library file of that name exists already
    CopyFailed,    // the copy could not be saved (the target is refused or cannot be written)
    Unreadable,    // the source is missing, a FIFO or device, too large, or a link in the data folder
    NotAProfile,   // the file holds no profile keys (a settings export, a file cut short)
};

// Export of one profile: stamps the library file of `name` with the product, then copies it to
// `target`, which is replaced whole (never written through a link).
LibraryResult exportLibraryProfile(const Paths& paths, const QString& product, const QString& name,
                                   const QString& target);
// Import of one profile: checks the file's product and that it holds profile keys, copies it into
// the library under its own file name unless that exists, and loads it into `profile`. `baseName`
// receives the name.
LibraryResult importLibraryProfile(const Paths& paths, const QString& product, const QString& source,
                                   MouseProfile& profile, QString* baseName = nullptr);

}  // namespace mousecfg
