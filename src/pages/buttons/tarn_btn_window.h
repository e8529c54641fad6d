#pragma once

#include <QWidget>
#include <array>
#include <map>

#include "storage/config_state.h"
#include "storage/paths.h"

namespace mousecfg {

class KeyCaptureService;
class TarnAction;
class TarnLabel;
class TarnMenu;
class TarnPushButton;

// The CUSTOMIZE page: one button per mouse button, labelled with what it does; a click opens
// the menu of functions, and a choice is stored in the shown profile's button assignment at once
// (the window writes it to the mouse on Apply). Functions with parameters ask for them in a
// dialog first; a cancelled dialog changes nothing.
//
// Buttons: group 0 the front buttons (profile slots 0-19, rows from the product descriptor),
// group 1 the side buttons (slots 20-39, no product describes them: never laid out), group 2 the
// wheel (slots 40, 41: up and down, listed below the front rows).
class TarnBtnWindow : public QWidget {
    Q_OBJECT

public:
    // `keys` captures keys for the key dialogs; it must outlive the page.
    TarnBtnWindow(const Paths& paths, KeyCaptureService& keys, QWidget* parent = nullptr);
    ~TarnBtnWindow() override;

    // The profile the page shows and edits (not owned; null shows nothing and edits nothing).
    void setProfile(MouseProfile* profile);
    MouseProfile* profile() const { return profile_; }
    // The button being edited, as (index, group); group 255 keeps the current group. Groups 0
    // and 2 show the front and wheel buttons, group 1 the side buttons.
    void selectGroup(int index, int group);
    void selectGroupAndRefresh(int index, int group);
    // Takes a new scale factor (of the current UiContext) or product: fonts, menu widths and the
    // buttons' places.
    void relayout();
    void retranslate();
    void refreshLabels();

    TarnPushButton* button(int group, int index) const;
    TarnAction* action(int code) const;
    // The shown front buttons, top to bottom.
    int shownFrontRows() const { return shownFrontRows_; }

Q_SIGNALS:
    // Highlight (true) or release (false) the picture's mark of the button being edited.
    void SelBtnControl(mousecfg::TarnPushButton* btn, bool bType);
    // Show the macro page (index 3): a macro was asked for and the library is empty.
    void GotoMacroTab(uchar iBtn);
    // Tell the user that one button must keep the left click.
    void PopOneClickBox();

public Q_SLOTS:
    void OnMouseEnterSlot(mousecfg::TarnPushButton* btn);
    void slotMouseOver(mousecfg::TarnPushButton* btn, bool bType);
    void slotMouseEnter(mousecfg::TarnPushButton* btn);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    void fillMainMenu();
    void showView();
    void layoutRows();
    void onActionTriggered();
    void onMenuHidden();
    void applyFunction(int slot, int code, TarnPushButton* button);
    bool runMacroSelect(ButtonAssignment& a, int code);
    bool runSingleKey(ButtonAssignment& a);
    bool runComboKey(ButtonAssignment& a);
    bool runFireKey(ButtonAssignment& a);
    bool runSniper(ButtonAssignment& a);
    QString labelOf(const ButtonAssignment& a) const;
    TarnPushButton* editedButton() const;

    Paths paths_;
    KeyCaptureService& keys_;
    MouseProfile* profile_ = nullptr;
    QStringList library_;  // the macro list, read again with every refresh of the labels
    int group_ = 255;
    int index_ = 255;
    int shownFrontRows_ = 0;
    bool sideView_ = false;  // the side buttons are shown instead of the front and wheel
    int sensor_ = 0;         // for the DPI a sniper button shows
    std::array<std::array<TarnPushButton*, 20>, 2> sideAndFront_{};  // [0] front, [1] side
    std::array<TarnPushButton*, 2> wheel_{};
    std::array<TarnLabel*, 20> rowNumbers_{};
    std::array<TarnLabel*, 2> wheelCaptions_{};
    TarnLabel* emptyNote_;  // the side view without buttons says so
    TarnMenu* mainMenu_;
    TarnMenu* wheelMenu_;
    std::map<int, TarnMenu*> subMenus_;   // by buttonfn::Menu
    std::map<int, TarnAction*> actions_;  // by function code
};

}  // namespace mousecfg
