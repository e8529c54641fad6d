#include "sim/firmware_memory.h"

#include <algorithm>

#include "device/command_frame.h"

namespace mousecfg {

namespace {

constexpr int kProfileByte = 6;
constexpr int kRateBytes = 11;
constexpr int kStageByte = 17;
constexpr int kFactoryStage = 1;
constexpr int kFactoryRate = 1;

uint8_t byteAt(const QByteArray& frame, int index) {
    return static_cast<uint8_t>(frame.at(index));
}

QByteArray sized(const QByteArray& bytes, int size) {
    QByteArray s = bytes.left(size);
    if (s.size() < size) s.append(QByteArray(size - s.size(), '\0'));
    return s;
}

}  // namespace

FirmwareState FirmwareMemory::factoryState() {
    FirmwareState s;
    // The settings a new mouse runs with: scroll 1, lift-off 2, profile 1, lighting off after a
    // minute without movement, rate code 1 and stage 2 everywhere, the first effect.
    static constexpr uint8_t kSettings[19] = {1, 1, 1, 1, 1, 2, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 0x1F, 1, 1};
    s.settings = QByteArray(kSectionSize, '\0');
    std::copy(std::begin(kSettings), std::end(kSettings), s.settings.begin());
    s.settings[0x7F] = 0x1A;
    for (auto& bank : s.banks)
        for (QByteArray& section : bank) section = QByteArray(kSectionSize, '\0');
    s.macros = QByteArray(kMacroSectionSize, '\0');
    s.stages.fill(kFactoryStage);
    s.activeStage = kFactoryStage;
    s.activeRate = kFactoryRate;
    return s;
}

FirmwareMemory::FirmwareMemory() : s_(factoryState()) {}

QByteArray* FirmwareMemory::sectionRef(uint8_t command, int profile) {
    if (command == command::kGlobalSettings) return &s_.settings;
    if (command == command::kMacroMemory) return &s_.macros;
    if (command < command::kDpiTable || command > command::kLightingTable) return nullptr;
    if (profile == -1) profile = s_.selected;
    if (profile < 0 || profile >= kProfiles) return nullptr;
    return &s_.banks[static_cast<size_t>(profile)][static_cast<size_t>(command - command::kDpiTable)];
}

QByteArray FirmwareMemory::section(uint8_t command, int profile) const {
    QByteArray* s = const_cast<FirmwareMemory*>(this)->sectionRef(command, profile);
    return s ? *s : QByteArray();
}

void FirmwareMemory::setSection(uint8_t command, const QByteArray& bytes, int profile) {
    if (QByteArray* s = sectionRef(command, profile)) *s = sized(bytes, s->size());
}

bool FirmwareMemory::restore(const FirmwareState& state) {
    auto whole = [](const QByteArray& b, int size) { return b.size() == size; };
    bool ok = whole(state.settings, kSectionSize) && whole(state.macros, kMacroSectionSize) &&
              state.selected < kProfiles && state.activeProfile < kProfiles;
    for (const auto& bank : state.banks)
        for (const QByteArray& section : bank) ok = ok && whole(section, kSectionSize);
    if (!ok) return false;
    s_ = state;
    configMode_ = false;
    return true;
}

void FirmwareMemory::putInEffect(uint8_t profile) {
    s_.selected = profile;
    s_.activeProfile = profile;
    s_.activeStage = s_.stages[profile];
    s_.activeRate = byteAt(s_.settings, kRateBytes + profile);
}

void FirmwareMemory::storeSectionWrite(const QByteArray& f) {
    const uint8_t cmd = byteAt(f, frame_byte::kCommand - 1);
    QByteArray* s = sectionRef(cmd, -1);
    if (!s) return;
    int offset = byteAt(f, frame_byte::kOffsetLow - 1);
    if (cmd == command::kMacroMemory) offset |= byteAt(f, frame_byte::kOffsetHigh - 1) << 8;
    const int n = std::min<int>(byteAt(f, frame_byte::kLength - 1), kFrameMaxData);
    for (int i = 0; i < n && offset + i < s->size(); ++i) (*s)[offset + i] = f.at(kFrameDataStart - 1 + i);
    if (cmd != command::kGlobalSettings) return;
    // The active profile index and its stage count from the moment they land.
    auto covers = [&](int byte) { return offset <= byte && byte < offset + n; };
    const uint8_t named = byteAt(s_.settings, kProfileByte);
    if (covers(kProfileByte) && named < kProfiles) s_.selected = named;
    if (covers(kStageByte) && named < kProfiles) s_.stages[named] = byteAt(s_.settings, kStageByte);
}

FirmwareMemory::Effect FirmwareMemory::receive(const QByteArray& f) {
    if (f.size() < kFrameLength) return Effect::None;
    const uint8_t cmd = byteAt(f, frame_byte::kCommand - 1);
    const uint8_t arg = byteAt(f, frame_byte::kOffsetLow - 1);
    switch (cmd) {
        case command::kConfigMode:
            if (arg == 0) configMode_ = true;
            if (arg == 1 && configMode_) {
                configMode_ = false;
                return Effect::SequenceEnded;
            }
            return Effect::None;
        case command::kSelectProfile:
            if (arg >= kProfiles) return Effect::None;
            s_.selected = arg;
            return configMode_ ? Effect::Changed : Effect::ChangedOutside;
        case command::kReload: {
            const uint8_t mask = byteAt(f, frame_byte::kOffsetHigh - 1);
            reloads_.push_back(mask);
            if (mask == 0x01) putInEffect(s_.selected);
            return configMode_ ? Effect::Changed : Effect::ChangedOutside;
        }
        default:
            if (cmd < command::kGlobalSettings || cmd > command::kMacroMemory || !configMode_)
                return Effect::None;
            storeSectionWrite(f);
            return Effect::Changed;
    }
}

void FirmwareMemory::changeProfileOnMouse(uint8_t profile) {
    if (profile < kProfiles) putInEffect(profile);
}

void FirmwareMemory::changeDpiStageOnMouse(uint8_t stage) {
    s_.stages[s_.activeProfile] = stage;
    s_.activeStage = stage;
}

void FirmwareMemory::changeRateOnMouse(uint8_t rate) {
    s_.settings[kRateBytes + s_.activeProfile] = static_cast<char>(rate);
    s_.activeRate = rate;
}

}  // namespace mousecfg
