#include "pages/buttons/range_validator.h"

namespace mousecfg {

RangeValidator::RangeValidator(int bottom, int top, QObject* parent)
    : QValidator(parent), bottom_(bottom), top_(top) {}

QValidator::State RangeValidator::validate(QString& input, int&) const {
    if (input.isEmpty()) return Intermediate;
    if (input.size() > 9) return Invalid;
    for (const QChar c : input)
        if (!c.isDigit() || c.unicode() > '9') return Invalid;
    if (input.size() > 1 && input.front() == QLatin1Char('0')) return Invalid;
    const int value = input.toInt();
    if (value > top_) return Invalid;
    if (value >= bottom_) return Acceptable;
    // Below the range: fine while more digits can still reach it.
    return value != 0 && static_cast<long long>(value) * 10 <= top_ ? Intermediate : Invalid;
}

}  // namespace mousecfg
