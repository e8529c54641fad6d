#pragma once

#include "app/tabs/tab.h"

namespace mousecfg {

// The MACRO tab: the macro editor. Until it arrives its place is held by an empty widget named
// after it.
class MacroTab : public Tab {
    Q_OBJECT
public:
    explicit MacroTab(const TabContext& context);

    const char* buttonName() const override { return "tabMacro"; }
    QString caption() const override { return tr("MACRO"); }
    // Products with "PROFILE/DisableMacro" set have no macros.
    bool available() const override;
    void layout() override;
    void setShown(bool shown) override;

private:
    QWidget* page_;
};

}  // namespace mousecfg
