#include "pages/macros/macro_texts.h"

#include "device/key_codes.h"

namespace mousecfg {

QString MacroTexts::buttonName(int bit) {
    switch (bit) {
        case macro::kLeftButton:
            return tr("LEFT CLICK");
        case macro::kRightButton:
            return tr("RIGHT CLICK");
        case macro::kMiddleButton:
            return tr("MIDDLE CLICK");
        case macro::kForwardButton:
            return tr("FORWARD");
        case macro::kBackwardButton:
            return tr("BACKWARD");
        default:
            return QString();
    }
}

QString MacroTexts::directionName(macro::Direction direction) {
    switch (direction) {
        case macro::Direction::Left:
            return tr("MOVE LEFT");
        case macro::Direction::Right:
            return tr("MOVE RIGHT");
        case macro::Direction::Up:
            return tr("MOVE UP");
        case macro::Direction::Down:
            return tr("MOVE DOWN");
    }
    return QString();
}

QString MacroTexts::keyNameOfUsage(int usage) {
    const auto code = keycodes::keyCodeOfUsage(usage);
    return code ? keycodes::keyName(*code) : QString();
}

}  // namespace mousecfg
