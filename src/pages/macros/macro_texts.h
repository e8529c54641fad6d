#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>

#include "storage/macro_events.h"

namespace mousecfg {

// Names of mouse buttons and movement directions that the macro table, the mouse-command tree
// and the row editor share.
class MacroTexts {
    Q_DECLARE_TR_FUNCTIONS(mousecfg::MacroTexts)

public:
    // "LEFT CLICK" ... for a button bit; empty for anything else.
    static QString buttonName(int bit);
    static QString directionName(macro::Direction direction);
    // The five button bits in the order of the command tree and the row editor's menu.
    static constexpr std::uint8_t kTreeButtons[5] = {macro::kLeftButton, macro::kMiddleButton,
                                                     macro::kRightButton, macro::kForwardButton,
                                                     macro::kBackwardButton};
    static constexpr macro::Direction kTreeDirections[4] = {macro::Direction::Left, macro::Direction::Right,
                                                            macro::Direction::Up, macro::Direction::Down};
    // The name of the key whose HID usage a key row holds (empty for an unknown usage).
    static QString keyNameOfUsage(int usage);
};

}  // namespace mousecfg
