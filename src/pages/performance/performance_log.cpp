#include "pages/performance/performance_log.h"

Q_LOGGING_CATEGORY(lcPerformancePages, "mousecfg.pages")
