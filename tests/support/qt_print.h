#pragma once

#include <QColor>
#include <QString>
#include <ostream>

// Readable QString/QColor values in gtest messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QColor& c, std::ostream* os) {
    *os << (c.isValid() ? c.name(QColor::HexArgb).toStdString() : std::string("invalid"));
}
QT_END_NAMESPACE
