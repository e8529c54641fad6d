#include "app/performance_pages.h"

#include "pages/performance/tarn_dpi_window.h"
#include "pages/performance/tarn_point_speed.h"
#include "pages/performance/tarn_report_rate.h"
#include "storage/app_settings.h"
#include "storage/product_descriptor.h"

namespace mousecfg {

PerformancePages::PerformancePages(QWidget* parent, Paths paths, ConfigState& working)
    : paths_(std::move(paths)),
      working_(working),
      dpi_(new TarnDPIWindow(parent)),
      rate_(new TarnReportRate(parent)),
      speed_(new TarnPointSpeed(&currentProfile(working), parent)) {}

void PerformancePages::refresh() {
    const int sensor = appsettings::loadSensorId(paths_);
    dpi_->setProduct(appsettings::loadCurrentProductName(paths_), loadExtendedDpiRange(paths_) == 1,
                     dpiStageCount(paths_));
    MouseProfile& record = currentProfile(working_);
    dpi_->setProfile(record, sensor);
    rate_->setProfile(record, working_.LiftHigh);
    speed_->setProfile(&record);
}

void PerformancePages::takeBack() {
    MouseProfile& record = currentProfile(working_);
    record.dpi = dpi_->profileData().dpi;
    record.dpiStages = dpi_->profileData().dpiStages;
    record.pollrate = rate_->profileData().pollrate;
}

void PerformancePages::retranslate() {
    dpi_->retranslate();
    rate_->retranslate();
    speed_->retranslate();
}

}  // namespace mousecfg
