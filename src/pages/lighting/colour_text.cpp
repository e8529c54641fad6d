#include "pages/lighting/colour_text.h"

namespace mousecfg::colourtext {

namespace {

// The component written by `digits`; 0 when any of them is not a hexadecimal digit (a sign,
// a space or an "0x" prefix included).
int component(const QString& digits) {
    int v = 0;
    for (const QChar c : digits) {
        const int d = QStringLiteral("0123456789abcdef").indexOf(c.toLower());
        if (d < 0) return 0;
        v = v * 16 + d;
    }
    return v;
}

}  // namespace

QString hexText(const QColor& colour) {
    const auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')); };
    return QStringLiteral("%1%2%3").arg(two(colour.red()), two(colour.green()), two(colour.blue()));
}

QColor colourFromHexInput(const QString& text) {
    const QString& t = text;
    switch (t.size()) {
        case 1:
        case 2:
            return QColor(0, 0, component(t));
        case 3: {
            const auto doubled = [&t](int i) { return component(QString(2, t.at(i))); };
            return QColor(doubled(0), doubled(1), doubled(2));
        }
        case 4:
            return QColor(0, component(t.mid(0, 2)), component(t.mid(2, 2)));
        case 5:
            return QColor(component(t.mid(0, 1)), component(t.mid(1, 2)), component(t.mid(3, 2)));
        case 6:
            return QColor(component(t.mid(0, 2)), component(t.mid(2, 2)), component(t.mid(4, 2)));
        default:
            return QColor(0, 0, 0);
    }
}

}  // namespace mousecfg::colourtext
