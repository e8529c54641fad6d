#pragma once

#include <vector>

#include "app/tabs/tab.h"

namespace mousecfg {

// The tabs in the order of their buttons.
enum TabIndex { TabLighting = 0, TabCustomize = 1, TabDpi = 2, TabMacro = 3 };

// The tabs, children of the context's window.
std::vector<Tab*> makeTabs(const TabContext& context);

}  // namespace mousecfg
