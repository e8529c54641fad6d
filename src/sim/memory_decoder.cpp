#include "sim/memory_decoder.h"

namespace mousecfg::simdecode {

namespace {
constexpr int kClosingOffset = 0x7F;
constexpr uint8_t kClosingByte = 0x1A;
}  // namespace

uint8_t sectionByte(const QByteArray& section, int offset) {
    if (offset < 0 || offset >= section.size()) return 0;
    return static_cast<uint8_t>(section.at(offset));
}

GlobalSettings decodeGlobalSettings(const QByteArray& section) {
    GlobalSettings g;
    for (int i = 0; i < 5; ++i) g.scrollSpeed[static_cast<size_t>(i)] = sectionByte(section, i);
    g.liftHigh = sectionByte(section, 5);
    g.profileId = sectionByte(section, 6);
    g.ledMoveOff = sectionByte(section, 7);
    g.ledSleepTime = sectionByte(section, 8);
    for (int i = 0; i < 5; ++i) g.pollRate[static_cast<size_t>(i)] = sectionByte(section, 11 + i);
    g.dpiStage = sectionByte(section, 17);
    g.ledEffect = sectionByte(section, 18);
    g.closed = sectionByte(section, kClosingOffset) == kClosingByte;
    return g;
}

DpiTable decodeDpiTable(const QByteArray& section) {
    DpiTable t;
    t.stageCount = sectionByte(section, 0);
    for (int i = 0; i < 8; ++i) {
        const int o = 1 + 5 * i;
        DpiStageBytes& s = t.stages[static_cast<size_t>(i)];
        s.used = sectionByte(section, o);
        s.xLow = sectionByte(section, o + 1);
        s.xRange = sectionByte(section, o + 2);
        s.yLow = sectionByte(section, o + 3);
        s.yRange = sectionByte(section, o + 4);
    }
    t.closed = sectionByte(section, kClosingOffset) == kClosingByte;
    return t;
}

}  // namespace mousecfg::simdecode
