#include "platform/key_capture_log.h"

Q_LOGGING_CATEGORY(lcKeyCapture, "mousecfg.platform.keys")
