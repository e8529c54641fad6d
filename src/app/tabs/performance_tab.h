#pragma once

#include "app/tabs/tab.h"

namespace mousecfg {

class TarnDPIWindow;
class TarnPointSpeed;
class TarnReportRate;

// The DPI tab: the DPI, pointer-speed and report-rate pages. The DPI and report-rate pages edit
// copies of the current record (taken back before a write); the pointer-speed page edits the
// record itself; the lift-off choice goes straight into the working set. The pages are built the
// first time the tab is shown: until then there is nothing to show, refresh or take back.
class PerformanceTab : public Tab {
    Q_OBJECT
public:
    explicit PerformanceTab(const TabContext& context);

    const char* buttonName() const override { return "tabDpi"; }
    QString caption() const override { return tr("DPI"); }
    void layout() override;
    void setShown(bool shown) override;
    // The current record (and the device-wide lift-off value), with the sensor, product and stage
    // count read again from the settings and the descriptor.
    void refresh() override;
    // Active stage, stage table and rate back into the current record.
    void takeBack() override;
    void retranslate() override;

private:
    void build();

    TarnDPIWindow* dpi_ = nullptr;
    TarnReportRate* rate_ = nullptr;
    TarnPointSpeed* speed_ = nullptr;
};

}  // namespace mousecfg
