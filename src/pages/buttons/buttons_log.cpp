#include "pages/buttons/buttons_log.h"

Q_LOGGING_CATEGORY(lcButtonPage, "mousecfg.pages.buttons")
