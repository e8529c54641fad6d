#include "storage/product_descriptor.h"

#include <QSettings>

#include "storage/paths.h"

namespace mousecfg {

QString loadProductName(const Paths& paths) {
    QSettings s(paths.descriptorFile(), QSettings::IniFormat);
    return s.value(QStringLiteral("PROFILE/ProductName")).toString();
}

}  // namespace mousecfg
