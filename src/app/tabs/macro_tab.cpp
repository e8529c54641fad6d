#include "app/tabs/macro_tab.h"

#include "app/session/window_session.h"
#include "pages/macros/macro_dialog.h"
#include "storage/product_descriptor.h"
#include "widgets/ui_context.h"

namespace mousecfg {

MacroTab::MacroTab(const TabContext& context) : Tab(context) {}

bool MacroTab::available() const {
    return loadDisableMacro(ctx_.paths) == 0;
}

MacroDialog& MacroTab::ensurePage() {
    if (!page_) {
        page_ = new MacroDialog(ctx_.paths, ctx_.keys, ctx_.window);
        page_->hide();
        connect(page_, &MacroDialog::EnableButtonsSignal, this, &Tab::windowControlsEnabled);
        connect(page_, &MacroDialog::MacroRenamed, this, &MacroTab::followRename);
        layout();
    }
    return *page_;
}

void MacroTab::layout() {
    if (page_) page_->setGeometry(UiContext::current().scaledRect(285, 90, 665, 467));
}

void MacroTab::setShown(bool shown) {
    if (shown)
        ensurePage().show();
    else if (page_)
        page_->hide();
}

void MacroTab::retranslate() {
    if (page_) page_->retranslate();
}

void MacroTab::followRename(const QString& oldName, const QString& newName) {
    for (MouseProfile& profile : ctx_.session.working().profiles)
        for (ButtonAssignment& a : profile.buttons)
            if ((a.Fun == kFunMacro || a.Fun == kFunGunFile) && a.macroname == oldName) a.macroname = newName;
}

}  // namespace mousecfg
