#include "storage/macro_events.h"

#include <algorithm>
#include <utility>

namespace mousecfg::macro {

namespace {

constexpr std::uint8_t kKindMask = 0x7F;

std::uint8_t byteOf(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

}  // namespace

RowKind rowKind(const MacroEvent& event) {
    switch (event.map & kKindMask) {
        case macroevent::kKey:
            return RowKind::Key;
        case macroevent::kMouseButton:
            return RowKind::MouseButton;
        case macroevent::kMove:
            return RowKind::Move;
        case macroevent::kDelay:
            return RowKind::Delay;
        default:
            return RowKind::Other;
    }
}

bool isButtonBit(int bit) {
    return bit == kLeftButton || bit == kRightButton || bit == kMiddleButton || bit == kForwardButton ||
           bit == kBackwardButton;
}

MacroEvent keyEvent(std::uint8_t usage, bool press) {
    return {static_cast<std::uint8_t>(macroevent::kKey | (press ? macroevent::kPress : 0)), 0, usage};
}

MacroEvent buttonEvent(std::uint8_t bit, bool press) {
    return {static_cast<std::uint8_t>(macroevent::kMouseButton | (press ? macroevent::kPress : 0)), 0, bit};
}

MacroEvent moveEvent(Direction direction, int distance) {
    const int d = std::clamp(distance, 0, kMaxMoveDistance);
    // Backward moves are two's-complement bytes; a distance of 0 stays 0 either way.
    const std::uint8_t back = byteOf(256 - d);
    switch (direction) {
        case Direction::Right:
            return {macroevent::kMove, 0, byteOf(d)};
        case Direction::Left:
            return {macroevent::kMove, 0, back};
        case Direction::Down:
            return {macroevent::kMove, byteOf(d), 0};
        case Direction::Up:
            return {macroevent::kMove, back, 0};
    }
    return {macroevent::kMove, 0, 0};
}

MacroEvent delayEvent(int count) {
    const int c = std::clamp(count, 0, kMaxDelayCount);
    return {macroevent::kDelay, byteOf(c >> 8), byteOf(c)};
}

Movement movementOf(const MacroEvent& event) {
    const int x = event.dataL;
    const int y = event.dataH;
    if (y == 0) {
        if (x <= kMaxMoveDistance) return {Direction::Right, x};
        return {Direction::Left, 256 - x};
    }
    if (x == 0) {
        if (y <= kMaxMoveDistance) return {Direction::Down, y};
        return {Direction::Up, 256 - y};
    }
    return {Direction::Right, 0};
}

int delayCount(const MacroEvent& event) {
    return event.dataH * 256 + event.dataL;
}

int delayCountForMs(int milliseconds, int unit) {
    if (unit <= 0 || milliseconds <= 0) return 0;
    return std::min(milliseconds / unit, kMaxDelayCount);
}

int delayUnit(int descriptorValue) {
    return descriptorValue > 0 ? descriptorValue : 10;
}

std::optional<MacroEvent> editorRow(const MacroEvent& stored) {
    switch (rowKind(stored)) {
        case RowKind::MouseButton:
            // Only the two plain button codes with a single button bit make a row.
            if ((stored.map == macroevent::kMouseButton ||
                 stored.map == (macroevent::kMouseButton | macroevent::kPress)) &&
                isButtonBit(stored.dataL))
                return MacroEvent{stored.map, 0, stored.dataL};
            return std::nullopt;
        case RowKind::Move:
            // A move on one axis keeps its bytes (a stored distance may exceed what the editor
            // makes); a move on both axes is not one the editor can show and becomes a move of 0.
            if (stored.dataH != 0 && stored.dataL != 0) return MacroEvent{macroevent::kMove, 0, 0};
            return MacroEvent{macroevent::kMove, stored.dataH, stored.dataL};
        case RowKind::Delay:
            return MacroEvent{macroevent::kDelay, stored.dataH, stored.dataL};
        case RowKind::Key:
            return keyEvent(stored.dataL, isPress(stored));
        case RowKind::Other:
            break;
    }
    return std::nullopt;
}

QVector<MacroEvent> editorRows(const QVector<MacroEvent>& stored) {
    QVector<MacroEvent> rows;
    rows.reserve(stored.size());
    for (const MacroEvent& e : stored)
        if (const auto row = editorRow(e)) rows.push_back(*row);
    return rows;
}

bool releaseCheckPasses(const QVector<MacroEvent>& rows) {
    // (kind, code) of every press that has not been released yet, in order.
    QVector<std::pair<RowKind, std::uint8_t>> held;
    for (const MacroEvent& e : rows) {
        const RowKind kind = rowKind(e);
        if (kind != RowKind::Key && kind != RowKind::MouseButton) continue;
        const std::pair<RowKind, std::uint8_t> code{kind, e.dataL};
        if (isPress(e)) {
            held.push_back(code);
        } else {
            const int i = held.indexOf(code);
            if (i >= 0) held.remove(i);
        }
    }
    return held.isEmpty();
}

}  // namespace mousecfg::macro
