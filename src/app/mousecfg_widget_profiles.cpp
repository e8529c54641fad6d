// The main window's profile bar and DPI tab: the profile operations behind its buttons, the
// stored-profile menu and the three performance pages.

#include <QLineEdit>

#include "app/mousecfg_widget.h"
#include "app/performance_pages.h"
#include "app/profile_dialogs.h"
#include "app/profile_manager.h"
#include "pages/performance/tarn_dpi_window.h"
#include "pages/performance/tarn_point_speed.h"
#include "pages/performance/tarn_report_rate.h"
#include "widgets/tarn_push_button.h"

namespace mousecfg {

ProfileManager& MousecfgWidget::profiles() {
    if (!profiles_) {
        profileDialogs_ = std::make_unique<WidgetProfileDialogs>(this);
        ProfileHooks hooks;
        hooks.refreshPages = [this] { refreshAllPages(); };
        hooks.showName = [this](const QString& name) {
            if (nameEdit_) nameEdit_->setText(name);
        };
        hooks.rebuildMenu = [this] { rebuildProfileMenu(); };
        hooks.runWriteFlow = [this](bool all) { return runWriteFlow(all); };
        hooks.retranslate = [this] { retranslate(); };
        hooks.showFirstPage = [this] {
            switchPage(TabLighting);
            applyModelImages();
        };
        profiles_ = std::make_unique<ProfileManager>(services_.paths, workingState_, storedState_,
                                                     *profileDialogs_, std::move(hooks));
    }
    return *profiles_;
}

void MousecfgWidget::setProfileDialogs(ProfileDialogs* dialogs) {
    ProfileManager& manager = profiles();
    manager.setDialogs(dialogs ? *dialogs : *profileDialogs_);
}

void MousecfgWidget::createPerformancePages() {
    performance_ = std::make_unique<PerformancePages>(this, services_.paths, workingState_);
    dpiPage_ = performance_->dpi();
    ratePage_ = performance_->rate();
    pointerPage_ = performance_->speed();
    connect(performance_->rate(), &TarnReportRate::RefreshLift, this, &MousecfgWidget::slotLiftChange);
}

bool MousecfgWidget::onProfileButton(QObject* s) {
    ProfileManager& p = profiles();
    if (s == resetAll_) {
        p.resetAll();
    } else if (s == reset_) {
        p.reset();
    } else if (s == add_) {
        p.add();
    } else if (s == delete_) {
        p.remove(nameEdit_->text());
    } else if (s == copy_) {
        p.copy();
    } else if (s == exportProfile_) {
        p.exportProfile();
    } else if (s == importProfile_) {
        p.importProfile();
    } else if (s == save_) {
        p.saveConfiguration();
    } else if (s == load_) {
        p.loadConfiguration();
    } else {
        return false;
    }
    return true;
}

}  // namespace mousecfg
