#include "app/tabs/lighting_tab.h"

#include <QWidget>

#include "app/tabs/product_pictures.h"
#include "storage/product_descriptor.h"
#include "widgets/ui_context.h"

namespace mousecfg {

LightingTab::LightingTab(const TabContext& context) : Tab(context), page_(new QWidget(context.window)) {
    page_->setObjectName(QStringLiteral("TarnColorWindow"));
}

bool LightingTab::available() const {
    return loadLedDisable(ctx_.paths) == 0;
}

void LightingTab::layout() {
    page_->setGeometry(UiContext::current().scaledRect(285, 90, 351, 440));
}

void LightingTab::setShown(bool shown) {
    page_->setVisible(shown);
    if (shown) ctx_.pictures.show(ProductPictures::View::Front);
}

}  // namespace mousecfg
