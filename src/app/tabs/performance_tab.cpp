#include "app/tabs/performance_tab.h"

#include "app/session/window_session.h"
#include "pages/performance/tarn_dpi_window.h"
#include "pages/performance/tarn_point_speed.h"
#include "pages/performance/tarn_report_rate.h"
#include "storage/app_settings.h"
#include "storage/product_descriptor.h"
#include "widgets/ui_context.h"

namespace mousecfg {

PerformanceTab::PerformanceTab(const TabContext& context) : Tab(context) {}

void PerformanceTab::build() {
    QWidget* window = ctx_.window;
    dpi_ = new TarnDPIWindow(window);
    rate_ = new TarnReportRate(window);
    speed_ = new TarnPointSpeed(&ctx_.session.currentRecord(), window);
    // Below the window's later parts (profile bar, bottom buttons, gauge), where building them
    // with the window put them.
    for (QWidget* w :
         {static_cast<QWidget*>(speed_), static_cast<QWidget*>(rate_), static_cast<QWidget*>(dpi_)})
        w->lower();
    WindowSession& session = ctx_.session;
    connect(&session, &WindowSession::stageReported, dpi_, &TarnDPIWindow::setActiveStage);
    connect(&session, &WindowSession::rateReported, rate_, &TarnReportRate::setRate);
    connect(rate_, &TarnReportRate::RefreshLift, this,
            [this](quint8 lift) { ctx_.session.working().LiftHigh = lift; });
    layout();
    retranslate();
    refresh();
}

void PerformanceTab::layout() {
    if (!dpi_) return;
    const UiContext& ui = UiContext::current();
    dpi_->setGeometry(ui.scaledRect(285, 90, 456, 460));
    speed_->setGeometry(ui.scaledRect(746, 245, 229, 306));
    rate_->setGeometry(ui.scaledRect(746, 90, 229, 150));
}

void PerformanceTab::setShown(bool shown) {
    if (!dpi_) {
        if (!shown) return;
        build();
    }
    dpi_->setVisible(shown);
    speed_->setVisible(shown);
    rate_->setVisible(shown);
}

void PerformanceTab::refresh() {
    if (!dpi_) return;
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
    if (!dpi_) return;  // nothing edited yet
    MouseProfile& record = ctx_.session.currentRecord();
    record.dpi = dpi_->profileData().dpi;
    record.dpiStages = dpi_->profileData().dpiStages;
    record.pollrate = rate_->profileData().pollrate;
}

void PerformanceTab::retranslate() {
    if (!dpi_) return;
    dpi_->retranslate();
    rate_->retranslate();
    speed_->retranslate();
}

}  // namespace mousecfg
