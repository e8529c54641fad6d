#pragma once

#include <QLoggingCategory>

// Debug output of the DPI, report-rate and pointer-speed pages.
Q_DECLARE_LOGGING_CATEGORY(lcPerformancePages)
