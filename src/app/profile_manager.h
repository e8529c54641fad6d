#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "storage/config_state.h"
#include "storage/paths.h"

namespace mousecfg {

class ProfileDialogs;

// What the profile operations ask of the window around them. A hook left empty is skipped.
struct ProfileHooks {
    std::function<void()> refreshPages;                // show the current record on every page
    std::function<void(const QString&)> showName;      // the name field
    std::function<void()> rebuildMenu;                 // the stored-profile menu (libraryMenu())
    std::function<int(bool writeAll)> runWriteFlow;    // save and write to the mouse
    std::function<void(int slot)> selectOnMouse;       // make a profile active on the mouse
    std::function<void(int speed)> applyPointerSpeed;  // the host's pointer speed
    std::function<void()> retranslate;                 // set every caption again
    std::function<void()> showFirstPage;               // page 0 and the per-model images
};

// Outcome of one operation of the profile bar.
enum class ProfileResult {
    Done = 0,
    Cancelled,  // a question answered "no", or no file chosen
    Refused,    // refused with a message; nothing changed
    Ignored,    // a configuration of another product: nothing changed, nothing shown
};

// The profile bar: the five slots of the working set, the product's library of named profiles
// (Configs/<product>/Profile and the list in Configs/<product>/Config.ini) and the settings
// export files. Every refusal shows one message and changes nothing; names typed by the user or
// carried by a file are checked before any file is touched.
class ProfileManager {
public:
    static constexpr int kMenuEntries = 200;

    ProfileManager(Paths paths, ConfigState& working, ConfigState& stored, ProfileDialogs& dialogs,
                   ProfileHooks hooks = {});

    void setHooks(ProfileHooks hooks) { hooks_ = std::move(hooks); }
    // Who asks the questions and picks the files (not owned; must outlive the manager's use).
    void setDialogs(ProfileDialogs& dialogs) { dialogs_ = &dialogs; }
    // The current product ("Config/CurrentProductName"), read again on every operation.
    QString product() const;
    QStringList library() const;      // the stored-profile list
    QStringList libraryMenu() const;  // its first 200 entries
    QString libraryFile(const QString& name) const;

    void chooseSlot(int slot);
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
    void showName(const QString& name);
    void refresh();
    void rebuildMenu();
    int writeFlow(bool all);
    void warn(const char* text);
    bool confirm(const char* text);
    bool libraryExists(const QString& name) const;
    bool libraryUsable() const;
    void loadFromLibrary(const QString& name);
    void saveLibrary(const QStringList& list) const;

    Paths paths_;
    ConfigState& working_;
    ConfigState& stored_;
    ProfileDialogs* dialogs_;
    ProfileHooks hooks_;
};

}  // namespace mousecfg
