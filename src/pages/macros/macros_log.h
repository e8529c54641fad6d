#pragma once

#include <QLoggingCategory>

// Debug output of the macro page, its row editor and the gun dialog.
Q_DECLARE_LOGGING_CATEGORY(lcMacroPage)
