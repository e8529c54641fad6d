#pragma once

#include <QString>
#include <QStringList>

#include "storage/config_state.h"
#include "storage/paths.h"

namespace mousecfg {

class ProfileDialogs;
class WindowSession;

// Outcome of one operation of the profile bar.
enum class ProfileResult {
    Done = 0,
    Cancelled,  // a question answered "no", or no file chosen
    Refused,    // refused with a message; nothing changed
    Ignored,    // a configuration of another product: nothing changed, nothing shown
};

// The profile bar's operations: the five slots of the session's working set, the product's
// library of named profiles (Configs/<product>/Profile and the list in
// Configs/<product>/Config.ini) and the settings export files. Every refusal shows one message
// and changes nothing; names typed by the user or carried by a file are checked before any file
// is touched. What changed is announced through the session; the operations that end with a
// write run the session's write flow.
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
    // Drops the unsaved edits of the current slot: its library file again ("Cancel").
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

private:
    MouseProfile& current();
    QString& currentName();
    const Paths& paths() const;
    void warn(const char* text);
    bool confirm(const char* text);
    bool libraryExists(const QString& name) const;
    bool libraryUsable() const;
    void loadFromLibrary(const QString& name);
    void saveLibrary(const QStringList& list) const;

    WindowSession& session_;
    ConfigState& working_;
    ConfigState& stored_;
    ProfileDialogs* dialogs_;
};

}  // namespace mousecfg
