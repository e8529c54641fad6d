#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace mousecfg::osd {

// One text for the on-screen display, as the main program hands it to `mousecfg-osd`.
struct OsdMessage {
    QString text;
    // The theme colour of the text.
    int red = 255;
    int green = 255;
    int blue = 255;
    int durationMs = 1500;  // how long the text stays up
    int textSize = 60;      // pixel height of the text
    QString fontFamily = QStringLiteral("Arial");

    bool operator==(const OsdMessage& o) const {
        return text == o.text && red == o.red && green == o.green && blue == o.blue &&
               durationMs == o.durationMs && textSize == o.textSize && fontFamily == o.fontFamily;
    }
};

// The fixed-size record both ends exchange, little-endian throughout:
//   0   512  text, UTF-16, zero-terminated, at most 255 code units
//   512   4  0
//   516   4  duration in ms (1500)
//   520   4  0
//   524   4  colour as red + green * 256 + blue * 65536
//   528   4  text size (60)
//   532 512  font family, UTF-16, zero-terminated ("Arial")
constexpr int kRecordSize = 1044;
constexpr int kTextBytes = 512;
constexpr int kMaxTextUnits = kTextBytes / 2 - 1;  // 255, room for the terminator
constexpr int kTextOffset = 0;
constexpr int kDurationOffset = 516;
constexpr int kColourOffset = 524;
constexpr int kTextSizeOffset = 528;
constexpr int kFontOffset = 532;

// The window title the display owns on Windows, where the main program finds it by title.
inline QString windowTitle() {
    return QStringLiteral("QRVT Wireless Mouse OSD");
}

quint32 packColour(int red, int green, int blue);

// The record for a message. Texts longer than 255 code units are cut there (never inside a
// surrogate pair); colour parts are taken modulo 256 as the packing does.
QByteArray encodeRecord(const OsdMessage& message);

// Reads a record; nothing when it is not exactly kRecordSize bytes. Whatever the fields hold, the
// result is usable: texts without a terminator end at 255 code units, a lone surrogate is
// dropped, the duration is kept within 100 ms .. 10 s and the size within 8 .. 400 pixels.
std::optional<OsdMessage> decodeRecord(const QByteArray& record);

// Linux: the local socket `mousecfg-osd` listens on, one per user in the runtime folder, and the
// lock file that keeps a second display from starting.
QString socketPath();
QString lockPath();

}  // namespace mousecfg::osd
