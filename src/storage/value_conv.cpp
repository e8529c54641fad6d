#include "storage/value_conv.h"

#include <QByteArray>
#include <QDataStream>

namespace mousecfg::conv {

QColor toColour(const QVariant& v) {
    const QColor c = v.value<QColor>();
    // A cut or altered "@Variant(...)" can decode to a colour whose spec is no QColor::Spec at all.
    // The spec is checked on the colour's serialised form, so no out-of-range enum is ever loaded
    // here; such a colour becomes invalid.
    QByteArray raw;
    {
        QDataStream out(&raw, QIODevice::WriteOnly);
        out << c;
    }
    const int spec = raw.isEmpty() ? 0 : static_cast<signed char>(raw.at(0));
    if (spec < static_cast<int>(QColor::Rgb) || spec > static_cast<int>(QColor::ExtendedRgb)) return QColor();
    return c;
}

}  // namespace mousecfg::conv
