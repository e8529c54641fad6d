#pragma once

#include <QString>
#include <QVector>
#include <array>

#include "storage/macro_files.h"

namespace mousecfg {

class Paths;

// A firing pattern: up to five shots, each a click of the left button, an optional pointer
// correction and a pause. Positive vertical values move down, positive horizontal values right.
struct GunShot {
    int delay = 100;  // ms, 1..999
    int vertical = 0;
    int horizontal = 0;  // -100..100
};
struct GunPattern {
    static constexpr int kMaxShots = 5;
    static constexpr int kMaxCorrection = 100;
    static constexpr int kMaxDelay = 999;
    int shots = kMaxShots;  // 1..5; shots beyond it are ignored
    std::array<GunShot, kMaxShots> shot{};
};

// The events of a pattern, shot by shot: the left button's 0x01 event, then its 0x81 event, a
// vertical and a horizontal move when not 0, and a delay of delay / 10 counts when not 0. Values
// out of range are clamped first.
QVector<MacroEvent> gunEvents(const GunPattern& pattern);
// The whole file of a pattern: default delay 10, delay type 1, no loop, loop count 1.
MacroFileData gunFileData(const GunPattern& pattern);

}  // namespace mousecfg
