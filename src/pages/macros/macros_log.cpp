#include "pages/macros/macros_log.h"

Q_LOGGING_CATEGORY(lcMacroPage, "mousecfg.macros")
