#include "app/tabs/lighting_tab.h"

#include "app/session/window_session.h"
#include "app/tabs/product_pictures.h"
#include "device/lighting_rules.h"
#include "pages/lighting/tarn_color_window.h"
#include "storage/app_settings.h"
#include "storage/product_descriptor.h"
#include "widgets/ui_context.h"

namespace mousecfg {

LightingTab::LightingTab(const TabContext& context) : Tab(context) {}

bool LightingTab::available() const {
    return loadLedDisable(ctx_.paths) == 0;
}

TarnColorWindow& LightingTab::ensurePage() {
    if (!page_) {
        page_ = new TarnColorWindow(ctx_.window);
        page_->hide();
        page_->setProduct(lighting::loadLightingProduct(ctx_.paths));
        layout();
        showRecord();
    }
    return *page_;
}

void LightingTab::layout() {
    if (!page_) return;
    page_->setGeometry(UiContext::current().scaledRect(285, 90, 351, 440));
    page_->applyTheme();
}

void LightingTab::setShown(bool shown) {
    if (shown) {
        ensurePage().show();
        ctx_.pictures.show(ProductPictures::View::Front);
    } else if (page_) {
        page_->hide();
    }
}

// The working set is replaced by assignment, never reallocated, so the pointer into it stays
// good; the record it points at changes with the slot.
void LightingTab::showRecord() {
    ConfigState& working = ctx_.session.working();
    const int i = lighting::lightingProfileIndex(working, appsettings::loadCurrentProductName(ctx_.paths));
    page_->setProfile(&working.profiles[static_cast<size_t>(i)], i);
}

void LightingTab::refresh() {
    if (page_) showRecord();
}

void LightingTab::retranslate() {
    if (page_) page_->retranslate();
}

void LightingTab::productChanged() {
    if (!page_) return;
    page_->setProduct(lighting::loadLightingProduct(ctx_.paths));
    showRecord();
}

}  // namespace mousecfg
