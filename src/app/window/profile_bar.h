#pragma once

#include <QObject>

#include "app/session/profile_manager.h"
#include "app/window/widget_profile_dialogs.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace mousecfg {

class TarnMenu;
class TarnPushButton;
class WindowSession;

// The profile bar: the slot selector, the name field, the stored-profile menu, add, delete,
// import, export, copy, reset, "Reset All", "LOAD1" and "SAVE" (most of them laid out with no
// size). Its buttons run the ProfileManager's operations; the session's signals keep the
// captions, the name field and the menu in step.
class ProfileBar : public QObject {
    Q_OBJECT
public:
    ProfileBar(WindowSession& session, QWidget* window);

    ProfileManager& profiles() { return profiles_; }
    // Who answers the bar's questions and picks its files (not owned; null: the skinned boxes and
    // the toolkit's file dialogs again).
    void setDialogs(ProfileDialogs* dialogs);

    void layout();
    void retranslate();
    // Locks (false) or frees every control of the bar.
    void setControlsEnabled(bool enabled);

Q_SIGNALS:
    // The pages' own copies are wanted in the working set (before SAVE writes it to a file).
    void takeBackRequested();

private:
    TarnPushButton* makeButton(const QStringList& images, const char* objectName);
    void onClicked();
    void showSlot(int slot);
    void rebuildLibraryMenu();

    WindowSession& session_;
    QWidget* window_;
    WidgetProfileDialogs widgetDialogs_;
    ProfileManager profiles_;
    TarnPushButton* exportProfile_;
    TarnPushButton* importProfile_;
    TarnPushButton* reset_;
    TarnPushButton* add_;
    TarnPushButton* delete_;
    TarnPushButton* copy_;
    TarnPushButton* resetAll_;
    TarnPushButton* load_;
    TarnPushButton* save_;
    TarnPushButton* slotSelector_;
    TarnMenu* slotMenu_;
    QLabel* nameLabel_;
    QLineEdit* nameEdit_;
    TarnPushButton* storedProfile_;
    TarnMenu* storedMenu_;
};

}  // namespace mousecfg
