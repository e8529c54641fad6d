#pragma once

#include <QString>

namespace mousecfg {

// The one style of the skinned check boxes and radio buttons: `widgetClass` ("QCheckBox" or
// "QRadioButton") styled with `look` (text colour, background, spacing) and an indicator drawn
// with two skin images, `designSize` pixels square times the interface scale.
QString indicatorStyleSheet(const char* widgetClass, const QString& look, const QString& uncheckedImage,
                            const QString& checkedImage, int designSize);

}  // namespace mousecfg
