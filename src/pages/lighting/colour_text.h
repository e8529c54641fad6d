#pragma once

#include <QColor>
#include <QString>

namespace mousecfg::colourtext {

// Six lowercase hexadecimal digits, two each for red, green and blue ("ff8800").
QString hexText(const QColor& colour);

// The colour a partly typed hexadecimal field stands for, by its length: 1 or 2 characters are
// blue, 3 are one digit per component doubled ("f80" is ff8800), 4 are green and blue, 5 are red
// (one digit), green and blue, 6 are two digits each. An empty field or more than six characters
// is black; characters that are not hexadecimal digits make their component 0.
QColor colourFromHexInput(const QString& text);

}  // namespace mousecfg::colourtext
