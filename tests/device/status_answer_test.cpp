// Answers of any length and content, and the byte rules of the command frame.
#include "device/status_answer.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "device/command_frame.h"
#include "link_fixture.h"

namespace mousecfg {
namespace {

// Byte b (1-based) of a report of `length` bytes, 0 past its end.
uint8_t byteAt(const std::vector<uint8_t>& r, size_t b) {
    return b >= 1 && b <= r.size() ? r[b - 1] : 0;
}

TEST(StatusAnswer, AnyLengthAndContentDecodesWithinBounds) {
    std::mt19937 rng(20261207);
    std::uniform_int_distribution<int> byte(0, 255);
    for (size_t length = 0; length <= 64; ++length) {
        for (int round = 0; round < 200; ++round) {
            std::vector<uint8_t> r(length);
            for (uint8_t& b : r) b = static_cast<uint8_t>(byte(rng));
            // Every third report gets a battery or status code, so both layouts are exercised.
            if (length >= 4 && round % 3 == 1) r[3] = 0x48;
            if (length >= 4 && round % 3 == 2) r[3] = 0x49;
            // An exact-size heap copy: a read past the end is caught by AddressSanitizer.
            std::unique_ptr<uint8_t[]> exact(new uint8_t[length ? length : 1]);
            std::copy(r.begin(), r.end(), exact.get());
            const StatusAnswer a = decodeAnswer(exact.get(), length);
            const uint8_t code = byteAt(r, 4);
            SCOPED_TRACE(testing::Message() << "length " << length << " code " << int(code));
            if (code == 0x48) {
                ASSERT_EQ(a.kind, StatusAnswer::Kind::Battery);
                EXPECT_EQ(a.lowByte, byteAt(r, 5));
                EXPECT_EQ(a.hiByte, byteAt(r, 6));
                EXPECT_EQ(a.charge, byteAt(r, 7));
                EXPECT_EQ(a.writeStatus, byteAt(r, 8));
                EXPECT_EQ(a.linkMode, byteAt(r, 11));
            } else if (code == 0x49) {
                ASSERT_EQ(a.kind, StatusAnswer::Kind::Status);
                EXPECT_EQ(a.profile, byteAt(r, 5));
                EXPECT_EQ(a.dpiStage, byteAt(r, 6));
                EXPECT_EQ(a.rate, byteAt(r, 7));
                EXPECT_EQ(a.mode, byteAt(r, 8));
            } else {
                EXPECT_EQ(a.kind, StatusAnswer::Kind::None);
            }
        }
    }
    EXPECT_EQ(decodeAnswer(nullptr, 33).kind, StatusAnswer::Kind::None);
    const uint8_t code47[] = {0x05, 0, 0xFA, 0x47, 1, 2, 3, 4};
    EXPECT_EQ(decodeAnswer(code47, sizeof code47).kind, StatusAnswer::Kind::None);
}

TEST(StatusAnswer, BatteryReadingAndLevels) {
    // Reading to millivolts: (hi * 256 + lo) * 990 / 240, integer division.
    EXPECT_EQ(batteryMillivolts(0xC0, 0x03), 960 * 990 / 240);
    EXPECT_EQ(batteryMillivolts(0xFF, 0xFF), 65535 * 990 / 240);
    EXPECT_EQ(batteryMillivolts(0, 0), 0);
    EXPECT_EQ(batteryMillivolts(0xE8, 0x03), 4125);
    EXPECT_EQ(batteryMillivolts(1, 1), 1060);  // the window's start values
    struct Step {
        int mv, level;
    };
    // Each threshold, and one below it; no step at 3600.
    const Step steps[] = {{4200, 100}, {4199, 90}, {4100, 90}, {4099, 80}, {4000, 80}, {3999, 70}, {3900, 70},
                          {3899, 60},  {3800, 60}, {3799, 50}, {3700, 50}, {3699, 40}, {3600, 40}, {3500, 40},
                          {3499, 30},  {3400, 30}, {3399, 20}, {3200, 20}, {3199, 10}, {0, 10},    {-5, 10}};
    for (const Step& s : steps) EXPECT_EQ(batteryPercent(s.mv, 4200), s.level) << s.mv;
    EXPECT_EQ(batteryPercent(4000, 3950), 100);  // the full-charge threshold comes from the settings
    EXPECT_EQ(batteryPercent(4125, 4126), 90);
    EXPECT_EQ(batteryPercent(4125, 4125), 100);
}

TEST(CommandFrame, ChecksumEchoClassesAndLayout) {
    // The status request's checksum is 0x24: (0xFA + 0x48) & 0xFF, xor 0x66.
    const CommandFrame request = statusRequestFrame();
    EXPECT_EQ(request[2], 0x24);
    EXPECT_EQ(request[1], 0x05);
    EXPECT_EQ(request[3], 0xFA);
    EXPECT_EQ(request[4], 0x48);
    EXPECT_TRUE(std::all_of(request.begin() + 5, request.end(), [](uint8_t b) { return b == 0; }));
    // Only bytes 3..8 count, summed modulo 256.
    CommandFrame f = makeFrame(0xFF, 0xFF, 0xFF, 0xFF, 0xFF);
    f[9] = 0x77;
    f[0] = 0x99;
    EXPECT_EQ(frameChecksum(f), static_cast<uint8_t>(((0xFA + 5 * 0xFF) & 0xFF) ^ 0x66));

    for (int c = 0; c < 256; ++c) {
        const EchoClass expected = c <= 0x0A                  ? EchoClass::Data
                                   : (c == 0x40 || c == 0x46) ? EchoClass::HeaderOnly
                                                              : EchoClass::None;
        EXPECT_EQ(echoClassOf(static_cast<uint8_t>(c)), expected) << c;
    }
    // Data past the 25 bytes a report carries is never copied.
    uint8_t data[40];
    for (int i = 0; i < 40; ++i) data[i] = static_cast<uint8_t>(i + 1);
    const CommandFrame big = makeFrame(0x05, 0, 0, 40, 0xD2, data, sizeof data);
    EXPECT_EQ(big[33], 25);
    EXPECT_TRUE(std::all_of(big.begin() + 34, big.end(), [](uint8_t b) { return b == 0; }));
}

TEST(CompareEcho, EveryBytePosition) {
    CommandFrame sent = test::dataFrame(0x03, 6);
    sent[2] = frameChecksum(sent);
    for (bool checkData : {true, false}) {
        for (int pos = 1; pos <= 40; ++pos) {
            CommandFrame answer = sent;
            answer[static_cast<size_t>(pos)] ^= 0x5A;
            int expected = EchoMatch;
            if (pos == 1 || (pos >= 3 && pos <= 7)) expected = EchoHeaderDiffers;
            if (checkData && pos >= 9 && pos < 9 + 6) expected = EchoDataDiffers;
            EXPECT_EQ(CompareEcho(sent, answer, checkData), expected)
                << "byte " << pos << " data " << checkData;
        }
    }
    // A length byte beyond what a report carries compares the 25 data bytes on the wire only.
    CommandFrame longClaim = sent;
    longClaim[7] = 0xFF;
    CommandFrame answer = longClaim;
    answer[40] ^= 1;
    answer[63] ^= 1;
    EXPECT_EQ(CompareEcho(longClaim, answer, true), EchoMatch);
    answer[33] ^= 1;
    EXPECT_EQ(CompareEcho(longClaim, answer, true), EchoDataDiffers);
    // A header difference wins over a data difference.
    answer[4] ^= 1;
    EXPECT_EQ(CompareEcho(longClaim, answer, true), EchoHeaderDiffers);
}

// Answers of every shape fed to the transaction: it always ends, within its retry bounds, with
// code 0 or 2.
class RandomAnswerHandle : public HidHandle {
public:
    explicit RandomAnswerHandle(uint32_t seed) : rng_(seed) {}
    int write(const uint8_t*, size_t length) override {
        ++writes;
        return static_cast<int>(length);
    }
    int readTimeout(uint8_t* data, size_t length, int) override {
        ++reads;
        const int kind = std::uniform_int_distribution<int>(0, 9)(rng_);
        if (kind == 0) return -1;
        if (kind == 1) return 0;
        const size_t n = std::uniform_int_distribution<size_t>(1, length)(rng_);
        for (size_t i = 0; i < n; ++i) data[i] = static_cast<uint8_t>(rng_());
        if (kind >= 5) data[0] = 0x05;  // mostly command reports, some foreign ones
        return static_cast<int>(n);
    }
    int writes = 0;
    int reads = 0;

private:
    std::mt19937 rng_;
};

class RandomBackend : public HidBackend {
public:
    explicit RandomBackend(uint32_t seed) : seed_(seed) {}
    int init() override { return 0; }
    std::vector<HidDeviceInfo> enumerate() override {
        HidDeviceInfo mouse;
        mouse.vendorId = kVendorId;
        mouse.productId = kCableProductId;
        mouse.usagePage = 1;
        mouse.usage = 2;
        mouse.path = "/dev/hidraw-random";
        HidDeviceInfo command = mouse;
        command.usage = 0;
        return {mouse, command};
    }
    std::unique_ptr<HidHandle> open(const QByteArray&) override {
        auto h = std::make_unique<RandomAnswerHandle>(seed_++);
        last = h.get();
        return h;
    }
    int exit() override { return 0; }
    RandomAnswerHandle* last = nullptr;

private:
    uint32_t seed_;
};

TEST(Transaction, RandomAnswersAlwaysEndWithinBounds) {
    test::TempData data;
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        RandomBackend backend(seed * 7919);
        RecordingPacer pacer;
        DeviceLink link(backend, pacer);
        link.InitDeviceList(data.paths());
        ASSERT_EQ(link.EnumerateDevices(), 0);
        link.OpenDevice(link.currentProductName());
        ASSERT_TRUE(link.hasCommandHandle());
        RandomAnswerHandle* handle = backend.last;  // the cable command handle, opened last
        const TxResult r = link.WriteAndVerify(test::dataFrame(static_cast<uint8_t>(seed % 12), seed % 26));
        EXPECT_TRUE(r == TxOk || r == TxNoEcho) << seed;
        // At most 3 counted writes, each followed by up to 5 uncounted all-zero rewrites.
        EXPECT_LE(handle->writes, 18) << seed;
        EXPECT_GE(handle->writes, 1) << seed;
    }
}

}  // namespace
}  // namespace mousecfg
