#pragma once

#include "storage/config_state.h"
#include "storage/paths.h"

class QWidget;

namespace mousecfg {

class TarnDPIWindow;
class TarnPointSpeed;
class TarnReportRate;

// The three pages of the DPI tab as the main window holds them: the DPI and report-rate pages
// edit copies of the current record, the pointer-speed page edits the record itself.
class PerformancePages {
public:
    PerformancePages(QWidget* parent, Paths paths, ConfigState& working);

    TarnDPIWindow* dpi() const { return dpi_; }
    TarnReportRate* rate() const { return rate_; }
    TarnPointSpeed* speed() const { return speed_; }

    // Shows the current record (and the device-wide lift-off value) on the three pages, with the
    // sensor, product and stage count read again from the settings and the descriptor.
    void refresh();
    // Folds the pages' copies back into the current record: active stage, stage table and rate.
    void takeBack();
    void retranslate();

private:
    Paths paths_;
    ConfigState& working_;
    TarnDPIWindow* dpi_;
    TarnReportRate* rate_;
    TarnPointSpeed* speed_;
};

}  // namespace mousecfg
