#pragma once

#include "app/tabs/tab.h"

namespace mousecfg {

// The LIGHTING tab: the lighting page beside the product's front picture. Until the lighting
// page arrives its place is held by an empty widget named after it.
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

private:
    QWidget* page_;
};

}  // namespace mousecfg
