#pragma once

#include <array>

#include "pages/buttons/button_dialog.h"
#include "storage/paths.h"

class QLineEdit;

namespace mousecfg {

class TarnMenu;
class TarnPushButton;

// Binds a macro (or gun file) of the library to a button: the macro, how it plays (a number of
// times, while the button is held, or until the button is pressed again) and the loop count.
// Yes is offered for a macro the library lists and a loop count of 1 to 255.
class TarnMacroSelect : public ButtonDialog {
    Q_OBJECT

public:
    enum Mode { LoopCount = 0, WhileHeld = 1, UntilPressedAgain = 2 };

    TarnMacroSelect(const QString& windowTitle, const QString& caption, const QString& name, int loopCount,
                    int mode, const Paths& paths, QWidget* parent = nullptr);

    QString macroName() const { return name_; }
    // The toggle that is on (0 when, unexpectedly, none is).
    int mode() const;
    // The loop-count field as a number; 0 when it is empty.
    int loopCount() const;

    TarnPushButton* macroButton() const { return macroButton_; }
    TarnMenu* macroMenu() const { return menu_; }
    QCheckBox* modeToggle(int mode) const { return toggles_.at(static_cast<size_t>(mode)); }
    QLineEdit* loopField() const { return loopField_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void chooseMacro(const QString& name);
    void onToggle();
    void updateYes();
    void retranslate();

    Paths paths_;
    QString name_;
    TarnLabel* info_;
    TarnPushButton* macroButton_;
    TarnMenu* menu_;
    std::array<QCheckBox*, 3> toggles_{};
    QLineEdit* loopField_;
};

}  // namespace mousecfg
