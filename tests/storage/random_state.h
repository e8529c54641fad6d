#pragma once

#include <QString>
#include <random>
#include <set>

#include "storage/config_state.h"

namespace mousecfg::test {

// Builds profile sets in which every field differs from its default (0, empty, invalid colour),
// so a key that is written or read wrongly cannot hide behind a default.
class RandomState {
public:
    explicit RandomState(uint32_t seed) : rng_(seed) {}

    uint8_t u8() { return static_cast<uint8_t>(between(1, 255)); }
    // Full unsigned range, including codes above 2^31.
    uint32_t u32() { return static_cast<uint32_t>(between(1, 0xFFFFFFFFLL)); }
    int32_t i32() {
        int64_t v = between(INT32_MIN, INT32_MAX);
        return static_cast<int32_t>(v == 0 ? 1 : v);
    }
    long long between(long long lo, long long hi) {
        return std::uniform_int_distribution<long long>(lo, hi)(rng_);
    }

    // Text with non-ASCII letters; safe as a file name.
    QString name() {
        static const QString pool = QStringLiteral("abcXYZ019 _-äöüßéПрофиль配置文件鼠标😀");
        QString s;
        const int n = static_cast<int>(between(3, 14));
        const auto units = pool.toUcs4();
        for (int i = 0; i < n; ++i) {
            const uint cp = units[static_cast<int>(between(0, units.size() - 1))];
            s += QString::fromUcs4(&cp, 1);
        }
        return s.trimmed().isEmpty() ? QStringLiteral("n") : s;
    }

    QColor colour() {
        return QColor(static_cast<int>(between(0, 255)), static_cast<int>(between(0, 255)),
                      static_cast<int>(between(0, 255)), 255);
    }

    MouseProfile profile() {
        MouseProfile p;
        p.pollrate = u8();
        p.dpi = u8();
        p.LedMode = static_cast<uint8_t>(between(1, kLedModes - 1));
        p.LedMoveOFF = u8();
        p.LedSleepTime = u8();
        for (DpiStage& s : p.dpiStages) s = {u8(), u8(), u32(), u32(), u32()};
        p.mousespeed = u8();
        p.dbclickspeed = u8();
        p.scrollispage = u8();
        p.scrollspeed = u8();
        p.accelenable = u8();
        p.acee = u8();
        for (ButtonAssignment& b : p.buttons) {
            b.ID = i32();
            b.Fun = i32();
            b.LoopNumber = i32();
            b.KeyNumber = i32();
            for (KeyInfoEntry& e : b.KeyInfo) e = {u8(), u8(), u8()};
            b.Res1 = u8();
            b.Res2 = u8();
            b.Res3 = u8();
            b.Res4 = u8();
            b.macroname = name();
        }
        for (LedModeSetting& l : p.ledModes) l = {colour(), u32(), u32(), u32(), u32(), u32()};
        p.ProfileName = name();
        p.ProfilePath = QStringLiteral("/home/ü/") + name();
        return p;
    }

    ConfigState state() {
        ConfigState s;
        s.ProfileID = static_cast<uint8_t>(between(1, kProfileCount - 1));
        for (MouseProfile& p : s.profiles) p = profile();
        s.AngleValue = u8();
        s.LiftHigh = u8();
        s.Count = u8();
        std::set<QString> used;  // slot names are file names: keep them distinct
        for (QString& n : s.profileNames) {
            do n = name();
            while (!used.insert(n).second);
        }
        return s;
    }

private:
    std::mt19937_64 rng_;
};

}  // namespace mousecfg::test
