#pragma once

#include <QLoggingCategory>

// Debug output of the lighting page and the colour editor.
Q_DECLARE_LOGGING_CATEGORY(lcLighting)
