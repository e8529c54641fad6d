#include "app/tabs/macro_tab.h"

#include <QWidget>

#include "storage/product_descriptor.h"
#include "widgets/ui_context.h"

namespace mousecfg {

MacroTab::MacroTab(const TabContext& context) : Tab(context), page_(new QWidget(context.window)) {
    page_->setObjectName(QStringLiteral("MacroDialog"));
}

bool MacroTab::available() const {
    return loadDisableMacro(ctx_.paths) == 0;
}

void MacroTab::layout() {
    page_->setGeometry(UiContext::current().scaledRect(285, 90, 665, 467));
}

void MacroTab::setShown(bool shown) {
    page_->setVisible(shown);
}

}  // namespace mousecfg
