#pragma once

#include <QString>
#include <QStringList>

#include "storage/config_state.h"
#include "storage/paths.h"
#include "storage/save_status.h"

namespace mousecfg {

class ProfileDialogs;
class SaveBatch;
class WindowSession;

// Outcome of one operation of the profile bar.
enum class ProfileResult {
    Done = 0,
    Cancelled,  // a question answered "no", or no file chosen
    Refused,    // refused with a message (or a save failed, said in a message); nothing changed
};

// The profile bar's operations: the five slots of the session's working set, the product's
// library of named profiles (Configs/<product>/Profile and the list in
// Configs/<product>/Config.ini) and the settings export files. Every refusal shows one message
// and changes nothing; names typed by the user or carried by a file are checked before any file
// is touched. What changed is announced through the session; the operations that end with a
// write run the session's write flow. Each operation starts once the session's queued saves and
// reloads have landed (WindowSession::settle), so it reads and saves the files as they are.
class ProfileManager {
public:
    static constexpr int kMenuEntries = 200;

    ProfileManager(WindowSession& session, ProfileDialogs& dialogs);

    // Who asks the questions and picks the files (not owned; must outlive the manager's use).
    void setDialogs(ProfileDialogs& dialogs) { dialogs_ = &dialogs; }
    // The current product ("Config/CurrentProductName"), read again on every operation.
    QString product() const;
    QStringList library() const;      // the stored-profile list
    QStringList libraryMenu() const;  // its first 200 entries
    QString libraryFile(const QString& name) const;

    ProfileResult chooseLibraryProfile(const QString& name);
    ProfileResult add();
    ProfileResult copy();
    ProfileResult remove(const QString& name);  // the name field's text
    ProfileResult rename(const QString& newName);
    ProfileResult reset();
    ProfileResult resetAll();
    ProfileResult exportProfile();
    ProfileResult importProfile();
    ProfileResult saveConfiguration();
    ProfileResult loadConfiguration();
    // Drops the unsaved edits of the current slot: its library file again ("Cancel"), read on the
    // session's storage queue; the record is replaced when the read lands.
    void reloadCurrent();

    // Message texts (untranslated source strings).
    static const char* const kAlreadyUsed;
    static const char* const kExists;
    static const char* const kDefaultName;
    static const char* const kConfirmDelete;
    static const char* const kKeepOne;
    static const char* const kConfirmReset;
    static const char* const kConfirmResetAll;
    static const char* const kWrongMouse;
    static const char* const kBadName;
    static const char* const kNotSaved;
    static const char* const kOtherMouseConfig;
    static const char* const kIncompleteConfig;
    static const char* const kUnreadableConfig;

private:
    MouseProfile& current();
    QString& currentName();
    const Paths& paths() const;
    void warn(const char* text);
    bool confirm(const char* text);
    bool libraryExists(const QString& name) const;
    bool libraryUsable() const;
    void loadFromLibrary(const QString& name);
    // A failed save is said in a message; false then.
    bool saved(const SaveStatus& status);
    bool saveLibrary(const QStringList& list);
    // The library file of `name` in `batch`: a copy of `source`, or `fallback` when it cannot be
    // read.
    void addLibraryFile(SaveBatch& batch, const QString& name, const QString& source,
                        const MouseProfile& fallback) const;
    MouseProfile productDefaults() const;

    WindowSession& session_;
    ConfigState& working_;
    ConfigState& stored_;
    ProfileDialogs* dialogs_;
};

}  // namespace mousecfg
