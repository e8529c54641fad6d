#include "widgets/indicator_style.h"

#include "widgets/ui_context.h"

namespace mousecfg {

QString indicatorStyleSheet(const char* widgetClass, const QString& look, const QString& uncheckedImage,
                            const QString& checkedImage, int designSize) {
    const UiContext& ui = UiContext::current();
    return QStringLiteral(
               "%1{%2}"
               "%1::indicator{width:%5px;height:%5px;}"
               "%1::indicator:unchecked{image:url(%3);}"
               "%1::indicator:checked{image:url(%4);}")
        .arg(QLatin1String(widgetClass), look, ui.skinPath(uncheckedImage), ui.skinPath(checkedImage))
        .arg(ui.scaled(designSize));
}

}  // namespace mousecfg
