#include "app/tabs/tab.h"

#include <QWidget>

namespace mousecfg {

Tab::Tab(const TabContext& context) : QObject(context.window), ctx_(context) {}

QStringList captionButtonImages() {
    return {QStringLiteral("tabbutton-1.png"), QStringLiteral("tabbutton-3.png"),
            QStringLiteral("tabbutton-2.png")};
}

}  // namespace mousecfg
