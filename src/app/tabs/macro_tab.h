#pragma once

#include "app/tabs/tab.h"

namespace mousecfg {

class MacroDialog;

// The MACRO tab: the macro editor. While it records or edits, the window's own controls are
// locked. A macro renamed here keeps its buttons: every profile of the working set that plays it
// follows the new name (written with the next Apply). The page is made the first time the tab is
// shown.
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
    void retranslate() override;

    // The page, once the tab has been shown (null before).
    MacroDialog* page() const { return page_; }

private:
    MacroDialog& ensurePage();
    void followRename(const QString& oldName, const QString& newName);

    MacroDialog* page_ = nullptr;
};

}  // namespace mousecfg
