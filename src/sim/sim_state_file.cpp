#include "sim/sim_state_file.h"

#include <QFile>
#include <QSaveFile>

#include "sim/sim_log.h"

namespace mousecfg {

namespace {

const QByteArray kMagic = QByteArrayLiteral("MCSIMMEM");
constexpr uint16_t kVersion = 1;
constexpr int kSection = FirmwareMemory::kSectionSize;
constexpr int kProfiles = FirmwareMemory::kProfiles;
// Magic, version, settings, banks, macros, selected, stages, profile/stage/rate in effect,
// battery, charging, checksum.
constexpr int kFileSize = 8 + 2 + kSection + kProfiles * FirmwareState::kBankedSections * kSection +
                          FirmwareMemory::kMacroSectionSize + 1 + kProfiles + 3 + 2 + 1 + 4;

uint32_t crc32(const char* data, int size) {
    uint32_t crc = 0xFFFFFFFFu;
    for (int i = 0; i < size; ++i) {
        crc ^= static_cast<uint8_t>(data[i]);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putLe(QByteArray& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Reads the fixed layout front to back; the size was checked before.
class Reader {
public:
    explicit Reader(const QByteArray& bytes) : b_(bytes) {}
    QByteArray take(int n) {
        const QByteArray part = b_.mid(pos_, n);
        pos_ += n;
        return part;
    }
    uint32_t le(int bytes) {
        uint32_t v = 0;
        for (int i = 0; i < bytes; ++i)
            v |= static_cast<uint32_t>(static_cast<uint8_t>(b_.at(pos_ + i))) << (8 * i);
        pos_ += bytes;
        return v;
    }
    uint8_t u8() { return static_cast<uint8_t>(le(1)); }

private:
    const QByteArray& b_;
    int pos_ = 0;
};

}  // namespace

QByteArray encodeSimulatedMouseMemory(const SimulatedMouseMemory& m) {
    const FirmwareState& f = m.firmware;
    QByteArray out = kMagic;
    putLe(out, kVersion, 2);
    out.append(f.settings.leftJustified(kSection, '\0', true));
    for (const auto& bank : f.banks)
        for (const QByteArray& s : bank) out.append(s.leftJustified(kSection, '\0', true));
    out.append(f.macros.leftJustified(FirmwareMemory::kMacroSectionSize, '\0', true));
    out.append(static_cast<char>(f.selected));
    for (uint8_t stage : f.stages) out.append(static_cast<char>(stage));
    out.append(static_cast<char>(f.activeProfile));
    out.append(static_cast<char>(f.activeStage));
    out.append(static_cast<char>(f.activeRate));
    putLe(out, m.batteryRaw, 2);
    out.append(static_cast<char>(m.charging ? 1 : 0));
    putLe(out, crc32(out.constData(), out.size()), 4);
    return out;
}

bool decodeSimulatedMouseMemory(const QByteArray& bytes, SimulatedMouseMemory& memory) {
    if (bytes.size() != kFileSize || !bytes.startsWith(kMagic)) return false;
    Reader r(bytes);
    r.take(kMagic.size());
    if (r.le(2) != kVersion) return false;
    SimulatedMouseMemory m;
    FirmwareState& f = m.firmware;
    f.settings = r.take(kSection);
    for (auto& bank : f.banks)
        for (QByteArray& s : bank) s = r.take(kSection);
    f.macros = r.take(FirmwareMemory::kMacroSectionSize);
    f.selected = r.u8();
    for (uint8_t& stage : f.stages) stage = r.u8();
    f.activeProfile = r.u8();
    f.activeStage = r.u8();
    f.activeRate = r.u8();
    m.batteryRaw = static_cast<uint16_t>(r.le(2));
    m.charging = r.u8() != 0;
    if (r.le(4) != crc32(bytes.constData(), kFileSize - 4)) return false;
    if (f.selected >= kProfiles || f.activeProfile >= kProfiles) return false;
    memory = m;
    return true;
}

bool loadSimulatedMouseMemory(const QString& file, SimulatedMouseMemory& memory) {
    QFile in(file);
    if (!in.exists()) return false;
    // Read one byte more than a whole file holds, so a longer file is seen as damaged too.
    if (!in.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = in.read(kFileSize + 1);
    if (decodeSimulatedMouseMemory(bytes, memory)) return true;
    qCDebug(lcSim) << "damaged state file, starting from the factory state:" << file;
    return false;
}

bool saveSimulatedMouseMemory(const QString& file, const SimulatedMouseMemory& memory) {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        qCDebug(lcSim) << "cannot write the state file" << file;
        return false;
    }
    out.write(encodeSimulatedMouseMemory(memory));
    if (out.commit()) return true;
    qCDebug(lcSim) << "cannot write the state file" << file;
    return false;
}

}  // namespace mousecfg
