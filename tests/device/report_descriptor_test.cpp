#include "device/report_descriptor.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QStringList>

#include "device/command_frame.h"

using namespace mousecfg;

namespace {

// Mouse (page 1, usage 2) with a nested pointer collection, report ID 1.
const char kMouse[] =
    "05010902a1018501"
    "0901a1000509190129051500250195057501810295017503810105010930093116018026ff7f751095028106c0"
    "c0";
// Command collection (page 1, usage 0), report ID 5: 32 data bytes in and out.
const char kCommand[] =
    "05010900a101850509001500"
    "26ff00750895208102090095209102c0";

QByteArray hex(const QString& text) {
    return QByteArray::fromHex(QString(text).remove(QLatin1Char(' ')).toLatin1());
}

QString ids(const std::vector<uint8_t>& list) {
    QStringList out;
    for (uint8_t id : list) out << QString::number(id);
    return out.join(QLatin1Char(','));
}

// "page:usage in[..] out[..] feat[..]" per collection, hex page and usage.
QString summary(const std::vector<HidTopCollection>& collections) {
    QStringList parts;
    for (const HidTopCollection& c : collections) {
        QString s = QStringLiteral("%1:%2").arg(c.usagePage, 0, 16).arg(c.usage, 0, 16);
        if (!c.inputIds.empty()) s += QStringLiteral(" in[%1]").arg(ids(c.inputIds));
        if (!c.outputIds.empty()) s += QStringLiteral(" out[%1]").arg(ids(c.outputIds));
        if (!c.featureIds.empty()) s += QStringLiteral(" feat[%1]").arg(ids(c.featureIds));
        parts << s;
    }
    return parts.join(QStringLiteral(" | "));
}

// Parses from a heap block of exactly the descriptor's size, so a read past its end is caught by
// AddressSanitizer.
ParsedDescriptor parseExact(const QByteArray& bytes) {
    std::vector<uint8_t> exact(bytes.begin(), bytes.end());
    return parseReportDescriptor(exact.data(), exact.size());
}

}  // namespace

