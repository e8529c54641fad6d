#include "osd/osd_record.h"

#include <gtest/gtest.h>

#include <vector>

using namespace mousecfg::osd;

namespace {

struct Patch {
    int offset;
    QByteArray bytes;
};

// A record of zeros with the given bytes written over it.
QByteArray recordWith(const std::vector<Patch>& patches) {
    QByteArray r(kRecordSize, '\0');
    for (const Patch& p : patches) r.replace(p.offset, p.bytes.size(), p.bytes);
    return r;
}

// UTF-16LE without a terminator.
QByteArray utf16(const QString& s) {
    QByteArray out;
    for (QChar c : s) {
        out.append(static_cast<char>(c.unicode() & 0xFF));
        out.append(static_cast<char>(c.unicode() >> 8));
    }
    return out;
}

const QByteArray kFixedFields = QByteArray::fromHex(
    "00000000"
    "dc050000"
    "00000000");  // 0, 1500, 0
const QByteArray kSize60 = QByteArray::fromHex("3c000000");

}  // namespace

TEST(OsdRecord, EncodesTheFieldsAtTheirOffsets) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x96\xB1");  // one character, two code units
    struct Case {
        const char* name;
        OsdMessage message;
        QString text;       // what the text field must hold
        QByteArray colour;  // the 4 bytes at 524
    };
    auto msg = [](const QString& text, int r, int g, int b) {
        OsdMessage m;
        m.text = text;
        m.red = r;
        m.green = g;
        m.blue = b;
        return m;
    };
    const std::vector<Case> cases = {
        {"profile text, orange theme", msg(QStringLiteral("Profile 2"), 255, 125, 0),
         QStringLiteral("Profile 2"), QByteArray::fromHex("ff7d0000")},
        {"red + green*256 + blue*65536", msg(QStringLiteral("DPI 3:1600"), 219, 200, 182),
         QStringLiteral("DPI 3:1600"), QByteArray::fromHex("dbc8b600")},
        {"blue only", msg(QStringLiteral("500 HZ"), 0, 0, 255), QStringLiteral("500 HZ"),
         QByteArray::fromHex("0000ff00")},
        {"empty text (unknown rate)", msg(QString(), 1, 2, 3), QString(), QByteArray::fromHex("01020300")},
        {"cut at 255 code units", msg(QString(300, QLatin1Char('x')), 255, 255, 255),
         QString(255, QLatin1Char('x')), QByteArray::fromHex("ffffff00")},
        {"exactly 255 fit", msg(QString(255, QLatin1Char('y')), 0, 0, 0), QString(255, QLatin1Char('y')),
         QByteArray::fromHex("00000000")},
        {"a pair across the cut goes whole", msg(QString(254, QLatin1Char('z')) + emoji, 0, 0, 0),
         QString(254, QLatin1Char('z')), QByteArray::fromHex("00000000")},
        {"a pair before the cut stays",
         msg(QString(253, QLatin1Char('z')) + emoji + QStringLiteral("tail"), 0, 0, 0),
         QString(253, QLatin1Char('z')) + emoji, QByteArray::fromHex("00000000")},
        {"Chinese text", msg(QString::fromUtf8("配置 2"), 0, 255, 0), QString::fromUtf8("配置 2"),
         QByteArray::fromHex("00ff0000")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray expected = recordWith({{0, utf16(c.text)},
                                                {512, kFixedFields},
                                                {524, c.colour},
                                                {528, kSize60},
                                                {532, utf16(QStringLiteral("Arial"))}});
        const QByteArray got = encodeRecord(c.message);
        ASSERT_EQ(got.size(), 1044);
        EXPECT_EQ(got.toHex().toStdString(), expected.toHex().toStdString());
        // The terminator of the longest text is the field's last unit.
        EXPECT_EQ(got.mid(510, 2), QByteArray(2, '\0'));
    }
}

TEST(OsdRecord, DecodesWhatItEncodesAndSurvivesDamagedRecords) {
    OsdMessage m;
    m.text = QString::fromUtf8("DPI 1:800 \xF0\x9F\x96\xB1");
    m.red = 10;
    m.green = 20;
    m.blue = 30;
    std::optional<OsdMessage> back = decodeRecord(encodeRecord(m));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, m);

    for (int size : {0, 1, 1043, 1045, 2088}) EXPECT_FALSE(decodeRecord(QByteArray(size, '\0'))) << size;

    struct Case {
        const char* name;
        std::vector<Patch> patches;
        QString text;
        int duration, size;
        int red, green, blue;
        QString font;
    };
    const QByteArray allA = utf16(QString(256, QLatin1Char('A')));
    const std::vector<Case> cases = {
        {"no terminators anywhere",
         {{0, allA}, {532, allA}},
         QString(255, QLatin1Char('A')),
         100,
         8,
         0,
         0,
         0,
         QString(255, QLatin1Char('A'))},
        {"lone surrogates are dropped",
         {{0, QByteArray::fromHex("3dd8"
                                  "4100"
                                  "00de"
                                  "4200")}},
         QStringLiteral("AB"),
         100,
         8,
         0,
         0,
         0,
         QString()},
        {"negative duration and size",
         {{516, QByteArray::fromHex("ffffffff")}, {528, QByteArray::fromHex("00000080")}},
         QString(),
         100,
         8,
         0,
         0,
         0,
         QString()},
        {"huge duration and size, colour's top byte ignored",
         {{516, QByteArray::fromHex("ffffff7f")},
          {524, QByteArray::fromHex("112233ff")},
          {528, QByteArray::fromHex("10270000")}},
         QString(),
         10000,
         400,
         0x11,
         0x22,
         0x33,
         QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        back = decodeRecord(recordWith(c.patches));
        ASSERT_TRUE(back);
        EXPECT_EQ(back->text, c.text);
        EXPECT_EQ(back->durationMs, c.duration);
        EXPECT_EQ(back->textSize, c.size);
        EXPECT_EQ(back->red, c.red);
        EXPECT_EQ(back->green, c.green);
        EXPECT_EQ(back->blue, c.blue);
        EXPECT_EQ(back->fontFamily, c.font);
    }
}
