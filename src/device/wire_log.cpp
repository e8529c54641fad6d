#include "device/wire_log.h"

#include <QDebug>
#include <algorithm>

Q_LOGGING_CATEGORY(lcWire, "mousecfg.wire", QtInfoMsg)

namespace mousecfg {

QString frameHex(const uint8_t* data, size_t length) {
    static const char kDigits[] = "0123456789abcdef";
    QString s;
    if (!data || length == 0) return s;
    s.reserve(static_cast<int>(length * 3 - 1));
    for (size_t i = 0; i < length; ++i) {
        if (i > 0) s += QLatin1Char(' ');
        s += QLatin1Char(kDigits[data[i] >> 4]);
        s += QLatin1Char(kDigits[data[i] & 0x0F]);
    }
    return s;
}

int WireLogHandle::write(const uint8_t* data, size_t length) {
    const int result = inner_->write(data, length);
    if (result < 0)
        qCDebug(lcWire).noquote() << "write failed" << frameHex(data, length);
    else
        qCDebug(lcWire).noquote() << "write" << frameHex(data, length);
    return result;
}

int WireLogHandle::readTimeout(uint8_t* data, size_t length, int milliseconds) {
    const int result = inner_->readTimeout(data, length, milliseconds);
    if (result > 0)
        qCDebug(lcWire).noquote() << "read" << frameHex(data, std::min(length, static_cast<size_t>(result)));
    else if (result < 0)
        qCDebug(lcWire) << "read failed";
    return result;
}

}  // namespace mousecfg
