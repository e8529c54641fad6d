#include "app/tabs/performance_tab.h"

#include "app/session/window_session.h"
#include "pages/performance/tarn_dpi_window.h"
#include "pages/performance/tarn_point_speed.h"
#include "pages/performance/tarn_report_rate.h"
#include "storage/app_settings.h"
#include "storage/product_descriptor.h"
#include "widgets/ui_context.h"

namespace mousecfg {

PerformanceTab::PerformanceTab(const TabContext& context)
    : Tab(context),
      dpi_(new TarnDPIWindow(context.window)),
      rate_(new TarnReportRate(context.window)),
      speed_(new TarnPointSpeed(&context.session.currentRecord(), context.window)) {
    WindowSession& session = ctx_.session;
    connect(&session, &WindowSession::stageReported, dpi_, &TarnDPIWindow::setActiveStage);
    connect(&session, &WindowSession::rateReported, rate_, &TarnReportRate::setRate);
    connect(rate_, &TarnReportRate::RefreshLift, this,
            [this](quint8 lift) { ctx_.session.working().LiftHigh = lift; });
}

void PerformanceTab::layout() {
    const UiContext& ui = UiContext::current();
    dpi_->setGeometry(ui.scaledRect(285, 90, 456, 460));
    speed_->setGeometry(ui.scaledRect(746, 245, 229, 306));
    rate_->setGeometry(ui.scaledRect(746, 90, 229, 150));
}

void PerformanceTab::setShown(bool shown) {
    dpi_->setVisible(shown);
    speed_->setVisible(shown);
    rate_->setVisible(shown);
}

void PerformanceTab::refresh() {
    const Paths& paths = ctx_.paths;
    const int sensor = appsettings::loadSensorId(paths);
    dpi_->setProduct(appsettings::loadCurrentProductName(paths), loadExtendedDpiRange(paths) == 1,
                     dpiStageCount(paths));
    MouseProfile& record = ctx_.session.currentRecord();
    dpi_->setProfile(record, sensor);
    rate_->setProfile(record, ctx_.session.working().LiftHigh);
    speed_->setProfile(&record);
}

void PerformanceTab::takeBack() {
    MouseProfile& record = ctx_.session.currentRecord();
    record.dpi = dpi_->profileData().dpi;
    record.dpiStages = dpi_->profileData().dpiStages;
    record.pollrate = rate_->profileData().pollrate;
}

void PerformanceTab::retranslate() {
    dpi_->retranslate();
    rate_->retranslate();
    speed_->retranslate();
}

}  // namespace mousecfg
