#include "app/session/app_log.h"

Q_LOGGING_CATEGORY(lcApp, "mousecfg.app")
