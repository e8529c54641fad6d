#pragma once

#include <QWidget>
#include <array>

#include "storage/macro_events.h"

namespace mousecfg {

class TarnAction;
class TarnLabel;
class TarnLineEdit;
class TarnMenu;
class TarnPushButton;

// The editor of one macro row, shown in place of the macro settings while the page is in edit
// mode. A key row shows the key (replaced by the next key typed, through the page); a button row
// a menu of the five buttons; a movement row a menu of the four directions and the distance; a
// delay row the delay in milliseconds. Every change is reported with rowEdited.
class MacroRowEditor : public QWidget {
    Q_OBJECT

public:
    // `unit`: milliseconds per delay count.
    explicit MacroRowEditor(int unit, QWidget* parent = nullptr);

    // Shows the editor for `row` (nothing for a row of another kind).
    void showRow(const MacroEvent& row);
    const MacroEvent& row() const { return row_; }
    macro::RowKind kind() const { return macro::rowKind(row_); }
    // A key row takes the key of another HID usage; its press state stays.
    void replaceKey(std::uint8_t usage);
    void retranslate();

    TarnPushButton* choiceButton() const { return choice_; }
    TarnLabel* keyLabel() const { return keyName_; }
    TarnLineEdit* distanceField() const { return distance_; }
    TarnLineEdit* delayField() const { return delay_; }
    TarnMenu* buttonMenu() const { return buttonMenu_; }
    TarnMenu* directionMenu() const { return directionMenu_; }

Q_SIGNALS:
    void rowEdited(mousecfg::MacroEvent row);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void EditMoveChanged(const QString& text);
    void EditDelayChanged(const QString& text);
    void chooseButton(std::uint8_t bit);
    void chooseDirection(macro::Direction direction);
    void refresh();
    void edited(const MacroEvent& row);

    int unit_;
    MacroEvent row_;
    TarnLabel* kindLabel_;
    TarnPushButton* choice_;
    TarnLabel* keyName_;
    TarnLabel* keyHint_;
    TarnLabel* distanceLabel_;
    TarnLineEdit* distance_;
    TarnLineEdit* delay_;
    TarnLabel* msLabel_;
    TarnMenu* buttonMenu_;
    TarnMenu* directionMenu_;
    std::array<TarnAction*, 5> buttonActions_{};
    std::array<TarnAction*, 4> directionActions_{};
};

}  // namespace mousecfg
