#pragma once

#include <QValidator>

namespace mousecfg {

// Whole numbers from `bottom` to `top` as typed: a digit that would leave the range is refused
// at once (QIntValidator lets "256" or "0" stand as intermediate text for 1..255). An empty
// field is intermediate, so it can be typed anew.
class RangeValidator : public QValidator {
    Q_OBJECT

public:
    RangeValidator(int bottom, int top, QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;

private:
    int bottom_;
    int top_;
};

}  // namespace mousecfg
