#include "storage/value_conv.h"

#include <QByteArray>
#include <QDataStream>

namespace mousecfg::conv {

namespace {

// A cut or altered "@Variant(...)" can decode to a QColor whose spec is no QColor::Spec at all;
// even copying such a colour loads an out-of-range enum. The colour spec is therefore checked on the
// variant's serialised form (type, null flag, then the colour with its spec byte first) before
// the colour is taken out of the variant.
bool colourSpecInRange(const QVariant& v) {
    QByteArray raw;
    {
        QDataStream out(&raw, QIODevice::WriteOnly);
        out << v;
    }
    constexpr int kSpecOffset = 4 + 1;  // quint32 type id, qint8 null flag
    if (raw.size() <= kSpecOffset) return false;
    const int spec = static_cast<signed char>(raw.at(kSpecOffset));
    return spec >= static_cast<int>(QColor::Invalid) && spec <= static_cast<int>(QColor::ExtendedRgb);
}

}  // namespace

QColor toColour(const QVariant& v) {
    if (v.userType() == QMetaType::QColor && !colourSpecInRange(v)) return QColor();
    return v.value<QColor>();
}

}  // namespace mousecfg::conv