TEST(ReportDescriptor, CollectionsAndReportIds) {
    const QString mouse = QLatin1String(kMouse), command = QLatin1String(kCommand);
    struct Case {
        const char* name;
        QString bytes;
        DescriptorStatus status;
        const char* collections;
    };
    const Case cases[] = {
        {"mouse, then command", mouse + command, DescriptorStatus::Ok, "1:2 in[1] | 1:0 in[5] out[5]"},
        {"command, then mouse", command + mouse, DescriptorStatus::Ok, "1:0 in[5] out[5] | 1:2 in[1]"},
        {"several IDs in one collection",
         "05010900a101 8505 0900 7508 9520 8102 8506 0900 8102 8505 0900 9102 8507 0900 b102 c0",
         DescriptorStatus::Ok, "1:0 in[5,6] out[5] feat[7]"},
        {"IDs in nested collections count for the top one",
         "05010900a101 0900a102 8505 0900 8102 c0 a102 8509 0900 8102 c0 c0", DescriptorStatus::Ok,
         "1:0 in[5,9]"},
        {"long items are skipped", "fe0210aabb" + command + "fe0000", DescriptorStatus::Ok,
         "1:0 in[5] out[5]"},
        {"extended usage names its page", "0b010000ffa101 8505 8102 c0", DescriptorStatus::Ok,
         "ff00:1 in[5]"},
        {"Pop restores the report ID", "8501 a4 8502 b4 05010900a101 8102 c0", DescriptorStatus::Ok,
         "1:0 in[1]"},
        {"no report IDs", "05010902a101 8102 c0", DescriptorStatus::Ok, "1:2 in[0]"},
        {"collection without usage", "a101 8503 8102 c0", DescriptorStatus::Ok, "0:0 in[3]"},
        {"main items outside a collection", "8504 8102" + command, DescriptorStatus::Ok, "1:0 in[5] out[5]"},
        {"empty", "", DescriptorStatus::Empty, ""},
        {"short item cut", "05", DescriptorStatus::Truncated, ""},
        {"four-byte item cut", "070100", DescriptorStatus::Truncated, ""},
        {"long item data past the end", "fe10000102", DescriptorStatus::Truncated, ""},
        {"long item header cut", "fe05", DescriptorStatus::Truncated, ""},
        {"collection still open", mouse.left(mouse.size() - 2), DescriptorStatus::Truncated, ""},
        {"second collection cut", mouse + command.left(20), DescriptorStatus::Truncated, "1:2 in[1]"},
        {"end without collection", "c0" + command, DescriptorStatus::Malformed, ""},
        {"report ID 0", "05010900a101 8500", DescriptorStatus::Malformed, ""},
        {"report ID above 255", "05010900a101 86 0001", DescriptorStatus::Malformed, ""},
        {"Pop without Push", "b4", DescriptorStatus::Malformed, ""},
        {"Push nested too deep", QStringLiteral("a4").repeated(33), DescriptorStatus::Malformed, ""},
        {"garbage", "ffffffff", DescriptorStatus::Truncated, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ParsedDescriptor d = parseExact(hex(c.bytes));
        EXPECT_EQ(d.status, c.status);
        EXPECT_EQ(summary(d.collections), QLatin1String(c.collections));
    }
}

TEST(ReportDescriptor, EveryCutOfADescriptorStaysInBoundsAndKeepsWhatWasClosed) {
    const QByteArray full = hex(QLatin1String(kMouse) + "fe0310010203" + QLatin1String(kCommand));
    const ParsedDescriptor whole = parseExact(full);
    ASSERT_EQ(whole.status, DescriptorStatus::Ok);
    ASSERT_EQ(whole.collections.size(), 2u);
    for (int n = 0; n < full.size(); ++n) {
        SCOPED_TRACE(n);
        const ParsedDescriptor cut = parseExact(full.left(n));
        EXPECT_NE(cut.status, DescriptorStatus::Malformed);
        ASSERT_LE(cut.collections.size(), 1u);  // the command collection's End is the last byte
        if (!cut.collections.empty()) {
            EXPECT_EQ(summary(cut.collections), summary({whole.collections[0]}));
        }
    }
    // Random bytes of random lengths: any status, never a read out of bounds.
    QRandomGenerator rng(17);
    for (int round = 0; round < 2000; ++round) {
        QByteArray junk(rng.bounded(0, 80), '\0');
        for (char& b : junk) b = static_cast<char>(rng.bounded(256));
        const ParsedDescriptor d = parseExact(junk);
        EXPECT_EQ(d.status == DescriptorStatus::Empty, junk.isEmpty());
    }
}

TEST(ReportDescriptor, CommandInputIdsFallBackToTheCommandReportId) {
    const QString mouse = QLatin1String(kMouse), command = QLatin1String(kCommand);
    struct Case {
        const char* name;
        QString bytes;
        const char* ids;
    };
    const Case cases[] = {
        {"the usual receiver", mouse + command, "5"},
        {"answers on a second ID", "05010900a101 8505 0900 8102 8506 0900 8102 c0" + mouse, "5,6"},
        {"command ID only written: still read", mouse + "05010900a101 8506 0900 8102 8505 0900 9102 c0",
         "5,6"},
        {"command ID taken by another collection",
         "05010902a101 8505 0901 8102 c0 05010900a101 8506 0900 8102 c0", "6"},
        {"no command collection", mouse, "5"},
        {"command collection without IDs", "05010900a101 0900 8102 c0", "5"},
        {"damaged descriptor", mouse + command.left(30), "5"},
        {"no descriptor", "", "5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ids(commandInputIds(hex(c.bytes), 1, 0, kReportId)), QLatin1String(c.ids));
    }
}
