#include "app/tabs/tab_list.h"

#include "app/tabs/customize_tab.h"
#include "app/tabs/lighting_tab.h"
#include "app/tabs/macro_tab.h"
#include "app/tabs/performance_tab.h"

namespace mousecfg {

std::vector<Tab*> makeTabs(const TabContext& context) {
    return {
        new LightingTab(context),
        new CustomizeTab(context),
        new PerformanceTab(context),
        new MacroTab(context),
    };
}

}  // namespace mousecfg
