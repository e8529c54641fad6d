#include "pages/lighting/lighting_log.h"

Q_LOGGING_CATEGORY(lcLighting, "mousecfg.pages.lighting")
