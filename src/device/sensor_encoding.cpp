#include "device/sensor_encoding.h"

#include <algorithm>

namespace mousecfg::sensor {

namespace {

constexpr uint8_t kT1[kT1Size] = {
    0,   2,   3,   4,   5,   6,   7,   9,   10,  11,  12,  13,  14,  16,  17,  18,  19,  20,  22,  23,
    24,  25,  26,  27,  29,  30,  31,  32,  33,  35,  37,  38,  39,  40,  41,  42,  44,  45,  46,  47,
    48,  50,  51,  52,  53,  54,  56,  57,  58,  59,  60,  62,  63,  64,  65,  66,  68,  69,  70,  71,
    72,  74,  75,  76,  77,  78,  80,  81,  82,  83,  84,  86,  87,  88,  89,  90,  92,  93,  94,  95,
    96,  98,  99,  100, 101, 102, 104, 105, 106, 107, 108, 110, 111, 112, 113, 114, 116, 117, 118, 119,
    120, 122, 123, 124, 125, 126, 128, 129, 130, 131, 132, 134, 135, 136, 137, 138, 140, 141, 142, 143};
constexpr uint8_t kT2Tail[kT2Size - kT1Size] = {
    144, 146, 147, 148, 149, 150, 152, 153, 154, 155, 156, 158, 159, 160, 161, 162, 164, 165, 166, 167,
    168, 170, 171, 172, 173, 174, 176, 177, 178, 179, 180, 181, 182, 183, 184, 185, 186, 187, 188, 188};
constexpr uint8_t kT3[kT3Size] = {
    4,   6,   9,   11,  14,  16,  18,  21,  23,  25,  27,  29,  32,  34,  36,  39,  41,  43,  46,  48,
    50,  52,  55,  57,  59,  62,  64,  66,  69,  72,  74,  77,  78,  81,  84,  85,  88,  91,  93,  95,
    98,  100, 102, 105, 107, 109, 112, 114, 116, 119, 121, 123, 126, 128, 130, 133, 135, 137, 140, 142,
    145, 147, 149, 151, 154, 156, 158, 161, 163, 165, 168, 171, 173, 175, 178, 180, 182, 185, 187};
constexpr uint8_t kT4[kT4Size] = {
    0,  4,  6,   9,   11,  13,  15,  18,  20,  22,  24,  27,  29,  31,  33,  36,  38,  40,  43,  45, 47,
    49, 52, 54,  56,  58,  61,  63,  65,  67,  70,  72,  74,  77,  79,  81,  83,  86,  88,  90,  92, 95,
    97, 99, 102, 104, 106, 108, 111, 113, 115, 117, 120, 122, 124, 127, 129, 131, 133, 135, 138, 140};
constexpr uint8_t kT5[kT5Size] = {0,  2,  4,  6,  8,  11, 13, 15, 18, 20, 22,  25,  27,  29,  32,  34,  36,
                                  39, 41, 43, 46, 48, 50, 52, 55, 57, 59, 62,  64,  66,  69,  71,  73,  76,
                                  78, 80, 83, 85, 87, 90, 92, 94, 97, 99, 101, 104, 106, 108, 111, 113, 115};

int clampIndex(long long k, int size) {
    return static_cast<int>(std::clamp<long long>(k, 0, size - 1));
}

DpiBytes word(uint32_t v) {
    return {static_cast<uint8_t>(v & 0xFF), static_cast<uint8_t>((v >> 8) & 0xFF)};
}

// Above the first range the code w = v - offset is sent with bit 7 set in its high byte.
DpiBytes wordHigh(uint32_t w) {
    return {static_cast<uint8_t>(w & 0xFF), static_cast<uint8_t>(((w >> 8) & 0xFF) | 0x80)};
}

DpiBytes pair(long long low, int range) {
    return {static_cast<uint8_t>(low & 0xFF), static_cast<uint8_t>(range)};
}

}  // namespace

uint8_t t1(long long k) {
    return kT1[clampIndex(k, kT1Size)];
}
uint8_t t2(long long k) {
    const int i = clampIndex(k, kT2Size);
    return i < kT1Size ? kT1[i] : kT2Tail[i - kT1Size];
}
uint8_t t3(long long k) {
    return kT3[clampIndex(k, kT3Size)];
}
uint8_t t4(long long k) {
    return kT4[clampIndex(k, kT4Size)];
}
uint8_t t5(long long k) {
    return kT5[clampIndex(k, kT5Size)];
}

DpiBytes encodeDpiCode(int sensorCode, uint32_t v32, uint8_t linkMode) {
    const long long v = v32;
    switch (sensorCode) {
        case 3104:
        case 31042:
            return v <= 106 ? pair(v, 0) : pair(v - 53, 1);
        case 3212:
            if (v < 64) return pair(v, 0);
            if (v <= 94) return pair(v - 32, 1);
            return pair(v - 63, 2);
        case 3311:
        case 33112:
            return v <= 120 ? DpiBytes{t1(v - 1), 0} : DpiBytes{t1(v - 61), 1};
        case 3325:
        case 33252:
            if (v <= 50) return {t5(v), 0};
            if (v <= 75) return {t5(v - 25), 1};
            return {t5(v - 50), 2};
        case 3327:
            if (v <= 61) return {t4(v), 0};
            if (v <= 92) return {t4(v - 31), 1};
            return {t4(v - 52), 4};
        case 3333:
            return v <= 79 ? DpiBytes{t3(v - 2), 0} : DpiBytes{t3(v - 42), 1};
        case 3335:
        case 33352:
            return v <= 160 ? DpiBytes{t2(v - 1), 0} : DpiBytes{t2(v - 41), 1};
        case 3360:
            return v <= 120 ? pair(v - 1, 0) : pair(v - 61, 1);
        case 3370:
            return v <= 200 ? pair(v - 1, 0) : pair(v - 101, 1);
        case 3389:
            return v <= 320 ? word(v32) : wordHigh(v32 - 160);
        case 3395:
            return word(linkMode == kLinkModeCapped ? std::min<uint32_t>(v32, 399) : v32);
        case 33952:
            return v <= 519 ? word(v32) : wordHigh(v32 - 260);
        default:  // 3399 and unknown sensors have no encoding
            return {};
    }
}

bool usesXForBothAxes(int sensorCode) {
    return sensorCode == 3335 || sensorCode == 33352;
}
bool sendsYFirst(int sensorCode) {
    return sensorCode == 3104 || sensorCode == 31042;
}

uint8_t encodeSniperLevel(int sensorCode, uint8_t h) {
    switch (sensorCode) {
        case 3104:
        case 3212:
        case 3389:
            return h;
        case 3325:
            return t5(h);
        case 3327:
            return t4(h);
        case 3335:
            return t2(static_cast<long long>(h) - 1);
        case 3360:
            return static_cast<uint8_t>(h - 1);
        default:
            return 4;
    }
}

}  // namespace mousecfg::sensor
