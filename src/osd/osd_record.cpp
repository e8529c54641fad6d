#include "osd/osd_record.h"

#include <QDir>
#include <QStandardPaths>
#include <QtEndian>
#include <algorithm>

namespace mousecfg::osd {

namespace {

constexpr int kMinDurationMs = 100;
constexpr int kMaxDurationMs = 10000;
constexpr int kMinTextSize = 8;
constexpr int kMaxTextSize = 400;

void putInt(QByteArray& out, int offset, quint32 value) {
    qToLittleEndian(value, reinterpret_cast<uchar*>(out.data() + offset));
}

quint32 getInt(const QByteArray& in, int offset) {
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(in.constData() + offset));
}

// At most kMaxTextUnits code units; a high surrogate whose partner would be cut off goes too.
QString fitted(const QString& text) {
    if (text.size() <= kMaxTextUnits) return text;
    int n = kMaxTextUnits;
    if (text.at(n - 1).isHighSurrogate()) --n;
    return text.left(n);
}

void putText(QByteArray& out, int offset, const QString& text) {
    const QString t = fitted(text);
    for (int i = 0; i < t.size(); ++i)
        qToLittleEndian(t.at(i).unicode(), reinterpret_cast<uchar*>(out.data() + offset + 2 * i));
    // The rest of the field, the terminator included, is already zero.
}

QString getText(const QByteArray& in, int offset) {
    QString t;
    for (int i = 0; i < kMaxTextUnits; ++i) {
        const char16_t unit =
            qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(in.constData() + offset + 2 * i));
        if (unit == 0) break;
        t.append(QChar(unit));
    }
    // Drop lone surrogates, so what is drawn is valid UTF-16.
    QString clean;
    clean.reserve(t.size());
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c.isHighSurrogate() && i + 1 < t.size() && t.at(i + 1).isLowSurrogate()) {
            clean.append(c);
            clean.append(t.at(++i));
        } else if (!c.isSurrogate()) {
            clean.append(c);
        }
    }
    return clean;
}

}  // namespace

quint32 packColour(int red, int green, int blue) {
    return static_cast<quint32>(red & 0xFF) + static_cast<quint32>(green & 0xFF) * 256u +
           static_cast<quint32>(blue & 0xFF) * 65536u;
}

QByteArray encodeRecord(const OsdMessage& message) {
    QByteArray out(kRecordSize, '\0');
    putText(out, kTextOffset, message.text);
    putInt(out, kDurationOffset, static_cast<quint32>(message.durationMs));
    putInt(out, kColourOffset, packColour(message.red, message.green, message.blue));
    putInt(out, kTextSizeOffset, static_cast<quint32>(message.textSize));
    putText(out, kFontOffset, message.fontFamily);
    return out;
}

std::optional<OsdMessage> decodeRecord(const QByteArray& record) {
    if (record.size() != kRecordSize) return std::nullopt;
    OsdMessage m;
    m.text = getText(record, kTextOffset);
    const auto duration = static_cast<qint32>(getInt(record, kDurationOffset));
    m.durationMs = std::clamp(duration, kMinDurationMs, kMaxDurationMs);
    const quint32 colour = getInt(record, kColourOffset);
    m.red = static_cast<int>(colour & 0xFF);
    m.green = static_cast<int>((colour >> 8) & 0xFF);
    m.blue = static_cast<int>((colour >> 16) & 0xFF);
    const auto size = static_cast<qint32>(getInt(record, kTextSizeOffset));
    m.textSize = std::clamp(size, kMinTextSize, kMaxTextSize);
    m.fontFamily = getText(record, kFontOffset);
    return m;
}

namespace {

QString runtimeDir() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return dir;
}

}  // namespace

QString socketPath() {
    return runtimeDir() + QStringLiteral("/mousecfg-osd.socket");
}

QString lockPath() {
    return runtimeDir() + QStringLiteral("/mousecfg-osd.lock");
}

}  // namespace mousecfg::osd
