#pragma once

#include "app/tabs/tab.h"

namespace mousecfg {

class TarnColorWindow;

// The LIGHTING tab: the lighting page beside the product's front picture. The page edits the
// working set's record in place: the current record, or profile 0 for a product whose lighting
// is the same in every profile. It is made the first time the tab is shown.
class LightingTab : public Tab {
    Q_OBJECT
public:
    explicit LightingTab(const TabContext& context);

    const char* buttonName() const override { return "tabLighting"; }
    QString caption() const override { return tr("LIGHTING"); }
    // Products with "PROFILE/ledDisable" set have no lighting.
    bool available() const override;
    void layout() override;
    void setShown(bool shown) override;
    void refresh() override;
    void retranslate() override;
    void productChanged() override;

    // The page, once the tab has been shown (null before).
    TarnColorWindow* page() const { return page_; }

private:
    TarnColorWindow& ensurePage();
    void showRecord();

    TarnColorWindow* page_ = nullptr;
};

}  // namespace mousecfg
